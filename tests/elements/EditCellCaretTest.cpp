#include <gtest/gtest.h>

#include "elements/EditCell.h"
#include "elements/EditTable.h"
#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "model/EditCaret.h"
#include "model/EditChar.h"
#include "tests/support/RecordingBackend.h"

namespace {

// A line "a [table] b" under the sheet root; the table has 2 × 2 cells holding p, q / r, s.
class EditCellCaretTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root.AppendChild(line);
    line->AppendChild(a);
    line->AppendChild(table);
    line->AppendChild(b);
    line->AppendChild(new CEditCR);
    table->CreateCells(2, 2);
    const char16_t texts[] = u"pqrs";
    for (int i = 0; i < 4; ++i) Cell(i)->InsertChild(0, new CEditChar(texts[i]));
  }
  CEditCell* Cell(int i) { return static_cast<CEditCell*>(table->GetChildAt(i)); }
  CEditNode* Text(int i) { return Cell(i)->GetEditChildAt(0); }
  CEditNode* End(int i) { return Cell(i)->GetEditChildAt(1); }
  void Layout() {
    CRecordingDC dc;
    CCoordMapper mapper;
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = 20000;
    line->Measure(&dc, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    line->Arrange(&arrange, 0);
  }

  CEditNode root{NTYPE_EDITPRINT};
  CEditContainer* line = new CEditContainer(NTYPE_EDITSENTENCE);
  CEditNode* a = new CEditChar(u'a');
  CEditTable* table = new CEditTable;
  CEditNode* b = new CEditChar(u'b');
  CEditCaret caret;
};

struct MOVE {
  const char* what;
  int cell;         // the cell the caret stands in
  bool atLineEnd;   // before the cell's line end, else before its text
  bool right;
};

TEST_F(EditCellCaretTest, CaretCrossesCellBordersAndLeavesTheTable) {
  struct CASE {
    MOVE move;
    CEditNode* expected;
  } cases[] = {
      {{"left from the first cell", 0, false, false}, table},
      {{"left within a row", 1, false, false}, End(0)},
      {{"left across the row border", 2, false, false}, End(1)},
      {{"left within the last row", 3, false, false}, End(2)},
      {{"right within a row", 0, true, true}, Text(1)},
      {{"right across the row border", 1, true, true}, Text(2)},
      {{"right from the last cell", 3, true, true}, b},
  };
  for (const CASE& c : cases) {
    CEditNode* start = c.move.atLineEnd ? End(c.move.cell) : Text(c.move.cell);
    // The cell's own move and the move of the node the caret stands before agree.
    for (CEditNode* receiver : {static_cast<CEditNode*>(Cell(c.move.cell)), start}) {
      caret.m_pCaretNode = start;
      caret.m_pAnchor = start;
      CEditNode* moved = c.move.right ? receiver->MoveCaretRight(&caret, FALSE) : receiver->MoveCaretLeft(&caret, FALSE);
      EXPECT_EQ(moved, c.expected) << c.move.what;
      EXPECT_EQ(caret.m_pCaretNode, c.expected) << c.move.what;
      EXPECT_EQ(caret.m_pAnchor, nullptr) << c.move.what;
    }
  }
}

TEST_F(EditCellCaretTest, CaretEntersTheTableFromEitherSide) {
  caret.m_pCaretNode = table;
  EXPECT_EQ(table->MoveCaretRight(&caret, FALSE), Text(0));
  caret.m_pCaretNode = b;
  EXPECT_EQ(b->MoveCaretLeft(&caret, FALSE), End(3));
}

// While a selection within a cell is extended, the caret stops at the cell's edge and the
// cell moves it on; the anchor follows, so a selection never spans two cells.
TEST_F(EditCellCaretTest, ExtendingOutOfACellTakesTheAnchorAlong) {
  struct CASE {
    MOVE move;
    CEditNode* expected;
  } cases[] = {
      {{"shift+left from the first cell", 0, false, false}, table},
      {{"shift+left into the previous row", 2, false, false}, End(1)},
      {{"shift+right into the next cell", 0, true, true}, Text(1)},
      {{"shift+right out of the table", 3, true, true}, b},
  };
  for (const CASE& c : cases) {
    CEditNode* start = c.move.atLineEnd ? End(c.move.cell) : Text(c.move.cell);
    caret.m_pCaretNode = start;
    caret.m_pAnchor = c.move.atLineEnd ? Text(c.move.cell) : End(c.move.cell);
    CEditCell* cell = Cell(c.move.cell);
    CEditNode* moved = c.move.right ? cell->MoveCaretRight(&caret, TRUE) : cell->MoveCaretLeft(&caret, TRUE);
    EXPECT_EQ(moved, c.expected) << c.move.what;
    EXPECT_EQ(caret.m_pAnchor, c.expected) << c.move.what;
  }

  caret.m_pCaretNode = Text(0);
  caret.m_pAnchor = nullptr;
  EXPECT_EQ(Cell(0)->MoveCaretRight(&caret, TRUE), End(0));
  EXPECT_EQ(caret.m_pAnchor, Text(0));  // within the cell the selection grows
}

TEST_F(EditCellCaretTest, HiddenCellIsPassedOver) {
  Cell(1)->m_bHidden = 1;
  caret.m_pCaretNode = End(0);
  EXPECT_EQ(Cell(0)->MoveCaretRight(&caret, TRUE), Text(2));
}

TEST_F(EditCellCaretTest, NothingAfterTheLastCellLeavesTheCaretWhereItIs) {
  b->Detach();
  delete b;
  line->DeleteChildAt(2);  // the paragraph's line end
  caret.m_pCaretNode = End(3);
  EXPECT_EQ(Cell(3)->MoveCaretRight(&caret, FALSE), nullptr);
  EXPECT_EQ(Cell(3)->MoveCaretRight(&caret, TRUE), nullptr);
  EXPECT_EQ(caret.m_pCaretNode, End(3));

  CEditCaret none;
  EXPECT_EQ(Cell(0)->MoveCaretLeft(&none, FALSE), nullptr);
  EXPECT_EQ(Cell(0)->MoveCaretRight(&none, FALSE), nullptr);
}

TEST_F(EditCellCaretTest, UpAndDownKeepTheColumn) {
  // The first cell holds two lines: p and u.
  Cell(0)->InsertChild(1, new CEditCR);
  Cell(0)->InsertChild(2, new CEditChar(u'u'));
  Layout();
  CEditNode* u = Cell(0)->GetEditChildAt(2);
  ASSERT_EQ(u->m_nLine, 1);
  ASSERT_EQ(Text(2)->m_rcInk.left, u->m_rcInk.left);
  struct CASE {
    const char* what;
    CEditNode* start;
    bool up;
    CEditNode* expected;
  } cases[] = {
      {"up into the cell above", Text(3), true, Text(1)},
      {"up keeps the caret's x", End(3), true, End(1)},
      {"up to the last line of the cell above", Text(2), true, u},
      {"up within a cell", u, true, Text(0)},
      {"down within a cell", Text(0), false, u},
      {"down from a cell's last line", u, false, Text(2)},
      {"down into the cell below", Text(1), false, Text(3)},
      {"down keeps the caret's x", End(1), false, End(3)},
      {"up from the first row", Text(1), true, table},
      {"down from the last row", Text(2), false, b},
  };
  // The view calls the move on the caret node; the cell's own move must give the same.
  for (bool onCell : {true, false}) {
    for (const CASE& c : cases) {
      CEditNode* receiver = onCell ? static_cast<CEditNode*>(c.start->GetParent()) : c.start;
      caret.m_pCaretNode = c.start;
      caret.m_nDesiredX = -1;
      EXPECT_EQ(c.up ? receiver->MoveCaretUp(&caret, FALSE) : receiver->MoveCaretDown(&caret, FALSE), c.expected)
          << c.what << (onCell ? " (cell)" : " (caret node)");
      EXPECT_EQ(caret.m_pCaretNode, c.expected) << c.what;
    }
  }
}

TEST_F(EditCellCaretTest, ExtendingIntoAnotherRowTakesTheAnchorAlong) {
  Layout();
  caret.m_pCaretNode = Text(0);
  caret.m_pAnchor = End(0);
  caret.m_nDesiredX = -1;
  EXPECT_EQ(Cell(0)->MoveCaretDown(&caret, TRUE), Text(2));
  EXPECT_EQ(caret.m_pAnchor, Text(2));
}

}  // namespace
