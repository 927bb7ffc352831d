#include "elements/Units.h"
#include "model/AttributeRules.h"
#include "model/AttributeValues.h"
#include "model/ColorNames.h"
#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoPageElements.h"
#include "model/FoTableElements.h"

namespace {

using Value = const CStringW&;

const KEYWORD_VALUE kFontStretch[] = {{u"condensed", 1}, {u"expanded", 2}};
const KEYWORD_VALUE kBlockBorderStyle[] = {{u"solid", 1}};
const KEYWORD_VALUE kCellBorderStyle[] = {{u"solid", 1}, {u"dotted", 3}, {u"dashed", 4}};
const KEYWORD_VALUE kTextJustify[] = {{u"distribute", 4}};
const KEYWORD_VALUE kBaselineShift[] = {{u"sub", 1}, {u"super", 2}};
const KEYWORD_VALUE kBreakAfter[] = {{u"page", CFoBlockContainer::BreakAfterPage}};
const KEYWORD_VALUE kVisibility[] = {{u"collapse", CFoBlockContainer::VisibilityCollapse}};

// Rules that several elements share, over the group members they have in common.
template <class N>
void FontSize(N& n, Value v) {
  n.m_fontProps.m_nFontSize = ParseLength(v);
}
template <class N>
void FontStretch(N& n, Value v) {
  ApplyKeyword(kFontStretch, v, n.m_fontProps.m_nFontStretch);
}
template <class N>
void FontStyle(N& n, Value v) {
  n.m_fontProps.m_nFontItalic = v == u"italic" ? 1 : 0;
}
template <class N>
void FontFamily(N& n, Value v) {
  CopyAnsiFace(n.m_fontProps.m_szFontFamily, v);
}
template <class N>
void FontWeight(N& n, Value v) {
  n.m_fontProps.m_nFontWeight = v == u"bold" ? FW_BOLD : FW_NORMAL;
}
template <class N>
void Color(N& n, Value v) {
  n.m_colorProps.m_crColor = ColorFromName(v);
}
template <class N>
void BackgroundColor(N& n, Value v) {
  n.m_borderProps.m_crBackground = ColorFromName(v);
}
template <class N>
void BorderWidth(N& n, Value v) {
  n.m_borderProps.m_nBorderWidth = ParseLength(v);
}

template <class N>
void MarginTop(N& n, Value v) {
  n.m_marginProps.m_nMarginTop = ParseLength(v);
}
template <class N>
void MarginBottom(N& n, Value v) {
  n.m_marginProps.m_nMarginBottom = ParseLength(v);
}
template <class N>
void MarginLeft(N& n, Value v) {
  n.m_marginProps.m_nMarginLeft = ParseLength(v);
}
template <class N>
void MarginRight(N& n, Value v) {
  n.m_marginProps.m_nMarginRight = ParseLength(v);
}

template <class N>
void MasterReference(N& n, Value v) {
  n.m_strMasterReference = v;
}
template <class N>
void FlowName(N& n, Value v) {
  n.m_strFlowName = v;
}
template <class N>
void BlockKind(N& n, Value v) {
  n.m_nBlockKind = IdPrefixKind(v);
}

template <class N>
void BorderAfterStyle(N& n, Value v) {
  ApplyKeyword(g_LineStyleKeywords, v, n.m_borderProps.m_nBorderAfterStyle);
}
template <class N>
void BorderAfterWidth(N& n, Value v) {
  n.m_borderProps.m_nBorderAfterWidth = LineWidthValue(v);
}

template <class N>
void BangoType(N& n, Value v) {
  n.m_kasenProps.m_kasen.nNumberStyle = NumberStyleValue(v);
}
template <class N>
void BangoString(N& n, Value v) {
  n.m_kasenProps.m_strKasenString = v;
}
template <class N>
void BangoForce(N& n, Value v) {
  n.m_kasenProps.m_kasen.nForcedNumber = LeadingDecimal(v);
}
template <class N>
void BangoFontFamily(N& n, Value v) {
  CopyAnsiFace(n.m_kasenProps.m_kasen.szNumberFace, v);
}
template <class N>
void BangoFontSize(N& n, Value v) {
  n.m_kasenProps.m_kasen.nNumberSize = ParseLength(v);
}

// fo:inline also makes the decorations thin; fo:block keeps their widths.
void SetDecoration(CCharacterProperties& c, Value v, bool setWidths) {
  if (v.Find(u"underline") >= 0) {
    c.m_nUnderlineStyle = LS_SOLID;
    if (setWidths) c.m_nUnderlineWidth = 1;
  }
  if (v.Find(u"line-through") >= 0) {
    c.m_nLineThroughStyle = LS_SOLID;
    if (setWidths) c.m_nLineThroughWidth = 1;
  }
}

const ATTRIBUTE_RULE<CFoSimplePageMaster> kSimplePageMasterRules[] = {
    {u"page-height", [](CFoSimplePageMaster& n, Value v) { n.m_pageProps.m_nPageHeight = ParseLength(v); }},
    {u"page-width", [](CFoSimplePageMaster& n, Value v) { n.m_pageProps.m_nPageWidth = ParseLength(v); }},
    {u"margin-top", MarginTop<CFoSimplePageMaster>},
    {u"margin-bottom", MarginBottom<CFoSimplePageMaster>},
    {u"margin-left", MarginLeft<CFoSimplePageMaster>},
    {u"margin-right", MarginRight<CFoSimplePageMaster>},
};

const ATTRIBUTE_RULE<CFoRegionBody> kRegionBodyRules[] = {
    {u"margin-top", MarginTop<CFoRegionBody>},
    {u"margin-bottom", MarginBottom<CFoRegionBody>},
    {u"margin-left", MarginLeft<CFoRegionBody>},
    {u"margin-right", MarginRight<CFoRegionBody>},
    {u"column-count", [](CFoRegionBody& n, Value v) { n.m_pageProps.m_nColumnCount = LeadingDecimal(v); }},
};

const ATTRIBUTE_RULE<CFoSinglePageMasterReference> kSinglePageMasterReferenceRules[] = {
    {u"master-reference", MasterReference<CFoSinglePageMasterReference>},
};
const ATTRIBUTE_RULE<CFoPageSequence> kPageSequenceRules[] = {
    {u"master-reference", MasterReference<CFoPageSequence>},
};
const ATTRIBUTE_RULE<CFoStaticContent> kStaticContentRules[] = {{u"flow-name", FlowName<CFoStaticContent>}};
const ATTRIBUTE_RULE<CFoFlow> kFlowRules[] = {{u"flow-name", FlowName<CFoFlow>}};

const ATTRIBUTE_RULE<CFoBlockContainer> kBlockContainerRules[] = {
    {u"visibility", [](CFoBlockContainer& n, Value v) { ApplyKeyword(kVisibility, v, n.m_nVisibility); }},
    {u"width", [](CFoBlockContainer& n, Value v) { n.m_nWidth = ParseLength(v); }},
    {u"height", [](CFoBlockContainer& n, Value v) { n.m_nHeight = ParseLength(v); }},
    {u"id", BlockKind<CFoBlockContainer>},
    {u"break-after", [](CFoBlockContainer& n, Value v) { ApplyKeyword(kBreakAfter, v, n.m_nBreakAfter); }},
};

const ATTRIBUTE_RULE<CFoBlock> kBlockRules[] = {
    {u"font-size", FontSize<CFoBlock>},
    {u"font-stretch", FontStretch<CFoBlock>},
    {u"font-style", FontStyle<CFoBlock>},
    {u"font-family", FontFamily<CFoBlock>},
    {u"font-weight", FontWeight<CFoBlock>},
    {u"text-decoration", [](CFoBlock& n, Value v) { SetDecoration(n.m_charProps, v, false); }},
    {u"color", Color<CFoBlock>},
    {u"background-color", BackgroundColor<CFoBlock>},
    {u"border-style", [](CFoBlock& n, Value v) { ApplyKeyword(kBlockBorderStyle, v, n.m_borderProps.m_nBorderStyle); }},
    {u"border-width", BorderWidth<CFoBlock>},
    {u"text-align", [](CFoBlock& n, Value v) { ApplyKeyword(g_TextAlignKeywords, v, n.m_lineProps.m_nTextAlign); }},
    {u"text-justify", [](CFoBlock& n, Value v) { ApplyKeyword(kTextJustify, v, n.m_lineProps.m_nTextAlign); }},
};

const ATTRIBUTE_RULE<CFoFloat> kFloatRules[] = {
    {u"float", [](CFoFloat& n, Value v) { ApplyKeyword(g_FloatSideKeywords, v, n.m_dimensionProps.m_nAreaHeight); }},
};

const ATTRIBUTE_RULE<CFoInlineContainer> kInlineContainerRules[] = {
    {u"id", BlockKind<CFoInlineContainer>},
    {u"border-before-style",
     [](CFoInlineContainer& n, Value v) {
       ApplyKeyword(g_LineStyleKeywords, v, n.m_borderProps.m_nBorderBeforeStyle);
     }},
    {u"border-before-width",
     [](CFoInlineContainer& n, Value v) { n.m_borderProps.m_nBorderBeforeWidth = LineWidthValue(v); }},
    {u"border-after-style", BorderAfterStyle<CFoInlineContainer>},
    {u"border-after-width", BorderAfterWidth<CFoInlineContainer>},
    {u"bango-type", BangoType<CFoInlineContainer>},
    {u"bango-string", BangoString<CFoInlineContainer>},
    {u"bango-force", BangoForce<CFoInlineContainer>},
    {u"bango-font-family", BangoFontFamily<CFoInlineContainer>},
    {u"bango-font-size", BangoFontSize<CFoInlineContainer>},
};

const ATTRIBUTE_RULE<CFoInline> kInlineRules[] = {
    {u"font-size", FontSize<CFoInline>},
    {u"font-stretch", FontStretch<CFoInline>},
    {u"font-style", FontStyle<CFoInline>},
    {u"font-family", FontFamily<CFoInline>},
    {u"font-weight", FontWeight<CFoInline>},
    {u"text-decoration", [](CFoInline& n, Value v) { SetDecoration(n.m_charProps, v, true); }},
    {u"color", Color<CFoInline>},
    {u"background-color", BackgroundColor<CFoInline>},
    {u"background-image",
     [](CFoInline& n, Value v) { ApplyKeyword(g_BackgroundPatternKeywords, v, n.m_borderProps.m_nBackgroundPattern); }},
    {u"border-style",
     [](CFoInline& n, Value v) { ApplyKeyword(g_LineStyleKeywords, v, n.m_borderProps.m_nBorderStyle); }},
    {u"border-width", BorderWidth<CFoInline>},
    {u"baseline-shift",
     [](CFoInline& n, Value v) { ApplyKeyword(kBaselineShift, v, n.m_alignmentProps.m_nBaselineShift); }},
    {u"text-underline-style",
     [](CFoInline& n, Value v) { ApplyKeyword(g_LineStyleKeywords, v, n.m_charProps.m_nUnderlineStyle); }},
    {u"text-underline-width", [](CFoInline& n, Value v) { n.m_charProps.m_nUnderlineWidth = LineWidthValue(v); }},
    {u"text-line-through-style",
     [](CFoInline& n, Value v) { ApplyKeyword(g_LineStyleKeywords, v, n.m_charProps.m_nLineThroughStyle); }},
    {u"text-line-through-width", [](CFoInline& n, Value v) { n.m_charProps.m_nLineThroughWidth = LineWidthValue(v); }},
    {u"bango-type", BangoType<CFoInline>},
    {u"bango-string", BangoString<CFoInline>},
    {u"bango-force", BangoForce<CFoInline>},
    {u"bango-font-family", BangoFontFamily<CFoInline>},
    {u"bango-font-size", BangoFontSize<CFoInline>},
};

const ATTRIBUTE_RULE<CFoExternalGraphic> kExternalGraphicRules[] = {
    {u"src", [](CFoExternalGraphic& n, Value v) { n.m_strSource = AnsiText(v); }},
    {u"width", [](CFoExternalGraphic& n, Value v) { n.m_dimensionProps.m_nAreaWidth = ParseLength(v); }},
    {u"height", [](CFoExternalGraphic& n, Value v) { n.m_dimensionProps.m_nAreaHeight = ParseLength(v); }},
};

const ATTRIBUTE_RULE<CFoInitialPropertySet> kInitialPropertySetRules[] = {
    {u"line-height.optimum", [](CFoInitialPropertySet& n, Value v) { n.m_lineProps.m_nLineSpacing = ParseLength(v); }},
    {u"letter-spacing.optimum",
     [](CFoInitialPropertySet& n, Value v) { n.m_charProps.m_nLetterSpacing = ParseLength(v); }},
};

const ATTRIBUTE_RULE<CFoTableCell> kTableCellRules[] = {
    {u"border-style",
     [](CFoTableCell& n, Value v) { ApplyKeyword(kCellBorderStyle, v, n.m_borderProps.m_nBorderStyle); }},
    {u"border-width", BorderWidth<CFoTableCell>},
};

}  // namespace

void ApplyFoAttribute(CQVXMLNode* node, const CStringW& name, const CStringW& value) {
  switch (node->m_nType) {
    case XE_FO_SIMPLE_PAGE_MASTER: ApplyAttributeRule(kSimplePageMasterRules, node, name, value); break;
    case XE_FO_REGION_BODY: ApplyAttributeRule(kRegionBodyRules, node, name, value); break;
    case XE_FO_SINGLE_PAGE_MASTER_REFERENCE:
      ApplyAttributeRule(kSinglePageMasterReferenceRules, node, name, value);
      break;
    case XE_FO_PAGE_SEQUENCE: ApplyAttributeRule(kPageSequenceRules, node, name, value); break;
    case XE_FO_STATIC_CONTENT: ApplyAttributeRule(kStaticContentRules, node, name, value); break;
    case XE_FO_FLOW: ApplyAttributeRule(kFlowRules, node, name, value); break;
    case XE_FO_BLOCK_CONTAINER: ApplyAttributeRule(kBlockContainerRules, node, name, value); break;
    case XE_FO_BLOCK: ApplyAttributeRule(kBlockRules, node, name, value); break;
    case XE_FO_FLOAT: ApplyAttributeRule(kFloatRules, node, name, value); break;
    case XE_FO_INLINE_CONTAINER: ApplyAttributeRule(kInlineContainerRules, node, name, value); break;
    case XE_FO_INLINE: ApplyAttributeRule(kInlineRules, node, name, value); break;
    case XE_FO_EXTERNAL_GRAPHIC: ApplyAttributeRule(kExternalGraphicRules, node, name, value); break;
    case XE_FO_INITIAL_PROPERTY_SET: ApplyAttributeRule(kInitialPropertySetRules, node, name, value); break;
    case XE_FO_TABLE_CELL: ApplyAttributeRule(kTableCellRules, node, name, value); break;
    default: break;
  }
}
