#include "elements/EditPrint.h"
#include "model/FoBlockContainer.h"
#include "model/FoPageElements.h"
#include "model/XslElements.h"
#include "xmlformat/FoBlockWriters.h"
#include "xmlformat/FoDocumentWriter.h"
#include "xmlformat/FoWriterSupport.h"

namespace {

const char16_t* const kPartElements[] = {u"dai", u"ran", u"kai", u"setsu"};

CDomNode InsertBefore(CDomDocument& doc, const CDomNode& reference, const char16_t* name) {
  CDomNode parent = doc.documentElement();
  return parent.insertBefore(doc.createElement(name), reference);
}

void AppendParts(CDomDocument& doc, const CDomNode& question) {
  for (const char16_t* part : kPartElements) FoAppendDomElement(doc, question, part);
}

}  // namespace

void CFoDocumentWriter::WriteDataSkeleton() {
  CDomNode stylesheet = SelectRequired(u"//xsl:stylesheet");
  if (HasNameField()) InsertBefore(m_doc, stylesheet, u"kim");
  for (CQVXMLNode* node : m_print.m_pBodyFlow->m_arrChildren) {
    FoRequire(node != nullptr);
    if (auto* part = dynamic_cast<CXslApplyTemplates*>(node)) WriteQuestionSkeleton(stylesheet, *part);
  }
}

// A major's question part stands for the whole question: its own parts and its minors'.
void CFoDocumentWriter::WriteQuestionSkeleton(const CDomNode& stylesheet, const CXslApplyTemplates& node) {
  switch (DWORD(node.m_nPartType)) {
    case NTYPE_EDITSENTENCE: {
      if (node.m_nMinor != 0 || node.m_nPartKind != CXslApplyTemplates::PartDai) return;
      FoRequire(node.m_nMajor >= 1 && size_t(node.m_nMajor) < m_arrMinorCounts.size());
      CDomNode dmon = InsertBefore(m_doc, stylesheet, u"dmon");
      AppendParts(m_doc, FoAppendDomElement(m_doc, dmon, u"mon"));
      for (int minor = 1; minor <= m_arrMinorCounts[size_t(node.m_nMajor)]; ++minor)
        AppendParts(m_doc, FoAppendDomElement(m_doc, dmon, u"smon"));
      return;
    }
    case NTYPE_EDITGAI:
      InsertBefore(m_doc, stylesheet, u"gai");
      return;
    case NTYPE_EDITKAIPAGE:
      return;
    default:
      FoRequire(false);
  }
}

void CFoDocumentWriter::WritePageReferences() {
  CDomNode master = SelectRequired(u"//fo:page-sequence-master");
  for (int page = 1; page <= m_print.m_nPageCount; ++page) {
    CDomNode reference = FoAppendDomElement(m_doc, master, u"fo:single-page-master-reference");
    FoSetDomAttribute(m_doc, reference, u"master-reference",
                      m_print.IsNameFieldPage(page) ? u"KimeiBodyPage" : u"BodyPage");
  }
}

void CFoDocumentWriter::WriteNameFieldReference() {
  CDomNode call = FoAppendDomElement(m_doc, SelectRequired(u"//fo:static-content"), u"xsl:apply-templates");
  FoSetDomAttribute(m_doc, call, u"select", u"/print/kim");
}

// Page breaks stand in the flow as block containers numbered from 1.
void CFoDocumentWriter::WriteFlow() {
  CDomNode flow = SelectRequired(u"//fo:flow");
  FO_ID_COUNTERS pageBreaks;
  for (CQVXMLNode* node : m_print.m_pBodyFlow->m_arrChildren) {
    if (auto* part = dynamic_cast<CXslApplyTemplates*>(node)) {
      FoSetDomAttribute(m_doc, FoAppendDomElement(m_doc, flow, u"xsl:apply-templates"), u"select", part->m_strSelect);
    } else {
      FoRequire(dynamic_cast<CFoBlockContainer*>(node) != nullptr);
      CDomNode pageBreak = FoAppendDomElement(m_doc, flow, u"fo:block-container");
      FoSetDomAttribute(m_doc, pageBreak, u"id", pageBreaks.NextId(BK_KAIPAGE));
      FoSetDomAttribute(m_doc, pageBreak, u"break-after", u"page");
    }
  }
}

void CFoDocumentWriter::WriteNameFieldTemplate(const CDomNode& stylesheet) {
  WritePartTemplate(stylesheet, u"/print/kim", m_pNameField);
}

// Top-level parts, body-template nodes and body FO children advance together.
void CFoDocumentWriter::WritePartTemplates(const CDomNode& stylesheet) {
  const std::vector<CQVXMLNode*>& paths = m_print.m_pBodyFlow->m_arrChildren;
  int nParts = m_print.GetChildCount();
  FoRequire(nParts >= 1);
  for (int i = 0; i < nParts && size_t(i) < paths.size(); ++i) {
    CQVXMLNode* part = m_print.GetChildAt(i);
    if (part && part->m_nType == NTYPE_EDITKAIPAGE) continue;
    auto* call = dynamic_cast<CXslApplyTemplates*>(paths[size_t(i)]);
    FoRequire(call != nullptr);
    WritePartTemplate(stylesheet, call->m_strSelect, m_body.GetChildAt(i));
  }
}

void CFoDocumentWriter::WritePartTemplate(const CDomNode& stylesheet, const CStringW& path, CQVXMLNode* pFoPart) {
  CDomNode templ = FoAppendDomElement(m_doc, stylesheet, u"xsl:template");
  FoSetDomAttribute(m_doc, templ, u"match", path);
  CDomNode container = FoAppendDomElement(m_doc, templ, u"fo:block-container");
  CDomNode data = m_doc.selectSingleNode(path.str());
  FoRequire(bool(data) && dynamic_cast<CFoBlockContainer*>(pFoPart) != nullptr);
  FO_ID_COUNTERS counters;
  FO_WRITE_CONTEXT c;
  c.document = m_doc;
  c.bVertical = m_bVertical;
  c.node = pFoPart;
  c.dataParent = data;
  c.element = container;
  c.counters = &counters;
  c.pFailure = &m_strFailure;
  FoRequire(FoWriteBlockContainer(c));
}
