#include "model/UndoExecutor.h"

#include "model/BlockLineRelatedProperties.h"
#include "model/DocumentServices.h"
#include "model/EditNode.h"
#include "model/EditViewServices.h"

namespace {

bool IsStructural(int code) {
  switch (code) {
    case UNDO_INSERT_BEFORE: case UNDO_INSERT_AT: case UNDO_INSERT_NAME_FIELD:
    case UNDO_REMOVE_BEFORE: case UNDO_REMOVE_SELECTED: case UNDO_REMOVE_AT: case UNDO_REMOVE_NAME_FIELD:
      return true;
    default:
      return false;
  }
}

bool IsAtIndex(int code) {
  return code == UNDO_INSERT_AT || code == UNDO_INSERT_NAME_FIELD || code == UNDO_REMOVE_AT ||
         code == UNDO_REMOVE_NAME_FIELD;
}

bool NeedsNameField(const CUndoAction& action, bool bUndo) {
  if (action.m_nCode == UNDO_LEAVE_NAME_FIELD) return bUndo && action.m_nOldValue == kModeNameFieldEditing;
  return action.m_nCode == UNDO_ENTER_NAME_FIELD && !bUndo;
}

// The int field that a value action of this code changes, or null.
LONG* IntField(CEditNode& node, int code) {
  switch (code) {
    case UNDO_SENTENCE_WIDTH: return &node.m_nAreaWidth;
    case UNDO_BOLD: return &node.m_lf.lfWeight;
    case UNDO_BACKGROUND_PATTERN: return &node.m_nBackgroundPattern;
    case UNDO_EXPANDED: case UNDO_CONDENSED: return &node.m_nFontStretch;
    case UNDO_SUBSCRIPT: case UNDO_SUPERSCRIPT: return &node.m_nBaselineShift;
    case UNDO_UNDERLINE_STYLE: return &node.m_nUnderlineStyle;
    case UNDO_UNDERLINE_WIDTH: return &node.m_nUnderlineWidth;
    case UNDO_LINE_THROUGH_STYLE: return &node.m_nLineThroughStyle;
    case UNDO_LINE_THROUGH_WIDTH: return &node.m_nLineThroughWidth;
    case UNDO_BORDER_STYLE: return &node.m_nBorderStyle;
    case UNDO_BORDER_WIDTH: return &node.m_nBorderWidth;
    case UNDO_BORDER_BEFORE_STYLE: return &node.m_nBorderBeforeStyle;
    case UNDO_BORDER_BEFORE_WIDTH: return &node.m_nBorderBeforeWidth;
    case UNDO_BORDER_AFTER_STYLE: return &node.m_nBorderAfterStyle;
    case UNDO_BORDER_AFTER_WIDTH: return &node.m_nBorderAfterWidth;
    case UNDO_KASEN_STYLE: return &node.m_kasen.nNumberStyle;
    case UNDO_KASEN_FONT_SIZE: return &node.m_kasen.nNumberSize;
    case UNDO_KASEN_FORCED_NUMBER: return &node.m_kasen.nForcedNumber;
    default: return nullptr;
  }
}

}  // namespace

CUndoExecutor::CUndoExecutor(CDocumentServices& document, CEditViewServices& view)
    : m_document(document), m_view(view) {}

UndoResult CUndoExecutor::Undo(const CUndoGroup& group) { return Run(group, true); }

UndoResult CUndoExecutor::Redo(const CUndoGroup& group) { return Run(group, false); }

UndoResult CUndoExecutor::Run(const CUndoGroup& group, bool bUndo) {
  const int count = group.GetCount();
  for (int i = 0; i < count; ++i)
    if (!CanApply(group.GetAt(i), bUndo)) return UndoResult::Refused;
  bool allKnown = true;
  for (int i = 0; i < count; ++i) {
    const CUndoAction& action = group.GetAt(bUndo ? count - 1 - i : i);
    if (!Apply(action, bUndo)) allKnown = false;
  }
  return allKnown ? UndoResult::Applied : UndoResult::AppliedNoRefresh;
}

bool CUndoExecutor::CanApply(const CUndoAction& action, bool bUndo) const {
  const int code = action.m_nCode;
  if (code == UNDO_LEAVE_NAME_FIELD || code == UNDO_ENTER_NAME_FIELD)
    return !NeedsNameField(action, bUndo) || (action.m_pNode && action.m_pNode->m_nType == NTYPE_EDITKIMEIRAN);
  if (!IsStructural(code)) return true;
  if (!action.m_pNode) return false;
  if (IsAtIndex(code)) return action.m_pParent && action.m_nIndex >= 0;
  return action.m_pNeighbour != nullptr;
}

bool CUndoExecutor::Apply(const CUndoAction& action, bool bUndo) {
  const int code = action.m_nCode;
  if (code == UNDO_LEAVE_NAME_FIELD || code == UNDO_ENTER_NAME_FIELD) {
    ApplyNameFieldMode(action, bUndo);
    return true;
  }
  if (IsStructural(code)) return ApplyStructure(action, bUndo);
  if (!action.m_pNode) return true;
  if (!ApplyProperty(action, bUndo) && !ApplyFont(action, bUndo) && !ApplyKasen(action, bUndo)) return false;
  if (code != UNDO_SENTENCE_WIDTH && code != UNDO_KANBUN_HYPHEN) action.m_pNode->m_bNeedsMeasure = 1;
  return true;
}

bool CUndoExecutor::ApplyProperty(const CUndoAction& action, bool bUndo) {
  CEditNode& node = *action.m_pNode;
  const int value = bUndo ? action.m_nOldValue : action.m_nNewValue;
  switch (action.m_nCode) {
    case UNDO_ITALIC: node.m_lf.lfItalic = BYTE(value); return true;
    case UNDO_TEXT_COLOR: node.m_crColor = COLORREF(value); return true;
    case UNDO_BACKGROUND_COLOR: node.m_crBackground = COLORREF(value); return true;
    case UNDO_TEXT_ALIGN:
      if (node.m_nType & NT_LINEBREAK)
        if (auto* paragraph = dynamic_cast<CBlockLineRelatedProperties*>(&node)) paragraph->m_nTextAlign = value;
      return true;
    case UNDO_KANBUN_HYPHEN:
      if (node.m_nType == NTYPE_EDITKAN) m_document.SetKanbunHyphen(&node, value);
      return true;
    default:
      break;
  }
  LONG* field = IntField(node, action.m_nCode);
  if (!field) return false;
  *field = value;
  return true;
}

bool CUndoExecutor::ApplyFont(const CUndoAction& action, bool bUndo) {
  LOGFONTA& lf = action.m_pNode->m_lf;
  switch (action.m_nCode) {
    case UNDO_FONT_SIZE: {
      const CSize& size = bUndo ? action.m_sizeOld : action.m_sizeNew;
      lf.lfWidth = size.cx;
      lf.lfHeight = !bUndo && size.cy > 0 ? -size.cy : size.cy;
      return true;
    }
    case UNDO_FONT_FACE:
    case UNDO_LOGFONT:
      lf = bUndo ? action.m_lfOld : action.m_lfNew;
      return true;
    default:
      return false;
  }
}

bool CUndoExecutor::ApplyKasen(const CUndoAction& action, bool bUndo) {
  CEditNode& node = *action.m_pNode;
  switch (action.m_nCode) {
    case UNDO_KASEN_FONT_FACE:
      CopyFaceName(node.m_kasen.szNumberFace, (bUndo ? action.m_strOld : action.m_strNew).c_str());
      return true;
    case UNDO_KASEN_STRING:
      node.m_strKasenString = bUndo ? action.m_strOldText : action.m_strNewText;
      return true;
    default:
      return false;
  }
}

bool CUndoExecutor::ApplyStructure(const CUndoAction& action, bool bUndo) {
  const int code = action.m_nCode;
  const bool insertion = (code & UNDO_INSERTION_BIT) != 0;
  if (insertion == bUndo)
    DetachNode(action.m_pNode);
  else if (IsAtIndex(code))
    InsertAt(action.m_pNode, action.m_pParent, action.m_nIndex);
  else
    InsertBefore(action.m_pNode, action.m_pNeighbour);
  if (code == UNDO_INSERT_NAME_FIELD) m_document.SetNameFieldOnPage(action.m_nOldValue, bUndo ? 0 : action.m_nNewValue);
  if (code == UNDO_REMOVE_NAME_FIELD) m_document.SetNameFieldOnPage(action.m_nOldValue, bUndo ? 1 : action.m_nNewValue);
  MoveCaret(action);
  return true;
}

void CUndoExecutor::DetachNode(CEditNode* node) {
  node->Detach();
  m_document.AddPendingDelete(node);
}

// A node still in the tree or a target inside its own subtree is left where it is, so that
// no node ever gets two parents.
void CUndoExecutor::InsertBefore(CEditNode* node, CEditNode* neighbour) {
  if (node->GetParent() || neighbour == node || node->IsDescendant(neighbour)) return;
  neighbour->InsertBefore(node);
  if (node->GetParent()) m_document.RemovePendingDelete(node);
}

void CUndoExecutor::InsertAt(CEditNode* node, CEditNode* parent, int index) {
  if (node->GetParent() || parent == node || node->IsDescendant(parent)) return;
  parent->InsertChild(index, node);
  if (node->GetParent()) m_document.RemovePendingDelete(node);
}

void CUndoExecutor::MoveCaret(const CUndoAction& action) {
  if (action.m_pNeighbour) m_view.SetCaretNode(action.m_pNeighbour);
}

void CUndoExecutor::ApplyNameFieldMode(const CUndoAction& action, bool bUndo) {
  const bool entering = !bUndo && action.m_nCode == UNDO_ENTER_NAME_FIELD;
  if (bUndo) {
    m_view.SetInteractionMode(action.m_nOldValue);
    const bool editing = action.m_nCode == UNDO_LEAVE_NAME_FIELD && action.m_nOldValue == kModeNameFieldEditing;
    m_view.SetEditedNameField(editing ? action.m_pNode : nullptr);
  } else {
    m_view.SetInteractionMode(entering ? kModeNameFieldEditing : 0);
    m_view.SetEditedNameField(entering ? action.m_pNode : nullptr);
    m_view.SaveCaretContext();
  }
  MoveCaret(action);
}
