#include <gtest/gtest.h>

#include <memory>

#include "elements/EditFloat.h"
#include "model/EditCR.h"
#include "model/EditCaret.h"
#include "model/EditChar.h"

namespace {

// sheet root > sentence > [before..., frame > [x, line end]]; neither the sentence nor the
// frame is a caret stop, so the ordinary move finds nothing to the left of the frame.
class EditFloatCaretTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root->AppendChild(sentence);
    sentence->m_bCaretStop = 0;
    frame->m_bCaretStop = 0;
    frame->AppendChild(inside);
    frame->AppendChild(new CEditCR);
  }
  template <class T>
  T* Before(T* node, int caretStop = 0, int hidden = 0) {
    node->m_bCaretStop = caretStop;
    node->m_bHidden = hidden;
    sentence->AppendChild(node);
    return node;
  }
  CEditNode* MoveLeftFromInside(BOOL bExtend = FALSE) {
    sentence->AppendChild(frame);
    caret.m_pCaretNode = inside;
    return frame->MoveCaretLeft(&caret, bExtend);
  }

  std::unique_ptr<CEditNode> root = std::make_unique<CEditNode>(NTYPE_EDITPRINT);
  CEditContainer* sentence = new CEditContainer(NTYPE_EDITSENTENCE);
  CEditFloat* frame = new CEditFloat;
  CEditChar* inside = new CEditChar(u'x');
  CEditCaret caret;
};

TEST_F(EditFloatCaretTest, LeavesToTheNearestVisibleNodeBeforeTheFrame) {
  CEditChar* visible = Before(new CEditChar(u'a'));
  Before(new CEditChar(u'b'), 0, 1);
  EXPECT_EQ(MoveLeftFromInside(), visible);
  EXPECT_EQ(caret.m_pCaretNode, visible);
}

TEST_F(EditFloatCaretTest, EntersAContainerBeforeTheFrameAtItsEnd) {
  auto* box = Before(new CEditContainer(NTYPE_EDITRUBYBASE));
  auto* a = new CEditChar(u'a');
  a->m_bCaretStop = 0;
  box->AppendChild(a);
  auto* end = new CEditCR;
  end->m_bCaretStop = 0;
  box->AppendChild(end);
  EXPECT_EQ(MoveLeftFromInside(), end);
}

TEST_F(EditFloatCaretTest, OrdinaryMoveWinsWhenItFindsACaretStop) {
  CEditChar* stop = Before(new CEditChar(u'a'), 1);
  Before(new CEditChar(u'b'));
  EXPECT_EQ(MoveLeftFromInside(), stop);
}

TEST_F(EditFloatCaretTest, NothingBeforeTheFrameLeavesTheCaret) {
  Before(new CEditChar(u'h'), 0, 1);
  EXPECT_EQ(MoveLeftFromInside(), nullptr);
  EXPECT_EQ(caret.m_pCaretNode, inside);

  caret.m_pCaretNode = nullptr;
  EXPECT_EQ(frame->MoveCaretLeft(&caret, FALSE), nullptr);
  EXPECT_EQ(frame->MoveCaretLeft(nullptr, FALSE), nullptr);
}

TEST_F(EditFloatCaretTest, ExtendingMovesTheAnchorOutOfTheFrameToo) {
  CEditChar* visible = Before(new CEditChar(u'a'));
  EXPECT_EQ(MoveLeftFromInside(TRUE), visible);
  EXPECT_EQ(caret.m_pAnchor, visible);
}

TEST_F(EditFloatCaretTest, ExtendingKeepsAnAnchorOfTheSameParent) {
  CEditChar* visible = Before(new CEditChar(u'a'));
  sentence->AppendChild(frame);
  caret.m_pCaretNode = frame;
  caret.m_pAnchor = frame;
  EXPECT_EQ(frame->MoveCaretLeft(&caret, TRUE), visible);
  EXPECT_EQ(caret.m_pAnchor, frame);
}

}  // namespace
