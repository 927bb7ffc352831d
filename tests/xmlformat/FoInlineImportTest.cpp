#include <gtest/gtest.h>

#include "tests/xmlformat/FoImportFixture.h"

namespace {

struct INLINE_CASE {
  const char* name;
  std::u16string block;  // the content of one fo:block of a question
  const char* dump;
};

class FoInlineImportTest : public FoImportTest, public ::testing::WithParamInterface<INLINE_CASE> {};

TEST_P(FoInlineImportTest, BuildsTheEditTree) {
  ASSERT_TRUE(Import(FoFlowDocument(u"<fo:block-container><fo:block>" + GetParam().block +
                                    u"</fo:block></fo:block-container>")))
      << FoUtf8(m_error);
  EXPECT_EQ(Dump(), GetParam().dump);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FoInlineImportTest,
    ::testing::Values(
        INLINE_CASE{"RubyBaseFirstAndKimFlattened",
                    u"<fo:inline-container id=\"ruby1\"><fo:block><fo:inline>かん</fo:inline></fo:block>"
                    u"<fo:block><fo:inline>漢</fo:inline></fo:block></fo:inline-container>"
                    u"<fo:inline-container id=\"kim1\"><fo:block><fo:inline>k</fo:inline></fo:block></fo:inline-container>",
                    "CEditPrint\n  CEditSentence\n"
                    "    CEditRuby\n      CEditRubyBase\n        text 漢\n        CR\n"
                    "      CEditRubyText\n        text か|ん\n        CR\n"
                    "    text k\n    CR\n    CR\n"},
        INLINE_CASE{"KanbunSevenBoxesAndHyphenFive",
                    u"<fo:inline-container id=\"kanA1\"><fo:block><fo:block><fo:inline>ト</fo:inline></fo:block></fo:block>"
                    u"<fo:block><fo:inline/><fo:inline>人</fo:inline><fo:inline/><fo:inline>二</fo:inline><fo:inline/></fo:block>"
                    u"<fo:block><fo:block><fo:inline/></fo:block></fo:block></fo:inline-container>"
                    u"<fo:inline-container id=\"kanB1\"><fo:block/></fo:inline-container>",
                    "CEditPrint\n  CEditSentence\n"
                    "    CEditKan\n      CEditKunten\n        CR\n      CEditKunten\n        CEditKanChar\n        CR\n"
                    "      CEditOkurigana\n        CEditKanChar\n        CR\n      CEditOkurigana\n        CR\n"
                    "      CEditKunten\n        CR\n      CEditKunten\n        CEditKanChar\n        CR\n"
                    "      CEditKunten\n        CR\n"
                    "    CEditKan\n      CEditKunten\n        CR\n      CEditKunten\n        CR\n"
                    "      CEditOkurigana\n        CR\n      CEditOkurigana\n        CR\n      CEditKunten\n        CR\n"
                    "    CR\n"},
        INLINE_CASE{"ShortRubyHiddenPointsMissingPicture",
                    u"<fo:inline-container id=\"ruby2\"><fo:block/></fo:inline-container>"
                    u"<fo:instream-foreign-object><hai form=\"1\" each=\"2\" show=\"0\"/></fo:instream-foreign-object>"
                    u"<fo:external-graphic src=\"missing.png\" width=\"10mm\" height=\"5mm\"/>",
                    "CEditPrint\n  CEditSentence\n"
                    "    CEditRuby\n      CEditRubyBase\n        CR\n      CEditRubyText\n        CR\n"
                    "    CEditHaiten hidden=2\n    CEditGraphic\n    CR\n"}));

}  // namespace
