#include <gtest/gtest.h>

#include <climits>

#include "math/EditMath.h"
#include "math/EditMathContainer.h"
#include "model/SaturatedInt.h"
#include "model/UndoGroup.h"
#include "tests/math/MathTestSupport.h"
#include "tests/model/LayoutTestNodes.h"

namespace {

// A node of fixed size that sits on its line by its middle only (ascent 0).
class CCentredNode : public CEditNode {
 public:
  CCentredNode(int width, int height) : CEditNode(0x02001FF1) {
    m_nWidth = width;
    m_nHeight = height;
    m_nCenter = height / 2;
  }
  void Measure(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM*) override {}
};

// 10.5 points with the fake metrics: em 371, ascent 296, height 370, average width 185.
// The script size is 371 x 60 / 105 = 212: ascent 169, height 211, average width 106.
TEST_F(MathLayoutTest, EmptyElementHasOneLinePerSlotEachAnAverageCharacterWide) {
  CStackElement e;
  e.m_lf.lfHeight = -371;
  e.CreateSlots();
  ASSERT_EQ(e.GetChildCount(), 2);
  EXPECT_EQ(e.GetEditChildAt(1)->m_lf.lfHeight, -212);
  Layout(e);
  ASSERT_EQ(e.GetBox(0)->GetLineCount(), 2);
  EXPECT_EQ(Line(e, 0).props.m_nWidth, 185);
  EXPECT_EQ(Line(e, 0).props.m_nHeight, 370);
  EXPECT_EQ(Line(e, 1).props.m_nWidth, 106);
  EXPECT_EQ(Line(e, 1).props.m_nHeight, 211);
  EXPECT_EQ(e.m_nWidth, 400 + 106);
  EXPECT_EQ(e.m_nHeight, 581);
  EXPECT_EQ(e.m_nAscent, 296);
  EXPECT_EQ(e.m_nCenter, 185);
  EXPECT_EQ(e.GetFirstSlotEnd(), e.GetEditChildAt(0));

  e.Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(Count("Rectangle"), 2);
  const DC_CALL& mark = dc.Recorder().Calls()[0];
  EXPECT_EQ(mark.brushColor, RGB(0, 255, 0));
  EXPECT_EQ(mark.penStyle, PS_NULL);
  const RECT& slot = e.GetEditChildAt(1)->m_rcInk;
  const DC_CALL& second = dc.Recorder().Calls()[1];
  EXPECT_EQ(second.points[0].x, slot.left);
  EXPECT_EQ(second.points[1].x, slot.right + 1);
  EXPECT_EQ(second.points[1].y, slot.bottom + 1);
  EXPECT_EQ(e.m_nStrokes, 1);

  dc.Recorder().Clear();
  dc.Recorder().m_bPrinting = true;
  e.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 0);
}

TEST_F(MathLayoutTest, SlotEndAfterContentTakesNoRoomAndThePreviousMetrics) {
  CEditMathContainer c;
  CEditMathChar* x = Char(&c, u"x", -706);
  CEditMathCR* end = SlotEnd(&c);
  Layout(c);
  EXPECT_EQ(end->m_nWidth, 0);
  EXPECT_EQ(end->m_nHeight, x->m_nHeight);
  EXPECT_EQ(end->m_nAscent, x->m_nAscent);
  EXPECT_EQ(end->m_nCenter, x->m_nCenter);
  EXPECT_EQ(end->m_tm.tmHeight, x->m_tm.tmHeight);
  EXPECT_EQ(Line(c, 0).nMaxFontHeight, 706);

  // After an element the slot end makes its metrics from the element's extent.
  CEditMathContainer outer;
  auto* inner = new CStackElement;
  inner->m_lf.lfHeight = -371;
  inner->CreateSlots();
  outer.AppendChild(inner);
  CEditMathCR* outerEnd = SlotEnd(&outer);
  Layout(outer);
  EXPECT_EQ(outerEnd->m_nHeight, inner->m_nHeight);
  EXPECT_EQ(outerEnd->m_tm.tmHeight, inner->m_nHeight);
  EXPECT_EQ(outerEnd->m_tm.tmAscent, inner->m_nAscent);
  EXPECT_EQ(outerEnd->m_tm.tmDescent, inner->m_nHeight - inner->m_nAscent);

  // Emptied again, the slot end is measured afresh from its own font.
  x->Delete();
  Layout(c);
  EXPECT_EQ(end->m_nWidth, 185);
  EXPECT_EQ(end->m_nHeight, 370);
}

TEST_F(MathLayoutTest, BigOperatorBorrowsTheHeightOfWhatFollows) {
  CEditMathContainer c;
  CEditMathChar* sign = Char(&c, u"\u03A3");
  sign->m_nType = 0x0380103B;
  Char(&c, u"a", -423);
  CEditMathChar* last = Char(&c, u"\u03A3");
  last->m_nType = 0x0380103B;
  SlotEnd(&c, -500);
  Layout(c);
  EXPECT_EQ(sign->m_lf.lfHeight, -423);
  EXPECT_EQ(sign->m_nHeight, 422);
  EXPECT_EQ(last->m_lf.lfHeight, -500);
}

TEST_F(MathLayoutTest, WideSlotWrapsButTheFormulaObjectDoesNot) {
  struct CASE {
    int width;
    std::vector<int> lineCounts;  // the slot end is 1 wide when it is measured
  } cases[] = {{10000, {4}}, {555, {4}}, {400, {2, 2}}, {100, {1, 1, 2}}};
  for (const CASE& k : cases) {
    CEditMathContainer c;
    for (const char16_t* t : {u"a", u"b", u"c"}) Char(&c, t);
    SlotEnd(&c);
    Layout(c, k.width);
    ASSERT_EQ(c.GetBox(0)->GetLineCount(), int(k.lineCounts.size())) << k.width;
    for (size_t j = 0; j < k.lineCounts.size(); ++j) EXPECT_EQ(Line(c, int(j)).nCount, k.lineCounts[j]) << k.width;
  }
  CEditMath formula;
  for (const char16_t* t : {u"a", u"b", u"c"}) Char(&formula, t);
  SlotEnd(&formula);
  Layout(formula, 100);
  EXPECT_EQ(formula.GetBox(0)->GetLineCount(), 1);
  EXPECT_EQ(formula.m_nWidth, 555);
}

// A child that kept sizes near the integer's ends from a damaged record: the slot's line takes
// them within its bound instead of overflowing.
TEST_F(MathLayoutTest, DamagedSizesStayWithinTheLinesBound) {
  CEditMathContainer c;
  c.AppendChild(new CCentredNode(500, 600));
  Char(&c, u"a");
  c.AppendChild(new CSizedNode(100, -2106818048, 1921150082, -1771077088));
  c.AppendChild(new CSizedNode(100, 1000, INT_MAX, INT_MIN));
  SlotEnd(&c);
  Layout(c);
  const EDIT_LINE_INFO line = Line(c, 0);
  EXPECT_EQ(line.nCount, 5);
  EXPECT_EQ(line.nMaxAboveCenter, kMaxLineExtent);
  EXPECT_EQ(line.nMaxLower, kMaxLineExtent);
  EXPECT_EQ(line.props.m_nAscent, kMaxLineExtent);
  EXPECT_EQ(line.props.m_nHeight, kMaxLineExtent);
}

TEST_F(MathLayoutTest, CentredAndBaselineChildrenShareTheHalfHeightLine) {
  CEditMathContainer c;
  c.AppendChild(new CCentredNode(500, 600));
  Char(&c, u"a");
  SlotEnd(&c);
  Layout(c);
  const EDIT_LINE_INFO line = Line(c, 0);
  EXPECT_EQ(line.props.m_nCenter, 300);
  EXPECT_EQ(line.nMaxAboveCenter, 296 - 185);
  EXPECT_EQ(line.props.m_nAscent, 296 - 185 + 300);
  EXPECT_EQ(line.props.m_nHeight, 600);
  // Plain containers stack their lines; each child stands on the line's baseline.
  CEditNode* a = c.GetEditChildAt(1);
  EXPECT_EQ(a->m_ptOrigin.y, 2000 + 411);
  EXPECT_EQ(a->m_rcHit.bottom, 2000 + 600);
  EXPECT_EQ(a->m_nInLine, 1);
}

TEST_F(MathLayoutTest, ElementHitSearchSnapsToTheEndsOfALine) {
  CStackElement e;
  e.m_lf.lfHeight = -371;
  Char(&e, u"a");
  Char(&e, u"b");
  SlotEnd(&e);
  SlotEnd(&e, -212);
  Layout(e);
  const RECT line = Line(e, 0).props.m_rcInk;
  int after = -1;
  EXPECT_EQ(e.NodeFromPoint(line.left + 10, line.top + 10, &after), e.GetEditChildAt(0));
  // On the line's bottom edge no child answers: the line's ends take the caret.
  EXPECT_EQ(e.NodeFromPoint(line.left, line.bottom, &after), e.GetEditChildAt(0));
  EXPECT_EQ(after, 0);
  EXPECT_EQ(e.NodeFromPoint(line.right, line.bottom, &after), e.GetEditChildAt(2));
  EXPECT_EQ(after, 1);
  EXPECT_EQ(e.NodeFromPoint(line.left + 100, line.bottom, &after), nullptr);
}

TEST_F(MathLayoutTest, ElementWithTooFewLinesKeepsThePlainLayoutAndStillDraws) {
  CStackElement e;
  e.m_lf.lfHeight = -371;
  CEditMathChar* a = Char(&e, u"a");
  SlotEnd(&e);
  Layout(e);
  EXPECT_EQ(e.m_nWidth, 185);
  EXPECT_EQ(e.m_nHeight, 370);
  EXPECT_EQ(a->m_rcInk.right, 0);
  e.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Text"), 1);

  CEditMathContainer empty;
  EXPECT_EQ(empty.GetFirstSlotEnd(), nullptr);
  Layout(empty);
  EXPECT_EQ(empty.m_nHeight, 0);
}

TEST_F(MathLayoutTest, ApplyFontSizeGivesScriptSlotsTheScriptHeight) {
  CStackElement e;
  e.m_lf.lfHeight = -706;
  Char(&e, u"x", -371);
  SlotEnd(&e);
  auto* inner = new CStackElement;
  inner->m_lf.lfHeight = -371;
  inner->CreateSlots();
  e.AppendChild(inner);
  SlotEnd(&e);
  CUndoGroup undo;
  e.ApplyFontSize(&undo);
  EXPECT_EQ(e.GetEditChildAt(0)->m_lf.lfHeight, -706);
  EXPECT_EQ(e.GetEditChildAt(1)->m_lf.lfHeight, -706);
  EXPECT_EQ(inner->m_lf.lfHeight, -403);
  EXPECT_EQ(e.GetEditChildAt(3)->m_lf.lfHeight, -403);
  EXPECT_EQ(inner->GetEditChildAt(0)->m_lf.lfHeight, -403);
  EXPECT_EQ(inner->GetEditChildAt(1)->m_lf.lfHeight, -230);
  EXPECT_EQ(undo.GetCount(), 6);
}

}  // namespace
