#include <gtest/gtest.h>

#include <memory>

#include "math/EditMatrix.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

// An empty 10.5-point cell is 185 wide and 370 high, ascent 296, half height 185.
class EditMatrixTest : public MathLayoutTest {
 protected:
  CEditMatrix* Make(int rows, int columns, std::initializer_list<std::u16string> texts = {}) {
    auto* matrix = new CEditMatrix;
    matrix->m_lf.lfHeight = -371;
    matrix->CreateCells(rows, columns);
    int cell = 0;
    for (const std::u16string& text : texts) {
      CEditNode* end = CellEnd(*matrix, cell++);
      for (char16_t c : text) {
        auto* ch = new CEditMathChar(c);
        ch->m_lf.lfHeight = -371;
        end->InsertBefore(ch);
      }
    }
    owner.AppendChild(matrix);
    return matrix;
  }
  static CEditNode* CellEnd(CEditNode& matrix, int cell) {
    int seen = 0;
    for (int i = 0; i < matrix.GetChildCount(); ++i)
      if ((matrix.GetEditChildAt(i)->m_nType & NT_LINEBREAK) && seen++ == cell) return matrix.GetEditChildAt(i);
    return nullptr;
  }
  std::vector<std::string> Grid() {
    std::vector<std::string> lines;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Polyline") lines.push_back(call.ToString());
    return lines;
  }

  CEditMathContainer owner;
};

TEST_F(EditMatrixTest, EmptyTwoByThreeIsThreeCellsAndTwoGapsWide) {
  CEditMatrix* matrix = Make(2, 3);
  EXPECT_EQ(matrix->GetChildCount(), 6);
  Layout(*matrix, 100000, 1000, 2000);
  EXPECT_EQ(matrix->m_nWidth, 3 * 185 + 200);
  EXPECT_EQ(matrix->m_nHeight, 2 * 370);
  EXPECT_EQ(matrix->m_nCenter, 370);
  EXPECT_EQ(matrix->m_nAscent, 370 + 296 - 185);
  EXPECT_EQ(CRect(CellEnd(*matrix, 4)->m_rcInk).TopLeft(), CPoint(1000 + 185 + 100, 2370));
  matrix->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 6);
  EXPECT_TRUE(Grid().empty());
  dc.Recorder().Clear();
  dc.Recorder().m_bPrinting = true;
  matrix->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 0);
}

// The column is 555 wide, as wide as "100"; "1" is 185.
TEST_F(EditMatrixTest, CellsAlignInTheirColumn) {
  struct CASE {
    LONG align;
    int left;
  } cases[] = {{0, 1000}, {1, 1185}, {2, 1370}, {4, 1000}};
  for (const CASE& k : cases) {
    CEditMatrix* matrix = Make(2, 1, {u"1", u"100"});
    matrix->m_nTextAlign = k.align;
    Layout(*matrix, 100000, 1000, 2000);
    EXPECT_EQ(matrix->m_nWidth, 555);
    EXPECT_EQ(matrix->GetEditChildAt(0)->m_rcInk.left, k.left) << k.align;
    EXPECT_EQ(matrix->GetEditChildAt(2)->m_rcInk.left, 1000);
  }
}

TEST_F(EditMatrixTest, TallCellMakesItsRowTallerOnACommonBaseline) {
  CEditMatrix* matrix = Make(2, 2, {u"x", u"y", u"1", u"2"});
  matrix->GetEditChildAt(0)->m_lf.lfHeight = -740;
  Layout(*matrix, 100000, 1000, 2000);
  EXPECT_EQ(Line(*matrix, 1).props.m_nReserved2, 740);
  EXPECT_EQ(matrix->m_nHeight, 740 + 370);
  EXPECT_EQ(matrix->GetEditChildAt(0)->m_ptOrigin.y, matrix->GetEditChildAt(2)->m_ptOrigin.y);
  EXPECT_EQ(matrix->GetEditChildAt(4)->m_rcInk.top, matrix->m_rcInk.top + 740);
  // The baseline lies below the middle by the tall row's ascent above its half height.
  EXPECT_EQ(matrix->m_nAscent, (740 + 370) / 2 + 592 - 370);
}

// Columns 185 wide with gaps of 100: inner lines through the middle of the gaps.
TEST_F(EditMatrixTest, GridLinesRunAlongTheEdgesAndThroughTheGaps) {
  CEditMatrix* matrix = Make(2, 3);
  matrix->m_nBorderStyle = LS_SOLID;
  Layout(*matrix, 100000, 1000, 2000);
  const int top = matrix->m_rcInk.top;
  matrix->Draw(&dc, &mapper, nullptr);
  auto v = [&](int x) { return "Polyline " + std::to_string(x) + "," + std::to_string(top) + " " +
                               std::to_string(x) + "," + std::to_string(top + 740); };
  auto h = [&](int y) { return "Polyline 1000," + std::to_string(y) + " 1755," + std::to_string(y); };
  EXPECT_EQ(Grid(), (std::vector<std::string>{v(1000), v(1235), v(1520), v(1755), h(top), h(top + 370),
                                              h(top + 740)}));
  EXPECT_EQ(dc.Recorder().Calls().back().penWidth, 18);
  EXPECT_EQ(dc.Recorder().Calls().back().brushStyle, UINT(BS_NULL));

  dc.Recorder().Clear();
  CEditMatrix* single = Make(1, 1, {u"a"});
  single->m_nBorderStyle = LS_SOLID;
  Layout(*single, 100000, 0, 0);
  single->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Grid(), (std::vector<std::string>{"Polyline 0,0 0,370", "Polyline 185,0 185,370", "Polyline 0,0 185,0",
                                              "Polyline 0,370 185,370"}));
}

TEST_F(EditMatrixTest, ClickBetweenCellsFindsNothing) {
  CEditMatrix* matrix = Make(1, 2, {u"a", u"b"});
  Layout(*matrix, 100000, 1000, 2000);
  const int y = matrix->m_rcInk.top + 100;
  EXPECT_EQ(matrix->NodeFromPoint(1000 + 185 + 50, y, nullptr), nullptr);
  EXPECT_EQ(matrix->NodeFromPoint(1050, y, nullptr), matrix->GetEditChildAt(0));
}

TEST_F(EditMatrixTest, CellCountOtherThanRowsTimesColumnsKeepsThePlainLayout) {
  struct CASE {
    int rows, columns;
  } cases[] = {{2, 2}, {-1, -3}, {3, 0}};
  for (const CASE& k : cases) {
    CEditMatrix* matrix = Make(1, 3);
    matrix->m_nRows = k.rows;
    matrix->m_nColumns = k.columns;
    matrix->m_nBorderStyle = LS_SOLID;
    matrix->m_rcInk = RECT{1, 2, 3, 4};
    Layout(*matrix, 100000, 1000, 2000);
    EXPECT_EQ(matrix->m_nHeight, 3 * 370);
    EXPECT_EQ(CRect(matrix->m_rcInk), CRect(1, 2, 3, 4));
    matrix->Draw(&dc, &mapper, nullptr);
    EXPECT_TRUE(Grid().empty());
  }
  CEditMatrix empty;
  empty.CreateCells(0, 3);
  Layout(empty);
  EXPECT_EQ(empty.GetChildCount(), 0);
  EXPECT_EQ(empty.m_nWidth, 0);
  EXPECT_EQ(empty.m_nHeight, 0);
}

TEST_F(EditMatrixTest, ArchiveKeepsRowsColumnsAndGap) {
  CEditMatrix* matrix = Make(2, 3, {u"1"});
  matrix->m_nColumnGap = 150;
  Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(matrix); });
  CObject* loaded = nullptr;
  LoadBytes(bytes, [&](CArchive& ar) { loaded = ar.ReadObject(nullptr); });
  std::unique_ptr<CObject> copy(loaded);
  auto* reloaded = dynamic_cast<CEditMatrix*>(loaded);
  ASSERT_NE(reloaded, nullptr);
  EXPECT_EQ(reloaded->m_nRows, 2);
  EXPECT_EQ(reloaded->m_nColumns, 3);
  EXPECT_EQ(reloaded->m_nColumnGap, 150);
  EXPECT_EQ(reloaded->GetChildCount(), 7);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(reloaded); }), bytes);
  Bytes own = StoreBytes([&](CArchive& ar) { matrix->Serialize(ar); });
  EXPECT_EQ(ToHex(Bytes(own.begin(), own.begin() + 12)), "02 00 00 00 03 00 00 00 96 00 00 00");
  CEditMatrix truncated;
  EXPECT_THROW(LoadBytes(Bytes(own.begin(), own.begin() + 10), [&](CArchive& ar) { truncated.Serialize(ar); }),
               CArchiveException);
}

}  // namespace
