#include "xmlformat/FoDocumentWriter.h"

#include "elements/EditPrint.h"
#include "model/FoBlockContainer.h"
#include "model/FoPageElements.h"
#include "xmlformat/FoValueForms.h"
#include "xmlformat/FoWriterSupport.h"
#include "xmlformat/XmlResources.h"

namespace {

constexpr char16_t kNamespaces[] =
    u"xmlns:xsl='http://www.w3.org/1999/XSL/Transform' xmlns:fo='http://www.w3.org/1999/XSL/Format'";

// The first value of the sheet root's layout state is its writing direction.
BOOL IsVerticalSheet(const CEditPrint& print) { return print.m_nReserved0 != 0; }

// Sets an attribute that the element has; one it lacks is not added.
void SetExistingAttribute(const CDomNode& element, const char16_t* name, const CStringW& value) {
  CDomNamedNodeMap attributes = element.attributes();
  for (LONG i = 0; i < attributes.length(); ++i) {
    CDomNode attribute = attributes.item(i);
    if (attribute.nodeType() == NODE_ATTRIBUTE && attribute.nodeName() == name) attribute.put_nodeValue(value.str());
  }
}

struct PAGE_GEOMETRY {
  LONG nWidth, nHeight, nLeft, nTop, nRight, nBottom;
};

// In vertical writing the page is written turned a quarter: the file's left margin is the
// sheet's top margin, its top the right, its right the bottom and its bottom the left.
PAGE_GEOMETRY PageGeometry(const CEditPrint& print, BOOL bVertical) {
  SIZE size;
  RECT margins;
  print.GetPageSize(&size);
  print.GetMargins(&margins);
  if (!bVertical) return {size.cx, size.cy, margins.left, margins.top, margins.right, margins.bottom};
  return {size.cy, size.cx, margins.top, margins.right, margins.bottom, margins.left};
}

CStringW ShortQuestionInfos(const CEditPrint& print) {
  CStringW text;
  for (const auto& info : print.m_listMondaiInfo) {
    CStringW id, subId, changed;
    info->FormatIds(id, subId, changed);
    text += id + subId + u"," + changed + u",";
  }
  return text;
}

CStringW FullQuestionInfos(const CEditPrint& print) {
  CStringW text;
  for (const auto& info : print.m_listMondaiInfo) {
    CStringW values[9];
    info->FormatAll(values, values[6], values[7], values[8]);
    for (const CStringW& value : values) text += value + u",";
  }
  return text;
}

}  // namespace

int WriteFoDocument(CEditPrint* pPrint, CFoFlow* pBody, const CStringW& path, CFoBlockContainer* pNameField,
                    CStringW* pParseMessage, CStringW* pReason) {
  if (!pPrint || !pBody) return 0;
  CFoDocumentWriter writer(*pPrint, *pBody, pNameField);
  try {
    writer.Build();
    writer.Save(path);
    return 1;
  } catch (const CDomException& failure) {
    writer.NoteFailure(CStringW(failure.Description()));
  } catch (...) {
  }
  if (pParseMessage) *pParseMessage = writer.ParseMessage();
  if (pReason) *pReason = writer.Failure();
  return 0;
}

void CFoDocumentWriter::NoteFailure(const CStringW& failure) {
  if (m_strFailure.IsEmpty()) m_strFailure = failure;
}

CFoDocumentWriter::CFoDocumentWriter(CEditPrint& print, CFoFlow& body, CFoBlockContainer* pNameField)
    : m_print(print), m_body(body), m_pNameField(pNameField), m_bVertical(IsVerticalSheet(print)) {}

void CFoDocumentWriter::Build() {
  LoadTemplate();
  m_doc.setProperty(u"SelectionLanguage", u"XPath");
  m_doc.setProperty(u"SelectionNamespaces", kNamespaces);
  WriteSearchTexts();
  WriteQuestionInfos();
  WritePageGeometry();
  WriteColumnCount();
  CountQuestions();
  WriteFieldSequence();
  WriteDataSkeleton();
  WritePageReferences();
  if (HasNameField()) WriteNameFieldReference();
  WriteFlow();
  CDomNode stylesheet = SelectRequired(u"//xsl:stylesheet");
  if (HasNameField()) WriteNameFieldTemplate(stylesheet);
  WritePartTemplates(stylesheet);
}

void CFoDocumentWriter::LoadTemplate() {
  std::u16string text;
  FoRequire(LoadXmlResource(m_bVertical ? IDR_XML_BASE_VERTICAL : IDR_XML_BASE_HORIZONTAL, text));
  if (m_doc.loadXML(text)) return;
  m_strParseMessage = CStringW(m_doc.parseError().Message());
  FoRequire(false);
}

CDomNode CFoDocumentWriter::SelectRequired(const char16_t* expression) {
  CDomNode node = m_doc.selectSingleNode(expression);
  FoRequire(bool(node));
  return node;
}

void CFoDocumentWriter::WriteSearchTexts() {
  if (CDomNode node = m_doc.selectSingleNode(u"//SearchProgID")) node.put_text(m_print.m_strSearchProgID.str());
  if (CDomNode node = m_doc.selectSingleNode(u"//SearchInfo")) node.put_text(m_print.m_strSearchInfo.str());
}

void CFoDocumentWriter::WriteQuestionInfos() {
  if (CDomNode node = m_doc.selectSingleNode(u"//MondaiID")) {
    m_print.CollectQuestionInfos();
    node.put_text(ShortQuestionInfos(m_print).str());
  }
  if (CDomNode node = m_doc.selectSingleNode(u"//MondaiID2")) node.put_text(FullQuestionInfos(m_print).str());
}

void CFoDocumentWriter::WritePageGeometry() {
  PAGE_GEOMETRY g = PageGeometry(m_print, m_bVertical);
  const struct {
    const char16_t* name;
    LONG value;
  } values[] = {{u"page-width", g.nWidth}, {u"page-height", g.nHeight}, {u"margin-left", g.nLeft},
                {u"margin-top", g.nTop},   {u"margin-right", g.nRight}, {u"margin-bottom", g.nBottom}};
  CDomNodeList masters = m_doc.selectNodes(u"//fo:simple-page-master");
  for (LONG i = 0; i < masters.length(); ++i) {
    for (const auto& value : values) SetExistingAttribute(masters.item(i), value.name, MillimetreText(value.value));
  }
}

void CFoDocumentWriter::WriteColumnCount() {
  LONG columns = m_print.m_page.m_nColumnCount;
  if (columns < 2) return;
  CDomNodeList bodies = m_doc.selectNodes(u"//fo:region-body");
  for (LONG i = 0; i < bodies.length(); ++i) SetExistingAttribute(bodies.item(i), u"column-count", DecimalText(columns));
}

void CFoDocumentWriter::CountQuestions() {
  int nMajors = m_print.GetMajorQuestionCount();
  FoRequire(nMajors >= 1);
  m_arrMinorCounts.assign(size_t(nMajors) + 1, 0);
  for (int major = 1; major <= nMajors; ++major) m_arrMinorCounts[size_t(major)] = m_print.GetMinorQuestionCount(major);
  FoRequire(m_print.WritePartPaths() && m_print.m_pBodyFlow && m_print.m_pBodyFlow->GetChildCount() > 0);
}

void CFoDocumentWriter::WriteFieldSequence() {
  if (m_print.m_nFieldSequence == 0) return;
  FoSetDomAttribute(m_doc, m_doc.documentElement(), u"field-sequence", DecimalText(m_print.m_nFieldSequence));
}

BOOL CFoDocumentWriter::HasNameField() const { return m_print.m_nodePageKimeiran.GetChildCount() > 0; }
