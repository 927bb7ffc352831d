#include "xmlformat/SheetReader.h"

#include <memory>
#include <stdexcept>

#include "elements/EditHaiten.h"
#include "elements/EditPrint.h"
#include "elements/QuestionParts.h"
#include "model/AttributeReader.h"
#include "model/FoFlowElements.h"
#include "model/FoPageElements.h"
#include "model/GdiCache.h"
#include "model/XmlElementTable.h"
#include "model/XslElements.h"
#include "platform/DomEncoding.h"
#include "platform/DomNamedNodeMap.h"
#include "xmlformat/FoDomReader.h"
#include "xmlformat/FoLayoutImport.h"
#include "xmlformat/QuestionIdText.h"
#include "xmlformat/XmlResources.h"

namespace {

constexpr char16_t kXslNamespace[] = u"xmlns:xsl='http://www.w3.org/1999/XSL/Transform'";
constexpr char16_t kFoNamespace[] = u"xmlns:fo='http://www.w3.org/1999/XSL/Format'";
constexpr char16_t kFallbackPath[] = u"/print/dmon[1]/mon/dai";

class CReadFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::u16string WithoutBlanks(const std::u16string& text) {
  std::u16string out;
  for (char16_t c : text)
    if (c != u' ' && c != u'\r' && c != u'\n') out += c;
  return out;
}

std::u16string TextOf(const CDomNode& node) { return node ? node.text() : std::u16string(); }

const char16_t* SkipByteOrderMark(const char16_t* xml) { return xml && *xml == 0xFEFF ? xml + 1 : xml; }

// 1 to 4 for exactly those texts, else 0.
int ReadFieldSequence(const CDomDocument& doc) {
  CDomNode root = doc.documentElement();
  CDomNamedNodeMap attributes = root ? root.attributes() : CDomNamedNodeMap();
  int sequence = 0;
  for (LONG i = 0; attributes && i < attributes.length(); ++i) {
    CDomNode attribute = attributes.item(i);
    if (attribute.nodeName() != u"field-sequence") continue;
    std::u16string value = attribute.nodeValue();
    sequence = value.size() == 1 && value[0] >= u'1' && value[0] <= u'4' ? value[0] - u'0' : 0;
  }
  return sequence;
}

// Size and margins are written turned for vertical writing; the model holds them unturned.
void TurnPageBack(CEditPrint* pPrint) {
  SIZE size;
  pPrint->GetPageSize(&size);
  SIZE turned{size.cy, size.cx};
  pPrint->SetPageSize(&turned);
  RECT m;
  pPrint->GetMargins(&m);
  RECT margins{m.bottom, m.left, m.top, m.right};
  pPrint->SetMargins(&margins);
}

}  // namespace

CSheetReader::CSheetReader(CFoItemFactory* pItems) : m_pItems(pItems) {}

BOOL CSheetReader::LoadDefaultPrint(CEditPrint* pPrint, BOOL bVerticalMode) {
  std::u16string text;
  if (!LoadXmlResource(bVerticalMode ? IDR_XML_NEW_VERTICAL : IDR_XML_NEW_HORIZONTAL, text)) return FALSE;
  return LoadXmlString(pPrint, text.c_str(), "");
}

BOOL CSheetReader::LoadXmlFile(CEditPrint* pPrint, const char* pszPath) {
  Reset();
  CDomDocument doc;
  BOOL bLoaded = FALSE;
  try {
    bLoaded = doc.load(Utf8ToUtf16(std::string_view(pszPath ? pszPath : "")));
  } catch (...) {
    m_strError = u"the file could not be loaded";
    return FALSE;
  }
  return LoadParsed(pPrint, doc, bLoaded, pszPath);
}

BOOL CSheetReader::LoadXmlString(CEditPrint* pPrint, const char16_t* pszXml, const char* pszDocPath) {
  Reset();
  CDomDocument doc;
  BOOL bLoaded = FALSE;
  try {
    const char16_t* xml = SkipByteOrderMark(pszXml);
    bLoaded = doc.loadXML(xml ? xml : u"");
  } catch (...) {
    m_strError = u"the text could not be loaded";
    return FALSE;
  }
  return LoadParsed(pPrint, doc, bLoaded, pszDocPath);
}

BOOL CSheetReader::LoadParsed(CEditPrint* pPrint, CDomDocument& doc, BOOL bLoaded, const char* pszPath) {
  if (!bLoaded) {
    m_arrMessages.emplace_back(doc.parseError().Message());
    m_strError = u"the XML does not parse";
    return FALSE;
  }
  pPrint->SetPathName(pszPath);
  return ParsePrintXml(pPrint, doc);
}

BOOL CSheetReader::ParsePrintXml(CEditPrint* pPrint, CDomDocument& doc) {
  Reset();
  if (!pPrint) return FALSE;
  const int bSavedVertical = g_bVerticalWriting;
  try {
    Parse(pPrint, doc);
    return TRUE;
  } catch (const CReadFailure& failure) {
    m_strError = CStringW(failure.what());
  } catch (const std::exception& error) {
    m_strError = CStringW(error.what());
  } catch (...) {
    m_strError = u"the sheet could not be read";
  }
  // The sheet that stays open keeps its direction.
  g_bVerticalWriting = bSavedVertical;
  m_bHasSearchInfo = FALSE;
  if (m_strError.IsEmpty()) m_strError = u"the sheet could not be read";
  return FALSE;
}

// Each read reports on itself alone.
void CSheetReader::Reset() {
  m_arrMessages.clear();
  m_arrWarnings.clear();
  m_strError.Empty();
  m_bHasSearchInfo = FALSE;
}

void CSheetReader::Parse(CEditPrint* pPrint, CDomDocument& doc) {
  const int nFieldSequence = ReadFieldSequence(doc);
  doc.setProperty(u"SelectionLanguage", u"XPath");
  ReadSearchTexts(pPrint, doc);
  ReadQuestionIds(pPrint, doc);
  doc.setProperty(u"SelectionLanguage", u"XPath");
  doc.setProperty(u"SelectionNamespaces", kXslNamespace);
  CDomNode stylesheet = doc.selectSingleNode(u"//xsl:stylesheet");
  if (!stylesheet) Fail("the sheet holds no stylesheet");
  doc.setProperty(u"SelectionNamespaces", kFoNamespace);
  ReadBodyTemplate(pPrint, doc, stylesheet);
  std::unique_ptr<CQVXMLNode> layout(Transform(pPrint, doc, stylesheet));
  if (!layout) Fail("the transformation built no page layout");
  pPrint->m_nReserved0 = ReadWritingDirection(doc);
  g_bVerticalWriting = pPrint->m_nReserved0;
  pPrint->m_kimeiran.BuildDefaultNameField();
  if (layout->m_nType != XE_FO_ROOT) Fail("the page layout is not rooted in fo:root");
  ImportLayout(pPrint, layout.get(), pPrint->m_nReserved0);
  layout.reset();
  if (pPrint->m_nReserved0) TurnPageBack(pPrint);
  pPrint->m_nFieldSequence = nFieldSequence;
  if (!pPrint->ReadPartPaths()) Fail("the parts do not pair with the stylesheet's paths");
  if (!pPrint->ApplyQuestionInfos()) Fail("the question ids could not be applied");
  CheckQuestionNumbers(pPrint);
  AddPointsNodes(pPrint);
}

void CSheetReader::ReadSearchTexts(CEditPrint* pPrint, CDomDocument& doc) {
  const std::u16string progId = TextOf(doc.selectSingleNode(u"//SearchProgID"));
  pPrint->m_strSearchProgID = CStringW(WithoutBlanks(progId));
  m_bHasSearchInfo = !progId.empty();
  pPrint->m_strSearchInfo = CStringW(WithoutBlanks(TextOf(doc.selectSingleNode(u"//SearchInfo"))));
}

void CSheetReader::ReadQuestionIds(CEditPrint* pPrint, CDomDocument& doc) {
  if (CDomNode ids2 = doc.selectSingleNode(u"//MondaiID2")) {
    pPrint->m_nMondaiIdForm = 2;
    ParseMondaiId2Text(CStringW(ids2.text()), pPrint->m_listMondaiInfo);
  } else {
    pPrint->m_nMondaiIdForm = 1;
    ParseMondaiIdText(CStringW(TextOf(doc.selectSingleNode(u"//MondaiID"))), pPrint->m_listMondaiInfo);
  }
}

// The stylesheet's flow; an older sheet without one reads as one call of its first template.
void CSheetReader::ReadBodyTemplate(CEditPrint* pPrint, CDomDocument& doc, const CDomNode& stylesheet) {
  if (CDomNode flow = stylesheet.selectSingleNode(u"//fo:flow")) {
    std::unique_ptr<CQVXMLNode> body(CreateFoNodeFromDom(flow));
    auto* bodyFlow = dynamic_cast<CFoFlow*>(body.get());
    if (!bodyFlow) Fail("the stylesheet's flow cannot be read");
    body.release();
    pPrint->m_pBodyFlow.reset(bodyFlow);
    return;
  }
  doc.setProperty(u"SelectionNamespaces", kXslNamespace);
  CDomNode templ = stylesheet.selectSingleNode(u"xsl:template");
  if (!templ) Fail("the stylesheet holds neither a flow nor a template");
  auto body = std::make_unique<CFoFlow>();
  auto* call = new CXslApplyTemplates();
  body->AppendChild(call);
  CDomNamedNodeMap attributes = templ.attributes();
  for (LONG i = 0; attributes && i < attributes.length(); ++i) {
    CDomNode attribute = attributes.item(i);
    SetAttribute(call, CStringW(attribute.nodeName()), CStringW(attribute.nodeValue()));
  }
  pPrint->m_pBodyFlow = std::move(body);
}

CQVXMLNode* CSheetReader::Transform(CEditPrint* pPrint, CDomDocument& doc, const CDomNode& stylesheet) {
  CDomNode root = doc.documentElement();
  CDomNode removed = root ? root.removeChild(stylesheet) : CDomNode();
  if (!removed) Fail("the stylesheet could not be taken out of the sheet");
  std::u16string result = doc.transformNode(removed);
  if (result.empty()) {
    m_arrMessages.emplace_back(u"XSLTでのエラー");
    FailWithMessage(doc.parseError().Message(u"XSLT Error"));
  }
  if (!doc.loadXML(result)) FailWithMessage(doc.parseError().Message(u"FO Parsing Error"));
  CDomNode element = doc.documentElement();
  if (element && element.nodeName() == u"fo:root") return CreateFoNodeFromDom(element);
  return ReadIntoPageSet(pPrint, doc);
}

// A transformation that gave a fragment: it becomes the first major question's text inside
// the bare page layout.
CQVXMLNode* CSheetReader::ReadIntoPageSet(CEditPrint* pPrint, CDomDocument& doc) {
  std::u16string text;
  if (!LoadXmlResource(IDR_XML_PAGE_LAYOUT, text)) Fail("the page layout template is missing");
  CDomDocument pageSet;
  if (!pageSet.loadXML(SkipByteOrderMark(text.c_str()))) FailWithMessage(pageSet.parseError().Message(u"XSL Parsing Error"));
  pageSet.setProperty(u"SelectionNamespaces", kFoNamespace);
  CDomNode flow = pageSet.selectSingleNode(u"//fo:flow");
  if (!flow) Fail("the page layout template holds no flow");
  CDomNode fragment = doc.documentElement();
  if (fragment) flow.appendChild(fragment);
  CQVXMLNode* layout = CreateFoNodeFromDom(pageSet.documentElement());
  pPrint->m_pBodyFlow->DeleteAllChildren();
  auto* call = new CXslApplyTemplates();
  call->m_strSelect = kFallbackPath;
  pPrint->m_pBodyFlow->AppendChild(call);
  return layout;
}

// 1 when the first page master writes top to bottom, right to left.
int CSheetReader::ReadWritingDirection(CDomDocument& doc) const {
  doc.setProperty(u"SelectionNamespaces", kFoNamespace);
  CDomNode master = doc.selectSingleNode(u"//fo:simple-page-master");
  CDomNamedNodeMap attributes = master ? master.attributes() : CDomNamedNodeMap();
  for (LONG i = 0; attributes && i < attributes.length(); ++i) {
    CDomNode attribute = attributes.item(i);
    if (attribute.nodeName() == u"writing-mode" && attribute.nodeValue() == u"tb-rl") return 1;
  }
  return 0;
}

void CSheetReader::ImportLayout(CEditPrint* pPrint, CQVXMLNode* pLayout, BOOL bVertical) {
  CFoLayoutImport import(pPrint, m_pItems, bVertical);
  BOOL ok = import.Import(pLayout, pPrint);
  m_arrWarnings.insert(m_arrWarnings.end(), import.GetWarnings().begin(), import.GetWarnings().end());
  if (!ok) throw CReadFailure(CStringW(import.GetError()).GetAnsiString());
}

// Every question part shows its points through a hidden points node before its first line end.
void CSheetReader::AddPointsNodes(CEditPrint* pPrint) {
  auto givePoints = [](CEditSentence* part) {
    auto* points = dynamic_cast<CEditHaiten*>(part->FindDescendant(NTYPE_EDITHAITEN));
    if (!points) {
      CEditNode* lineEnd = part->GetFirstLineBreak();
      if (!lineEnd) return;
      points = new CEditHaiten();
      points->m_bHidden = 2;
      points->m_bCaretStop = 0;
      lineEnd->InsertBefore(points);
    }
    points->m_haiten = part->m_haiten;
  };
  for (int major = 1; major <= pPrint->GetMajorQuestionCount(); ++major) {
    if (CEditSentence* part = pPrint->FindMajorPart(major, 0)) givePoints(part);
    for (int minor = 1; minor <= pPrint->GetMinorQuestionCount(major); ++minor) {
      CEditSentence* part = pPrint->FindMinorPart(major, minor, 0);
      if (!part) continue;
      if (part->m_haiten.m_nForm != HAITEN_INFO::FormSum) part->m_haiten.m_bVisible = 0;
      givePoints(part);
    }
  }
}

// Saving writes each question's data under its number: the numbers must run from 1 to the
// count of questions, or the sheet could not be saved again.
void CSheetReader::CheckQuestionNumbers(CEditPrint* pPrint) {
  const int nMajors = pPrint->GetMajorQuestionCount();
  if (nMajors < 1) Fail("the sheet holds no major question");
  for (const CEditSentence* part : CollectParts(*pPrint)) {
    if (part->m_nKind < CEditSentence::KindQuestion || part->m_nKind > CEditSentence::KindExplanation) continue;
    if (part->m_nMajor < 1 || part->m_nMajor > nMajors || part->m_nMinor < 0 ||
        part->m_nMinor > pPrint->GetMinorQuestionCount(part->m_nMajor))
      Fail("the question numbers do not run in order");
  }
}

void CSheetReader::Fail(const char* why) { throw CReadFailure(why); }

void CSheetReader::FailWithMessage(const std::u16string& message) {
  m_arrMessages.emplace_back(message);
  throw CReadFailure(CStringW(message).GetAnsiString());
}
