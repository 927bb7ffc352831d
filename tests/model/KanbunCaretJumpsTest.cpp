#include <gtest/gtest.h>

#include "model/KanbunParts.h"
#include "tests/support/EditSession.h"

namespace {

constexpr DWORD kKanChar = 0x81001012;
constexpr DWORD kKanCR = 0x91001013;

class KanbunCaretJumpsTest : public EditSessionTest {
 protected:
  // A block whose parts each hold one mark and the closing line end; the caret sits at the
  // first or the last position of the part.
  void Build(int parts) {
    CEditNode* sentence = Add(m_root.get(), NTYPE_EDITSENTENCE);
    sentence->m_bCaretStop = 0;
    m_block = Add(sentence, NTYPE_EDITKAN);
    m_block->m_bCaretStop = 0;
    const int firstKana = 2, lastKana = 3;
    for (int i = 0; i < parts; ++i) {
      CEditNode* box = Add(m_block, i >= firstKana && i <= lastKana ? NTYPE_EDITOKURIGANA : NTYPE_EDITKUNTEN);
      box->m_bCaretStop = 0;
      Add(box, kKanChar);
      Add(box, kKanCR);
    }
    Add(sentence, NTYPE_EDITCR);
  }
  CEditNode* FirstOf(int part) { return m_block->GetEditChildAt(part)->GetEditChildAt(0); }
  CEditNode* LastOf(int part) { return m_block->GetEditChildAt(part)->GetEditChildAt(1); }

  CEditNode* m_block = nullptr;
};

struct JUMP {
  int parts;
  KanbunMove move;
  int from;
  int to;  // -1: no jump
};

constexpr KanbunMove L = KanbunMove::Left, R = KanbunMove::Right, U = KanbunMove::Up, D = KanbunMove::Down;

const JUMP kJumps[] = {
    {7, L, 0, -1}, {7, L, 1, 0}, {7, L, 2, 0}, {7, L, 3, 0}, {7, L, 4, 1}, {7, L, 5, 1}, {7, L, 6, 4},
    {5, L, 0, -1}, {5, L, 1, 0}, {5, L, 2, 0}, {5, L, 3, 0}, {5, L, 4, 1},
    {7, R, 0, 1}, {7, R, 1, 4}, {7, R, 2, 4}, {7, R, 3, 5}, {7, R, 4, 6}, {7, R, 5, 6}, {7, R, 6, -1},
    {5, R, 0, 1}, {5, R, 1, 4}, {5, R, 2, 4}, {5, R, 3, 4}, {5, R, 4, -1},
    {7, U, 0, 2}, {7, U, 1, 2}, {7, U, 2, -1}, {7, U, 3, 1}, {7, U, 4, 2}, {7, U, 5, 4}, {7, U, 6, 2},
    {5, U, 0, 2}, {5, U, 1, 2}, {5, U, 2, -1}, {5, U, 3, 1}, {5, U, 4, 2},
    {7, D, 0, 3}, {7, D, 1, 3}, {7, D, 2, 1}, {7, D, 3, -1}, {7, D, 4, 5}, {7, D, 5, 3}, {7, D, 6, 3},
    {5, D, 0, 3}, {5, D, 1, 3}, {5, D, 2, 1}, {5, D, 3, -1}, {5, D, 4, 3},
};

CEditNode* Move(CEditNode* node, CEditCaret* caret, KanbunMove move) {
  switch (move) {
    case KanbunMove::Left: return node->MoveCaretLeft(caret, FALSE);
    case KanbunMove::Right: return node->MoveCaretRight(caret, FALSE);
    case KanbunMove::Up: return node->MoveCaretUp(caret, FALSE);
    case KanbunMove::Down: return node->MoveCaretDown(caret, FALSE);
  }
  return nullptr;
}

TEST_F(KanbunCaretJumpsTest, EveryJumpBetweenPartBoxes) {
  for (int parts : {7, 5}) {
    m_root->DeleteAllChildren();
    Build(parts);
    for (const JUMP& jump : kJumps) {
      if (jump.parts != parts) continue;
      // Left jumps from a part's start, right jumps from its end, up and down from anywhere.
      CEditNode* from = jump.move == KanbunMove::Right ? LastOf(jump.from) : FirstOf(jump.from);
      SCOPED_TRACE(testing::Message() << parts << " parts, move " << int(jump.move) << " from " << jump.from);
      m_caret.m_pCaretNode = from;
      CEditNode* reached = Move(from, &m_caret, jump.move);
      if (jump.to < 0) {
        EXPECT_EQ(GetKanbunJumpTarget(from, jump.move), nullptr);
      } else {
        EXPECT_EQ(reached, FirstOf(jump.to));
        EXPECT_EQ(m_caret.m_pCaretNode, FirstOf(jump.to));
      }
    }
  }
}

TEST_F(KanbunCaretJumpsTest, NoJumpInsideAPartOrIntoALockedPart) {
  Build(7);
  // Left from the line end of the kanji box stays in the box.
  m_caret.m_pCaretNode = LastOf(1);
  EXPECT_EQ(LastOf(1)->MoveCaretLeft(&m_caret, FALSE), FirstOf(1));
  // Part 4 without caret stops: moving left from part 6 does not jump there.
  m_block->GetEditChildAt(4)->SetCaretStopRecursive(0);
  EXPECT_EQ(GetKanbunJumpTarget(FirstOf(6), KanbunMove::Left), nullptr);
  // A box outside a kanbun block has no jumps.
  CEditNode* box = m_block->GetEditChildAt(2);
  CEditNode* kana = box->GetEditChildAt(0);
  box->Detach();
  m_root->GetEditChildAt(0)->AppendChild(box);
  EXPECT_EQ(GetKanbunJumpTarget(kana, KanbunMove::Up), nullptr);
}

TEST_F(KanbunCaretJumpsTest, TheKaeritenBoxTakesTwoMarks) {
  Build(7);
  for (int part = 0; part < 7; ++part)
    EXPECT_EQ(GetKuntenBoxKind(m_block->GetChildAt(part)), part == 5 ? 2 : 1) << part;
  m_root->DeleteAllChildren();
  Build(5);
  EXPECT_EQ(GetKuntenBoxKind(m_block->GetChildAt(4)), 2);
  EXPECT_EQ(GetKuntenBoxKind(m_block->GetChildAt(3)), 1);
}

}  // namespace
