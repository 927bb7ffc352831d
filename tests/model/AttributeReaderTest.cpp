#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/AttributeReader.h"
#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoPageElements.h"
#include "model/FoTableElements.h"
#include "model/MathMLLayoutElements.h"
#include "model/MathMLTableElements.h"
#include "model/MathMLTokenElements.h"
#include "model/MondaiElements.h"
#include "model/NodeFactory.h"
#include "model/XslElements.h"
#include "platform/AnsiCodePage.h"
#include "tests/support/StringWPrint.h"

namespace {

using Attributes = std::vector<std::pair<const char16_t*, const char16_t*>>;
using FieldReader = std::function<long long(CQVXMLNode&)>;

template <class N, class F>
FieldReader Field(F read) {
  return [read](CQVXMLNode& node) { return static_cast<long long>(read(dynamic_cast<N&>(node))); };
}

struct RuleCase {
  const char* label;
  int code;
  Attributes attributes;  // applied in order
  FieldReader field;
  long long expected;
};

std::unique_ptr<CQVXMLNode> ReadElement(int code, const Attributes& attributes) {
  std::unique_ptr<CQVXMLNode> node(CreateNode(code));
  for (const auto& [name, value] : attributes) SetAttribute(node.get(), name, value);
  return node;
}

const auto kWeight = Field<CFoInline>([](CFoInline& n) { return n.m_fontProps.m_nFontWeight; });
const auto kItalic = Field<CFoInline>([](CFoInline& n) { return n.m_fontProps.m_nFontItalic; });
const auto kBlockUnderlineStyle = Field<CFoBlock>([](CFoBlock& n) { return n.m_charProps.m_nUnderlineStyle; });
const auto kBlockLineThroughStyle = Field<CFoBlock>([](CFoBlock& n) { return n.m_charProps.m_nLineThroughStyle; });
const auto kBlockLineThroughWidth = Field<CFoBlock>([](CFoBlock& n) { return n.m_charProps.m_nLineThroughWidth; });
const auto kInlineUnderline = Field<CFoInline>([](CFoInline& n) {
  const CCharacterProperties& c = n.m_charProps;
  return c.m_nUnderlineStyle * 1000 + c.m_nUnderlineWidth * 100 + c.m_nLineThroughStyle * 10 + c.m_nLineThroughWidth;
});
const auto kBlockBorder = Field<CFoBlock>([](CFoBlock& n) { return n.m_borderProps.m_nBorderStyle; });
const auto kCellBorder = Field<CFoTableCell>([](CFoTableCell& n) { return n.m_borderProps.m_nBorderStyle; });
const auto kInlineBorder = Field<CFoInline>([](CFoInline& n) { return n.m_borderProps.m_nBorderStyle; });
const auto kNumberStyle = Field<CFoInline>([](CFoInline& n) { return n.m_kasenProps.m_kasen.nNumberStyle; });
const auto kMathWeight = Field<CMathMLNode>([](CMathMLNode& n) { return n.m_fontProps.m_nFontWeight; });
const auto kMathItalic = Field<CMathMLNode>([](CMathMLNode& n) { return n.m_fontProps.m_nFontItalic; });
const auto kMathUnderline = Field<CMathMLNode>(
    [](CMathMLNode& n) { return n.m_charProps.m_nUnderlineStyle * 10 + n.m_charProps.m_nUnderlineWidth; });
const auto kMathColor = Field<CMathMLNode>([](CMathMLNode& n) { return n.m_colorProps.m_crColor; });
const auto kAfterStyle = Field<CMathMLNode>([](CMathMLNode& n) { return n.m_borderProps.m_nBorderAfterStyle; });
const auto kBlockKind = [](CQVXMLNode& n) { return static_cast<long long>(n.m_nBlockKind); };
const auto kNumberFormat = Field<CMondaiDno>([](CMondaiDno& n) { return n.m_nNumberFormat; });
const auto kVisible = Field<CMondaiHai>([](CMondaiHai& n) { return n.m_haiten.m_bVisible; });

const RuleCase kRuleCases[] = {
    {"only bold is bold", XE_FO_INLINE, {{u"font-weight", u"bold"}, {u"font-weight", u"700"}}, kWeight, 400},
    {"bold", XE_FO_INLINE, {{u"font-weight", u"bold"}}, kWeight, 700},
    {"oblique is not italic", XE_FO_INLINE, {{u"font-style", u"italic"}, {u"font-style", u"oblique"}}, kItalic, 0},
    {"italic", XE_FO_INLINE, {{u"font-style", u"italic"}}, kItalic, 1},
    {"block line-through", XE_FO_BLOCK, {{u"text-decoration", u"line-through"}}, kBlockLineThroughStyle, 1},
    {"block line-through keeps width", XE_FO_BLOCK, {{u"text-decoration", u"line-through"}}, kBlockLineThroughWidth, 0},
    {"block line-through alone", XE_FO_BLOCK, {{u"text-decoration", u"line-through"}}, kBlockUnderlineStyle, 0},
    {"inline both decorations",
     XE_FO_INLINE,
     {{u"text-decoration", u"underline line-through"}},
     kInlineUnderline,
     1111},
    {"inline decoration names no style", XE_FO_INLINE, {{u"text-decoration", u"none"}}, kInlineUnderline, 0},
    {"block border only solid", XE_FO_BLOCK, {{u"border-style", u"dotted"}}, kBlockBorder, 0},
    {"block border solid", XE_FO_BLOCK, {{u"border-style", u"solid"}}, kBlockBorder, 1},
    {"cell border dotted", XE_FO_TABLE_CELL, {{u"border-style", u"dotted"}}, kCellBorder, 3},
    {"cell border double unknown", XE_FO_TABLE_CELL, {{u"border-style", u"double"}}, kCellBorder, 0},
    {"inline border dotted", XE_FO_INLINE, {{u"border-style", u"dotted"}}, kInlineBorder, 3},
    {"inline border keeps on unknown",
     XE_FO_INLINE,
     {{u"border-style", u"wave"}, {u"border-style", u"zigzag"}},
     kInlineBorder,
     7},
    {"number style maru", XE_FO_INLINE, {{u"bango-type", u"maru"}}, kNumberStyle, 1},
    {"number style is case-sensitive",
     XE_FO_INLINE,
     {{u"bango-type", u"kana"}, {u"bango-type", u"MARU"}},
     kNumberStyle,
     0},
    {"normal keeps bold", XE_MI, {{u"mathvariant", u"bold"}, {u"mathvariant", u"normal"}}, kMathWeight, 700},
    {"bold-italic is italic", XE_MI, {{u"mathvariant", u"bold-italic"}}, kMathItalic, 1},
    {"underline none sets width", XE_MI, {{u"mathunderlinestyle", u"none"}}, kMathUnderline, 1},
    {"underline dashed",
     XE_MN,
     {{u"mathunderlinewidth", u"thick"}, {u"mathunderlinestyle", u"dashed"}},
     kMathUnderline,
     41},
    {"no style rules on mrow", XE_MROW, {{u"mathcolor", u"red"}}, kMathColor, 0},
    {"no style rules on math", XE_MATH, {{u"mathcolor", u"red"}}, kMathColor, 0},
    {"style rules on mstyle", XE_MSTYLE, {{u"mathcolor", u"red"}}, kMathColor, 0xFF},
    {"side line on mrow", XE_MROW, {{u"border-after-style", u"wave"}}, kAfterStyle, 7},
    {"side line on mi", XE_MI, {{u"border-after-style", u"dot-dash"}}, kAfterStyle, 5},
    {"kasen id", XE_FO_INLINE_CONTAINER, {{u"id", u"kasen0012"}}, kBlockKind, 9},
    {"unknown id", XE_FO_INLINE_CONTAINER, {{u"id", u"x"}}, kBlockKind, -1},
    {"text box id", XE_FO_BLOCK_CONTAINER, {{u"id", u"gai0011"}}, kBlockKind, 3},
    {"no id rule on fo:block", XE_FO_BLOCK, {{u"id", u"ruby0011"}}, kBlockKind, 0},
    {"number format c", XE_DNO, {{u"type", u"c"}}, kNumberFormat, 2},
    {"empty number format", XE_DNO, {{u"type", u"c"}, {u"type", u""}}, kNumberFormat, -1},
    {"upper-case number format", XE_DNO, {{u"type", u"C"}}, kNumberFormat, -1},
    {"points shown", XE_HAI, {{u"visibility", u"visible"}}, kVisible, 1},
    {"points keep visibility on unknown",
     XE_HAI,
     {{u"visibility", u"visible"}, {u"visibility", u"hidden"}},
     kVisible,
     1},
};

}  // namespace

TEST(AttributeReader, RulesOfTheElementTables) {
  for (const RuleCase& c : kRuleCases) {
    std::unique_ptr<CQVXMLNode> node = ReadElement(c.code, c.attributes);
    EXPECT_EQ(c.field(*node), c.expected) << c.label;
  }
}

TEST(AttributeReader, RecordsEveryAttributeAndTheLastValueStands) {
  std::unique_ptr<CQVXMLNode> node =
      ReadElement(XE_FO_BLOCK, {{u"font-size", u"12pt"}, {u"unknown", u"kept"}, {u"font-size", u"10pt"}});
  EXPECT_EQ(node->m_mapAttributes.size(), 2u);
  EXPECT_EQ(node->m_mapAttributes[u"font-size"], u"10pt");
  EXPECT_EQ(node->m_mapAttributes[u"unknown"], u"kept");
  EXPECT_EQ(static_cast<CFoBlock&>(*node).m_fontProps.m_nFontSize, 353);
  SetAttribute(nullptr, u"font-size", u"12pt");
}

TEST(AttributeReader, PageSetupAndFlow) {
  auto master = ReadElement(
      XE_FO_SIMPLE_PAGE_MASTER,
      {{u"page-height", u"364mm"}, {u"page-width", u"257mm"}, {u"margin-top", u"10.5pt"}, {u"margin-left", u"12.5mm"}});
  auto& m = static_cast<CFoSimplePageMaster&>(*master);
  EXPECT_EQ(m.m_pageProps.m_nPageHeight, 36400);
  EXPECT_EQ(m.m_pageProps.m_nPageWidth, 25700);
  EXPECT_EQ(m.m_marginProps.m_nMarginTop, 371);
  EXPECT_EQ(m.m_marginProps.m_nMarginLeft, 1250);
  auto body = ReadElement(XE_FO_REGION_BODY, {{u"column-count", u"2"}, {u"margin-bottom", u"20mm"}});
  EXPECT_EQ(static_cast<CFoRegionBody&>(*body).m_pageProps.m_nColumnCount, 2);
  EXPECT_EQ(static_cast<CFoRegionBody&>(*body).m_marginProps.m_nMarginBottom, 2000);
  auto sequence = ReadElement(XE_FO_PAGE_SEQUENCE, {{u"master-reference", u"A4"}});
  EXPECT_EQ(static_cast<CFoPageSequence&>(*sequence).m_strMasterReference, u"A4");
  auto flow = ReadElement(XE_FO_STATIC_CONTENT, {{u"flow-name", u"xsl-region-before"}});
  EXPECT_EQ(static_cast<CFoStaticContent&>(*flow).m_strFlowName, u"xsl-region-before");
  auto apply = ReadElement(XE_XSL_APPLY_TEMPLATES, {{u"select", u"print/dmon[1]/mon/dai"}});
  EXPECT_EQ(static_cast<CXslApplyTemplates&>(*apply).m_strSelect, u"print/dmon[1]/mon/dai");
}

TEST(AttributeReader, BlocksContainersAndPictures) {
  auto container =
      ReadElement(XE_FO_BLOCK_CONTAINER,
                  {{u"visibility", u"collapse"}, {u"break-after", u"page"}, {u"width", u"40mm"}, {u"height", u"12pt"}});
  auto& bc = static_cast<CFoBlockContainer&>(*container);
  EXPECT_EQ(bc.m_nVisibility, 2);
  EXPECT_EQ(bc.m_nBreakAfter, 2);
  EXPECT_EQ(bc.m_nWidth, 4000);
  EXPECT_EQ(bc.m_nHeight, 423);
  auto block = ReadElement(
      XE_FO_BLOCK,
      {{u"text-align", u"right"}, {u"color", u"#102030"}, {u"background-color", u"Yellow"}, {u"border-width", u"1mm"}});
  auto& b = static_cast<CFoBlock&>(*block);
  EXPECT_EQ(b.m_lineProps.m_nTextAlign, 2);
  EXPECT_EQ(b.m_colorProps.m_crColor, RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(b.m_borderProps.m_crBackground, RGB(255, 255, 0));
  EXPECT_EQ(b.m_borderProps.m_nBorderWidth, 100);
  SetAttribute(block.get(), u"text-justify", u"distribute");
  EXPECT_EQ(b.m_lineProps.m_nTextAlign, 4);
  auto floating = ReadElement(XE_FO_FLOAT, {{u"float", u"right"}});
  EXPECT_EQ(static_cast<CFoFloat&>(*floating).m_dimensionProps.m_nAreaHeight, 2);
  auto graphic = ReadElement(XE_FO_EXTERNAL_GRAPHIC, {{u"src", u"問題01.bmp"}, {u"width", u"30mm"}});
  EXPECT_EQ(static_cast<CFoExternalGraphic&>(*graphic).m_strSource, WideToAnsi(u"問題01.bmp"));
  EXPECT_EQ(static_cast<CFoExternalGraphic&>(*graphic).m_dimensionProps.m_nAreaWidth, 3000);
  auto spacing =
      ReadElement(XE_FO_INITIAL_PROPERTY_SET, {{u"line-height.optimum", u"4pt"}, {u"letter-spacing.optimum", u"1mm"}});
  EXPECT_EQ(static_cast<CFoInitialPropertySet&>(*spacing).m_lineProps.m_nLineSpacing, 141);
  EXPECT_EQ(static_cast<CFoInitialPropertySet&>(*spacing).m_charProps.m_nLetterSpacing, 100);
}

TEST(AttributeReader, InlineRunsAndNumberedUnderlines) {
  auto run = ReadElement(XE_FO_INLINE, {{u"font-stretch", u"condensed"},
                                        {u"baseline-shift", u"super"},
                                        {u"background-image", u"diagcross"},
                                        {u"text-underline-style", u"double"},
                                        {u"text-underline-width", u"thick"},
                                        {u"bango-force", u"12"},
                                        {u"bango-string", u"ア"},
                                        {u"bango-font-size", u"8pt"}});
  auto& r = static_cast<CFoInline&>(*run);
  EXPECT_EQ(r.m_fontProps.m_nFontStretch, 1);
  EXPECT_EQ(r.m_alignmentProps.m_nBaselineShift, 2);
  EXPECT_EQ(r.m_borderProps.m_nBackgroundPattern, 6);
  EXPECT_EQ(r.m_charProps.m_nUnderlineStyle, 2);
  EXPECT_EQ(r.m_charProps.m_nUnderlineWidth, 3);
  EXPECT_EQ(r.m_kasenProps.m_kasen.nForcedNumber, 12);
  EXPECT_EQ(r.m_kasenProps.m_strKasenString, u"ア");
  EXPECT_EQ(r.m_kasenProps.m_kasen.nNumberSize, 282);
  auto line = ReadElement(XE_FO_INLINE_CONTAINER, {{u"border-before-style", u"dot-dot-dash"},
                                                   {u"border-before-width", u"thin"},
                                                   {u"border-after-width", u"thick"}});
  auto& l = static_cast<CFoInlineContainer&>(*line);
  EXPECT_EQ(l.m_borderProps.m_nBorderBeforeStyle, 6);
  EXPECT_EQ(l.m_borderProps.m_nBorderBeforeWidth, 1);
  EXPECT_EQ(l.m_borderProps.m_nBorderAfterWidth, 3);
}

TEST(AttributeReader, QuestionElements) {
  auto hai =
      ReadElement(XE_HAI, {{u"type", u"2"}, {u"p1", u"5"}, {u"p2", u"3"}, {u"p3", u"15"}, {u"visibility", u"visible"}});
  const HAITEN_INFO& h = static_cast<CMondaiHai&>(*hai).m_haiten;
  EXPECT_EQ(h.m_nForm, 2);
  EXPECT_EQ(h.m_nSpare, 0);
  EXPECT_EQ(h.m_nEach, 5);
  EXPECT_EQ(h.m_nCount, 3);
  EXPECT_EQ(h.m_nTotal, 15);
  EXPECT_EQ(h.m_bVisible, 1);
  EXPECT_EQ(h.m_strFence, u"（");
  SetAttribute(hai.get(), u"type", u"5");
  SetAttribute(hai.get(), u"fence", u"［");
  EXPECT_EQ(h.m_nForm, 2);
  EXPECT_EQ(h.m_strFence, u"［");
  auto object = ReadElement(XE_OBJECT, {{u"data", u"sheet03.obj"}, {u"width", u"50mm"}, {u"height", u"20.5mm"}});
  auto& o = static_cast<CMondaiObject&>(*object);
  EXPECT_EQ(o.m_strData, "sheet03.obj");
  EXPECT_EQ(o.m_nWidth, 5000);
  EXPECT_EQ(o.m_nHeight, 2050);
  auto img = ReadElement(XE_IMG, {{u"src", u"a.png"}});
  EXPECT_EQ(static_cast<CMondaiImg&>(*img).m_strSource, "a.png");
  auto dai = ReadElement(XE_DAI, {{u"type", u"c"}});
  EXPECT_EQ(dai->m_mapAttributes[u"type"], u"c");
}

TEST(AttributeReader, MathMLElementRules) {
  auto frac = ReadElement(XE_MFRAC, {{u"bevelled", u"true"}, {u"mathcolor", u"red"}});
  EXPECT_EQ(static_cast<CMathMLFrac&>(*frac).m_bBevelled, 1);
  EXPECT_EQ(static_cast<CMathMLFrac&>(*frac).m_colorProps.m_crColor, 0u);
  auto fenced = ReadElement(XE_MFENCED, {{u"open", u"["}, {u"close", u""}});
  EXPECT_EQ(static_cast<CMathMLFenced&>(*fenced).m_strOpen, u"[");
  EXPECT_EQ(static_cast<CMathMLFenced&>(*fenced).m_strClose, u"");
  auto row = ReadElement(XE_MROW, {{u"qvtype", u"cyukai"}});
  EXPECT_EQ(row->m_nContext, 2);
  auto mi = ReadElement(XE_MI, {{u"qvtype", u"cyukai"}, {u"stretchy", u"true"}});
  EXPECT_EQ(mi->m_nContext, 0);
  auto mo = ReadElement(XE_MO, {{u"stretchy", u"false"}, {u"mathsize", u"12pt"}, {u"mathbackground", u"silver"}});
  auto& o = static_cast<CMathMLOperator&>(*mo);
  EXPECT_EQ(o.m_nStretchy, 1);
  EXPECT_EQ(o.m_fontProps.m_nFontSize, 423);
  EXPECT_EQ(o.m_borderProps.m_crBackground, RGB(192, 192, 192));
  auto table = ReadElement(XE_MTABLE, {{u"frame", u"solid"}, {u"columnalign", u"left"}});
  auto& t = static_cast<CMathMLTable&>(*table);
  EXPECT_EQ(t.m_borderProps.m_nBorderStyle, 1);
  EXPECT_EQ(t.m_borderProps.m_nBorderWidth, 1);
  EXPECT_EQ(t.m_lineProps.m_nTextAlign, 0);
  auto td = ReadElement(XE_MTD, {{u"frame", u"solid"}, {u"columnalign", u"right"}});
  EXPECT_EQ(static_cast<CMathMLTd&>(*td).m_borderProps.m_nBorderStyle, 0);
  EXPECT_EQ(static_cast<CMathMLTd&>(*td).m_lineProps.m_nTextAlign, 0);
}

TEST(AttributeReader, UntrustedNumbersAndLengthsNeverOverflow) {
  auto hai = ReadElement(XE_HAI, {{u"p1", u"99999999999999999999"}, {u"p2", u"-99999999999"}, {u"p3", u"  42abc"}});
  const HAITEN_INFO& h = static_cast<CMondaiHai&>(*hai).m_haiten;
  EXPECT_EQ(h.m_nEach, INT_MAX);
  EXPECT_EQ(h.m_nCount, INT_MIN);
  EXPECT_EQ(h.m_nTotal, 42);
  const std::pair<const char16_t*, LONG> lengths[] = {
      {u"", 0},        {u"12", 0},      {u"12cm", 0},          {u"mm", 0},
      {u"-3mm", -300}, {u"1e9mm", 100}, {u"99999999999pt", 0}, {u"21474836.48mm", 0},
      {u"0.005mm", 1}, {u"\u00A0", 0},
  };
  for (const auto& [text, expected] : lengths) {
    auto block = ReadElement(XE_FO_BLOCK, {{u"font-size", text}});
    EXPECT_EQ(static_cast<CFoBlock&>(*block).m_fontProps.m_nFontSize, expected)
        << ::testing::PrintToString(CStringW(text));
  }
  auto body = ReadElement(XE_FO_REGION_BODY, {{u"column-count", u"two"}});
  EXPECT_EQ(static_cast<CFoRegionBody&>(*body).m_pageProps.m_nColumnCount, 0);
}

TEST(AttributeReader, LongFaceNamesAreCutAtACharacterBoundary) {
  struct FaceCase {
    std::u16string face;
    std::u16string kept;
  };
  const std::u16string mincho(20, u'明');
  const FaceCase cases[] = {
      {mincho, mincho.substr(0, 15)},                        // 30 bytes, the next would need 32
      {u"A" + mincho, u"A" + mincho.substr(0, 15)},          // 31 bytes exactly
      {std::u16string(40, u'x'), std::u16string(31, u'x')},  // single bytes fill the field
      {u"ＭＳ 明朝", u"ＭＳ 明朝"},
  };
  for (const FaceCase& c : cases) {
    auto run = ReadElement(XE_FO_INLINE, {{u"font-family", c.face.c_str()}, {u"bango-font-family", c.face.c_str()}});
    auto& r = static_cast<CFoInline&>(*run);
    std::string expected = WideToAnsi(c.kept);
    EXPECT_EQ(std::string(r.m_fontProps.m_szFontFamily), expected);
    EXPECT_EQ(std::string(r.m_kasenProps.m_kasen.szNumberFace), expected);
    EXPECT_EQ(r.m_fontProps.m_szFontFamily[LF_FACESIZE - 1], '\0');
  }
  auto mi = ReadElement(XE_MI, {{u"mathfamily", (u"AB" + mincho).c_str()}});
  EXPECT_EQ(std::string(static_cast<CMathMLNode&>(*mi).m_fontProps.m_szFontFamily),
            WideToAnsi(u"AB" + mincho.substr(0, 14)));
}
