#include <gtest/gtest.h>

#include <climits>

#include "math/EditMath.h"
#include "model/DefaultFonts.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/EditSession.h"

namespace {

TEST_F(MathLayoutTest, EmptyFormulaIsOneLineAsHighAsItsSlotEndWithOneMark) {
  CEditMath formula;
  formula.InitMath(FALSE);
  ASSERT_EQ(formula.GetChildCount(), 1);
  CEditNode* end = formula.GetEditChildAt(0);
  EXPECT_EQ(end->m_nType, NTYPE_EDITMATHCR);
  EXPECT_EQ(end->m_lf.lfHeight, -371);
  Layout(formula, 0, 500, 700);
  EXPECT_EQ(formula.GetBox(0)->GetLineCount(), 1);
  EXPECT_EQ(formula.m_nHeight, 370);
  EXPECT_EQ(formula.m_nWidth, 185);
  // Set on the caller's baseline: the ascent above it.
  EXPECT_EQ(formula.m_rcInk.top, 700);
  EXPECT_EQ(end->m_rcHit.bottom, 700 + 370);
  formula.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 1);
  dc.Recorder().Clear();
  dc.Recorder().m_bPrinting = true;
  formula.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 0);
}

TEST_F(MathLayoutTest, FormulaSitsOnTheCallersBaseline) {
  CEditMath formula;
  Char(&formula, u"x", -706);
  SlotEnd(&formula);
  formula.Measure(&dc, &mapper, nullptr);
  EDIT_LAYOUT_PARAM arrange{};
  arrange.nX = 100;
  arrange.nY = 1000;
  arrange.nLineAscent = 800;
  formula.Arrange(&arrange, 0);
  EXPECT_EQ(formula.m_rcInk.top, 1000 + 800 - 564);
  EXPECT_EQ(formula.GetEditChildAt(0)->m_ptOrigin.y, 1000 + 800);
}

// A formula record without its slots, whose kept ascent is INT_MIN, measures to nothing and
// is placed on the caller's baseline.
TEST_F(MathLayoutTest, AFormulaWithoutSlotsKeepsNoSizesFromItsRecord) {
  CEditMath formula;
  formula.m_nAscent = INT_MIN;
  formula.m_nCenter = INT_MIN;
  formula.Measure(&dc, &mapper, nullptr);
  EXPECT_EQ(formula.m_nAscent, 0);
  EXPECT_EQ(formula.m_nCenter, 0);
  EDIT_LAYOUT_PARAM arrange{};
  arrange.nY = 1000;
  formula.Arrange(&arrange, 0);
  EXPECT_EQ(formula.m_rcInk.top, 1000);
}

TEST(EditMathInit, DefaultFontFlagTakesTheMathFontAndHeight) {
  const int saved = GetMathHeight();
  SetMathHeight(423);
  CEditMath formula;
  formula.InitMath(TRUE);
  LOGFONTA math;
  GetMathFont(&math);
  const LOGFONTA& lf = formula.GetEditChildAt(0)->m_lf;
  EXPECT_EQ(lf.lfHeight, -423);
  EXPECT_EQ(lf.lfWidth, 0);
  EXPECT_STREQ(lf.lfFaceName, math.lfFaceName);
  SetMathHeight(saved);
}

class EditMathTypingTest : public EditSessionTest {};

TEST_F(EditMathTypingTest, TypingIntoASlotCreatesMathCharactersAndUndoRestoresTheBytes) {
  auto* formula = new CEditMath;
  formula->InitMath(FALSE);
  m_root->AppendChild(formula);
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = formula->GetEditChildAt(0);
  m_caret.m_lfNew = formula->GetEditChildAt(0)->m_lf;
  ASSERT_TRUE(m_caret.m_pCaretNode->InsertNode(&m_caret, CStringW(u"x"), m_undo.get()));
  ASSERT_TRUE(m_caret.m_pCaretNode->InsertText(&m_caret, CStringW(u"+1"), m_undo.get()));
  ASSERT_EQ(formula->GetChildCount(), 4);
  auto* x = dynamic_cast<CEditMathChar*>(formula->GetEditChildAt(0));
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->m_nType, NTYPE_EDITMATHCHAR);
  EXPECT_EQ(x->m_strText, CStringW(u"x"));
  // The slot end stays: no deletion or new line end takes it.
  EXPECT_FALSE(m_caret.m_pCaretNode->InsertLineBreak(&m_caret, m_undo.get()));
  ExpectUndoRestores(before);
  EXPECT_EQ(formula->GetChildCount(), 1);
}

}  // namespace
