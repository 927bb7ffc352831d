#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "elements/EditGai.h"
#include "elements/EditKaiPage.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/EditCR.h"
#include "tests/support/Bytes.h"
#include "tests/support/EditSession.h"
#include "tests/support/RecordingBackend.h"

namespace {

bool DrewText(const CRecordingDC& dc, const std::u16string& text) {
  const auto& calls = const_cast<CRecordingDC&>(dc).Recorder().Calls();
  return std::any_of(calls.begin(), calls.end(), [&](const DC_CALL& c) { return c.text == text; });
}

void Layout(CEditSentence& sentence, CDC& dc, CCoordMapper& mapper) {
  EDIT_LAYOUT_PARAM measure{};
  measure.nWidth = 10000;
  measure.nPageHeight = 25000;
  sentence.Measure(&dc, &mapper, &measure);
  EDIT_LAYOUT_PARAM arrange{};
  arrange.nX = 1000;
  arrange.nY = 2000;
  arrange.nPage = 1;
  sentence.Arrange(&arrange, 0);
}

TEST(EditKaiPageTest, InitGivesTheGreyEightPointMark) {
  CEditKaiPage page;
  EXPECT_EQ(page.m_nType, NTYPE_EDITKAIPAGE);
  EXPECT_EQ(page.GetChildCount(), 0);
  page.Init();
  ASSERT_EQ(page.GetChildCount(), 1);
  auto* mark = dynamic_cast<CEditCR*>(page.GetChildAt(0));
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->m_strText, CStringW(u"----- 改ページ -----"));
  EXPECT_EQ(mark->m_crColor, COLORREF(0x808080));
  EXPECT_EQ(mark->m_lf.lfHeight, -282);
}

TEST(EditKaiPageTest, MarkTakesALineOnScreenAndNothingOnPaper) {
  CEditKaiPage page;
  page.Init();
  CRecordingDC dc;
  CCoordMapper mapper;
  Layout(page, dc, mapper);
  ASSERT_EQ(page.GetBoxCount(), 1);
  EXPECT_EQ(page.GetBox(0)->GetLineCount(), 1);
  EXPECT_GT(page.m_nHeight, 0);

  page.Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(DrewText(dc, u"----- 改ページ -----"));

  dc.Recorder().Clear();
  dc.Recorder().m_bPrinting = true;
  page.Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(dc.Recorder().Calls().empty());
}

TEST(EditKaiPageTest, TextBoxAndPageBreakTravelUnderTheirOwnClassNames) {
  CEditGai box;
  EXPECT_EQ(box.m_nType, NTYPE_EDITGAI);
  box.AppendLineEnd();
  ASSERT_EQ(box.GetChildCount(), 1);
  EXPECT_NE(dynamic_cast<CEditCR*>(box.GetChildAt(0)), nullptr);
  EXPECT_TRUE(box.GetChildAt(0)->m_strText.IsEmpty());

  CEditKaiPage page;
  page.Init();
  for (CEditSentence* node : {static_cast<CEditSentence*>(&box), static_cast<CEditSentence*>(&page)}) {
    const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(node); });
    std::unique_ptr<CObject> loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetRuntimeClass(), node->GetRuntimeClass());
    auto* copy = static_cast<CEditSentence*>(loaded.get());
    EXPECT_EQ(copy->m_nType, node->m_nType);
    EXPECT_EQ(copy->GetChildCount(), 1);
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(copy); }), bytes);
  }
}

// Text typed onto the mark stays a child: the insertion's undo record still points at it.
class EditKaiPageTypingTest : public EditSessionTest {};

TEST_F(EditKaiPageTypingTest, TypedTextOutlivesLayoutUntilUndoRemovesIt) {
  auto* page = new CEditKaiPage;
  page->Init();
  m_root->AppendChild(page);
  m_caret.m_pCaretNode = page->GetEditChildAt(0);
  ASSERT_TRUE(m_caret.m_pCaretNode->InsertNode(&m_caret, CStringW(u"x"), m_undo.get()));
  CRecordingDC dc;
  CCoordMapper mapper;
  Layout(*page, dc, mapper);
  EXPECT_EQ(page->GetChildCount(), 2);
  CUndoGroup* group = m_undo.release();
  m_document.PushUndo(group);
  EXPECT_EQ(m_executor.Undo(*group), UndoResult::Applied);
  ASSERT_EQ(page->GetChildCount(), 1);
  EXPECT_EQ(page->GetChildAt(0)->m_strText, CStringW(u"----- 改ページ -----"));
}

}  // namespace
