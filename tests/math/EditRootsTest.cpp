#include <gtest/gtest.h>

#include "math/EditEditMath.h"
#include "math/EditMath.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditEdit.h"
#include "model/EditEditKan.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

TEST(EditEditMath, InitContentIsEmptyUntilTheFormulaHoldsSomething) {
  CEditEditMath root;
  EXPECT_TRUE(root.IsEmpty());
  EXPECT_EQ(root.GetFirstCaretChild(), nullptr);
  root.InitContent();
  ASSERT_EQ(root.GetChildCount(), 2);
  EXPECT_EQ(root.GetEditChildAt(0)->m_nType, NTYPE_EDITFORMULA);
  EXPECT_EQ(root.GetEditChildAt(1)->m_nType, NTYPE_EDITCR);
  EXPECT_TRUE(root.IsEmpty());
  EXPECT_FALSE(root.IsCaretStop());
  CEditNode* formula = root.GetEditChildAt(0);
  EXPECT_EQ(root.GetFirstCaretChild(), formula->GetEditChildAt(0));

  formula->GetEditChildAt(0)->InsertBefore(new CEditMathChar(u'x'));
  EXPECT_FALSE(root.IsEmpty());
  root.Clear();
  EXPECT_EQ(root.GetChildCount(), 2);
  EXPECT_TRUE(root.IsEmpty());
}

TEST(EditEditMath, ArchiveIsTheMathContainerRecord) {
  CEditEditMath root;
  root.InitContent();
  std::unique_ptr<CEditEditMath> copy = RoundTrip(root);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_nType, NTYPE_EDITEDITMATH);
  ASSERT_EQ(copy->GetChildCount(), 2);
  EXPECT_NE(dynamic_cast<CEditMath*>(copy->GetChildAt(0)), nullptr);
}

TEST_F(MathLayoutTest, EditMathRootSnapsToTheFirstAndLastCaretPositions) {
  CEditEditMath root;
  root.InitContent();
  CEditNode* formula = root.GetEditChildAt(0);
  formula->GetEditChildAt(0)->InsertBefore(new CEditMathChar(u'x'));
  Layout(root);
  const RECT first = root.GetEditChildAt(0)->m_rcInk;
  const RECT last = root.GetEditChildAt(1)->m_rcInk;
  EXPECT_EQ(root.NodeFromPoint(first.left - 50, first.top - 500, nullptr), formula->GetEditChildAt(0));
  EXPECT_EQ(root.NodeFromPoint(last.right + 50, first.top - 500, nullptr), root.GetLastCaretChild());
  EXPECT_EQ(root.GetLastCaretChild(), formula->GetLastCaretChild());
}

class EditEditLayout : public MathLayoutTest {
 protected:
  void Fill(CEditEdit& root) {
    for (char16_t c : std::u16string(u"\u3042\u3044")) root.AppendChild(new CEditChar(c));
    root.AppendChild(new CEditCR);
  }
};

TEST_F(EditEditLayout, ContentIsPlacedHorizontallyWhateverTheCaller) {
  CEditEditKan horizontal, vertical;
  Fill(horizontal);
  Fill(vertical);
  EXPECT_EQ(horizontal.m_nType, NTYPE_EDITEDIT);
  EXPECT_FALSE(horizontal.IsCaretStop());
  EDIT_LAYOUT_PARAM measure{};
  measure.nWidth = 5000;
  horizontal.Measure(&dc, &mapper, &measure);
  vertical.Measure(&dc, &mapper, &measure);
  EDIT_LAYOUT_PARAM arrange{};
  arrange.nX = 300;
  arrange.nY = 400;
  horizontal.Arrange(&arrange, 0);
  vertical.Arrange(&arrange, 1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(CRect(horizontal.GetEditChildAt(i)->m_rcInk), CRect(vertical.GetEditChildAt(i)->m_rcInk));
    EXPECT_EQ(horizontal.GetEditChildAt(i)->m_ptOrigin.x, vertical.GetEditChildAt(i)->m_ptOrigin.x);
  }
}

TEST_F(EditEditLayout, EmptyRootIsNeitherPlacedNorDrawn) {
  CEditEdit root;
  root.m_rcInk = RECT{1, 2, 3, 4};
  EDIT_LAYOUT_PARAM arrange{};
  arrange.nX = 300;
  root.Arrange(&arrange, 0);
  EXPECT_EQ(CRect(root.m_rcInk), CRect(1, 2, 3, 4));
  root.m_nBackgroundPattern = 1;
  root.Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(dc.Recorder().Calls().empty());
}

}  // namespace
