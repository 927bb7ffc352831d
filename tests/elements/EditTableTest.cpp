#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "elements/EditCell.h"
#include "elements/EditTable.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/EditChar.h"
#include "model/SaturatedInt.h"
#include "tests/model/LayoutTestNodes.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"

namespace {

LONG IntAt(const Bytes& bytes, size_t offset) {
  LONG v;
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

// A table of new cells, each given one element of a fixed size in front of its line end.
class EditTableTest : public ::testing::Test {
 protected:
  struct CELL_CONTENT {
    int width, height, ascent, center;
  };

  void Build(int rows, int cols, const std::vector<CELL_CONTENT>& sizes) {
    table.CreateCells(rows, cols);
    for (int i = 0; i < int(sizes.size()); ++i) {
      const CELL_CONTENT& s = sizes[size_t(i)];
      Cell(i)->InsertChild(0, new CSizedNode(s.width, s.height, s.ascent, s.center));
    }
  }
  void Measure(int width = 20000) {
    EDIT_LAYOUT_PARAM param{};
    param.nWidth = width;
    table.Measure(&dc, &mapper, &param);
  }
  void Arrange(int x, int y, int lineAscent, int page = 1) {
    EDIT_LAYOUT_PARAM param{};
    param.nX = x;
    param.nY = y;
    param.nLineAscent = lineAscent;
    param.nPage = page;
    table.Arrange(&param, 0);
  }
  CEditNode* Cell(int index) { return table.GetEditChildAt(index); }

  CRecordingDC dc;
  CCoordMapper mapper;
  CEditTable table;
};

TEST_F(EditTableTest, CreateCellsBuildsFramedCellsWithOneLineEndEach) {
  table.CreateCells(2, 3);
  EXPECT_EQ(table.m_nRows, 2);
  EXPECT_EQ(table.m_nCols, 3);
  EXPECT_EQ(table.m_nBorderStyle, LS_SOLID);
  EXPECT_EQ(table.m_nBorderWidth, 18);
  ASSERT_EQ(table.GetChildCount(), 6);
  for (int i = 0; i < 6; ++i) {
    CEditNode* cell = Cell(i);
    ASSERT_NE(dynamic_cast<CEditCell*>(cell), nullptr);
    EXPECT_EQ(cell->m_nType, NTYPE_EDITCELL);
    EXPECT_EQ(cell->m_nBorderStyle, LS_SOLID);
    EXPECT_EQ(cell->m_nBorderWidth, 18);
    ASSERT_EQ(cell->GetChildCount(), 1);
    EXPECT_EQ(cell->GetChildAt(0)->m_nType, NTYPE_EDITCR);
  }
  EXPECT_EQ(table.GetFirstCaretChild(), Cell(0)->GetChildAt(0));
}

TEST_F(EditTableTest, CreateCellsWithoutRowsOrColumnsAddsNothing) {
  for (auto [rows, cols] : {std::pair{0, 3}, std::pair{3, 0}, std::pair{-1, 2}}) {
    CEditTable empty;
    empty.CreateCells(rows, cols);
    EXPECT_EQ(empty.GetChildCount(), 0);
    EXPECT_EQ(empty.m_nRows, 0);
    EXPECT_EQ(empty.m_nCols, 0);
    EXPECT_EQ(empty.m_nBorderStyle, LS_SOLID);
    EXPECT_EQ(empty.GetFirstCaretChild(), nullptr);
    EDIT_LAYOUT_PARAM param{};
    param.nWidth = 20000;
    empty.Measure(&dc, &mapper, &param);
    EXPECT_EQ(empty.m_nWidth, 0);
  }
}

TEST_F(EditTableTest, ColumnsTakeTheirWidestCellAndRowsTheirTallest) {
  Build(2, 2, {{1000, 1000, 800, 500}, {3000, 600, 500, 300}, {2000, 400, 320, 200}, {500, 400, 320, 200}});
  Measure();
  EXPECT_EQ(Cell(0)->m_nReserved1, 2000);
  EXPECT_EQ(Cell(2)->m_nReserved1, 2000);
  EXPECT_EQ(Cell(1)->m_nReserved1, 3000);
  EXPECT_EQ(Cell(3)->m_nReserved1, 3000);
  EXPECT_EQ(table.m_nWidth, 5000);

  // Row 0 is as tall as its first cell; both its cells share that cell's baseline.
  for (int i : {0, 1}) {
    EXPECT_EQ(Cell(i)->m_nReserved2, 1000);
    EXPECT_EQ(Cell(i)->m_nAscent, 800);
    EXPECT_EQ(Cell(i)->m_nCenter, 500);
  }
  EXPECT_EQ(Cell(2)->m_nReserved2, 400);
  EXPECT_EQ(table.m_nHeight, 1400);
  EXPECT_EQ(table.m_nAscent, 800);
  EXPECT_EQ(table.m_nCenter, 700);  // half the height beats the rows' half heights
}

TEST_F(EditTableTest, ArrangeStandsTheTableOnTheLineBaseline) {
  Build(2, 2, {{1000, 1000, 800, 500}, {3000, 600, 500, 300}, {2000, 400, 320, 200}, {500, 400, 320, 200}});
  Measure();
  Arrange(1000, 2000, 900, 4);
  EXPECT_EQ(CRect(table.m_rcInk), CRect(1000, 2100, 6000, 3500));
  const POINT corners[] = {{1000, 2100}, {3000, 2100}, {1000, 3100}, {3000, 3100}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Cell(i)->m_rcInk.left, corners[i].x) << i;
    EXPECT_EQ(Cell(i)->m_rcInk.top, corners[i].y) << i;
    EXPECT_EQ(Cell(i)->m_nPage, 4) << i;
  }
  auto* content = static_cast<CSizedNode*>(Cell(3)->GetChildAt(0));
  EXPECT_EQ(content->m_arranged.nX, 3000);
  EXPECT_EQ(content->m_arranged.nPage, 4);
}

TEST_F(EditTableTest, CellsBreakTheirTextAtTheTablesWidth) {
  Build(1, 2, {{3000, 400, 320, 200}, {100, 400, 320, 200}});
  Cell(0)->InsertChild(1, new CSizedNode(3000, 400, 320, 200));
  Measure(5000);
  EXPECT_EQ(Cell(0)->m_nWidth, 3000);
  EXPECT_EQ(Cell(0)->m_nHeight, 800);
  EXPECT_EQ(Cell(1)->m_nReserved2, 800);
  EXPECT_EQ(table.m_nWidth, 3100);
}

TEST_F(EditTableTest, CellTextFillingTheTablesWidthExactlyStaysOnOneLine) {
  Build(1, 1, {{4000, 400, 320, 200}});
  Cell(0)->InsertChild(1, new CSizedNode(6000, 400, 320, 200));
  Measure(10000);
  EXPECT_EQ(static_cast<CEditCell*>(Cell(0))->GetBox(0)->GetLineCount(), 1);
  EXPECT_EQ(Cell(0)->m_nHeight, 400);
  EXPECT_EQ(table.m_nWidth, 10000);
}

// Cells as wide and tall as a line can be, from a damaged record: the table's sums and the
// cells' places stop at a line's bound instead of passing what a saved record may keep.
TEST_F(EditTableTest, CellsOfALinesBoundKeepTheTableWithinIt) {
  const CELL_CONTENT huge{kMaxLineExtent, kMaxLineExtent, kMaxLineExtent / 2, kMaxLineExtent / 2};
  Build(3, 3, std::vector<CELL_CONTENT>(9, huge));
  Measure();
  EXPECT_EQ(table.m_nWidth, kMaxLineExtent);
  EXPECT_EQ(table.m_nHeight, kMaxLineExtent);
  Arrange(0, 0, 0);
  EXPECT_EQ(Cell(8)->m_rcInk.left, kMaxLineExtent);
  EXPECT_EQ(Cell(8)->m_rcInk.top, kMaxLineExtent);
}

TEST_F(EditTableTest, TableWhoseCellsNoLongerMatchTheGridKeepsItsLayout) {
  Build(2, 2, {{1000, 400, 320, 200}, {1000, 400, 320, 200}, {1000, 400, 320, 200}, {1000, 400, 320, 200}});
  Measure();
  Arrange(0, 0, 320);
  const RECT ink = table.m_rcInk;
  const POINT lastCell{Cell(3)->m_rcInk.left, Cell(3)->m_rcInk.top};

  table.DeleteChildAt(0);
  Cell(2)->GetEditChildAt(0)->m_nWidth = 9000;
  Measure();
  Arrange(500, 500, 320);
  EXPECT_EQ(table.m_nWidth, 2000);
  EXPECT_EQ(table.m_nHeight, 800);
  EXPECT_EQ(CRect(table.m_rcInk), CRect(ink));
  EXPECT_EQ(Cell(2)->m_rcInk.left, lastCell.x);
  EXPECT_EQ(Cell(2)->m_rcInk.top, lastCell.y);
  dc.Recorder().Clear();
  table.Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(dc.Recorder().Calls().empty());
  EXPECT_EQ(table.NodeFromPoint(lastCell.x + 10, lastCell.y + 10, nullptr), Cell(2)->GetChildAt(0));
}

TEST_F(EditTableTest, CountsWithoutCellsAreNoGrid) {
  table.m_nRows = 5;
  table.m_nCols = 0;
  Measure();
  Arrange(0, 0, 0);
  table.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(table.m_nHeight, 0);
  EXPECT_EQ(table.GetFirstCaretChild(), nullptr);
}

TEST_F(EditTableTest, DrawingFramesEveryCellAtItsColumnAndRow) {
  Build(1, 2, {{1000, 600, 500, 300}, {2000, 400, 320, 200}});
  mapper.SetResolution(2540, 2540, 100);
  Measure();
  Arrange(0, 0, 500);
  dc.Recorder().Clear();
  table.Draw(&dc, &mapper, nullptr);
  std::vector<DC_CALL> frames;
  for (const DC_CALL& call : dc.Recorder().Calls())
    if (call.name == "Rectangle") frames.push_back(call);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].points[0].x, 0);
  EXPECT_EQ(frames[0].points[1].x, 1000 + 1);
  EXPECT_EQ(frames[1].points[0].x, 1000);
  EXPECT_EQ(frames[1].points[1].x, 3000 + 1);
  EXPECT_EQ(frames[1].points[1].y, 600 + 1);  // the shorter cell is framed at the row height
}

Bytes StoreObject(const CObject& object) {
  return StoreBytes([&](CArchive& ar) { ar.WriteObject(&object); });
}

std::unique_ptr<CEditTable> LoadTable(const Bytes& bytes) {
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject(RUNTIME_CLASS(CEditTable))); });
  auto* table = dynamic_cast<CEditTable*>(loaded.get());
  if (table) loaded.release();
  return std::unique_ptr<CEditTable>(table);
}

TEST_F(EditTableTest, RecordHoldsTheCountsThenTheEditorNodeRecord) {
  table.CreateCells(2, 3);
  const Bytes bytes = StoreBytes([&](CArchive& ar) { table.Serialize(ar); });
  EXPECT_EQ(IntAt(bytes, 0), 2);
  EXPECT_EQ(IntAt(bytes, 4), 3);
  EXPECT_EQ(IntAt(bytes, 8), 272);  // the editor node's first group, no container groups
  EXPECT_EQ(IntAt(bytes, 12 + 8), table.m_bNeedsMeasure);
}

TEST_F(EditTableTest, StoredTableLoadsWithItsGridAndCells) {
  table.CreateCells(2, 3);
  Cell(4)->InsertChild(0, new CEditChar(u'\u5F97'));
  const Bytes bytes = StoreObject(table);
  std::unique_ptr<CEditTable> copy = LoadTable(bytes);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_nType, NTYPE_EDITTABLE);
  EXPECT_EQ(copy->m_nRows, 2);
  EXPECT_EQ(copy->m_nCols, 3);
  ASSERT_EQ(copy->GetChildCount(), 6);
  auto* cell = dynamic_cast<CEditCell*>(copy->GetEditChildAt(4));
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->m_bCaretStop, 0);
  EXPECT_EQ(cell->m_nBorderWidth, 18);
  CStringW text;
  cell->GetText(text);
  EXPECT_EQ(text.str(), u"\u5F97\r\n");
  EXPECT_EQ(StoreObject(*copy), bytes);

  EDIT_LAYOUT_PARAM param{};
  param.nWidth = 20000;
  copy->Measure(&dc, &mapper, &param);
  EXPECT_GT(copy->m_nWidth, 0);
  EXPECT_EQ(copy->GetEditChildAt(1)->m_nReserved1, copy->GetEditChildAt(4)->m_nReserved1);
}

TEST_F(EditTableTest, DamagedRecordFailsCleanly) {
  table.CreateCells(1, 2);
  const Bytes bytes = StoreObject(table);
  // The table's record follows the class tag: 0xFFFF, schema, name length and name.
  const size_t record = 2 + 2 + 2 + std::strlen("CEditTable");
  struct CASE {
    const char* what;
    size_t offset;
    Bytes patch;
  } cases[] = {
      {"negative row count", record, HexBytes("ff ff ff ff")},
      {"negative column count", record + 4, HexBytes("00 00 00 80")},
      {"group size past the data", record + 8, HexBytes("00 00 00 40")},
  };
  for (const CASE& c : cases) {
    Bytes damaged = bytes;
    std::copy(c.patch.begin(), c.patch.end(), damaged.begin() + long(c.offset));
    EXPECT_THROW(LoadTable(damaged), CArchiveException) << c.what;
  }
  for (size_t cut : {record + 2, record + 6, bytes.size() / 2, bytes.size() - 1}) {
    const Bytes truncated(bytes.begin(), bytes.begin() + long(cut));
    EXPECT_THROW(LoadTable(truncated), CArchiveException) << "cut at " << cut;
  }
}

TEST_F(EditTableTest, LoadedCountsThatDoNotMatchTheCellsAreNeverLaidOut) {
  table.CreateCells(1, 2);
  table.m_nCols = 0x7FFFFFFF;  // rows × columns far beyond int
  std::unique_ptr<CEditTable> copy = LoadTable(StoreObject(table));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetChildCount(), 2);
  EDIT_LAYOUT_PARAM param{};
  param.nWidth = 20000;
  copy->Measure(&dc, &mapper, &param);
  EXPECT_EQ(copy->m_nWidth, 0);
}

}  // namespace
