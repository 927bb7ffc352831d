#include <gtest/gtest.h>

#include <vector>

#include "elements/EditCell.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/EditCR.h"
#include "tests/model/LayoutTestNodes.h"
#include "tests/support/RecordingBackend.h"

namespace {

// A cell laid out at (1000, 2000) and framed as its table would: 4000 wide, 900 high.
class EditCellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mapper.SetResolution(2540, 2540, 100);
    cell.Init();
  }
  void Layout(int width = 10000) {
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = width;
    cell.Measure(&dc, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    arrange.nX = 1000;
    arrange.nY = 2000;
    cell.Arrange(&arrange, 0);
    cell.m_nReserved1 = 4000;
    cell.m_nReserved2 = 900;
    dc.Recorder().Clear();
  }
  std::vector<DC_CALL> Frames() {
    std::vector<DC_CALL> frames;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Rectangle") frames.push_back(call);
    return frames;
  }

  CRecordingDC dc;
  CCoordMapper mapper;
  CEditCell cell;
};

TEST_F(EditCellTest, NewCellHoldsOneLineEndAndStopsNoCaret) {
  EXPECT_EQ(cell.m_nType, NTYPE_EDITCELL);
  EXPECT_EQ(cell.m_bCaretStop, 0);
  ASSERT_EQ(cell.GetChildCount(), 1);
  EXPECT_EQ(cell.GetChildAt(0)->m_nType, NTYPE_EDITCR);
  EXPECT_EQ(cell.m_nBorderStyle, LS_SOLID);
  EXPECT_EQ(cell.m_nBorderWidth, 18);
}

TEST_F(EditCellTest, FrameHasTheTablesSizeAndAHalfPointPen) {
  Layout();
  cell.Draw(&dc, &mapper, nullptr);
  const std::vector<DC_CALL> frames = Frames();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].points[0].x, 1000);
  EXPECT_EQ(frames[0].points[0].y, 2000);
  EXPECT_EQ(frames[0].points[1].x, 5000 + 1);
  EXPECT_EQ(frames[0].points[1].y, 2900 + 1);
  EXPECT_EQ(frames[0].penWidth, 18);
  EXPECT_EQ(frames[0].penColor, COLORREF(0));
  EXPECT_EQ(frames[0].brushStyle, UINT(BS_NULL));
}

TEST_F(EditCellTest, FrameTurnsWithVerticalWriting) {
  Layout();
  mapper.m_bVertical = 1;
  cell.Draw(&dc, &mapper, nullptr);
  const std::vector<DC_CALL> frames = Frames();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].points[0].x, -2900);
  EXPECT_EQ(frames[0].points[0].y, 1000);
  EXPECT_EQ(frames[0].points[1].x, -2000 + 1);
  EXPECT_EQ(frames[0].points[1].y, 5000 + 1);
}

TEST_F(EditCellTest, OnlyASolidBorderIsFramed) {
  Layout();
  for (int style : {LS_NONE, LS_DOUBLE, LS_DOTTED}) {
    cell.m_nBorderStyle = style;
    cell.Draw(&dc, &mapper, nullptr);
    EXPECT_TRUE(Frames().empty()) << style;
  }
  cell.m_nBorderStyle = LS_SOLID;
  cell.m_bHidden = 1;
  cell.Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(Frames().empty());
}

TEST_F(EditCellTest, HiddenCellMeasuresNothing) {
  cell.InsertChild(0, new CSizedNode(1000, 400, 320, 200));
  cell.m_bHidden = 1;
  Layout();
  EXPECT_EQ(cell.m_nWidth, 0);
  EXPECT_EQ(cell.m_nHeight, 0);
  EXPECT_EQ(cell.GetBoxCount(), 0);
}

// A wide first line and a short centred second line: the room beside the second line
// answers its first or last node.
TEST_F(EditCellTest, PointsBesideALineAnswerItsEnds) {
  auto* wide = new CSizedNode(3000, 400, 320, 200);
  auto* shortNode = new CSizedNode(1000, 400, 320, 200);
  auto* firstEnd = new CEditCR;
  cell.InsertChild(0, wide);
  cell.InsertChild(1, firstEnd);
  cell.InsertChild(2, shortNode);
  static_cast<CEditCR*>(cell.GetChildAt(3))->m_nTextAlign = CBlockLineRelatedProperties::AlignCenter;
  Layout();
  ASSERT_EQ(shortNode->m_rcHit.left, 1000 + 1000);
  const int secondLine = 2000 + 400 + 100;
  struct CASE {
    int x, y;
    CEditNode* node;
    int after;
  } cases[] = {
      {1000, secondLine, shortNode, 0},            // the cell's left edge
      {1500, secondLine, shortNode, 0},
      {2400, secondLine, shortNode, 0},            // on the node itself
      {3900, secondLine, static_cast<CEditNode*>(cell.GetChildAt(3)), 1},
      {4000, secondLine, static_cast<CEditNode*>(cell.GetChildAt(3)), 1},  // right edge, included
      {4001, secondLine, nullptr, -1},             // outside the cell
      {999, secondLine, nullptr, -1},
      {1500, 2000 + 2 * 400 + 1, nullptr, -1},     // below the last line
  };
  for (const CASE& c : cases) {
    int after = -1;
    EXPECT_EQ(cell.NodeFromPoint(c.x, c.y, &after), c.node) << c.x << "," << c.y;
    EXPECT_EQ(after, c.after) << c.x << "," << c.y;
  }
}

TEST_F(EditCellTest, StoredLinesOutOfRangeAnswerNothing) {
  Layout();
  const int right = cell.m_rcInk.right;  // just past the line end's hit box
  EXPECT_EQ(cell.NodeFromPoint(right, 2100, nullptr), cell.GetChildAt(0));
  EDIT_LINE_INFO& line = cell.GetBox(0)->m_arrLines[0];
  line.nFirst = 0x7FFFFFFF;
  line.nCount = 0x7FFFFFFF;
  EXPECT_EQ(cell.NodeFromPoint(right, 2100, nullptr), nullptr);
}

}  // namespace
