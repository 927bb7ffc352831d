#include "model/EditCaret.h"
#include "model/EditNode.h"
#include "model/KanbunParts.h"

namespace {

CEditNode* AsEditNode(CQVXMLNode* node) { return dynamic_cast<CEditNode*>(node); }

CEditNode* PrevCaretStopSibling(const CEditNode* node) {
  for (auto* s = AsEditNode(node->GetPrevSibling()); s; s = AsEditNode(s->GetPrevSibling()))
    if (s->IsCaretStop()) return s;
  return nullptr;
}

CEditNode* NextCaretStopSibling(const CEditNode* node) {
  for (auto* s = AsEditNode(node->GetNextSibling()); s; s = AsEditNode(s->GetNextSibling()))
    if (s->IsCaretStop()) return s;
  return nullptr;
}

CEditNode* MoveTo(CEditCaret* pCaret, CEditNode* target) {
  if (target) pCaret->m_pCaretNode = target;
  return target;
}

// A selection starts only when the caret really moves, so that a refused move selects nothing.
CEditNode* ExtendTo(CEditCaret* pCaret, CEditNode* target) {
  if (!target || target == pCaret->m_pCaretNode) return target;
  if (!pCaret->m_pAnchor) pCaret->m_pAnchor = pCaret->m_pCaretNode;
  return MoveTo(pCaret, target);
}

// A vertical or line move keeps the selection within one parent.
CEditNode* MoveKeepingAnchor(CEditCaret* pCaret, CEditNode* target, BOOL bExtend) {
  if (!bExtend) return MoveTo(pCaret, target);
  ExtendTo(pCaret, target);
  if (target && pCaret->m_pAnchor && pCaret->m_pAnchor->GetParent() != target->GetParent())
    pCaret->m_pAnchor = target;
  return target;
}

// The last position inside the nearest caret stop before the node, or that stop itself.
CEditNode* LastPositionBefore(const CEditNode* node) {
  CEditNode* stop = PrevCaretStopSibling(node);
  if (!stop) return nullptr;
  CEditNode* inner = stop->GetLastCaretDescendant();
  CEditNode* result = inner ? inner : stop;
  return result->IsCaretStop() ? result : nullptr;
}

CEditNode* ClimbLeft(const CEditNode* node) {
  for (CEditNode* up = AsEditNode(node->GetParent()); up; up = AsEditNode(up->GetParent())) {
    if (up->m_nType == NTYPE_EDITPRINT) return nullptr;
    if (up->IsCaretStop()) return up;
    for (auto* s = AsEditNode(up->GetPrevSibling()); s; s = AsEditNode(s->GetPrevSibling())) {
      if (s->IsCaretStop()) return s;
      CEditNode* inner = s->GetLastCaretDescendant();
      if (inner && inner->IsCaretStop()) return inner;
    }
  }
  return nullptr;
}

CEditNode* ClimbRight(const CEditNode* node) {
  for (CEditNode* up = AsEditNode(node->GetParent()); up && up->m_nType != NTYPE_EDITPRINT;
       up = AsEditNode(up->GetParent())) {
    for (auto* s = AsEditNode(up->GetNextSibling()); s; s = AsEditNode(s->GetNextSibling())) {
      if (s->IsCaretStop()) return s;
      CEditNode* inner = s->GetFirstCaretDescendant();
      if (inner && inner->IsCaretStop()) return inner;
    }
  }
  return nullptr;
}

// The nearest caret position in a visible sibling of the sentence around the node, searched
// backwards (its last position) or forwards (its first); siblings without a position, such
// as a page break, are passed over.
CEditNode* PositionInSentenceBeside(CEditNode* node, bool bBefore) {
  CQVXMLNode* sentence = node->FindAncestor(NTYPE_EDITSENTENCE, TRUE);
  if (!sentence) return nullptr;
  for (CQVXMLNode* s = bBefore ? sentence->GetPrevSibling() : sentence->GetNextSibling(); s;
       s = bBefore ? s->GetPrevSibling() : s->GetNextSibling()) {
    auto* edit = AsEditNode(s);
    if (!edit || !edit->IsVisible()) continue;
    if (CEditNode* position = bBefore ? edit->GetLastCaretDescendant() : edit->GetFirstCaretDescendant())
      return position;
  }
  return nullptr;
}

CEditNode* LastPositionOfSentenceAbove(CEditNode* node) { return PositionInSentenceBeside(node, true); }

CEditNode* FirstPositionOfSentenceBelow(CEditNode* node) { return PositionInSentenceBeside(node, false); }

// The table cell holding the caret, when the move is not already the cell's own: a cell moves
// the caret by its rows.
CEditNode* CellToMoveIn(CEditNode* caret, const CEditNode* self) {
  CEditNode* parent = AsEditNode(caret->GetParent());
  return parent && parent != self && parent->m_nType == NTYPE_EDITCELL ? parent : nullptr;
}

}  // namespace

CEditNode* CEditNode::MoveCaretLeft(CEditCaret* pCaret, BOOL bExtend) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  if (!caret) return nullptr;
  try {
    if (bExtend) return ExtendTo(pCaret, PrevCaretStopSibling(caret));
    pCaret->ClearSelection();
    CEditNode* target = caret->GetPrevSibling() ? nullptr : GetKanbunJumpTarget(caret, KanbunMove::Left);
    if (!target) target = PrevCaretStopSibling(caret) ? LastPositionBefore(caret) : ClimbLeft(caret);
    return MoveTo(pCaret, target);
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditNode::MoveCaretRight(CEditCaret* pCaret, BOOL bExtend) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  if (!caret) return nullptr;
  try {
    if (bExtend) return ExtendTo(pCaret, NextCaretStopSibling(caret));
    pCaret->ClearSelection();
    CEditNode* target = caret->GetNextSibling() ? nullptr : GetKanbunJumpTarget(caret, KanbunMove::Right);
    if (!target) target = caret->GetFirstCaretDescendant();
    if (!target) target = NextCaretStopSibling(caret);
    if (!target) target = ClimbRight(caret);
    return MoveTo(pCaret, target);
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditNode::MoveCaretUp(CEditCaret* pCaret, BOOL bExtend) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  if (!caret) return nullptr;
  if (CEditNode* cell = CellToMoveIn(caret, this)) return cell->MoveCaretUp(pCaret, bExtend);
  try {
    if (!bExtend) {
      pCaret->ClearSelection();
      if (CEditNode* jump = GetKanbunJumpTarget(caret, KanbunMove::Up)) return MoveTo(pCaret, jump);
    }
    CEditNode* target = caret->GetNodeAbove(pCaret);
    if (!target || (target != caret && !target->IsCaretStop())) target = LastPositionOfSentenceAbove(caret);
    if (target && !target->IsCaretStop()) target = AsEditNode(target->GetLastChild());
    return MoveKeepingAnchor(pCaret, target, bExtend);
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditNode::MoveCaretDown(CEditCaret* pCaret, BOOL bExtend) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  if (!caret) return nullptr;
  if (CEditNode* cell = CellToMoveIn(caret, this)) return cell->MoveCaretDown(pCaret, bExtend);
  try {
    if (!bExtend) {
      pCaret->ClearSelection();
      if (CEditNode* jump = GetKanbunJumpTarget(caret, KanbunMove::Down)) return MoveTo(pCaret, jump);
    }
    CEditNode* target = caret->GetNodeBelow(pCaret);
    if (!target || (target != caret && !target->IsCaretStop())) target = FirstPositionOfSentenceBelow(caret);
    if (target && !target->IsCaretStop()) target = target->GetFirstCaretDescendant();
    return MoveKeepingAnchor(pCaret, target, bExtend);
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditNode::MoveCaretLineStart(CEditCaret* pCaret, BOOL bExtend) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  if (!caret) return nullptr;
  if (!bExtend) pCaret->ClearSelection();
  CEditNode* target = caret->GetLineStartNode();
  if (!target || target == caret) return caret;
  return target->IsCaretStop() ? MoveKeepingAnchor(pCaret, target, bExtend) : nullptr;
}

CEditNode* CEditNode::MoveCaretLineEnd(CEditCaret* pCaret, BOOL bExtend) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  if (!caret) return nullptr;
  if (!bExtend) pCaret->ClearSelection();
  CEditNode* target = caret->GetLineEndNode();
  if (!target || target == caret) return caret;
  return target->IsCaretStop() ? MoveKeepingAnchor(pCaret, target, bExtend) : nullptr;
}

CEditNode* CEditNode::GetNodeAbove(CEditCaret* pCaret) {
  if (!pCaret) return nullptr;
  if (pCaret->m_nDesiredX < 0) pCaret->m_nDesiredX = m_rcInk.left;
  CEditNode* lineStart = GetLineStartNode();
  if (!lineStart) return nullptr;
  CEditNode* remembered = this;
  for (auto* c = AsEditNode(lineStart->GetPrevAtLevel()); c; c = AsEditNode(c->GetPrevAtLevel())) {
    if (!c->IsCaretStop()) continue;
    if (c->m_rcInk.left <= pCaret->m_nDesiredX || c->m_nInLine <= 0) return c;
    remembered = c;
  }
  return remembered->IsCaretStop() ? remembered : this;
}

CEditNode* CEditNode::GetNodeBelow(CEditCaret* pCaret) {
  if (!pCaret) return nullptr;
  if (pCaret->m_nDesiredX < 0) pCaret->m_nDesiredX = m_rcInk.left;
  CEditNode* lineEnd = GetLineEndNode();
  if (!lineEnd) return nullptr;
  int lineChanges = 0;
  CEditNode* p = lineEnd;
  for (auto* c = AsEditNode(lineEnd->GetNextAtLevel()); c; p = c, c = AsEditNode(c->GetNextAtLevel())) {
    const bool changesLine =
        c->GetParent() != p->GetParent() || c->m_nBox != p->m_nBox || c->m_nLine != p->m_nLine;
    if (changesLine && p->IsCaretStop()) ++lineChanges;
    if (lineChanges >= 2) return p;
    if (c->IsCaretStop() && c->m_rcInk.left >= pCaret->m_nDesiredX) return c;
  }
  return this;
}
