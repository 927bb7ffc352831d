#include <gtest/gtest.h>

#include "math/EditFrac.h"
#include "model/ShowCyukai.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

class EditFracTest : public MathLayoutTest {
 protected:
  void TearDown() override { g_bShowCyukai = 1; }

  // A fraction of the given texts at lfHeight; an empty text leaves its slot empty.
  CEditFrac* Make(const std::u16string& top, const std::u16string& bottom, int lfHeight = -371) {
    auto* frac = new CEditFrac;
    frac->m_lf.lfHeight = lfHeight;
    frac->CreateSlots();
    for (char16_t c : top) frac->GetEditChildAt(frac->IndexOfChild(frac->GetFirstSlotEnd()))->InsertBefore(NewChar(c, lfHeight));
    for (char16_t c : bottom) frac->GetEditChildAt(frac->GetChildCount() - 1)->InsertBefore(NewChar(c, lfHeight));
    owner.AppendChild(frac);
    return frac;
  }
  static CEditMathChar* NewChar(char16_t c, int lfHeight) {
    auto* ch = new CEditMathChar(c);
    ch->m_lf.lfHeight = lfHeight;
    return ch;
  }
  std::vector<DC_CALL> Bars() {
    std::vector<DC_CALL> bars;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Polyline") bars.push_back(call);
    return bars;
  }

  CEditMathContainer owner;
};

// h0 = 370 and an average character of 185 at 10.5 points with the fake metrics.
TEST_F(EditFracTest, EmptySlotsGiveOneCharacterPlusTheExtraWidth) {
  CEditFrac* frac = Make(u"", u"");
  Layout(*frac);
  EXPECT_EQ(frac->m_nWidth, 185 + 370);
  EXPECT_EQ(frac->m_nHeight, 2 * 370 + 53);
  EXPECT_EQ(frac->m_nCenter, 370 + 18);
  EXPECT_EQ(frac->m_nAscent, 370 + 296 - 185 + 18);
  frac->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 2);
  ASSERT_EQ(Bars().size(), 1u);
  EXPECT_EQ(Bars()[0].penWidth, 17);
  EXPECT_EQ(Bars()[0].penColor, RGB(0, 0, 0));
}

TEST_F(EditFracTest, NumeratorAndDenominatorAreCentredUnderAFullBar) {
  CEditFrac* frac = Make(u"1", u"100");
  Layout(*frac, 100000, 1000, 2000);
  const int width = 555 + 370;
  EXPECT_EQ(frac->m_nWidth, width);
  const CEditNode* one = frac->GetEditChildAt(0);
  const CEditNode* hundred = frac->GetEditChildAt(2);
  EXPECT_EQ(one->m_rcInk.left, 1000 + (width - 185) / 2);
  EXPECT_EQ(hundred->m_rcInk.left, 1000 + (width - 555) / 2);
  EXPECT_EQ(hundred->m_rcInk.top, 2000 + 370 + 53);
  const int barY = 2000 + frac->m_nCenter;
  EXPECT_EQ(CPoint(frac->m_ptBarStart), CPoint(1000, barY));
  EXPECT_EQ(CPoint(frac->m_ptBarEnd), CPoint(1000 + width, barY));
  EXPECT_EQ(barY - one->m_rcInk.bottom, 18);
  EXPECT_EQ(hundred->m_rcInk.top - barY, 35);
}

TEST_F(EditFracTest, ExtraWidthIsHalfTheFirstHeightBelowTenAndAHalfPoints) {
  struct CASE {
    int lfHeight, extra;
  } cases[] = {{-371, 370}, {-706, 371}, {-247, 123}};
  for (const CASE& k : cases) {
    CEditFrac* frac = Make(u"2", u"3", k.lfHeight);
    Layout(*frac);
    EXPECT_EQ(frac->m_nWidth - frac->GetEditChildAt(0)->m_nWidth, k.extra) << k.lfHeight;
  }
}

TEST_F(EditFracTest, SideBySideIsExactlyTheTwoWidthsWithASlash) {
  CEditFrac* frac = Make(u"1", u"2");
  frac->m_bSideBySide = 1;
  Layout(*frac, 100000, 1000, 2000);
  EXPECT_EQ(frac->m_nWidth, 370);
  EXPECT_EQ(frac->m_nHeight, 740);
  const CEditNode* two = frac->GetEditChildAt(2);
  EXPECT_EQ(two->m_rcInk.left, 1185);
  EXPECT_EQ(two->m_rcInk.top, frac->m_rcInk.top + 370);
  EXPECT_EQ(CPoint(frac->m_ptBarStart), CPoint(1185 + 185, frac->m_rcInk.top));
  EXPECT_EQ(CPoint(frac->m_ptBarEnd), CPoint(1185 - 185, frac->m_rcInk.top + 740));

  Bytes bytes;
  std::unique_ptr<CEditFrac> reloaded = RoundTrip(*frac, &bytes);
  ASSERT_NE(reloaded, nullptr);
  EXPECT_EQ(reloaded->m_bSideBySide, 1);
  EXPECT_FALSE(reloaded->m_bBarPlaced);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(reloaded.get()); }), bytes);
}

TEST_F(EditFracTest, HiddenInTextAnswerHidesBarAndMarksButNotTheDigits) {
  owner.m_nType |= NT_ANNOTATION;
  CEditFrac* frac = Make(u"1", u"");
  Layout(*frac);
  g_bShowCyukai = 0;
  frac->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Text"), 1);
  EXPECT_EQ(Count("Rectangle"), 0);
  EXPECT_TRUE(Bars().empty());
  g_bShowCyukai = 1;
  frac->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 1);
  EXPECT_EQ(Bars().size(), 1u);
}

TEST_F(EditFracTest, NoBarBeforeTheFirstArrangeOrWithAMissingSlot) {
  CEditFrac* frac = Make(u"1", u"2");
  frac->Measure(&dc, &mapper, nullptr);
  frac->Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(Bars().empty());
  EXPECT_EQ(Count("Text"), 2);

  CEditFrac broken;
  broken.AppendChild(NewChar(u'1', -371));
  broken.AppendChild(new CEditMathCR);
  Layout(broken);
  EXPECT_EQ(broken.m_nWidth, 185);
  EXPECT_FALSE(broken.m_bBarPlaced);
}

}  // namespace
