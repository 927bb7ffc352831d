#include <gtest/gtest.h>

#include "model/EditCaret.h"
#include "tests/model/SentenceTestSupport.h"

namespace {

class EditSentenceHitsTest : public ::testing::Test, public CSentenceLayoutFixture {
 protected:
  CEditSentence sentence;
};

// A float opens the second line: the line's last child is its line end, which nFirst + nCount - 1
// would miss.
TEST_F(EditSentenceHitsTest, PointBesideALineFindsItsEndsAlsoWithAFloatOnTheLine) {
  AddSized(sentence, 1000);
  AddLineEnd(sentence);
  sentence.AppendChild(new CTestFloat(0, 300, 300));
  CSizedNode* first = AddSized(sentence, 1000);
  AddSized(sentence, 1000);
  CEditCR* end = AddLineEnd(sentence);
  Layout(sentence, {.nWidth = 10000});
  const EDIT_LINE_INFO& line = Line(sentence, 0, 1);
  const int y = (line.props.m_rcInk.top + line.props.m_rcInk.bottom) / 2;

  int after = -1;
  EXPECT_EQ(sentence.NodeFromPoint(9000, y, &after), end);
  EXPECT_EQ(after, 1);
  EXPECT_EQ(sentence.NodeFromPoint(1000, y, &after), first);
  EXPECT_EQ(after, 0);
  EXPECT_EQ(sentence.NodeFromPoint(9000, y, nullptr), end);
  EXPECT_EQ(sentence.NodeFromPoint(20000, y, &after), nullptr);
}

TEST_F(EditSentenceHitsTest, HiddenSentenceAnswersNoNode) {
  AddSized(sentence, 1000);
  AddLineEnd(sentence);
  Layout(sentence, {.nWidth = 10000});
  sentence.m_bHidden = 2;
  EXPECT_EQ(sentence.NodeFromPoint(1500, 2500, nullptr), nullptr);
}

// Two boxes of two lines, each line one element and its line end.
class EditSentenceLinesTest : public EditSentenceHitsTest {
 protected:
  void SetUp() override {
    for (int i = 0; i < 4; ++i) {
      elements[i] = AddSized(sentence, 1000);
      ends[i] = AddLineEnd(sentence);
    }
    Measure(sentence, {.nWidth = 10000, .nPageHeight = 2000});
    Arrange(sentence, 0, 1000, 0, 1);
    Arrange(sentence, 1, 1000, 0, 2);
  }
  CSizedNode* elements[4] = {};
  CEditCR* ends[4] = {};
  CEditCaret caret;
};

TEST_F(EditSentenceLinesTest, NeighbouringLinesAreTakenFromTheNodesOwnBox) {
  ASSERT_EQ(sentence.GetBoxCount(), 2);
  caret.m_bKeepX = 1;
  EXPECT_EQ(sentence.GetNodeOnPrevLine(elements[3], &caret), elements[2]);
  EXPECT_EQ(sentence.GetNodeOnNextLine(elements[2], &caret), elements[3]);
  EXPECT_EQ(sentence.GetNodeOnNextLine(elements[0], &caret), elements[1]);
}

TEST_F(EditSentenceLinesTest, FirstAndLastLinesOfABoxReachIntoTheNeighbouringBoxes) {
  caret.m_bKeepX = 1;
  EXPECT_EQ(sentence.GetNodeOnPrevLine(elements[2], &caret), elements[1]);
  EXPECT_EQ(sentence.GetNodeOnNextLine(elements[1], &caret), elements[2]);
  EXPECT_EQ(sentence.GetNodeOnPrevLine(elements[0], &caret), elements[0]);
  EXPECT_EQ(sentence.GetNodeOnNextLine(elements[3], &caret), elements[3]);
}

TEST_F(EditSentenceLinesTest, WithoutKeptPositionTheLinesLastChildAnswers) {
  EXPECT_EQ(sentence.GetNodeOnPrevLine(elements[3], &caret), ends[2]);
  EXPECT_EQ(sentence.GetNodeOnNextLine(elements[0], nullptr), ends[1]);
}

TEST_F(EditSentenceLinesTest, NodeOfAnotherContainerIsAnsweredItself) {
  CEditSentence other;
  CSizedNode* stranger = AddSized(other, 1000);
  stranger->m_nLine = 1;
  EXPECT_EQ(sentence.GetNodeOnPrevLine(stranger, &caret), stranger);
  EXPECT_EQ(sentence.GetNodeOnNextLine(nullptr, &caret), nullptr);
}

}  // namespace
