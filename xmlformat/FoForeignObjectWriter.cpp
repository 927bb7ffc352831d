#include "xmlformat/FoForeignObjectWriter.h"

#include "model/MathMLDomWriter.h"
#include "model/MondaiElements.h"
#include "xmlformat/FoValueForms.h"
#include "xmlformat/FoWriterSupport.h"

namespace {

// Default number formats of major and minor numbers: horizontal, vertical.
constexpr int kDnoDefaults[2] = {0, 2};
constexpr int kNoDefaults[2] = {1, 3};

// The data element numbered by its counter, and the copy that refers to it.
CDomNode AppendData(const FO_WRITE_CONTEXT& c, FO_ID_COUNTERS::Counter counter, const char16_t* name) {
  int n = c.counters->Next(counter);
  CDomNode data = FoAppendElement(c, c.dataParent, name);
  CDomNode copyOf = FoAppendElement(c, c.element, u"xsl:copy-of");
  FoSetAttribute(c, copyOf, u"select", FoComposePath(c.path, name, n));
  return data;
}

void WriteMath(const FO_WRITE_CONTEXT& c, CQVXMLNode& math) {
  CDomNode data = AppendData(c, FO_ID_COUNTERS::CounterMath, u"math");
  FoRequire(WriteDomAttributes(&math, DOM_TARGET{c.document, data}));
}

void WriteObject(const FO_WRITE_CONTEXT& c, const CMondaiObject& object) {
  CDomNode data = AppendData(c, FO_ID_COUNTERS::CounterObject, u"object");
  FoSetAttribute(c, data, u"data", AnsiNameText(object.m_strData.c_str()));
  FoSetAttribute(c, data, u"width", MillimetreText(object.m_nWidth));
  FoSetAttribute(c, data, u"height", MillimetreText(object.m_nHeight));
}

void WriteNumber(const FO_WRITE_CONTEXT& c, FO_ID_COUNTERS::Counter counter, const char16_t* name, int nFormat,
                 const int (&defaults)[2]) {
  CDomNode data = AppendData(c, counter, name);
  CStringW letter = NumberFormatLetter(nFormat, defaults[c.bVertical ? 1 : 0]);
  if (!letter.IsEmpty()) FoSetAttribute(c, data, u"type", letter);
}

// Each points field has its own number, so that each copy takes only its own record.
void WritePoints(const FO_WRITE_CONTEXT& c, const HAITEN_INFO& info) {
  CDomNode data = AppendData(c, FO_ID_COUNTERS::CounterHai, u"hai");
  FoSetAttribute(c, data, u"type", DecimalText(info.m_nForm));
  if (info.m_strFence != u"\uFF08") FoSetAttribute(c, data, u"fence", info.m_strFence);
  FoSetAttribute(c, data, u"visibility", info.m_bVisible ? u"visible" : u"collapse");
  if (info.m_nForm == HAITEN_INFO::FormEachCount || info.m_nForm == HAITEN_INFO::FormEachSum)
    FoSetAttribute(c, data, u"p1", DecimalText(info.m_nEach));
  if (info.m_nForm == HAITEN_INFO::FormEachCount) FoSetAttribute(c, data, u"p2", DecimalText(info.m_nCount));
  if (info.m_nForm >= HAITEN_INFO::FormPlain && info.m_nForm <= HAITEN_INFO::FormSum)
    FoSetAttribute(c, data, u"p3", DecimalText(info.m_nTotal));
}

void WriteContent(const FO_WRITE_CONTEXT& c, CQVXMLNode& content) {
  switch (content.m_nType) {
    case XE_MATH:
      WriteMath(c, content);
      break;
    case XE_OBJECT:
      WriteObject(c, dynamic_cast<CMondaiObject&>(content));
      break;
    case XE_DNO:
      WriteNumber(c, FO_ID_COUNTERS::CounterDno, u"dno", dynamic_cast<CMondaiDno&>(content).m_nNumberFormat,
                  kDnoDefaults);
      break;
    case XE_NO:
      WriteNumber(c, FO_ID_COUNTERS::CounterNo, u"no", dynamic_cast<CMondaiNo&>(content).m_nNumberFormat, kNoDefaults);
      break;
    case XE_HAI:
      WritePoints(c, dynamic_cast<CMondaiHai&>(content).m_haiten);
      break;
    default:
      break;
  }
}

}  // namespace

BOOL FoWriteForeignObject(const FO_WRITE_CONTEXT& c) {
  return FoGuarded(c, [&] {
    if (CQVXMLNode* content = c.node->GetFirstChild()) WriteContent(c, *content);
  });
}
