#include <QFile>
#include <functional>

#include "model/FontProperties.h"
#include "tests/xmlformat/FoWriterFixture.h"

namespace {

// Rows build the content of one line; the expected template is that of the line's content.
struct INLINE_ROW {
  const char* name;
  std::function<void(CFoBlock&)> build;
  std::string line;
  std::string data;
};

void PrintTo(const INLINE_ROW& row, std::ostream* os) { *os << row.name; }

std::string Run(const std::string& attributes, const std::string& select) {
  return "<fo:inline " + attributes + "><xsl:value-of select=\"" + select + "\"/></fo:inline>";
}

std::string PlainRun(const std::string& select) { return Run(kRunFont, select); }

std::string Line(const std::string& content) { return "<fo:block text-align=\"left\">" + content + "</fo:block>"; }

CFoInline* Styled(CFoBlock& line, const std::function<void(CFoInline&)>& style) {
  CFoInline* run = AddRun(line, u"x");
  style(*run);
  return run;
}

const INLINE_ROW kInlineRows[] = {
    {"MarkupGoesIntoCdata", [](CFoBlock& l) { AddRun(l, u"A<B"); }, PlainRun("sp[1]"),
     "<dai><sp><![CDATA[A<B]]></sp></dai>"},
    {"AmpersandIsEscaped", [](CFoBlock& l) { AddRun(l, u"A&B"); }, PlainRun("sp[1]"), "<dai><sp>A&amp;B</sp></dai>"},
    {"SpacesArePreservedOnBoth", [](CFoBlock& l) { AddRun(l, u"   "); },
     Run(std::string("xml:space=\"preserve\" ") + kRunFont, "sp[1]"),
     "<dai><sp xml:space=\"preserve\">   </sp></dai>"},
    {"SecondRun",
     [](CFoBlock& l) {
       AddRun(l, u"a");
       AddRun(l, u"b");
     },
     PlainRun("sp[1]") + PlainRun("sp[2]"), "<dai><sp>a</sp><sp>b</sp></dai>"},
    {"BoldItalicWithNormalUnderline",
     [](CFoBlock& l) {
       Styled(l, [](CFoInline& r) {
         r.m_fontProps.m_nFontWeight = FW_BOLD;
         r.m_fontProps.m_nFontItalic = 1;
         r.m_charProps.m_nUnderlineStyle = LS_SOLID;
         r.m_charProps.m_nUnderlineWidth = 1;
       });
     },
     Run(std::string(kRunFont) + " font-weight=\"bold\" font-style=\"italic\" text-decoration=\"underline\"", "sp[1]"),
     "<dai><sp>x</sp></dai>"},
    {"ThickUnderlineAndWavyLineThrough",
     [](CFoBlock& l) {
       Styled(l, [](CFoInline& r) {
         r.m_charProps.m_nUnderlineStyle = LS_SOLID;
         r.m_charProps.m_nUnderlineWidth = 3;
         r.m_charProps.m_nLineThroughStyle = LS_WAVE;
         r.m_charProps.m_nLineThroughWidth = 3;
       });
     },
     Run(std::string(kRunFont) +
             " text-decoration=\"underline line-through\" text-underline-style=\"solid\""
             " text-underline-width=\"thick\" text-line-through-style=\"wave\"",
         "sp[1]"),
     "<dai><sp>x</sp></dai>"},
    {"ThickDottedUnderlineHasNoWidth",
     [](CFoBlock& l) {
       Styled(l, [](CFoInline& r) {
         r.m_charProps.m_nUnderlineStyle = LS_DOTTED;
         r.m_charProps.m_nUnderlineWidth = 3;
       });
     },
     Run(std::string(kRunFont) + " text-decoration=\"underline\" text-underline-style=\"dotted\"", "sp[1]"),
     "<dai><sp>x</sp></dai>"},
    {"ColoursPatternsBorderShiftStretch",
     [](CFoBlock& l) {
       Styled(l, [](CFoInline& r) {
         r.m_fontProps.m_nFontStretch = CFontProperties::StretchCondensed;
         r.m_colorProps.m_crColor = RGB(255, 0, 0);
         r.m_borderProps.m_crBackground = RGB(0x12, 0x34, 0x56);
         r.m_borderProps.m_nBackgroundPattern = 1;
         r.m_borderProps.m_nBorderStyle = LS_SOLID;
         r.m_borderProps.m_nBorderWidth = 3;
         r.m_alignmentProps.m_nBaselineShift = CAreaAlignmentProperties::ShiftSub;
       });
       Styled(l, [](CFoInline& r) {
         r.m_fontProps.m_nFontStretch = CFontProperties::StretchExpanded;
         r.m_borderProps.m_nBackgroundPattern = 6;
         r.m_borderProps.m_nBorderStyle = LS_DASHED;
         r.m_borderProps.m_nBorderWidth = 3;
         r.m_alignmentProps.m_nBaselineShift = CAreaAlignmentProperties::ShiftSuper;
       });
     },
     Run(std::string(kRunFont) +
             " font-stretch=\"condensed\" color=\"Red\" background-color=\"#123456\" border-style=\"solid\""
             " border-width=\"thick\" baseline-shift=\"sub\"",
         "sp[1]") +
         Run(std::string(kRunFont) +
                 " font-stretch=\"expanded\" background-image=\"diagcross\" border-style=\"dashed\""
                 " baseline-shift=\"super\"",
             "sp[2]"),
     "<dai><sp>x</sp><sp>x</sp></dai>"},
    {"KaeritenSpacing",
     [](CFoBlock& l) {
       Styled(l, [](CFoInline& r) {
         r.m_fontProps.m_nFontSize = -176;
         r.m_charProps.m_nLetterSpacing = -176;
       });
     },
     Run("font-family=\"ＭＳ Ｐ明朝\" font-size=\"5pt\" letter-spacing.optimum=\"-5pt\"", "sp[1]"),
     "<dai><sp>x</sp></dai>"},
    {"NumberingOfAStringType",
     [](CFoBlock& l) {
       Styled(l, [](CFoInline& r) {
         r.m_kasenProps.m_kasen.nNumberStyle = CKasenRenbanProperties::NumberString;
         r.m_kasenProps.m_kasen.nForcedNumber = 0;
         r.m_kasenProps.m_strKasenString = u"問";
       });
     },
     Run(std::string(kRunFont) +
             " bango-type=\"string\" bango-string=\"問\" bango-font-family=\"ＭＳ Ｐ明朝\" bango-font-size=\"5pt\"",
         "sp[1]"),
     "<dai><sp>x</sp></dai>"},
    {"NumberingOfAnUnknownTypeAndForcedNumber",
     [](CFoBlock& l) {
       Styled(l, [](CFoInline& r) {
         r.m_kasenProps.m_kasen.nNumberStyle = 9;
         r.m_kasenProps.m_kasen.nForcedNumber = 3;
         r.m_kasenProps.m_kasen.szNumberFace[0] = 0;
         r.m_kasenProps.m_kasen.nNumberSize = 0;
       });
     },
     Run(std::string(kRunFont) + " bango-type=\"\" bango-force=\"3\"", "sp[1]"), "<dai><sp>x</sp></dai>"},
    {"Pictures",
     [](CFoBlock& l) {
       for (const char* file : {"sheet-01.png", "sheet-02.bmp"}) {
         auto* picture = Add<CFoExternalGraphic>(l);
         picture->m_strSource = file;
         picture->m_dimensionProps.m_nAreaWidth = 2599;
         picture->m_dimensionProps.m_nAreaHeight = 1000;
       }
     },
     "<fo:external-graphic src=\"{img[1]/@src}\" width=\"25mm\" height=\"10mm\"/>"
     "<fo:external-graphic src=\"{img[2]/@src}\" width=\"25mm\" height=\"10mm\"/>",
     "<dai><img src=\"sheet-01.png\"/><img src=\"sheet-02.bmp\"/></dai>"},
    {"InTextAnswersStartTheirOwnCounters",
     [](CFoBlock& l) {
       AddRun(l, u"q");
       for (int i = 0; i < 2; ++i) {
         auto* answer = AddSpecial(l, BK_CYUKAI);
         AddRun(*Add<CFoBlock>(*answer), u"a");
         AddRun(*Add<CFoBlock>(*answer), u"b");
       }
     },
     PlainRun("sp[1]") + "<fo:inline-container id=\"cyukai0011\">" + Line(PlainRun("cyukai[1]/sp[1]")) +
         Line(PlainRun("cyukai[1]/sp[2]")) + "</fo:inline-container><fo:inline-container id=\"cyukai0012\">" +
         Line(PlainRun("cyukai[2]/sp[1]")) + Line(PlainRun("cyukai[2]/sp[2]")) + "</fo:inline-container>",
     "<dai><sp>q</sp><cyukai><sp>a</sp><sp>b</sp></cyukai><cyukai><sp>a</sp><sp>b</sp></cyukai></dai>"},
    {"UnderlineInsideAnAnswer",
     [](CFoBlock& l) {
       auto* answer = AddSpecial(l, BK_CYUKAI);
       auto* underline = AddSpecial(*Add<CFoBlock>(*answer), BK_KASEN);
       AddRun(*Add<CFoBlock>(*underline), u"k");
       Add<CFoInline>(*underline);
     },
     "<fo:inline-container id=\"cyukai0011\">" +
         Line("<fo:inline-container id=\"kasen0011\">" + Line(PlainRun("cyukai[1]/kasen[1]/sp[1]")) +
              "<fo:inline/></fo:inline-container>") +
         "</fo:inline-container>",
     "<dai><cyukai><kasen><sp>k</sp></kasen></cyukai></dai>"},
    {"KanbunAndRuby",
     [](CFoBlock& l) {
       auto* kanA = AddSpecial(l, BK_KANA);
       kanA->m_borderProps.m_nBorderBeforeStyle = LS_DOUBLE;
       AddRun(*Add<CFoBlock>(*kanA), u"漢");
       Add<CFoFloat>(*kanA);
       auto* kanB = AddSpecial(l, BK_KANB);
       kanB->m_borderProps.m_nBorderBeforeStyle = 9;
       kanB->m_borderProps.m_nBorderBeforeWidth = 3;
       auto* plainRuby = AddSpecial(l, BK_RUBY);
       plainRuby->m_borderProps.m_nBorderAfterWidth = 3;
       auto* ruby = AddSpecial(l, BK_RUBY);
       ruby->m_borderProps.m_nBorderAfterStyle = 9;
       ruby->m_borderProps.m_nBorderAfterWidth = 3;
       ruby->m_kasenProps.m_kasen.nNumberStyle = CKasenRenbanProperties::NumberCircled;
       ruby->m_kasenProps.m_kasen.nNumberSize = -195;
     },
     "<fo:inline-container id=\"kanA0011\" border-before-style=\"double\">" + Line(PlainRun("sp[1]")) +
         "<fo:float/></fo:inline-container>"
         "<fo:inline-container id=\"kanB0012\" border-before-width=\"thick\"/>"
         "<fo:inline-container id=\"ruby0011\"/>"
         "<fo:inline-container id=\"ruby0012\" border-after-width=\"thick\" bango-type=\"maru\""
         " bango-font-family=\"ＭＳ Ｐ明朝\" bango-font-size=\"5.5pt\"/>",
     "<dai><sp>漢</sp></dai>"},
    {"PlainInlineContainerKeepsItsDataParent",
     [](CFoBlock& l) { AddRun(*Add<CFoBlock>(*AddSpecial(l, BK_NONE)), u"p"); },
     "<fo:inline-container>" + Line(PlainRun("sp[1]")) + "</fo:inline-container>", "<dai><sp>p</sp></dai>"},
};

class FoInlineRows : public FoWriterTest, public ::testing::WithParamInterface<INLINE_ROW> {};

TEST_P(FoInlineRows, WritesTemplateAndData) {
  GetParam().build(*Add<CFoBlock>(m_root));
  FO_WRITE_RESULT result = Write(m_root);
  EXPECT_TRUE(result.bWritten);
  EXPECT_EQ(result.templ, "<fo:block-container>" + Line(GetParam().line) + "</fo:block-container>");
  EXPECT_EQ(result.data, GetParam().data);
}

INSTANTIATE_TEST_SUITE_P(Rows, FoInlineRows, ::testing::ValuesIn(kInlineRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Texts that XML must escape or that close a CDATA section come back from the saved file.
TEST_F(FoWriterTest, RunTextsSurviveSaveAndReload) {
  const char16_t* texts[] = {u"A&B", u"]]>", u"a]]>b<c", u"   "};
  CFoBlock* line = Add<CFoBlock>(m_root);
  for (const char16_t* text : texts) AddRun(*line, text);
  ASSERT_TRUE(Write(m_root).bWritten);
  CDomDocument reloaded;
  ASSERT_TRUE(reloaded.load(m_dir.filePath("sheet.xml").toStdU16String()));
  CDomNodeList runs = reloaded.selectNodes(u"/print/dai/sp");
  ASSERT_EQ(runs.length(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(runs.item(i).text(), texts[i]);
}

}  // namespace
