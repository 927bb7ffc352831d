#include "elements/EditCell.h"
#include "elements/EditTable.h"
#include "model/EditBox.h"
#include "model/EditCaret.h"

namespace {

CEditNode* AsEditNode(CQVXMLNode* node) { return dynamic_cast<CEditNode*>(node); }

// A move out of the cell keeps no selection across cells: the anchor follows the caret.
CEditNode* MoveCaretTo(CEditCaret* pCaret, CEditNode* target, BOOL bExtend) {
  pCaret->m_pCaretNode = target;
  if (bExtend && pCaret->m_pAnchor && pCaret->m_pAnchor->GetParent() != target->GetParent())
    pCaret->m_pAnchor = target;
  return target;
}

}  // namespace

CEditNode* CEditCell::MoveCaretLeft(CEditCaret* pCaret, BOOL bExtend) {
  if (!pCaret || !pCaret->m_pCaretNode) return nullptr;
  try {
    if (CEditNode* moved = CEditNode::MoveCaretLeft(pCaret, bExtend)) return moved;
    CEditNode* target = PositionBeforeCell();
    return target ? MoveCaretTo(pCaret, target, bExtend) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditCell::MoveCaretRight(CEditCaret* pCaret, BOOL bExtend) {
  if (!pCaret || !pCaret->m_pCaretNode) return nullptr;
  try {
    if (CEditNode* moved = CEditNode::MoveCaretRight(pCaret, bExtend)) return moved;
    CEditNode* target = PositionAfterCell();
    return target ? MoveCaretTo(pCaret, target, bExtend) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

// Before the table from its first cell; otherwise at the end of the previous cell's text.
CEditNode* CEditCell::PositionBeforeCell() {
  CQVXMLNode* previous = GetPrevSibling();
  if (!previous) return AsEditNode(GetParent());
  return AsEditNode(previous->GetLastChild());
}

// The start of the next visible cell, or the node that follows the table.
CEditNode* CEditCell::PositionAfterCell() {
  for (CQVXMLNode* next = GetNextSibling(); next; next = next->GetNextSibling()) {
    CEditNode* sibling = AsEditNode(next);
    if (!sibling || !sibling->IsVisible()) continue;
    if (!(sibling->m_nType & NT_CONTAINER)) return sibling;
    if (CEditNode* first = sibling->GetFirstCaretChild()) return first;
    break;
  }
  CQVXMLNode* table = GetParent();
  if (table && table->m_nType == NTYPE_EDITTABLE) return AsEditNode(table->GetNextSibling());
  return nullptr;
}

CEditNode* CEditCell::MoveCaretUp(CEditCaret* pCaret, BOOL bExtend) { return MoveCaretAcrossRows(pCaret, bExtend, -1); }

CEditNode* CEditCell::MoveCaretDown(CEditCaret* pCaret, BOOL bExtend) { return MoveCaretAcrossRows(pCaret, bExtend, 1); }

// Lines within the cell are the base's; only a move off its first or last line crosses
// into the row above or below.
CEditNode* CEditCell::MoveCaretAcrossRows(CEditCaret* pCaret, BOOL bExtend, int step) {
  if (!pCaret || !pCaret->m_pCaretNode) return nullptr;
  try {
    CEditNode* caret = pCaret->m_pCaretNode;
    if (caret->GetParent() != this || !IsOnEdgeLine(caret, step))
      return step < 0 ? CEditNode::MoveCaretUp(pCaret, bExtend) : CEditNode::MoveCaretDown(pCaret, bExtend);
    if (!bExtend) pCaret->ClearSelection();
    if (pCaret->m_nDesiredX < 0) pCaret->m_nDesiredX = caret->m_rcInk.left;
    CEditNode* target = PositionInRowBeside(step, pCaret->m_nDesiredX);
    if (!target) return nullptr;
    if (bExtend && !pCaret->m_pAnchor) pCaret->m_pAnchor = caret;
    return MoveCaretTo(pCaret, target, bExtend);
  } catch (...) {
    return nullptr;
  }
}

BOOL CEditCell::IsOnEdgeLine(const CEditNode* pNode, int step) const {
  const CEditBox* box = GetBox(0);
  if (!box) return FALSE;
  return step < 0 ? pNode->m_nLine <= 0 : pNode->m_nLine >= box->GetLineCount() - 1;
}

// The node at x on the facing line of the cell above or below; before the table from its
// first row, the node after it from its last row.
CEditNode* CEditCell::PositionInRowBeside(int step, int x) {
  auto* table = dynamic_cast<CEditTable*>(GetParent());
  if (!table || table->m_nCols <= 0) return nullptr;
  const int index = GetIndex();
  auto* beside = dynamic_cast<CEditCell*>(table->GetCell(index / table->m_nCols + step, index % table->m_nCols));
  if (!beside) return step < 0 ? table : AsEditNode(table->GetNextSibling());
  const CEditBox* box = beside->GetBox(0);
  if (!box || box->GetLineCount() == 0) return beside->GetFirstCaretChild();
  return beside->NodeOnLineAt(step < 0 ? box->GetLineCount() - 1 : 0, x);
}

// The last caret stop of the line that starts at or left of x, else the line's first.
CEditNode* CEditCell::NodeOnLineAt(int line, int x) const {
  EDIT_LINE_INFO info;
  if (!GetBox(0)->GetLine(line, info)) return nullptr;
  CEditNode* found = nullptr;
  for (int i = info.nFirst; i >= 0 && i < GetChildCount() && i - info.nFirst < info.nCount; ++i) {
    CEditNode* child = GetEditChildAt(i);
    if (!child || !child->IsCaretStop()) continue;
    if (!found || child->m_rcInk.left <= x) found = child;
  }
  return found;
}
