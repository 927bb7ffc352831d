#include <gtest/gtest.h>

#include "math/EditIntegral.h"
#include "math/EditIntegralSub.h"
#include "math/EditIntegralSubsup.h"
#include "math/EditSigma.h"
#include "platform/AnsiCodePage.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

// Σ before a 12-point letter (lfHeight 423) is measured at 24 points: em 846, height 845,
// average width 423, advance 846; q = ((846 - 423) / 2 * 2) / 3 = 140.
TEST_F(MathLayoutTest, SigmaTakesTwiceItsNeighboursHeightAndStandsOnItsMiddle) {
  CEditMathContainer slot;
  auto* sigma = new CEditSigma;
  slot.AppendChild(sigma);
  Char(&slot, u"a", -423);
  SlotEnd(&slot);
  Layout(slot, 100000, 1000, 2000);
  EXPECT_EQ(sigma->m_lf.lfHeight, -423);
  EXPECT_EQ(sigma->m_nHeight, 845);
  EXPECT_EQ(sigma->m_nLeftShift, 140);
  EXPECT_EQ(sigma->m_nWidth, 846 - 140);
  EXPECT_EQ(sigma->m_nAscent, 0);
  EXPECT_EQ(sigma->m_nCenter, 422);
  EXPECT_STREQ(sigma->m_lf.lfFaceName, WideToAnsi(u"ＭＳ Ｐ明朝").c_str());
  EXPECT_EQ(sigma->m_lf.lfItalic, 0);
  // The line's half-height line runs through the sign's middle.
  const EDIT_LINE_INFO line = Line(slot, 0);
  EXPECT_EQ(sigma->m_rcInk.top + sigma->m_nCenter, 2000 + line.props.m_nCenter);

  dc.SetTextAlign(TA_BASELINE);
  sigma->Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(Count("Text"), 1);
  const DC_CALL& text = dc.Recorder().Calls().back();
  EXPECT_EQ(text.font.lfHeight, -846);
  EXPECT_EQ(text.points[0].x, sigma->m_rcInk.left - 140);
  EXPECT_EQ(dc.GetTextAlign(), TA_BASELINE);

  // The sign follows its neighbour when that is resized.
  slot.GetEditChildAt(1)->SetFontSize(CSize(0, 706), nullptr);
  Layout(slot);
  EXPECT_EQ(sigma->m_lf.lfHeight, -706);
  EXPECT_EQ(sigma->m_nHeight, 2 * 706 - 1);
}

TEST(BigOperatorArchive, SigmaKeepsItsGlyphFontAndShift) {
  CEditSigma sigma;
  sigma.m_nLeftShift = 140;
  sigma.m_lfGlyph.lfHeight = -999;
  Bytes bytes;
  std::unique_ptr<CEditSigma> copy = RoundTrip(sigma, &bytes);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_nLeftShift, 140);
  EXPECT_EQ(copy->m_lfGlyph.lfHeight, -999);
  EXPECT_STREQ(copy->m_lfGlyph.lfFaceName, sigma.m_lfGlyph.lfFaceName);
  EXPECT_EQ(copy->m_strText, CStringW(u"\u03A3"));
}

// The block is read at its stored length, at most 60 bytes kept, and never past the data.
TEST(BigOperatorArchive, GlyphFontBlocksAreReadAtTheirStoredLength) {
  CEditSigma model;
  model.m_nLeftShift = 7;
  const Bytes record = StoreBytes([&](CArchive& ar) { model.Serialize(ar); });
  const Bytes rest(record.begin() + 4 + 60, record.end());

  Bytes shortBlock = HexBytes("04 00 00 00 9C FF FF FF");
  shortBlock.insert(shortBlock.end(), rest.begin(), rest.end());
  CEditSigma fromShort;
  LoadBytes(shortBlock, [&](CArchive& ar) { fromShort.Serialize(ar); });
  EXPECT_EQ(fromShort.m_lfGlyph.lfHeight, -100);
  EXPECT_STREQ(fromShort.m_lfGlyph.lfFaceName, model.m_lfGlyph.lfFaceName);
  EXPECT_EQ(fromShort.m_nLeftShift, 7);

  Bytes longBlock = HexBytes("44 00 00 00");
  longBlock.insert(longBlock.end(), record.begin() + 4, record.begin() + 64);
  longBlock.insert(longBlock.end(), {1, 2, 3, 4, 5, 6, 7, 8});
  longBlock.insert(longBlock.end(), rest.begin(), rest.end());
  CEditSigma fromLong;
  LoadBytes(longBlock, [&](CArchive& ar) { fromLong.Serialize(ar); });
  EXPECT_EQ(fromLong.m_nLeftShift, 7);

  CEditSigma fromTruncated;
  EXPECT_THROW(LoadBytes(HexBytes("00 10 00 00 01 02"), [&](CArchive& ar) { fromTruncated.Serialize(ar); }),
               CArchiveException);
}

// The glyph at twice 10.5 points: em 742, leading -1, so height 742, half height 371, and
// U+FF66 is a narrow character, 371 wide. Script limits: width 106, ascent 169, descent 42.
TEST_F(MathLayoutTest, IntegralWithEmptyLimitsShowsTwoMarksOnScreenOnly) {
  CEditIntegralSubsup integral;
  integral.m_lf.lfHeight = -371;
  integral.CreateSlots();
  Layout(integral, 100000, 1000, 2000);
  EXPECT_EQ(integral.m_glyph.m_lf.lfHeight, -742);
  EXPECT_EQ(integral.m_nWidth, 371 + 106);
  EXPECT_EQ(integral.m_nHeight, 742 + 42 + 105);
  EXPECT_EQ(integral.m_nCenter, 371 + 105);
  const CEditNode* upper = integral.GetEditChildAt(0);
  const CEditNode* lower = integral.GetEditChildAt(1);
  const int signTop = 2000 + 105;
  EXPECT_EQ(CRect(integral.m_glyph.m_rcInk), CRect(1000, signTop, 1371, signTop + 742));
  EXPECT_EQ(upper->m_rcInk.left, 1000 + 371 + 46);
  EXPECT_EQ(upper->m_rcInk.top, 2000);
  EXPECT_EQ(lower->m_rcInk.left, 1000 + 231);
  EXPECT_EQ(lower->m_ptOrigin.y, signTop + 742);

  integral.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 2);
  ASSERT_EQ(Count("Text"), 1);
  for (const DC_CALL& call : dc.Recorder().Calls()) {
    if (call.name != "Text") continue;
    EXPECT_EQ(call.text, u"\uFF66");
    EXPECT_STREQ(call.font.lfFaceName, "Halvern Gaiji");
    EXPECT_EQ(call.points[0].x, 1000);
  }
  dc.Recorder().Clear();
  dc.Recorder().m_bPrinting = true;
  integral.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 0);
  EXPECT_EQ(Count("Text"), 1);
}

TEST_F(MathLayoutTest, LowerLimitsWidenTheElementPastSevenEighthsOfTheSign) {
  CEditIntegralSub integral;
  integral.m_lf.lfHeight = -371;
  integral.CreateSlots();
  for (int i = 0; i < 4; ++i) integral.GetEditChildAt(0)->InsertBefore(new CEditMathChar(u'n'));
  integral.ApplyFontSize(nullptr);
  Layout(integral, 100000, 1000, 2000);
  EXPECT_EQ(integral.m_nWidth, 371 + 4 * 106 - 46);
  EXPECT_EQ(integral.m_nHeight, 742 + 42);
  EXPECT_EQ(integral.GetEditChildAt(0)->m_rcInk.left, 1000 + 231);

  std::unique_ptr<CEditIntegralSub> copy = RoundTrip(integral);
  ASSERT_NE(copy, nullptr);
  EXPECT_STREQ(copy->m_glyph.m_lfGlyph.lfFaceName, "Halvern Gaiji");
  EXPECT_EQ(copy->m_glyph.m_lf.lfHeight, -742);
  EXPECT_EQ(copy->GetChildCount(), 5);
}

TEST_F(MathLayoutTest, IntegralSignAloneTakesTheGlyphsSize) {
  CEditMathContainer slot;
  auto* integral = new CEditIntegral;
  slot.AppendChild(integral);
  Char(&slot, u"x");
  SlotEnd(&slot);
  Layout(slot);
  EXPECT_EQ(integral->m_nWidth, 371);
  EXPECT_EQ(integral->m_nHeight, 742);
  EXPECT_EQ(integral->m_nCenter, 371);
  integral->Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(Count("Text"), 1);
  EXPECT_EQ(dc.Recorder().Calls().back().text, u"\uFF66");
  std::unique_ptr<CEditIntegral> copy = RoundTrip(*integral);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_strText, CStringW(u"\u222B"));
  EXPECT_EQ(copy->m_glyph.m_strText, CStringW(u"\uFF66"));
}

}  // namespace
