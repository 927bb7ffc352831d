#include <QKeyEvent>

#include <functional>

#include "app/VorelView.h"
#include "model/EditNode.h"

namespace {

bool IsCaretStopNode(CEditNode* node) { return node && node->IsCaretStop(); }

}  // namespace

// Backspace and Enter arrive as the characters 8 and 13; Delete is the clear command. Tab stays
// in the view and does nothing.
void CVorelView::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  const bool bControl = modifiers & Qt::ControlModifier;
  if (bControl && event->key() == Qt::Key_Z) return OnEditUndo();
  if (bControl && event->key() == Qt::Key_Y) return OnEditRedo();
  switch (event->key()) {
    case Qt::Key_Backspace: return OnChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter: return OnChar(13);
    case Qt::Key_Tab: return;
    case Qt::Key_Delete: return OnEditClear();
    default: break;
  }
  if (OnKeyDown(event->key(), (modifiers & Qt::ShiftModifier) ? TRUE : FALSE)) return;
  // Text of shortcuts (Ctrl or Alt held) is never typed.
  const bool bTyped = !bControl && !(modifiers & Qt::AltModifier) && !event->text().isEmpty();
  if (bTyped && (m_nViewMode == VIEWMODE_TEXT || m_nViewMode == VIEWMODE_KIMEIRAN) && m_caret.m_pCaretNode) {
    TypeText(CStringW(event->text().toStdU16String()));
    ScrollCaretIntoView();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

bool CVorelView::focusNextPrevChild(bool) { return false; }

// Page Up and Page Down scroll a screen: down the sheet in horizontal writing, to the next
// lines on the left in vertical writing; they leave the caret where it is. A caret key in text
// mode moves the caret and brings it into view.
BOOL CVorelView::OnKeyDown(int nKey, BOOL bShift) {
  const BOOL bVertical = m_mapper.m_bVertical;
  switch (nKey) {
    case Qt::Key_PageUp:
      bVertical ? OnHScroll(SB_PAGERIGHT) : OnVScroll(SB_PAGEUP);
      return TRUE;
    case Qt::Key_PageDown:
      bVertical ? OnHScroll(SB_PAGELEFT) : OnVScroll(SB_PAGEDOWN);
      return TRUE;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (m_nViewMode == VIEWMODE_TEXT || m_nViewMode == VIEWMODE_KIMEIRAN) HandleCaretKey(nKey, bShift);
      if (m_nViewMode == VIEWMODE_TEXT || m_nViewMode == VIEWMODE_KIMEIRAN || m_nViewMode == VIEWMODE_SCALE)
        ScrollCaretIntoView();
      return TRUE;
    default:
      return FALSE;
  }
}

// In vertical writing lines run from right to left: Left and Right move between lines, Up and
// Down along the line. Moves between lines keep the desired x.
BOOL CVorelView::HandleCaretKey(int nKey, BOOL bShift) {
  if (m_mapper.m_bVertical) {
    switch (nKey) {
      case Qt::Key_Left: nKey = Qt::Key_Down; break;
      case Qt::Key_Right: nKey = Qt::Key_Up; break;
      case Qt::Key_Up: nKey = Qt::Key_Left; break;
      case Qt::Key_Down: nKey = Qt::Key_Right; break;
      default: break;
    }
  }
  const bool bLineWise = nKey == Qt::Key_Up || nKey == Qt::Key_Down;
  m_caret.m_bKeepX = bLineWise ? 1 : 0;
  switch (nKey) {
    case Qt::Key_Home: return CaretLineStart(bShift);
    case Qt::Key_End: return CaretLineEnd(bShift);
    case Qt::Key_Left: return CaretLeft(bShift);
    case Qt::Key_Right: return CaretRight(bShift);
    case Qt::Key_Up: return CaretUp(bShift);
    case Qt::Key_Down: return CaretDown(bShift);
    default: return FALSE;
  }
}

// A move that fails leaves the caret where it was.
BOOL CVorelView::MoveCaretBy(const std::function<CEditNode*(CEditNode*)>& move) {
  if (!m_caret.m_pCaretNode) return FALSE;
  const CEditCaret before = m_caret;
  CEditNode* moved = nullptr;
  try {
    moved = move(m_caret.m_pCaretNode);
  } catch (...) {
    m_caret = before;
    return FALSE;
  }
  UpdateCaret(TRUE);
  Invalidate();
  return moved != nullptr;
}

// From a position that is no caret stop, the nearest stop that way is the move: a further
// step would pass over a character. With Shift, the step that reaches the stop selects.
BOOL CVorelView::CaretLeft(BOOL bExtend) {
  return MoveCaretBy([&](CEditNode* node) { return MoveToCaretStop(node, bExtend, &CEditNode::MoveCaretLeft); });
}

BOOL CVorelView::CaretRight(BOOL bExtend) {
  return MoveCaretBy([&](CEditNode* node) { return MoveToCaretStop(node, bExtend, &CEditNode::MoveCaretRight); });
}

CEditNode* CVorelView::MoveToCaretStop(CEditNode* pNode, BOOL bExtend, CEditNode* (CEditNode::*pfnMove)(CEditCaret*, BOOL)) {
  if (IsCaretStopNode(pNode)) return (pNode->*pfnMove)(&m_caret, bExtend);
  CEditNode* const anchor = m_caret.m_pAnchor;
  CEditNode* from = pNode;
  CEditNode* moved = nullptr;
  while (!IsCaretStopNode(pNode)) {
    from = pNode;
    moved = (pNode->*pfnMove)(&m_caret, FALSE);
    if (!moved || m_caret.m_pCaretNode == pNode) break;
    pNode = m_caret.m_pCaretNode;
  }
  if (bExtend) SetSelectionAnchor(anchor ? anchor : from);
  return moved;
}

// A selection runs between children of one container; anything else selects nothing.
void CVorelView::SetSelectionAnchor(CEditNode* pAnchor) {
  CEditNode* caret = m_caret.m_pCaretNode;
  const bool bSelects = pAnchor && caret && pAnchor != caret && pAnchor->GetParent() == caret->GetParent();
  m_caret.m_pAnchor = bSelects ? pAnchor : nullptr;
}

BOOL CVorelView::CaretUp(BOOL bExtend) {
  return MoveCaretBy([&](CEditNode* node) { return node->MoveCaretUp(&m_caret, bExtend); });
}

BOOL CVorelView::CaretDown(BOOL bExtend) {
  return MoveCaretBy([&](CEditNode* node) { return node->MoveCaretDown(&m_caret, bExtend); });
}

BOOL CVorelView::CaretLineEnd(BOOL bExtend) {
  return MoveCaretBy([&](CEditNode* node) { return node->MoveCaretLineEnd(&m_caret, bExtend); });
}

BOOL CVorelView::CaretLineStart(BOOL bExtend) {
  return MoveCaretBy([&](CEditNode* node) { return node->MoveCaretLineStart(&m_caret, bExtend); });
}
