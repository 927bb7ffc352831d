#include <gtest/gtest.h>

#include "math/EditMath.h"
#include "model/DefaultFonts.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditContainer.h"
#include "model/UndoGroup.h"
#include "tests/math/MathTestSupport.h"

namespace {

// A paragraph "あ" + formula (x, slot end) + line end.
class MathFontHeightTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paragraph.AppendChild(text);
    formula->AppendChild(x);
    formula->InitMath(FALSE);
    paragraph.AppendChild(formula);
    paragraph.AppendChild(new CEditCR);
    fonts.entries[DEFAULT_FONTS::Default].nCharHeight = 423;
    fonts.entries[DEFAULT_FONTS::MathDefault].nCharHeight = 500;
  }

  CEditContainer paragraph{NTYPE_EDITSENTENCE};
  CEditChar* text = new CEditChar(u'\u3042');
  CEditMath* formula = new CEditMath;
  CEditMathChar* x = new CEditMathChar(u'x');
  DEFAULT_FONTS fonts;
};

TEST_F(MathFontHeightTest, DefaultHeightsFollowTheKindOfEachNode) {
  CUndoGroup undo;
  paragraph.ApplyDefaultFontHeight(fonts, &undo);
  EXPECT_EQ(paragraph.m_lf.lfHeight, -423);
  EXPECT_EQ(text->m_lf.lfHeight, -423);
  EXPECT_EQ(formula->m_lf.lfHeight, -500);
  EXPECT_EQ(x->m_lf.lfHeight, -500);
  EXPECT_EQ(formula->GetEditChildAt(1)->m_lf.lfHeight, -500);
  EXPECT_EQ(paragraph.GetEditChildAt(2)->m_lf.lfHeight, -423);
  EXPECT_GT(undo.GetCount(), 0);

  // A character in a formula takes the math height by itself.
  x->ApplyDefaultFontHeight(fonts, nullptr);
  EXPECT_EQ(x->m_lf.lfHeight, -500);
  formula->ApplyDefaultFontHeight(fonts, nullptr);
  EXPECT_EQ(formula->m_lf.lfHeight, -500);
}

TEST_F(MathFontHeightTest, RecursiveMathSizingLetsFormulasSizeTheirSlots) {
  paragraph.SetFontHeightRecursiveMath(CSize(0, 706), TRUE, nullptr);
  EXPECT_EQ(paragraph.m_lf.lfHeight, -706);
  EXPECT_EQ(text->m_lf.lfHeight, -706);
  EXPECT_EQ(formula->m_lf.lfHeight, -706);
  EXPECT_EQ(x->m_lf.lfHeight, -706);

  // A formula sized by itself passes its height to its slots.
  formula->SetFontHeightRecursiveMath(CSize(0, 423), TRUE, nullptr);
  EXPECT_EQ(x->m_lf.lfHeight, -423);
}

}  // namespace
