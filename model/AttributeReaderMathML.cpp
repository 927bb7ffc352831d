#include "elements/Units.h"
#include "model/AttributeRules.h"
#include "model/AttributeValues.h"
#include "model/ColorNames.h"
#include "model/MathMLLayoutElements.h"
#include "model/MathMLTableElements.h"
#include "model/MathMLTokenElements.h"
#include "platform/FontMetrics.h"

namespace {

using Value = const CStringW&;

constexpr int kContextCyukai = 2;

const KEYWORD_VALUE kQvType[] = {{u"cyukai", kContextCyukai}};
const KEYWORD_VALUE kTrue[] = {{u"true", 1}};
const KEYWORD_VALUE kColumnAlign[] = {{u"left", 0}, {u"center", 1}, {u"right", 2}};

void SetVariant(CFontProperties& font, Value v) {
  if (v == u"bold" || v == u"bold-italic") font.m_nFontWeight = FW_BOLD;
  if (v == u"italic" || v == u"bold-italic") font.m_nFontItalic = 1;
}

const ATTRIBUTE_RULE<CMathMLNode> kContextRules[] = {
    {u"qvtype", [](CMathMLNode& n, Value v) { ApplyKeyword(kQvType, v, n.m_nContext); }},
};

const ATTRIBUTE_RULE<CMathMLFrac> kFracRules[] = {
    {u"bevelled", [](CMathMLFrac& n, Value v) { ApplyKeyword(kTrue, v, n.m_bBevelled); }},
};

const ATTRIBUTE_RULE<CMathMLFenced> kFencedRules[] = {
    {u"open", [](CMathMLFenced& n, Value v) { n.m_strOpen = v; }},
    {u"close", [](CMathMLFenced& n, Value v) { n.m_strClose = v; }},
};

const ATTRIBUTE_RULE<CMathMLNode> kStyleRules[] = {
    {u"mathfamily", [](CMathMLNode& n, Value v) { CopyAnsiFace(n.m_fontProps.m_szFontFamily, v); }},
    {u"mathvariant", [](CMathMLNode& n, Value v) { SetVariant(n.m_fontProps, v); }},
    {u"mathsize", [](CMathMLNode& n, Value v) { n.m_fontProps.m_nFontSize = ParseLength(v); }},
    {u"mathcolor", [](CMathMLNode& n, Value v) { n.m_colorProps.m_crColor = ColorFromName(v); }},
    {u"mathbackground", [](CMathMLNode& n, Value v) { n.m_borderProps.m_crBackground = ColorFromName(v); }},
    {u"mathunderlinestyle",
     [](CMathMLNode& n, Value v) {
       ApplyKeyword(g_LineStyleKeywords, v, n.m_charProps.m_nUnderlineStyle);
       n.m_charProps.m_nUnderlineWidth = 1;
     }},
    {u"mathunderlinewidth", [](CMathMLNode& n, Value v) { n.m_charProps.m_nUnderlineWidth = LineWidthValue(v); }},
};

const ATTRIBUTE_RULE<CMathMLOperator> kOperatorStyleRules[] = {
    {u"stretchy", [](CMathMLOperator& n, Value) { n.m_nStretchy = 1; }},
};

const ATTRIBUTE_RULE<CMathMLTable> kTableStyleRules[] = {
    {u"frame",
     [](CMathMLTable& n, Value v) {
       if (v != u"solid") return;
       n.m_borderProps.m_nBorderStyle = LS_SOLID;
       n.m_borderProps.m_nBorderWidth = 1;
     }},
    {u"columnalign", [](CMathMLTable& n, Value v) { ApplyKeyword(kColumnAlign, v, n.m_lineProps.m_nTextAlign); }},
};

// The running-number side line that any MathML element may carry.
const ATTRIBUTE_RULE<CMathMLNode> kSideLineRules[] = {
    {u"border-after-style",
     [](CMathMLNode& n, Value v) { ApplyKeyword(g_LineStyleKeywords, v, n.m_borderProps.m_nBorderAfterStyle); }},
    {u"border-after-width", [](CMathMLNode& n, Value v) { n.m_borderProps.m_nBorderAfterWidth = LineWidthValue(v); }},
    {u"bango-type", [](CMathMLNode& n, Value v) { n.m_kasenProps.m_kasen.nNumberStyle = NumberStyleValue(v); }},
    {u"bango-string", [](CMathMLNode& n, Value v) { n.m_kasenProps.m_strKasenString = v; }},
    {u"bango-force", [](CMathMLNode& n, Value v) { n.m_kasenProps.m_kasen.nForcedNumber = LeadingDecimal(v); }},
    {u"bango-font-family", [](CMathMLNode& n, Value v) { CopyAnsiFace(n.m_kasenProps.m_kasen.szNumberFace, v); }},
    {u"bango-font-size", [](CMathMLNode& n, Value v) { n.m_kasenProps.m_kasen.nNumberSize = ClampFontExtent(ParseLength(v)); }},
};

BOOL ApplyElementRule(CQVXMLNode* node, Value name, Value value) {
  switch (node->m_nType) {
    case XE_MATH:
    case XE_MROW: return ApplyAttributeRule(kContextRules, node, name, value);
    case XE_MFRAC: return ApplyAttributeRule(kFracRules, node, name, value);
    case XE_MFENCED: return ApplyAttributeRule(kFencedRules, node, name, value);
    default: return FALSE;
  }
}

BOOL TakesStyle(DWORD code) { return code != XE_MATH && code != XE_MROW && code != XE_MFRAC && code != XE_MFENCED; }

BOOL ApplyStyleRule(CQVXMLNode* node, Value name, Value value) {
  if (!TakesStyle(node->m_nType)) return FALSE;
  if (ApplyAttributeRule(kStyleRules, node, name, value)) return TRUE;
  if (node->m_nType == XE_MO) return ApplyAttributeRule(kOperatorStyleRules, node, name, value);
  if (node->m_nType == XE_MTABLE) return ApplyAttributeRule(kTableStyleRules, node, name, value);
  return FALSE;
}

}  // namespace

void ApplyMathMLAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value) {
  if (ApplyElementRule(node, name, value) || ApplyStyleRule(node, name, value)) return;
  ApplyAttributeRule(kSideLineRules, node, name, value);
}
