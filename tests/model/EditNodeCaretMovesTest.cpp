#include <gtest/gtest.h>

#include "tests/support/EditSession.h"

namespace {

constexpr DWORD kChar = 0x01001001;
constexpr DWORD kRuby = 0x20001003;

struct LAID_OUT {
  int line, inLine, left;
};

class EditCaretMovesTest : public EditSessionTest {
 protected:
  CEditNode* AddChar(CEditNode* parent, LAID_OUT at = {0, 0, 0}) {
    CEditNode* node = Add(parent, kChar);
    node->m_nLine = at.line;
    node->m_nInLine = at.inLine;
    node->m_rcInk.left = at.left;
    return node;
  }
  CEditNode* AddSentence() {
    CEditNode* sentence = Add(m_root.get(), NTYPE_EDITSENTENCE);
    sentence->m_bCaretStop = 0;
    return sentence;
  }
};

// s1: a [ruby: x y CR] b CR    s2: c CR
TEST_F(EditCaretMovesTest, LeftAndRightWalkIntoContainersAndAcrossSentences) {
  CEditNode* s1 = AddSentence();
  CEditNode* a = AddChar(s1);
  CEditNode* ruby = Add(s1, kRuby);
  CEditNode* x = AddChar(ruby);
  CEditNode* y = AddChar(ruby);
  CEditNode* rubyEnd = Add(ruby, NTYPE_EDITCR);
  CEditNode* b = AddChar(s1);
  CEditNode* end1 = Add(s1, NTYPE_EDITCR);
  CEditNode* s2 = AddSentence();
  CEditNode* c = AddChar(s2);
  CEditNode* end2 = Add(s2, NTYPE_EDITCR);

  const std::vector<CEditNode*> rightwards{a, ruby, x, y, rubyEnd, b, end1, c, end2};
  m_caret.m_pCaretNode = a;
  for (size_t i = 1; i < rightwards.size(); ++i) {
    EXPECT_EQ(a->MoveCaretRight(&m_caret, FALSE), rightwards[i]) << i;
    EXPECT_EQ(m_caret.m_pCaretNode, rightwards[i]);
  }
  EXPECT_EQ(a->MoveCaretRight(&m_caret, FALSE), nullptr);
  EXPECT_EQ(m_caret.m_pCaretNode, end2);

  const std::vector<CEditNode*> leftwards{end2, c, end1, b, rubyEnd, y, x, ruby, a};
  for (size_t i = 1; i < leftwards.size(); ++i) EXPECT_EQ(a->MoveCaretLeft(&m_caret, FALSE), leftwards[i]) << i;
  EXPECT_EQ(a->MoveCaretLeft(&m_caret, FALSE), nullptr);  // the sheet root ends the climb
  EXPECT_EQ(m_caret.m_pCaretNode, a);
}

TEST_F(EditCaretMovesTest, HiddenNodesAreNoCaretStops) {
  CEditNode* s = AddSentence();
  CEditNode* a = AddChar(s);
  CEditNode* hidden = AddChar(s);
  hidden->m_bHidden = 1;
  CEditNode* b = AddChar(s);
  m_caret.m_pCaretNode = a;
  EXPECT_EQ(a->MoveCaretRight(&m_caret, FALSE), b);
  EXPECT_EQ(a->MoveCaretLeft(&m_caret, FALSE), a);
}

TEST_F(EditCaretMovesTest, ExtendingStaysAmongSiblingsAndKeepsTheAnchor) {
  CEditNode* s = AddSentence();
  CEditNode* a = AddChar(s);
  CEditNode* ruby = Add(s, kRuby);
  AddChar(ruby);
  CEditNode* end = Add(s, NTYPE_EDITCR);
  m_caret.m_pCaretNode = a;
  EXPECT_EQ(a->MoveCaretRight(&m_caret, TRUE), ruby);  // does not enter the ruby
  EXPECT_EQ(a->MoveCaretRight(&m_caret, TRUE), end);
  EXPECT_EQ(a->MoveCaretRight(&m_caret, TRUE), nullptr);
  EXPECT_EQ(m_caret.m_pAnchor, a);
  EXPECT_EQ(m_caret.m_pCaretNode, end);
  EXPECT_EQ(a->MoveCaretLeft(&m_caret, TRUE), ruby);
  EXPECT_EQ(m_caret.m_pAnchor, a);
  EXPECT_EQ(a->MoveCaretLeft(&m_caret, FALSE), a);
  EXPECT_EQ(m_caret.m_pAnchor, nullptr);
}

TEST_F(EditCaretMovesTest, ARefusedExtendingMoveSelectsNothing) {
  CEditNode* s = AddSentence();
  CEditNode* a = AddChar(s);
  CEditNode* end = Add(s, NTYPE_EDITCR);
  m_caret.m_pCaretNode = a;
  EXPECT_EQ(a->MoveCaretLeft(&m_caret, TRUE), nullptr);
  EXPECT_EQ(a->MoveCaretLineStart(&m_caret, TRUE), a);
  m_caret.m_pCaretNode = end;
  EXPECT_EQ(end->MoveCaretRight(&m_caret, TRUE), nullptr);
  EXPECT_EQ(end->MoveCaretLineEnd(&m_caret, TRUE), end);
  EXPECT_EQ(m_caret.m_pAnchor, nullptr);
}

TEST_F(EditCaretMovesTest, NoCaretNodeOrNoParentMovesNothing) {
  CEditNode loose(kChar);
  for (CEditNode* node : {static_cast<CEditNode*>(nullptr), &loose}) {
    m_caret.m_pCaretNode = node;
    EXPECT_EQ(loose.MoveCaretLeft(&m_caret, FALSE), nullptr);
    EXPECT_EQ(loose.MoveCaretRight(&m_caret, FALSE), nullptr);
    EXPECT_EQ(loose.MoveCaretUp(&m_caret, FALSE), nullptr);
    EXPECT_EQ(loose.MoveCaretDown(&m_caret, FALSE), nullptr);
    EXPECT_EQ(loose.MoveCaretLineStart(&m_caret, FALSE), nullptr);
    EXPECT_EQ(loose.MoveCaretLineEnd(&m_caret, FALSE), nullptr);
  }
}

// Two laid-out lines:  a(0) b(100) c(200) / d(0) e(100) CR(200)
class EditTwoLinesTest : public EditCaretMovesTest {
 protected:
  void SetUp() override {
    m_sentence = AddSentence();
    a = AddChar(m_sentence, {0, 0, 0});
    b = AddChar(m_sentence, {0, 1, 100});
    c = AddChar(m_sentence, {0, 2, 200});
    d = AddChar(m_sentence, {1, 0, 0});
    e = AddChar(m_sentence, {1, 1, 100});
    end = Add(m_sentence, NTYPE_EDITCR);
    end->m_nLine = 1;
    end->m_nInLine = 2;
    end->m_rcInk.left = 200;
  }
  CEditNode* m_sentence = nullptr;
  CEditNode *a = nullptr, *b = nullptr, *c = nullptr, *d = nullptr, *e = nullptr, *end = nullptr;
};

TEST_F(EditTwoLinesTest, UpAndDownAimAtTheDesiredX) {
  m_caret.m_pCaretNode = e;
  m_caret.m_nDesiredX = -1;
  EXPECT_EQ(e->MoveCaretUp(&m_caret, FALSE), b);
  EXPECT_EQ(m_caret.m_nDesiredX, 100);
  EXPECT_EQ(b->MoveCaretDown(&m_caret, FALSE), e);

  m_caret.m_nDesiredX = 150;
  EXPECT_EQ(e->MoveCaretUp(&m_caret, FALSE), b);  // the last stop left of x
  EXPECT_EQ(b->MoveCaretDown(&m_caret, FALSE), end);
}

TEST_F(EditTwoLinesTest, DownFromTheLastLineStopsAtTheLastStopOfTheLineBelow) {
  CEditNode* s2 = AddSentence();
  AddChar(s2, {0, 0, 0});
  CEditNode* g = AddChar(s2, {0, 1, 100});
  AddChar(s2, {1, 0, 0});
  m_caret.m_pCaretNode = d;
  m_caret.m_nDesiredX = 500;
  EXPECT_EQ(d->MoveCaretDown(&m_caret, FALSE), g);
  m_caret.m_nDesiredX = 50;
  m_caret.m_pCaretNode = e;
  EXPECT_EQ(e->MoveCaretDown(&m_caret, FALSE), g);
}

TEST_F(EditTwoLinesTest, ExtendingVerticallyPullsAForeignAnchorAlong) {
  CEditNode* ruby = Add(m_sentence, kRuby);
  CEditNode* inRuby = AddChar(ruby);
  m_caret.m_pCaretNode = e;
  m_caret.m_pAnchor = inRuby;
  m_caret.m_nDesiredX = 100;
  EXPECT_EQ(e->MoveCaretUp(&m_caret, TRUE), b);
  EXPECT_EQ(m_caret.m_pAnchor, b);
  m_caret.m_pAnchor = e;
  EXPECT_EQ(b->MoveCaretDown(&m_caret, TRUE), e);
  EXPECT_EQ(m_caret.m_pAnchor, e);  // same parent: kept
}

TEST_F(EditTwoLinesTest, LineStartAndLineEnd) {
  m_caret.m_pCaretNode = e;
  EXPECT_EQ(e->MoveCaretLineStart(&m_caret, FALSE), d);
  EXPECT_EQ(d->MoveCaretLineStart(&m_caret, FALSE), d);  // already there
  EXPECT_EQ(d->MoveCaretLineEnd(&m_caret, FALSE), end);
  m_caret.m_pCaretNode = a;
  EXPECT_EQ(a->MoveCaretLineEnd(&m_caret, TRUE), c);  // before the soft line's last node
  EXPECT_EQ(m_caret.m_pAnchor, a);
  c->m_bCaretStop = 0;
  m_caret.m_pCaretNode = a;
  EXPECT_EQ(a->MoveCaretLineEnd(&m_caret, FALSE), nullptr);
  EXPECT_EQ(m_caret.m_pCaretNode, a);
  EXPECT_EQ(m_caret.m_pAnchor, nullptr);
}

TEST_F(EditCaretMovesTest, UpWithoutALineStartFallsBackToTheLastVisibleSentence) {
  CEditNode* s0 = AddSentence();
  AddChar(s0);
  CEditNode* end0 = Add(s0, NTYPE_EDITCR);
  CEditNode* hidden = AddSentence();
  hidden->m_bHidden = 1;
  AddChar(hidden);
  Add(hidden, NTYPE_EDITCR);
  CEditNode* s2 = AddSentence();
  CEditNode* first = AddChar(s2, {0, 1, 0});  // stale layout: no line start before it
  Add(s2, NTYPE_EDITCR);
  m_caret.m_pCaretNode = first;
  EXPECT_EQ(first->MoveCaretUp(&m_caret, FALSE), end0);
}

TEST_F(EditCaretMovesTest, UpFromAFirstLinePassesOverAHiddenSentence) {
  CEditNode* s0 = AddSentence();
  AddChar(s0, {0, 0, 0});
  AddChar(s0, {0, 1, 100});
  CEditNode* end0 = Add(s0, NTYPE_EDITCR);
  end0->m_nInLine = 2;
  end0->m_rcInk.left = 200;
  CEditNode* hidden = AddSentence();
  hidden->m_bHidden = 1;
  AddChar(hidden, {0, 0, 250});
  Add(hidden, NTYPE_EDITCR);
  CEditNode* s2 = AddSentence();
  CEditNode* first = AddChar(s2);
  Add(s2, NTYPE_EDITCR);
  m_caret.m_pCaretNode = first;
  m_caret.m_nDesiredX = 300;
  EXPECT_EQ(first->MoveCaretUp(&m_caret, FALSE), end0);
}

// A page break's mark line is no caret stop: moving up or down passes over the page break.
TEST_F(EditCaretMovesTest, UpAndDownPassOverASentenceWithoutCaretStops) {
  CEditNode* s0 = AddSentence();
  AddChar(s0);
  CEditNode* end0 = Add(s0, NTYPE_EDITCR);
  CEditNode* pageBreak = AddSentence();
  Add(pageBreak, NTYPE_EDITCR)->m_bCaretStop = 0;
  CEditNode* s2 = AddSentence();
  CEditNode* first = AddChar(s2, {0, 1, 0});  // no line start before it: the sentence walk decides
  Add(s2, NTYPE_EDITCR);
  m_caret.m_pCaretNode = first;
  EXPECT_EQ(first->MoveCaretUp(&m_caret, FALSE), end0);
  CEditNode* start0 = s0->GetEditChildAt(0);
  start0->m_nInLine = 1;  // likewise no line end after the line: the walk goes down
  end0->m_nInLine = 2;
  end0->m_nLine = 1;
  m_caret.m_pCaretNode = end0;
  EXPECT_EQ(end0->MoveCaretDown(&m_caret, FALSE), first);
}

}  // namespace
