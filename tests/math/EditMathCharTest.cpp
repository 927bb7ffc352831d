#include <gtest/gtest.h>

#include "math/EditMath.h"
#include "model/EditChar.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

TEST_F(MathLayoutTest, AsciiOperatorIsAMillimetreWiderAndDrawnCentred) {
  CEditChar plain(u'=');
  plain.m_lf.lfHeight = -371;
  plain.Measure(&dc, &mapper, nullptr);
  CEditMath formula;
  CEditMathChar* eq = Char(&formula, u"=");
  SlotEnd(&formula);
  Layout(formula);
  EXPECT_EQ(eq->m_nWidth, plain.m_nWidth + 100);

  dc.Recorder().Clear();
  eq->Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(Count("Text"), 1);
  const DC_CALL& text = dc.Recorder().Calls().back();
  EXPECT_EQ(text.points[0].x, eq->m_ptOrigin.x + 50);
  EXPECT_EQ(text.points[0].y, eq->m_ptOrigin.y);
  EXPECT_EQ(text.text, u"=");

  CEditMathChar* x = Char(&formula, u"x");
  x->Measure(&dc, &mapper, nullptr);
  EXPECT_EQ(x->m_nWidth, 185);
}

TEST_F(MathLayoutTest, ItalicCorrectionComesFromTheAbcWidthsOfProportionalLatin) {
  // A = -30, B = 600, C = -100 thousandths: at em 371, A = -11, B = 222, C = 174 - (-11) - 222.
  dc.Recorder().m_font.overrides[u'f'] = ABC{-30, 600, -100};
  struct CASE {
    const char16_t* text;
    BYTE pitch;
    int left, right;
  } cases[] = {
      {u"f", VARIABLE_PITCH | FF_ROMAN, 11, 37},
      {u"\u3042", VARIABLE_PITCH | FF_ROMAN, 0, 0},
      {u"f", FIXED_PITCH | FF_MODERN, 0, 0},
  };
  for (const CASE& k : cases) {
    CEditMathChar ch{CStringW(k.text)};
    ch.m_lf.lfHeight = -371;
    ch.m_lf.lfPitchAndFamily = k.pitch;
    ch.Measure(&dc, &mapper, nullptr);
    EXPECT_EQ(ch.m_nOverhangLeft, k.left) << int(k.pitch);
    EXPECT_EQ(ch.m_nOverhangRight, k.right) << int(k.pitch);
  }

  // The formula object leans out by its first item and by the last item of its line.
  CEditMath formula;
  Char(&formula, u"f");
  Char(&formula, u"+");
  Char(&formula, u"f");
  SlotEnd(&formula);
  Layout(formula);
  EXPECT_EQ(formula.m_nOverhangLeft, 11);
  EXPECT_EQ(formula.m_nOverhangRight, 37);
}

TEST(EditMathCharArchive, SlotEndKeepsItsParagraphBlockAndStretchyFlag) {
  CEditMathCR end;
  end.m_nTextAlign = 2;
  end.m_nLineSpacing = 500;
  end.m_bStretchy = 1;
  Bytes bytes = StoreBytes([&](CArchive& ar) { end.Serialize(ar); });
  EXPECT_EQ(ToHex(Bytes(bytes.begin(), bytes.begin() + 4)), "10 00 00 00");
  CEditMathCR copy;
  LoadBytes(bytes, [&](CArchive& ar) { copy.Serialize(ar); });
  EXPECT_EQ(copy.m_nTextAlign, 2);
  EXPECT_EQ(copy.m_nLineSpacing, 500);
  EXPECT_EQ(copy.m_bStretchy, 1);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { copy.Serialize(ar); }), bytes);
}

// The block is read at its stored length; at most 16 bytes reach the group.
TEST(EditMathCharArchive, ShortAndLongParagraphBlocksAreReadAsStored) {
  CEditMathCR model;
  model.m_bStretchy = 1;
  const Bytes record = StoreBytes([&](CArchive& ar) { model.Serialize(ar); });
  const Bytes rest(record.begin() + 4 + 16, record.end());

  Bytes shortBlock = HexBytes("04 00 00 00 07 00 00 00");
  shortBlock.insert(shortBlock.end(), rest.begin(), rest.end());
  CEditMathCR fromShort;
  LoadBytes(shortBlock, [&](CArchive& ar) { fromShort.Serialize(ar); });
  EXPECT_EQ(fromShort.m_nLineReserved0, 7);
  EXPECT_EQ(fromShort.m_nLineSpacing, 71);
  EXPECT_EQ(fromShort.m_nTextAlign, CEditMathCR().m_nTextAlign);
  EXPECT_EQ(fromShort.m_bStretchy, 1);

  Bytes longBlock = HexBytes("14 00 00 00");
  for (int i = 0; i < 5; ++i) longBlock.insert(longBlock.end(), {BYTE(i + 1), 0, 0, 0});
  longBlock.insert(longBlock.end(), rest.begin(), rest.end());
  CEditMathCR fromLong;
  LoadBytes(longBlock, [&](CArchive& ar) { fromLong.Serialize(ar); });
  EXPECT_EQ(fromLong.m_nTextAlign, 4);
  EXPECT_EQ(fromLong.m_bStretchy, 1);

  Bytes truncated = HexBytes("40 00 00 00 01 00 00 00");
  CEditMathCR fromTruncated;
  EXPECT_THROW(LoadBytes(truncated, [&](CArchive& ar) { fromTruncated.Serialize(ar); }), CArchiveException);
}

}  // namespace
