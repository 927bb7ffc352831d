#include <gtest/gtest.h>

#include <vector>

#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditContainer.h"
#include "tests/model/LayoutTestNodes.h"
#include "tests/support/RecordingBackend.h"

namespace {

class EditContainerLayoutTest : public ::testing::Test {
 protected:
  CSizedNode* Add(int width, int height = 400, int ascent = 320, int center = 200) {
    auto* node = new CSizedNode(width, height, ascent, center);
    container.AppendChild(node);
    return node;
  }
  CEditCR* AddLineEnd(int align = 0) {
    auto* cr = new CEditCR;
    cr->m_nTextAlign = align;
    container.AppendChild(cr);
    return cr;
  }
  CTestFloat* AddFloat(int side, int width, int height) {
    auto* frame = new CTestFloat(side, width, height);
    container.AppendChild(frame);
    return frame;
  }
  void Layout(int width, int spacing = 0) {
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = width;
    measure.nLineSpacing = spacing;
    container.Measure(&dc, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    arrange.nX = 1000;
    arrange.nY = 2000;
    arrange.nPage = 3;
    arrange.nLineSpacing = spacing;
    container.Arrange(&arrange, 0);
  }
  const std::vector<EDIT_LINE_INFO>& Lines() { return container.GetBox(0)->m_arrLines; }

  CRecordingDC dc;
  CCoordMapper mapper;
  CEditContainer container;
};

TEST_F(EditContainerLayoutTest, EmptyContainerHasOneBoxWithoutLines) {
  Layout(10000);
  ASSERT_EQ(container.GetBoxCount(), 1);
  EXPECT_EQ(container.GetBox(0)->GetLineCount(), 0);
  EXPECT_EQ(container.m_nWidth, 0);
  EXPECT_EQ(container.m_nHeight, 0);
  EXPECT_EQ(container.GetFirstLineBreak(), nullptr);
  EXPECT_EQ(container.GetFirstCaretChild(), nullptr);
  EXPECT_EQ(container.NodeFromPoint(0, 0, nullptr), nullptr);

  Layout(10000, 71);
  EXPECT_EQ(container.m_nAscent, 71);
  EXPECT_EQ(container.m_nCenter, 71);
}

TEST_F(EditContainerLayoutTest, OverWideFirstChildStaysOnItsLine) {
  CSizedNode* wide = Add(12000);
  CSizedNode* next = Add(100);
  AddLineEnd();
  Layout(10000);
  ASSERT_EQ(Lines().size(), 2u);
  EXPECT_EQ(wide->m_nLine, 0);
  EXPECT_EQ(next->m_nLine, 1);
  EXPECT_EQ(next->m_nInLine, 0);
  EXPECT_EQ(container.m_nWidth, 12000);
  EXPECT_EQ(next->m_arranged.nX, 1000);
  EXPECT_EQ(next->m_arranged.nY, 2000 + 400);
}

// Beside a right float the width is what the float leaves.
TEST_F(EditContainerLayoutTest, ChildrenFillingTheWidthExactlyStayOnOneLine) {
  struct Case {
    const char* what;
    int floatWidth;
    bool lineEnd;
  } cases[] = {
      {"full width", 0, false},
      {"full width and a line end", 0, true},
      {"beside a float", 3000, false},
      {"beside a float and a line end", 3000, true},
  };
  for (const Case& c : cases) {
    container.DeleteAllChildren();
    if (c.floatWidth > 0) AddFloat(2, c.floatWidth, 1000);
    Add(4000);
    Add(6000 - c.floatWidth);
    if (c.lineEnd) AddLineEnd();
    Layout(10000);
    ASSERT_EQ(Lines().size(), 1u) << c.what;
    EXPECT_EQ(Lines()[0].props.m_nWidth, 10000 - c.floatWidth) << c.what;
  }
}

TEST_F(EditContainerLayoutTest, PositiveLineSpacingAddsTwiceItToEveryLine) {
  CSizedNode* a = Add(5000, 500, 400, 250);
  AddLineEnd();
  CSizedNode* b = Add(5000, 500, 400, 250);
  AddLineEnd();
  Layout(10000, 71);
  ASSERT_EQ(Lines().size(), 2u);
  EXPECT_EQ(Lines()[0].props.m_nHeight, 500 + 142);
  EXPECT_EQ(container.m_nHeight, 2 * 642);
  EXPECT_EQ(a->m_arranged.nY, 2000 + 71);
  EXPECT_EQ(b->m_arranged.nY, 2000 + 642 + 71);
  EXPECT_EQ(b->m_rcHit.top, 2000 + 642);
  EXPECT_EQ(b->m_arranged.nLineAscent, 400);
  EXPECT_EQ(b->m_nPage, 3);
  EXPECT_EQ(Lines()[1].props.m_rcInk.top, 2000 + 642);
}

TEST_F(EditContainerLayoutTest, LineHeightHoldsBaselineAndCentredChildren) {
  Add(100, 400, 300, 200);  // 100 below the baseline, 200 below the centre
  Add(100, 600, 100, 300);  // 500 below the baseline, 300 below the centre
  AddLineEnd();
  Layout(10000);
  const EDIT_LINE_INFO& line = Lines()[0];
  EXPECT_EQ(line.props.m_nAscent, 300);
  EXPECT_EQ(line.nMaxDescent, 500);
  EXPECT_EQ(line.props.m_nHeight, 800);
}

TEST_F(EditContainerLayoutTest, LineEndWidthAndMetrics) {
  auto* ch = new CEditChar(u'\u3042');
  ch->m_lf.lfHeight = -1000;
  container.AppendChild(ch);
  CEditCR* afterChar = AddLineEnd();
  CEditCR* alone = AddLineEnd();
  Layout(10000);
  EXPECT_EQ(afterChar->m_nWidth, 0);
  EXPECT_EQ(afterChar->m_nHeight, ch->m_nHeight);
  EXPECT_EQ(afterChar->m_nAscent, ch->m_nAscent);
  EXPECT_EQ(afterChar->m_nCenter, ch->m_nCenter);
  EXPECT_EQ(alone->m_nWidth, 185);  // the average character of the default 10.5 pt font
  EXPECT_EQ(alone->m_nHeight, 370);

  // Once its character is gone, the line end measures with its own font again.
  container.DeleteChildAt(0);
  Layout(10000);
  EXPECT_EQ(afterChar->m_nWidth, 185);
  EXPECT_EQ(afterChar->m_nHeight, 370);
}

TEST_F(EditContainerLayoutTest, AlignmentOfTheClosingLineEnd) {
  struct CASE {
    int align;
    int expectedX;
  } cases[] = {{0, 1000}, {1, 1000 + 3000}, {2, 1000 + 6000}, {3, 1000}, {4, 1000}};
  for (const CASE& c : cases) {
    container.DeleteAllChildren();
    Add(10000);
    AddLineEnd();
    CSizedNode* line = Add(4000);
    AddLineEnd(c.align);
    Layout(10000);
    EXPECT_EQ(line->m_arranged.nX, c.expectedX) << "alignment " << c.align;
  }
}

TEST_F(EditContainerLayoutTest, TrailingLineWithoutLineEndIsFlushLeft) {
  Add(4000);
  AddLineEnd(1);
  CSizedNode* trailing = Add(2000);
  Layout(10000);
  EXPECT_EQ(trailing->m_nLine, 1);
  EXPECT_EQ(trailing->m_arranged.nX, 1000);
}

TEST_F(EditContainerLayoutTest, RightFloatNarrowsTheLinesBesideIt) {
  CTestFloat* frame = AddFloat(2, 3000, 1000);
  std::vector<CSizedNode*> nodes;
  for (int i = 0; i < 12; ++i) nodes.push_back(Add(2000));
  AddLineEnd();
  Layout(10000);
  // Lines whose top lies above 1000 hold 6000 (a fourth 2000 would pass 7000); then 10000.
  std::vector<int> counts;
  for (const EDIT_LINE_INFO& line : Lines()) counts.push_back(line.nCount);
  EXPECT_EQ(counts, (std::vector<int>{3, 3, 3, 4}));
  EXPECT_EQ(frame->m_arranged.nX, 1000 + 7000);
  EXPECT_EQ(frame->m_arranged.nY, 2000);
  EXPECT_EQ(nodes[0]->m_arranged.nX, 1000);
  EXPECT_EQ(container.m_nWidth, 10000);
}

TEST_F(EditContainerLayoutTest, LeftFloatShiftsTheLinesBesideIt) {
  CTestFloat* frame = AddFloat(1, 3000, 500);
  CSizedNode* first = Add(4000);
  CSizedNode* second = Add(4000);
  CSizedNode* below = Add(4000);
  AddLineEnd();
  Layout(10000);
  EXPECT_EQ(frame->m_arranged.nX, 1000);
  EXPECT_EQ(first->m_arranged.nX, 1000 + 3000);
  EXPECT_EQ(second->m_nLine, 1);  // 8000 does not fit into the 7000 beside the float
  EXPECT_EQ(second->m_arranged.nX, 1000 + 3000);
  EXPECT_EQ(below->m_nLine, 2);
  EXPECT_EQ(below->m_arranged.nX, 1000);  // its line starts below the float
}

TEST_F(EditContainerLayoutTest, FloatInMidLineStartsTheLineItsFollowersShare) {
  CSizedNode* a = Add(1000);
  CTestFloat* frame = AddFloat(2, 3000, 1000);
  CSizedNode* b = Add(1000);
  AddLineEnd();
  Layout(10000);
  ASSERT_EQ(Lines().size(), 2u);
  EXPECT_EQ(a->m_nLine, 0);
  EXPECT_EQ(b->m_nLine, 1);
  EXPECT_EQ(b->m_nInLine, 0);
  EXPECT_EQ(frame->m_arranged.nY, 2000 + 400);
  EXPECT_EQ(b->m_arranged.nY, 2000 + 400);
  EXPECT_EQ(b->m_arranged.nX, 1000);
}

TEST_F(EditContainerLayoutTest, TrailingFloatGetsAnEmptyLine) {
  Add(1000);
  AddLineEnd();
  CTestFloat* frame = AddFloat(2, 3000, 1000);
  Layout(10000, 71);
  ASSERT_EQ(Lines().size(), 2u);
  EXPECT_EQ(Lines()[1].nCount, 0);
  EXPECT_EQ(Lines()[1].props.m_nHeight, 142);
  EXPECT_EQ(frame->m_arranged.nY, 2000 + 400 + 142);
  EXPECT_EQ(frame->m_arranged.nX, 1000 + 7000);
  EXPECT_EQ(container.m_nHeight, 542 + 1000);
}

TEST_F(EditContainerLayoutTest, HiddenContainerKeepsNoBox) {
  CSizedNode* a = Add(1000);
  AddLineEnd();
  container.m_bHidden = 1;
  Layout(10000);
  EXPECT_EQ(container.GetBoxCount(), 0);
  EXPECT_EQ(a->m_arranged.nPage, 0);
}

TEST_F(EditContainerLayoutTest, FindLineBreakFromAnswersOnlyForOwnChildren) {
  CSizedNode* a = Add(1000);
  CEditCR* cr = AddLineEnd();
  EXPECT_EQ(container.FindLineBreakFrom(a), cr);
  EXPECT_EQ(container.FindLineBreakFrom(cr), cr);
  CEditContainer other;
  auto* stranger = new CEditCR;
  other.AppendChild(stranger);
  EXPECT_EQ(container.FindLineBreakFrom(stranger), nullptr);
}

}  // namespace
