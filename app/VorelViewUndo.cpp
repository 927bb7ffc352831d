#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "elements/EditPrint.h"
#include "model/UndoExecutor.h"

void CVorelView::OnEditUndo() { ReplayHistory(true); }

void CVorelView::OnEditRedo() { ReplayHistory(false); }

// One group of the history backwards or forwards. A refused group changes nothing and keeps
// the history where it was, so the next undo or redo replays the right group.
void CVorelView::ReplayHistory(bool bUndo) {
  if (!m_pDoc) return;
  CUndoHistory& history = m_pDoc->GetHistory();
  const int nIndex = history.GetUndoIndex();
  CUndoGroup* group = bUndo ? history.Undo() : history.Redo();
  if (!group) return;
  UndoResult result = UndoResult::Refused;
  try {
    CUndoExecutor executor(*m_pDoc, *this);
    result = bUndo ? executor.Undo(*group) : executor.Redo(*group);
  } catch (...) {
    result = UndoResult::Refused;
  }
  if (result == UndoResult::Refused) {
    history.SetUndoIndex(nIndex);
    return;
  }
  KeepCaretInSheet();
  // Even a group with an unknown action changed the tree: lay out and paint.
  AfterEdit(TRUE);
  ScrollCaretIntoView();
}

// A caret or anchor left on a node that is no longer in the sheet is never used.
void CVorelView::KeepCaretInSheet() {
  CEditPrint* root = m_pDoc->GetPrint();
  if (!root) return;
  auto inSheet = [root](CEditNode* node) {
    return node && (root->IsDescendant(node) || root->m_nodePageKimeiran.IsDescendant(node));
  };
  if (m_caret.m_pAnchor && !inSheet(m_caret.m_pAnchor)) m_caret.ClearSelection();
  if (inSheet(m_caret.m_pCaretNode)) return;
  m_caret.ClearSelection();
  CEditNode* first = root->GetEditChildAt(0);
  SetCaretNode(first ? first->GetEditChildAt(0) : nullptr);
}
