#include <gtest/gtest.h>

#include <cstring>

#include "model/DefaultFonts.h"
#include "model/GdiCache.h"
#include "platform/AnsiCodePage.h"
#include "tests/support/RecordingBackend.h"

namespace {

TEST(GdiCacheTest, FlagsStartAsTheEditorNeedsThem) {
  EXPECT_EQ(g_bVerticalWriting, 0);
  EXPECT_EQ(g_bShowLineEnds, 0);
  EXPECT_EQ(g_bUnicodeText, 1);
}

TEST(GdiCacheTest, PensAndBrushesServeTheSixteenColoursAndBlackForOthers) {
  CreateGdiCache();
  EXPECT_EQ(FindPaletteIndex(0xFFFF00), 15);
  EXPECT_EQ(FindPaletteIndex(0x123456), 0);
  EXPECT_EQ(GetSolidPen(0x123456), GetSolidPen(0x000000));
  EXPECT_EQ(GetSolidBrush(0x123456), GetSolidBrush(0x000000));
  struct CASE {
    CPen* (*get)(COLORREF);
    int style;
  };
  const CASE cases[] = {{GetSolidPen, PS_SOLID}, {GetDotPen, PS_DOT}, {GetDashPen, PS_DASH},
                        {GetDashDotPen, PS_DASHDOT}, {GetDashDotDotPen, PS_DASHDOTDOT}};
  for (const CASE& c : cases) {
    CPen* pen = c.get(0x0000FF);
    EXPECT_EQ(pen->Style(), c.style);
    EXPECT_EQ(pen->Color(), COLORREF(0x0000FF));
    EXPECT_FALSE(pen->IsGeometric());
  }
  EXPECT_EQ(GetSolidBrush(0x808000)->Color(), COLORREF(0x808000));
}

TEST(GdiCacheTest, PatternBrushesHoldTheBackgroundPatterns) {
  const PATTERN_ROWS expected[6] = {
      {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF}, {0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44},
      {0x22, 0x11, 0x88, 0x44, 0x22, 0x11, 0x88, 0x44}, {0x44, 0x88, 0x11, 0x22, 0x44, 0x88, 0x11, 0x22},
      {0x44, 0x44, 0x44, 0xFF, 0x44, 0x44, 0x44, 0xFF}, {0xAA, 0x11, 0xAA, 0x44, 0xAA, 0x11, 0xAA, 0x44}};
  for (int kind = 0; kind < 6; ++kind) {
    ASSERT_NE(GetPatternBrush(kind), nullptr);
    EXPECT_EQ(GetPatternBrush(kind)->Style(), BS_PATTERN);
    EXPECT_EQ(GetPatternBrush(kind)->Pattern(), expected[kind]) << kind;
  }
  EXPECT_EQ(GetPatternBrush(6), nullptr);
  EXPECT_EQ(GetPatternBrush(-1), nullptr);
  EXPECT_EQ(GetHalftoneBrush()->Pattern(), (PATTERN_ROWS{0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA}));
}

TEST(GdiCacheTest, CachedObjectsDrawThroughADeviceContext) {
  CRecordingDC dc;
  dc.SelectObject(GetDashPen(0x0000FF));
  dc.SelectObject(GetPatternBrush(4));
  dc.Rectangle(0, 0, 10, 10);
  const DC_CALL& call = dc.Recorder().Calls().back();
  EXPECT_EQ(call.penStyle, PS_DASH);
  EXPECT_EQ(call.penColor, COLORREF(0x0000FF));
  EXPECT_EQ(call.brushStyle, BS_PATTERN);
}

TEST(GdiCacheTest, GuiFontIsCaptured) {
  LOGFONTA lf{};
  GetGuiLogFont(&lf);
  EXPECT_LT(lf.lfHeight, 0);
  EXPECT_GT(std::strlen(lf.lfFaceName), 0u);
}

std::string Ansi(const char16_t* text) { return WideToAnsi(text); }

TEST(FontListTest, ListsTheWindowsFacesWithTheirVerticalForms) {
  const char16_t* faces[] = {u"ＭＳ 明朝",     u"@ＭＳ 明朝",      u"ＭＳ Ｐ明朝", u"ＭＳ ゴシック",
                             u"ＭＳ Ｐゴシック", u"Times New Roman", u"Halvern Gaiji", u"@Halvern Gaiji"};
  for (const char16_t* face : faces) {
    LOGFONTA lf{};
    EXPECT_TRUE(FindFontByFaceName(Ansi(face).c_str(), &lf)) << Ansi(face);
    EXPECT_STREQ(lf.lfFaceName, Ansi(face).c_str());
  }
  LOGFONTA mincho{};
  ASSERT_TRUE(FindFontByFaceName(Ansi(u"ＭＳ 明朝").c_str(), &mincho));
  EXPECT_EQ(mincho.lfCharSet, SHIFTJIS_CHARSET);
  LOGFONTA times{};
  ASSERT_TRUE(FindFontByFaceName("Times New Roman", &times));
  EXPECT_EQ(times.lfCharSet, ANSI_CHARSET);
}

TEST(FontListTest, EntriesAreUniqueAndSortedByTheirCodePageBytes) {
  int count = GetFontCount();
  ASSERT_GT(count, 10);
  LOGFONTA previous{};
  ASSERT_EQ(GetFontLogFont(0, &previous), 0);
  for (int i = 1; i < count; ++i) {
    LOGFONTA lf{};
    ASSERT_EQ(GetFontLogFont(i, &lf), i);
    EXPECT_LT(CompareAnsi(previous.lfFaceName, lf.lfFaceName), 0) << previous.lfFaceName << " " << lf.lfFaceName;
    previous = lf;
  }
  NEWTEXTMETRICA tm{};
  EXPECT_EQ(GetFontTextMetric(count - 1, &tm), count - 1);
  EXPECT_GT(tm.tmHeight, 0);
  EXPECT_EQ(GetFontLogFont(count, &previous), -1);
  EXPECT_EQ(GetFontTextMetric(-1, &tm), -1);
}

TEST(FontListTest, UnknownFacesLeaveTheOutputUntouched) {
  LOGFONTA lf;
  std::memset(&lf, 0x5A, sizeof lf);
  LOGFONTA before = lf;
  EXPECT_FALSE(FindFontByFaceName("No Such Face", &lf));
  SetLogFontFace(&lf, "No Such Face");
  EXPECT_EQ(std::memcmp(&lf, &before, sizeof lf), 0);
}

TEST(FontListTest, SetLogFontFaceCopiesOnlyTheFaceFields) {
  LOGFONTA lf{};
  lf.lfHeight = -371;
  lf.lfWeight = FW_BOLD;
  lf.lfItalic = 1;
  lf.lfEscapement = 2700;
  SetLogFontFace(&lf, Ansi(u"@ＭＳ 明朝").c_str());
  EXPECT_STREQ(lf.lfFaceName, Ansi(u"@ＭＳ 明朝").c_str());
  EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(lf.lfHeight, -371);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_EQ(lf.lfEscapement, 2700);
}

}  // namespace
