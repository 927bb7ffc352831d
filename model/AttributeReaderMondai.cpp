#include "elements/Units.h"
#include "model/AttributeRules.h"
#include "model/AttributeValues.h"
#include "model/MondaiElements.h"
#include "model/XslElements.h"

namespace {

// Index of the first character in the alphabet; -1 for an empty value or another letter.
int NumberFormatOf(const CStringW& value) {
  char16_t first = value[0];
  return first >= u'a' && first <= u'z' ? first - u'a' : -1;
}

template <class Number>
void SetNumberFormat(Number& node, const CStringW& value) {
  node.m_nNumberFormat = NumberFormatOf(value);
}

const KEYWORD_VALUE kHaitenForms[] = {{u"1", 1}, {u"2", 2}, {u"3", 3}, {u"4", 4}};
const KEYWORD_VALUE kHaitenVisibility[] = {{u"visible", 1}, {u"collapse", 0}};

const ATTRIBUTE_RULE<CMondaiImg> kImgRules[] = {
    {u"src", [](CMondaiImg& n, const CStringW& v) { n.m_strSource = AnsiText(v); }},
};

const ATTRIBUTE_RULE<CMondaiObject> kObjectRules[] = {
    {u"data", [](CMondaiObject& n, const CStringW& v) { n.m_strData = AnsiText(v); }},
    {u"width", [](CMondaiObject& n, const CStringW& v) { n.m_nWidth = ParseLength(v); }},
    {u"height", [](CMondaiObject& n, const CStringW& v) { n.m_nHeight = ParseLength(v); }},
};

const ATTRIBUTE_RULE<CMondaiDno> kDnoRules[] = {{u"type", SetNumberFormat<CMondaiDno>}};
const ATTRIBUTE_RULE<CMondaiNo> kNoRules[] = {{u"type", SetNumberFormat<CMondaiNo>}};

const ATTRIBUTE_RULE<CMondaiHai> kHaiRules[] = {
    {u"type", [](CMondaiHai& n, const CStringW& v) { ApplyKeyword(kHaitenForms, v, n.m_haiten.m_nForm); }},
    {u"p1", [](CMondaiHai& n, const CStringW& v) { n.m_haiten.m_nEach = LeadingDecimal(v); }},
    {u"p2", [](CMondaiHai& n, const CStringW& v) { n.m_haiten.m_nCount = LeadingDecimal(v); }},
    {u"p3", [](CMondaiHai& n, const CStringW& v) { n.m_haiten.m_nTotal = LeadingDecimal(v); }},
    {u"fence", [](CMondaiHai& n, const CStringW& v) { n.m_haiten.m_strFence = v; }},
    {u"visibility",
     [](CMondaiHai& n, const CStringW& v) { ApplyKeyword(kHaitenVisibility, v, n.m_haiten.m_bVisible); }},
};

const ATTRIBUTE_RULE<CXslApplyTemplates> kApplyTemplatesRules[] = {
    {u"select", [](CXslApplyTemplates& n, const CStringW& v) { n.m_strSelect = v; }},
};

}  // namespace

void ApplyMondaiAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value) {
  switch (node->m_nType) {
    case XE_IMG: ApplyAttributeRule(kImgRules, node, name, value); break;
    case XE_OBJECT: ApplyAttributeRule(kObjectRules, node, name, value); break;
    case XE_DNO: ApplyAttributeRule(kDnoRules, node, name, value); break;
    case XE_NO: ApplyAttributeRule(kNoRules, node, name, value); break;
    case XE_HAI: ApplyAttributeRule(kHaiRules, node, name, value); break;
    default: break;
  }
}

void ApplyXslAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value) {
  if (node->m_nType == XE_XSL_APPLY_TEMPLATES) ApplyAttributeRule(kApplyTemplatesRules, node, name, value);
}
