#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "elements/EditKimeiran.h"
#include "elements/EditTable.h"
#include "model/EditCR.h"
#include "model/GdiCache.h"
#include "tests/support/Bytes.h"

namespace {

// The cell's characters as text, line ends as '\n' and ideographic spaces as '_'.
std::u16string CellText(const CEditNode* cell) {
  std::u16string text;
  for (int i = 0; i < cell->GetChildCount(); ++i) {
    const CQVXMLNode* node = cell->GetChildAt(i);
    if (node->m_nType == NTYPE_EDITCR)
      text += u'\n';
    else
      text += node->m_strText[0] == u'\u3000' ? u'_' : node->m_strText[0];
  }
  return text;
}

std::u16string Blanks(int n) { return std::u16string(size_t(n), u'_'); }

class EditKimeiranTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { saved = g_bVerticalWriting; }
  void TearDown() override { g_bVerticalWriting = saved; }
  int saved = 0;
};

TEST_P(EditKimeiranTest, DefaultFieldIsOneRowOfThreeCellsSizedForTheWritingDirection) {
  g_bVerticalWriting = GetParam();
  const bool vertical = GetParam() != 0;
  const int a = vertical ? 3 : 6, b = vertical ? 2 : 4, c = vertical ? 3 : 6, d = vertical ? 19 : 27,
            e = vertical ? 4 : 7;
  CEditKimeiran field;
  EXPECT_EQ(field.m_nType, NTYPE_EDITKIMEIRAN);
  field.BuildDefaultNameField();
  ASSERT_EQ(field.GetChildCount(), 3);
  auto* table = dynamic_cast<CEditTable*>(field.GetChildAt(0));
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->m_nRows, 1);
  EXPECT_EQ(table->m_nCols, 3);
  EXPECT_EQ(field.GetChildAt(1)->m_nType, NTYPE_EDITCR);
  EXPECT_EQ(field.GetChildAt(2)->m_nType, NTYPE_EDITCR);
  EXPECT_EQ(CellText(table->GetCell(0, 0)), u"\n\n" + Blanks(a) + u"テスト" + Blanks(b) + u"\n");
  EXPECT_EQ(CellText(table->GetCell(0, 1)), u"\n\n" + Blanks(c) + u"年" + Blanks(c) + u"組" + Blanks(c) +
                                                u"番（名前）" + Blanks(d) + u"\n");
  EXPECT_EQ(CellText(table->GetCell(0, 2)), u"得点" + Blanks(e) + u"\n\n" + Blanks(e) + u"／１００\n");
  // Horizontal: 6 + 1 + 6 + 1 + 6 + 5 + 27 characters and 3 line ends in cell 2.
  EXPECT_EQ(table->GetCell(0, 1)->GetChildCount(), 3 * c + 2 + 5 + d + 3);
}

INSTANTIATE_TEST_SUITE_P(BothDirections, EditKimeiranTest, ::testing::Values(0, 1));

TEST(EditKimeiranBuildTest, BuildingTwiceAppendsASecondTable) {
  CEditKimeiran field;
  field.AppendChild(new CEditCR);
  field.BuildDefaultNameField();
  field.BuildDefaultNameField();
  ASSERT_EQ(field.GetChildCount(), 7);
  EXPECT_EQ(field.GetChildAt(0)->m_nType, NTYPE_EDITCR);
  EXPECT_EQ(field.GetChildAt(1)->m_nType, NTYPE_EDITTABLE);
  EXPECT_EQ(field.GetChildAt(4)->m_nType, NTYPE_EDITTABLE);
}

TEST(EditKimeiranBuildTest, TravelsAsAContainerRecordUnderItsClassName) {
  CEditKimeiran field;
  field.BuildDefaultNameField();
  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&field); });
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
  auto* copy = dynamic_cast<CEditKimeiran*>(loaded.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_nType, NTYPE_EDITKIMEIRAN);
  EXPECT_EQ(copy->GetChildCount(), 3);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(copy); }), bytes);
}

}  // namespace
