#include <gtest/gtest.h>

#include "model/EditNode.h"

namespace {

constexpr DWORD kChar = 0x01001001;
constexpr DWORD kContainer = 0x20001010;

CEditNode* Add(CEditNode& parent, DWORD type, int line = 0, int inLine = 0) {
  auto* node = new CEditNode(type);
  node->m_nLine = line;
  node->m_nInLine = inLine;
  parent.AppendChild(node);
  return node;
}

TEST(EditNodeCaretWalkTest, CaretChildrenDescendToTheFirstCaretStop) {
  CEditNode root(kContainer);
  CEditNode* outer = Add(root, kContainer);
  outer->m_bCaretStop = 0;
  CEditNode* inner = Add(*outer, kChar);
  CEditNode* last = Add(root, kChar);
  EXPECT_EQ(root.GetFirstCaretChild(), inner);
  EXPECT_EQ(root.GetLastCaretChild(), last);
  EXPECT_EQ(inner->GetFirstCaretChild(), nullptr);  // a leaf

  inner->m_bHidden = 1;
  EXPECT_EQ(root.GetFirstCaretChild(), nullptr);
}

TEST(EditNodeCaretWalkTest, CaretDescendantsSkipNodesThatAreNoStops) {
  CEditNode root(kContainer);
  CEditNode* hidden = Add(root, kChar);
  hidden->m_bHidden = 1;
  CEditNode* box = Add(root, kContainer);
  box->m_bCaretStop = 0;
  CEditNode* inBox = Add(*box, kChar);
  CEditNode* end = Add(root, NTYPE_EDITCR);
  EXPECT_EQ(root.GetFirstCaretDescendant(), inBox);
  EXPECT_EQ(root.GetLastCaretDescendant(), end);
  end->m_bCaretStop = 0;
  EXPECT_EQ(root.GetLastCaretDescendant(), inBox);
}

TEST(EditNodeCaretWalkTest, LineBreaksAmongSiblings) {
  CEditNode root(kContainer);
  CEditNode* cr1 = Add(root, NTYPE_EDITCR);
  CEditNode* a = Add(root, kChar);
  CEditNode* b = Add(root, kChar);
  CEditNode* cr2 = Add(root, NTYPE_EDITCR);
  EXPECT_EQ(root.CountLineBreaks(), 2);
  EXPECT_EQ(a->GetPrevLineBreak(), cr1);
  EXPECT_EQ(b->GetNextLineBreak(), cr2);
  EXPECT_EQ(cr2->GetNextLineBreak(), nullptr);  // the node itself does not count
  EXPECT_EQ(cr1->GetPrevLineBreak(), nullptr);
}

TEST(EditNodeCaretWalkTest, CaretPrevStopsOnceAtALineEnd) {
  CEditNode root(kContainer);
  CEditNode* a = Add(root, kChar);
  CEditNode* cr = Add(root, NTYPE_EDITCR);
  CEditNode* b = Add(root, kChar);

  int flag = 1;
  EXPECT_EQ(cr->GetCaretPrev(&flag), nullptr);
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(cr->GetCaretPrev(&flag), a);
  flag = 1;
  EXPECT_EQ(b->GetCaretPrev(&flag), cr);
  EXPECT_EQ(flag, 0);

  flag = 1;
  EXPECT_EQ(cr->GetCaretNext(&flag), b);  // forwards a line end does not stop
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(a->GetCaretNext(nullptr), cr);
}

TEST(EditNodeCaretWalkTest, LineStartAndLineEndFollowTheLaidOutLines) {
  CEditNode root(kContainer);
  CEditNode* a = Add(root, kChar, 0, 0);
  CEditNode* b = Add(root, kChar, 0, 1);
  CEditNode* c = Add(root, kChar, 0, 2);
  CEditNode* d = Add(root, kChar, 1, 0);
  CEditNode* cr = Add(root, NTYPE_EDITCR, 1, 1);
  CEditNode* e = Add(root, kChar, 2, 0);
  CEditNode* f = Add(root, kChar, 2, 1);

  EXPECT_EQ(a->GetLineStartNode(), a);
  EXPECT_EQ(c->GetLineStartNode(), a);
  EXPECT_EQ(f->GetLineStartNode(), e);
  EXPECT_EQ(b->GetLineEndNode(), c);  // before the line's last node
  EXPECT_EQ(d->GetLineEndNode(), cr);
  EXPECT_EQ(cr->GetLineEndNode(), cr);
  EXPECT_EQ(e->GetLineEndNode(), f);  // running out of siblings

  CEditNode orphanParent(kContainer);
  CEditNode* orphan = Add(orphanParent, kChar, 0, 3);
  EXPECT_EQ(orphan->GetLineStartNode(), nullptr);
}

TEST(EditNodeCaretWalkTest, LineStartStopsAtALineEndOnTheWay) {
  CEditNode root(kContainer);
  CEditNode* cr = Add(root, NTYPE_EDITCR, 0, 3);
  CEditNode* a = Add(root, kChar, 1, 4);
  EXPECT_EQ(a->GetLineStartNode(), cr);
}

}  // namespace
