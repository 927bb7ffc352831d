#include <gtest/gtest.h>

#include "math/EditFenced.h"
#include "math/EditFrac.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

class EditFencedTest : public MathLayoutTest {
 protected:
  CEditFenced* Make(const char16_t* open, const char16_t* close) {
    auto* fence = new CEditFenced;
    fence->m_lf.lfHeight = -371;
    fence->CreateSlots();
    fence->m_open.SetText(CStringW(open));
    fence->m_close.SetText(CStringW(close));
    owner.AppendChild(fence);
    return fence;
  }
  std::vector<std::string> Strokes() {
    std::vector<std::string> lines;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Arc" || call.name == "Polyline" || call.name == "Text") lines.push_back(call.ToString());
    return lines;
  }

  CEditMathContainer owner;
};

// The empty content line is the slot end's: 370 high, 185 wide; the fences take that height.
TEST_F(EditFencedTest, EmptyFenceHasTheSlotHeightAndItsMarkBetweenTheFences) {
  CEditFenced* fence = Make(u"(", u")");
  Layout(*fence, 100000, 1000, 2000);
  EXPECT_EQ(fence->m_open.m_lf.lfHeight, -370);
  EXPECT_EQ(fence->m_close.m_lf.lfHeight, -370);
  EXPECT_EQ(fence->m_open.m_lf.lfCharSet, 128);
  EXPECT_EQ(fence->m_nWidth, 185 + 185 + 185);
  EXPECT_EQ(fence->m_nHeight, 370);
  EXPECT_EQ(fence->m_nAscent, 0);
  EXPECT_EQ(fence->m_nCenter, 185);
  const CEditNode* end = fence->GetEditChildAt(0);
  EXPECT_EQ(end->m_rcInk.left, 1185);
  EXPECT_EQ(CRect(fence->m_close.m_rcInk), CRect(1370, 2000, 1555, 2370));

  fence->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 1);
  // Parentheses are strokes: W = 185, d = 61, h = 185, r = (185² + 185²) / 370 = 185.
  EXPECT_EQ(Strokes(), (std::vector<std::string>{"Arc 1061,1939 1431,2431 1155,2000 1155,2370",
                                                 "Arc 1124,1939 1494,2431 1400,2370 1400,2000"}));
  EXPECT_EQ(dc.Recorder().Calls().back().penWidth, 17);
}

TEST_F(EditFencedTest, BarFenceIs185WideWithItsLineInTheMiddle) {
  dc.Recorder().m_font.overrides[u'|'] = ABC{0, 300, 0};
  CEditFenced* fence = Make(u"|", u"|");
  Layout(*fence, 100000, 1000, 2000);
  EXPECT_EQ(fence->m_open.m_nWidth, 185);
  EXPECT_EQ(fence->m_nWidth, 3 * 185);
  fence->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Strokes(), (std::vector<std::string>{"Polyline 1092,2000 1092,2370", "Polyline 1462,2000 1462,2370"}));
}

TEST_F(EditFencedTest, ShapesArePaintedOnlyOnTheirOwnSide) {
  CEditFenced* shell = Make(u"\u3014", u"\u3015");
  Layout(*shell, 100000, 0, 0);
  shell->Draw(&dc, &mapper, nullptr);
  // The wide brackets are 370 wide: a third is 123; an eighth of 370 is 46.
  EXPECT_EQ(Strokes(), (std::vector<std::string>{"Polyline 370,0 123,46 123,324 370,370",
                                                 "Polyline 555,0 802,46 802,324 555,370"}));
  dc.Recorder().Clear();
  CEditFenced* reversed = Make(u"]", u"[");
  Layout(*reversed, 100000, 0, 0);
  reversed->Draw(&dc, &mapper, nullptr);
  const std::vector<std::string> drawn = Strokes();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].substr(0, 5), "Text ");
  EXPECT_NE(drawn[0].find(']'), std::string::npos);
  EXPECT_EQ(dc.Recorder().Calls()[1].font.lfHeight, -370);
}

TEST_F(EditFencedTest, ExtraHeightGrowsTheContentHalfAboveHalfBelowForOneMeasure) {
  CEditFenced* fence = Make(u"{", u"}");
  fence->m_nExtraHeight = 100;
  Layout(*fence, 100000, 1000, 2000);
  EXPECT_EQ(fence->m_nHeight, 470);
  EXPECT_EQ(fence->m_nCenter, 235);
  EXPECT_EQ(fence->m_open.m_lf.lfHeight, -470);
  EXPECT_EQ(fence->m_nExtraHeight, 0);
  EXPECT_EQ(fence->GetEditChildAt(0)->m_rcInk.top, 2000 + 50);
  Layout(*fence);
  EXPECT_EQ(fence->m_nHeight, 370);

  std::unique_ptr<CEditFenced> copy = RoundTrip(*fence);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_open.m_strText, CStringW(u"{"));
  EXPECT_EQ(copy->m_close.m_strText, CStringW(u"}"));
  EXPECT_EQ(copy->m_close.m_lf.lfHeight, -370);
  EXPECT_EQ(copy->m_nExtraHeight, 0);
}

TEST_F(EditFencedTest, FenceAroundAFractionIsAsTallAsItsLineAndCentredOnTheLine) {
  CEditFenced* fence = Make(u"(", u")");
  auto* frac = new CEditFrac;
  frac->m_lf.lfHeight = -371;
  frac->CreateSlots();
  fence->GetEditChildAt(0)->InsertBefore(frac);
  EDIT_LAYOUT_PARAM measure{};
  measure.nWidth = 100000;
  fence->Measure(&dc, &mapper, &measure);
  EXPECT_EQ(fence->m_nHeight, frac->m_nHeight);
  EXPECT_EQ(fence->m_open.m_nHeight, frac->m_nHeight - 1);
  EDIT_LAYOUT_PARAM arrange{};
  arrange.nY = 500;
  arrange.nLineHalf = 600;
  fence->Arrange(&arrange, 0);
  EXPECT_EQ(fence->m_rcInk.top + fence->m_nCenter, 1100);
}

}  // namespace
