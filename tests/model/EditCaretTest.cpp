#include <gtest/gtest.h>

#include <cstring>

#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "model/FontList.h"
#include "model/GdiCache.h"
#include "platform/DCBackend.h"
#include "tests/support/EditSession.h"
#include "tests/support/RecordingBackend.h"

namespace {

constexpr DWORD kChar = 0x01001001;
constexpr DWORD kMathCR = 0x13001021;
constexpr DWORD kFraction = 0x22001040;

TEST(EditCaretTest, ResetTakesTheDefaultFontOfTheWritingDirection) {
  for (int vertical : {0, 1}) {
    g_bVerticalWriting = vertical;
    CEditCaret caret;
    CEditNode node;
    caret.m_pCaretNode = &node;
    caret.m_pAnchor = &node;
    caret.m_nDesiredX = 55;
    caret.m_crColor = 0xFF;
    caret.Reset();
    LOGFONTA expected;
    GetDefaultFont(&expected, vertical);
    EXPECT_EQ(std::memcmp(&caret.m_lfNew, &expected, sizeof(LOGFONTA)), 0);
    EXPECT_EQ(caret.m_pCaretNode, nullptr);
    EXPECT_EQ(caret.m_pAnchor, nullptr);
    EXPECT_EQ(caret.m_nDesiredX, 0);
    EXPECT_EQ(caret.m_crColor, 0u);
    EXPECT_EQ(caret.m_nFontSize, 371);
    EXPECT_EQ(caret.m_crBackground, kNoBackground);
  }
  g_bVerticalWriting = 0;
}

TEST(EditCaretTest, SetFaceNameKeepsSizeWeightAndItalic) {
  LOGFONTA installed;
  if (GetFontCount() == 0 || GetFontLogFont(0, &installed) < 0) GTEST_SKIP() << "no installed fonts";
  CEditCaret caret;
  caret.m_lfNew.lfHeight = -500;
  caret.m_lfNew.lfWeight = FW_BOLD;
  caret.m_lfNew.lfItalic = 1;
  caret.SetFaceName(installed.lfFaceName);
  EXPECT_STREQ(caret.m_lfNew.lfFaceName, installed.lfFaceName);
  EXPECT_EQ(caret.m_lfNew.lfCharSet, installed.lfCharSet);
  EXPECT_EQ(caret.m_lfNew.lfHeight, -500);
  EXPECT_EQ(caret.m_lfNew.lfWeight, FW_BOLD);
  EXPECT_EQ(caret.m_lfNew.lfItalic, 1);

  const LOGFONTA before = caret.m_lfNew;
  caret.SetFaceName("No Such Face Anywhere");
  EXPECT_EQ(std::memcmp(&caret.m_lfNew, &before, sizeof(LOGFONTA)), 0);
}

class EditSelectionTest : public EditSessionTest {
 protected:
  // A paragraph of five characters and its closing line end.
  void SetUp() override {
    m_sentence = Add(m_root.get(), NTYPE_EDITSENTENCE);
    for (int i = 0; i < 5; ++i) m_nodes[i] = Add(m_sentence, kChar);
    m_nodes[5] = Add(m_sentence, NTYPE_EDITCR);
  }
  void Select(int anchor, int caret) {
    m_caret.m_pAnchor = m_nodes[anchor];
    m_caret.m_nAnchorAfter = 1;
    m_caret.m_pCaretNode = m_nodes[caret];
  }

  CEditNode* m_sentence = nullptr;
  CEditNode* m_nodes[6] = {};
};

TEST_F(EditSelectionTest, RangeIsOrderedAndExcludesTheLaterEnd) {
  struct Case {
    int anchor, caret, first, last;
  };
  for (const Case& c : {Case{5, 2, 2, 4}, Case{2, 5, 2, 4}, Case{3, 3, 3, 3}, Case{0, 1, 0, 0}}) {
    Select(c.anchor, c.caret);
    int first = -1, last = -1;
    ASSERT_TRUE(m_root->GetSelectionRange(&m_caret, &first, &last));
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(last, c.last);
  }
}

TEST_F(EditSelectionTest, NoRangeWithoutAnchorOrAcrossParents) {
  int first = -1, last = -1;
  m_caret.m_pCaretNode = m_nodes[1];
  EXPECT_FALSE(m_root->GetSelectionRange(&m_caret, &first, &last));
  CEditNode* box = Add(m_sentence, NTYPE_EDITRUBYBASE);
  m_caret.m_pAnchor = Add(box, kChar);
  EXPECT_FALSE(m_root->GetSelectionRange(&m_caret, &first, &last));
  EXPECT_FALSE(m_root->DeleteSelection(&m_caret, m_undo.get()));
  EXPECT_EQ(m_sentence->GetChildCount(), 7);
  EXPECT_EQ(m_undo->GetCount(), 0);
}

TEST_F(EditSelectionTest, DeletingWithAGroupRecordsEachNodeOnceInOrder) {
  const Bytes before = TreeBytes();
  Select(1, 4);
  ASSERT_TRUE(m_root->DeleteSelection(&m_caret, m_undo.get()));
  EXPECT_EQ(m_sentence->GetChildCount(), 3);
  EXPECT_EQ(m_caret.m_pCaretNode, m_nodes[4]);
  EXPECT_EQ(m_caret.m_pAnchor, nullptr);
  EXPECT_EQ(m_caret.m_nAnchorAfter, 0);
  ASSERT_EQ(m_undo->GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(m_undo->GetAt(i).m_nCode, UNDO_REMOVE_SELECTED);
    EXPECT_EQ(m_undo->GetAt(i).m_pNode, m_nodes[1 + i]);
    EXPECT_EQ(m_undo->GetAt(i).m_pNeighbour, m_nodes[2 + i]);
    EXPECT_EQ(m_nodes[1 + i]->GetParent(), nullptr);
  }
  ExpectUndoRestores(before);
  EXPECT_EQ(m_view.m_pCaretNode, m_nodes[2]);
}

TEST_F(EditSelectionTest, TheClosingLineEndIsNeverRemoved) {
  const Bytes before = TreeBytes();
  Select(5, 5);
  ASSERT_TRUE(m_root->DeleteSelection(&m_caret, m_undo.get()));
  EXPECT_EQ(m_sentence->GetChildCount(), 6);
  Select(0, 5);
  ASSERT_TRUE(m_root->DeleteSelection(&m_caret, m_undo.get()));
  ASSERT_EQ(m_sentence->GetChildCount(), 1);
  EXPECT_EQ(m_caret.m_pCaretNode, m_nodes[5]);
  ExpectUndoRestores(before);
}

TEST_F(EditSelectionTest, WithoutAGroupTheRemovedNodesAreDestroyed) {
  Select(0, 2);
  ASSERT_TRUE(m_root->DeleteSelection(&m_caret, nullptr));
  EXPECT_EQ(m_sentence->GetChildCount(), 4);
  EXPECT_EQ(m_sentence->GetChildAt(0), m_nodes[2]);
  EXPECT_TRUE(m_document.m_pending.empty());
}

TEST_F(EditSelectionTest, AFormulaSlotEndStopsTheRemoval) {
  CEditNode* fraction = Add(m_sentence, kFraction);
  CEditNode* slot[5];
  for (int i = 0; i < 5; ++i) slot[i] = Add(fraction, i == 2 ? kMathCR : 0x03001020);
  Add(fraction, kMathCR);
  const Bytes before = TreeBytes();
  m_caret.m_pAnchor = slot[0];
  m_caret.m_pCaretNode = slot[4];
  ASSERT_TRUE(m_root->DeleteSelection(&m_caret, m_undo.get()));  // range 0 to 3
  ASSERT_EQ(fraction->GetChildCount(), 4);
  EXPECT_EQ(fraction->GetChildAt(0), slot[2]);
  EXPECT_EQ(fraction->GetChildAt(1), slot[3]);
  EXPECT_EQ(m_undo->GetCount(), 2);
  ExpectUndoRestores(before);
}

TEST_F(EditSelectionTest, DrawingInvertsEachSelectedHitBox) {
  for (int i = 0; i < 6; ++i) m_nodes[i]->m_rcHit = RECT{i * 254, 0, i * 254 + 254, 508};
  CRecordingDC dc;
  CCoordMapper mapper;
  mapper.SetResolution(96, 96, 100);
  Select(1, 3);
  const int ropBefore = dc.GetROP2();
  m_root->DrawSelection(&dc, &mapper, &m_caret);
  const auto& calls = dc.Recorder().Calls();
  ASSERT_EQ(calls.size(), 2u);
  for (size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].name, "Rectangle");
    EXPECT_EQ(calls[i].rop2, R2_NOT);
    RECT expected = m_nodes[1 + i]->m_rcHit;
    mapper.LPtoDPRect(&expected);
    EXPECT_EQ(calls[i].points[0].x, expected.left);
  }
  EXPECT_EQ(dc.GetROP2(), ropBefore);

  dc.Recorder().Clear();
  m_caret.ClearSelection();
  m_root->DrawSelection(&dc, &mapper, &m_caret);
  EXPECT_TRUE(dc.Recorder().Calls().empty());
}

TEST_F(EditSelectionTest, FontGoesToEverySelectedNodeWithoutRecording) {
  LOGFONTA lf{};
  lf.lfHeight = -600;
  Select(3, 1);
  m_root->ApplyFontToSelection(&m_caret, lf);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(m_nodes[i]->m_lf.lfHeight == -600, i == 1 || i == 2) << i;
}

}  // namespace
