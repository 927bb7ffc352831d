#include <gtest/gtest.h>

#include "model/DefaultFonts.h"
#include "platform/AnsiCodePage.h"

namespace {

class DefaultFontsTest : public ::testing::Test {
 protected:
  DefaultFontsTest() : m_saved(g_DefaultFonts) {}
  ~DefaultFontsTest() override { g_DefaultFonts = m_saved; }

 private:
  DEFAULT_FONTS m_saved;
};

TEST_F(DefaultFontsTest, OnlyTheVerticalJapaneseEntryIsRotated) {
  LOGFONTA lf{};
  GetDefaultFont(&lf, TRUE);
  EXPECT_EQ(lf.lfFaceName, WideToAnsi(u"@ＭＳ 明朝"));
  EXPECT_EQ(lf.lfEscapement, 2700);
  EXPECT_EQ(lf.lfOrientation, 2700);
  EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(lf.lfHeight, -371);
  GetDefaultFont(&lf, FALSE);
  EXPECT_EQ(lf.lfFaceName, WideToAnsi(u"ＭＳ Ｐ明朝"));
  EXPECT_EQ(lf.lfEscapement, 0);
  GetHankakuFont(&lf, TRUE);
  EXPECT_STREQ(lf.lfFaceName, "Times New Roman");
  EXPECT_EQ(lf.lfEscapement, 0);
  EXPECT_EQ(lf.lfPitchAndFamily, 0x12);
  EXPECT_EQ(GetDefaultHeight(), 371);
}

TEST_F(DefaultFontsTest, ItalicFlagsOfTheBuiltInTable) {
  EXPECT_EQ(GetHankakuItalic(FALSE), 1);
  EXPECT_EQ(GetHankakuItalic(TRUE), 1);
  EXPECT_EQ(GetNumericItalic(FALSE), 0);
  EXPECT_EQ(GetMathItalic(), 1);
  EXPECT_EQ(GetMathNumericItalic(), 0);
  EXPECT_EQ(GetMathOperatorItalic(), 0);
}

TEST_F(DefaultFontsTest, HeightsAreSharedBetweenDirectionsButItalicIsNot) {
  SetDefaultHeight(500);
  EXPECT_EQ(GetDefaultHeight(), 500);
  EXPECT_EQ(g_DefaultFonts.entries[DEFAULT_FONTS::Default].nCharHeight, 500);
  EXPECT_EQ(g_DefaultFonts.entries[DEFAULT_FONTS::AtDefault].nCharHeight, 371);
  SetDefaultItalic(1, TRUE);
  EXPECT_EQ(GetDefaultItalic(TRUE), 1);
  EXPECT_EQ(GetDefaultItalic(FALSE), 0);
}

TEST_F(DefaultFontsTest, FontSettersCopyTheWholeRecordIntoTheChosenTwin) {
  LOGFONTA lf{};
  GetNumericFont(&lf, FALSE);
  lf.lfWeight = FW_BOLD;
  SetNumericFont(&lf, TRUE);
  LOGFONTA vertical{}, horizontal{};
  GetNumericFont(&vertical, TRUE);
  GetNumericFont(&horizontal, FALSE);
  EXPECT_EQ(vertical.lfWeight, FW_BOLD);
  EXPECT_EQ(horizontal.lfWeight, FW_NORMAL);
}

}  // namespace
