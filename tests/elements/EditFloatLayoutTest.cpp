#include <gtest/gtest.h>

#include <vector>

#include "elements/EditFloat.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/EditCR.h"
#include "tests/model/LayoutTestNodes.h"
#include "tests/support/RecordingBackend.h"

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;

// A container 10000 wide at (1000, 2000) holding real floating frames; each frame holds one
// block of a fixed size, so its own measure makes it that size.
class EditFloatLayoutTest : public ::testing::Test {
 protected:
  CSizedNode* Add(int width) {
    auto* node = new CSizedNode(width, 400, 320, 200);
    container.AppendChild(node);
    return node;
  }
  void AddLineEnd() { container.AppendChild(new CEditCR); }
  CEditFloat* AddFloat(int side, int width, int height) {
    auto* frame = new CEditFloat;
    frame->m_floatDim.m_nAreaHeight = side;
    content = new CSizedNode(width, height, height - height / 5, height / 2);
    frame->AppendChild(content);
    container.AppendChild(frame);
    return frame;
  }
  void Layout() {
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = 10000;
    container.Measure(&dc, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    arrange.nX = 1000;
    arrange.nY = 2000;
    arrange.nPage = 3;
    container.Arrange(&arrange, 0);
  }
  std::vector<int> LineCounts() {
    std::vector<int> counts;
    for (const EDIT_LINE_INFO& line : container.GetBox(0)->m_arrLines) counts.push_back(line.nCount);
    return counts;
  }

  CRecordingDC dc;
  CCoordMapper mapper;
  CEditContainer container;
  CSizedNode* content = nullptr;  // of the last frame added
};

TEST_F(EditFloatLayoutTest, RightFloatBreaksTheLinesBesideItAt7000) {
  CEditFloat* frame = AddFloat(kRight, 3000, 1000);
  std::vector<CSizedNode*> nodes;
  for (int i = 0; i < 12; ++i) nodes.push_back(Add(2000));
  AddLineEnd();
  Layout();
  EXPECT_EQ(frame->m_nWidth, 3000);
  EXPECT_EQ(frame->m_nHeight, 1000);
  // Three lines start above the frame's bottom (0, 400, 800) and hold 6000 each.
  EXPECT_EQ(LineCounts(), (std::vector<int>{3, 3, 3, 4}));
  EXPECT_EQ(frame->m_rcInk.left, 1000 + 7000);
  EXPECT_EQ(frame->m_rcInk.top, 2000);
  EXPECT_EQ(frame->m_nPage, 3);
  EXPECT_EQ(content->m_arranged.nX, 1000 + 7000);
  EXPECT_EQ(nodes[0]->m_arranged.nX, 1000);
  EXPECT_EQ(nodes[9]->m_arranged.nY, 2000 + 1200);
  EXPECT_EQ(container.m_nWidth, 10000);
}

TEST_F(EditFloatLayoutTest, LeftFloatShiftsTheLinesBesideIt) {
  CEditFloat* frame = AddFloat(kLeft, 3000, 500);
  CSizedNode* first = Add(4000);
  CSizedNode* second = Add(4000);
  CSizedNode* below = Add(4000);
  AddLineEnd();
  Layout();
  EXPECT_EQ(content->m_arranged.nX, 1000);
  EXPECT_EQ(frame->m_rcInk.left, 1000);
  EXPECT_EQ(first->m_arranged.nX, 1000 + 3000);
  EXPECT_EQ(second->m_nLine, 1);
  EXPECT_EQ(second->m_arranged.nX, 1000 + 3000);
  EXPECT_EQ(below->m_nLine, 2);  // its line starts at 800, below the frame
  EXPECT_EQ(below->m_arranged.nX, 1000);
}

TEST_F(EditFloatLayoutTest, FrameTextFillingTheWidthExactlyStaysOnOneLine) {
  CEditFloat* frame = AddFloat(kRight, 4000, 400);
  frame->AppendChild(new CSizedNode(6000, 400, 320, 200));
  frame->AppendChild(new CEditCR);
  Layout();
  EXPECT_EQ(frame->GetBox(0)->GetLineCount(), 1);
  EXPECT_EQ(frame->m_nWidth, 10000);
  EXPECT_EQ(frame->m_nHeight, 400);
}

TEST_F(EditFloatLayoutTest, FloatStartsALineAndATrailingFloatGetsAnEmptyLine) {
  CSizedNode* a = Add(1000);
  CEditFloat* middle = AddFloat(0, 2000, 300);
  CSizedNode* middleContent = content;
  CSizedNode* b = Add(1000);
  AddLineEnd();
  CEditFloat* trailing = AddFloat(kRight, 3000, 1000);
  Layout();
  EXPECT_EQ(LineCounts(), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(a->m_nLine, 0);
  EXPECT_EQ(b->m_nLine, 1);
  // Side 0 stands where the line starts; its followers share that line.
  EXPECT_EQ(middleContent->m_arranged.nX, 1000);
  EXPECT_EQ(middle->m_rcInk.top, 2000 + 400);
  EXPECT_EQ(b->m_arranged.nX, 1000);
  EXPECT_EQ(b->m_arranged.nY, 2000 + 400);
  EXPECT_EQ(trailing->m_rcInk.left, 1000 + 7000);
  EXPECT_EQ(trailing->m_rcInk.top, 2000 + 800);
  EXPECT_EQ(container.m_nHeight, 800 + 1000);
}

}  // namespace
