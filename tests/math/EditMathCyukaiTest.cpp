#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "math/EditMathCyukai.h"
#include "model/ShowCyukai.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

class EditMathCyukaiTest : public MathLayoutTest {
 protected:
  ~EditMathCyukaiTest() override { g_bShowCyukai = 1; }
  int GreenBoxes() {
    const auto& calls = dc.Recorder().Calls();
    return int(std::count_if(calls.begin(), calls.end(), [](const DC_CALL& c) {
      return c.name == "Rectangle" && c.brushColor == RGB(0, 255, 0) && c.penStyle == PS_NULL;
    }));
  }
  void DrawOn(bool printing) {
    dc.Recorder().Clear();
    dc.Recorder().m_bPrinting = printing;
    answer.Draw(&dc, &mapper, nullptr);
  }

  CEditMathCyukai answer;
};

TEST_F(EditMathCyukaiTest, AnEmptySlotShowsAGreenBoxOnScreenOnly) {
  answer.AppendLineEnd();
  ASSERT_NE(dynamic_cast<CEditMathCR*>(answer.GetChildAt(0)), nullptr);
  Layout(answer);
  DrawOn(false);
  EXPECT_EQ(GreenBoxes(), 1);
  const DC_CALL& box = dc.Recorder().Calls().back();
  const CEditNode* end = answer.GetEditChildAt(0);
  EXPECT_EQ(box.points[1].x - box.points[0].x, end->m_rcInk.right - end->m_rcInk.left + 1);
  DrawOn(true);
  EXPECT_EQ(GreenBoxes(), 0);
}

TEST_F(EditMathCyukaiTest, HiddenAnswersDrawNothingButKeepTheirSize) {
  auto* element = new CStackElement;
  element->CreateSlots();
  answer.AppendChild(element);
  Char(&answer, u"x");
  answer.AppendLineEnd();
  Layout(answer);
  const int width = answer.m_nWidth;
  EXPECT_GT(width, 0);

  g_bShowCyukai = 0;
  DrawOn(false);
  EXPECT_TRUE(dc.Recorder().Calls().empty());
  EXPECT_EQ(element->m_nStrokes, 0);
  Layout(answer);
  EXPECT_EQ(answer.m_nWidth, width);

  g_bShowCyukai = 1;
  DrawOn(false);
  EXPECT_EQ(element->m_nStrokes, 1);
  EXPECT_EQ(Count("Text"), 1);
}

TEST_F(EditMathCyukaiTest, LiesOnOneLineCentredByHalfHeights) {
  CEditMathChar* x = Char(&answer, u"x");
  CEditMathChar* y = Char(&answer, u"y");
  answer.AppendLineEnd();
  Layout(answer, 100000, 1000, 2000);
  EXPECT_EQ(answer.m_nWidth, x->m_nWidth + y->m_nWidth + answer.GetEditChildAt(2)->m_nWidth);
  EXPECT_EQ(answer.m_rcInk.top, 2000);  // laid on a line of its own half height
  EXPECT_EQ(y->m_rcHit.left, 1000 + x->m_nWidth);
  EXPECT_EQ(y->m_nInLine, 1);
}

TEST_F(EditMathCyukaiTest, StoresTheFormulaContainerRecordUnderItsOwnName) {
  Char(&answer, u"x");
  answer.AppendLineEnd();
  EXPECT_EQ(answer.m_nType, NTYPE_EDITMATHCYUKAI);
  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&answer); });
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
  auto* copy = dynamic_cast<CEditMathCyukai*>(loaded.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetChildCount(), 2);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(copy); }), bytes);
}

}  // namespace
