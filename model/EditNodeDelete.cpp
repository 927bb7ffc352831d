#include "model/EditCaret.h"
#include "model/EditContainer.h"
#include "model/EditNode.h"
#include "model/UndoGroup.h"

namespace {

CEditNode* AsEditNode(CQVXMLNode* node) { return dynamic_cast<CEditNode*>(node); }

int CountLineEnds(const CQVXMLNode* pParent) {
  int count = 0;
  for (int i = 0; i < pParent->GetChildCount(); ++i)
    if (pParent->GetChildAt(i)->m_nType & NT_LINEBREAK) ++count;
  return count;
}

// In-text answers, formula slots and kunten boxes keep their line ends; an okurigana box
// keeps its last one.
BOOL IsProtectedLineEnd(const CQVXMLNode* pNode) {
  const CQVXMLNode* parent = pNode->GetParent();
  if (!(pNode->m_nType & NT_LINEBREAK) || !parent) return FALSE;
  if ((parent->m_nType & (NT_ANNOTATION | NT_MATH)) || parent->m_nType == NTYPE_EDITKUNTEN) return TRUE;
  return parent->m_nType == NTYPE_EDITOKURIGANA && CountLineEnds(parent) <= 1;
}

// Recorded before it is detached, so that a failing record leaves the tree as it was.
void RemoveNode(CEditNode* pNode, CEditNode* pNeighbour, int code, CUndoGroup* pUndo) {
  if (!pUndo) {
    pNode->Delete();
    return;
  }
  pUndo->AddNodeAction(code, pNode, pNeighbour, 0, 0);
  pNode->Detach();
}

// A caret inside the frame moves beside it; a frame with no sibling to take the caret stays.
BOOL MoveCaretOutOf(CEditCaret* pCaret, CEditNode* pFrame, bool bPreferNext) {
  if (!pFrame->IsDescendant(pCaret->m_pCaretNode)) return TRUE;
  CEditNode* prev = AsEditNode(pFrame->GetPrevSibling());
  CEditNode* next = AsEditNode(pFrame->GetNextSibling());
  CEditNode* target = bPreferNext ? (next ? next : prev) : (prev ? prev : next);
  if (!target) return FALSE;
  pCaret->m_pCaretNode = target;
  return TRUE;
}

// Undo puts the frame back before the node that followed it, or at its index.
void RemoveFrame(CEditCaret* pCaret, CEditNode* pFrame, CUndoGroup* pUndo) {
  if (!pUndo) {
    pFrame->Delete();
    return;
  }
  if (CEditNode* follower = AsEditNode(pFrame->GetNextSibling())) {
    RemoveNode(pFrame, follower, UNDO_REMOVE_BEFORE, pUndo);
    return;
  }
  auto* parent = AsEditNode(pFrame->GetParent());
  pUndo->AddIndexAction(UNDO_REMOVE_AT, pFrame, pCaret->m_pCaretNode, pFrame->GetIndex(), parent, 0, 0);
  pFrame->Detach();
}

void RemoveEmptiedFloat(CEditCaret* pCaret, CUndoGroup* pUndo, bool bPreferNext) {
  CEditNode* caret = pCaret->m_pCaretNode;
  if (!caret || caret->GetRoot()->m_nType != NTYPE_EDITPRINT) return;
  CEditNode* frame = FindEmptyFloat(caret->GetRoot());
  if (frame && frame->GetParent() && MoveCaretOutOf(pCaret, frame, bPreferNext)) RemoveFrame(pCaret, frame, pUndo);
}

// A selection that cannot be resolved within one parent is dropped without deleting anything.
BOOL DeleteSelectionOrDrop(CEditNode* pCaretNode, CEditCaret* pCaret, CUndoGroup* pUndo) {
  if (pCaretNode->DeleteSelection(pCaret, pUndo)) return TRUE;
  pCaret->ClearSelection();
  return FALSE;
}

// Deletes the selection, else the node before the caret node (backwards) or the caret node
// itself (forwards), then a frame that this emptied.
BOOL DeleteAtCaret(CEditNode* caret, CEditCaret* pCaret, CUndoGroup* pUndo, bool bForward) {
  try {
    if (pCaret->m_pAnchor) {
      if (!DeleteSelectionOrDrop(caret, pCaret, pUndo)) return FALSE;
    } else if (bForward) {
      CEditNode* next = AsEditNode(caret->GetNextSibling());
      if (!next || IsProtectedLineEnd(caret)) return FALSE;
      RemoveNode(caret, next, UNDO_REMOVE_BEFORE, pUndo);
      pCaret->m_pCaretNode = next;
    } else {
      CEditNode* previous = AsEditNode(caret->GetPrevSibling());
      if (!previous || IsProtectedLineEnd(previous)) return FALSE;
      RemoveNode(previous, caret, UNDO_REMOVE_SELECTED, pUndo);
      caret->m_bNeedsMeasure = 1;
    }
    RemoveEmptiedFloat(pCaret, pUndo, bForward);
    if (!bForward) pCaret->m_bKeepX = 0;
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

CEditNode* FindEmptyFloat(const CQVXMLNode* pRoot) {
  if (!pRoot) return nullptr;
  CEditNode* found = nullptr;
  for (int i = 0; i < pRoot->GetChildCount(); ++i) {
    const CQVXMLNode* part = pRoot->GetChildAt(i);
    if (!part || part->m_nType != NTYPE_EDITSENTENCE) continue;
    for (int j = 0; j < part->GetChildCount(); ++j) {
      CQVXMLNode* child = part->GetChildAt(j);
      if (child && child->m_nType == NTYPE_EDITFLOAT && child->GetChildCount() <= 1) {
        if (CEditNode* frame = AsEditNode(child)) found = frame;
        break;
      }
    }
  }
  return found;
}

BOOL CEditNode::DeleteBackward(CEditCaret* pCaret, CUndoGroup* pUndo) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  return caret && DeleteAtCaret(caret, pCaret, pUndo, false);
}

BOOL CEditNode::DeleteForward(CEditCaret* pCaret, CUndoGroup* pUndo) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  return caret && DeleteAtCaret(caret, pCaret, pUndo, true);
}
