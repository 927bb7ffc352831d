#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "elements/EditPrint.h"
#include "elements/OperatorChars.h"
#include "model/DefaultFonts.h"
#include "model/EditNode.h"
#include "model/FontList.h"
#include "model/NodeTypes.h"
#include "model/UndoGroup.h"
#include "platform/Utf16.h"

namespace {

bool IsControl(char32_t c) { return c < 0x20 || c == 0x7F; }

}  // namespace

// The face of the new character comes from the default formats; its size stays the caret's.
void CVorelView::ChooseInputFont(const CStringW& text, CEditNode* pParent) {
  const BOOL bVertical = m_mapper.m_bVertical;
  const char16_t c = text.GetLength() > 0 ? text[0] : 0;
  LOGFONTA lf{};
  int italic = 0;
  if (pParent && (pParent->m_nType & NT_MATH)) {
    if (c >= 0x80) {
      GetMathOperatorFont(&lf);
      italic = GetMathOperatorItalic();
    } else if (text.IsLetterOrPrime()) {
      GetMathFont(&lf);
      italic = GetMathItalic();
    } else {
      GetMathNumericFont(&lf);
      italic = GetMathNumericItalic();
    }
  } else if (c >= 0x80) {
    GetDefaultFont(&lf, bVertical);
    italic = GetDefaultItalic(bVertical);
  } else if (c >= u'0' && c <= u'9') {
    GetNumericFont(&lf, bVertical);
    italic = GetNumericItalic(bVertical);
  } else {
    GetHankakuFont(&lf, bVertical);
    italic = GetHankakuItalic(bVertical);
  }
  SetLogFontFace(&m_caret.m_lfNew, lf.lfFaceName);
  m_caret.m_lfNew.lfCharSet = lf.lfCharSet;
  m_caret.m_lfNew.lfOutPrecision = lf.lfOutPrecision;
  m_caret.m_lfNew.lfClipPrecision = lf.lfClipPrecision;
  m_caret.m_lfNew.lfQuality = lf.lfQuality;
  m_caret.m_lfNew.lfPitchAndFamily = lf.lfPitchAndFamily;
  m_caret.m_lfNew.lfItalic = BYTE(italic);
}

BOOL CVorelView::RunEdit(const std::function<BOOL(CUndoGroup*)>& edit, BOOL bPickFont) {
  if (!m_caret.m_pCaretNode || !m_pDoc) return FALSE;
  auto group = std::make_unique<CUndoGroup>();
  BOOL ok = FALSE;
  try {
    ok = edit(group.get());
  } catch (...) {
    ok = FALSE;
  }
  const BOOL bChanged = group->GetCount() > 0;
  if (bChanged) m_pDoc->PushUndo(group.release());
  if (ok || bChanged) AfterEdit(bPickFont);
  return ok;
}

void CVorelView::AfterEdit(BOOL bPickFont) {
  m_pDoc->SetModifiedFlag();
  if (m_caret.m_pCaretNode) m_caret.m_pCaretNode->SetSentenceModified(1);
  RecalcLayout();
  UpdateScrollSizes();
  UpdateCaret(bPickFont);
  viewport()->update();
}

BOOL CVorelView::TypeText(const CStringW& text) {
  const std::u16string_view units(text.str());
  return RunEdit(
      [&](CUndoGroup* pUndo) {
        if (m_caret.m_pAnchor && m_caret.m_pCaretNode) m_caret.m_pCaretNode->DeleteSelection(&m_caret, pUndo);
        m_caret.ClearSelection();
        m_caret.m_bKeepX = 0;
        BOOL inserted = FALSE;
        CEditNode* parent = m_caret.m_pCaretNode ? dynamic_cast<CEditNode*>(m_caret.m_pCaretNode->GetParent()) : nullptr;
        for (size_t i = 0; i < units.size();) {
          size_t length = 1;
          const char32_t c = CodePointAt(units, i, &length);
          CStringW one(units.substr(i, length));
          i += length;
          if (IsControl(c) || !m_caret.m_pCaretNode) continue;
          const LOGFONTA saved = m_caret.m_lfNew;
          if (parent && (parent->m_nType & NT_MATH) && c < 0x80) MakeOperatorFullWidth(one);
          ChooseInputFont(one, parent);
          if (m_caret.m_pCaretNode->InsertNode(&m_caret, one, pUndo)) inserted = TRUE;
          m_caret.m_lfNew = saved;
        }
        return inserted;
      },
      TRUE);
}

BOOL CVorelView::DoBackspace() {
  m_caret.m_bKeepX = 0;
  return RunEdit([&](CUndoGroup* pUndo) { return m_caret.m_pCaretNode->DeleteBackward(&m_caret, pUndo); }, TRUE);
}

BOOL CVorelView::DoNewLine() {
  m_caret.m_bKeepX = 0;
  return RunEdit([&](CUndoGroup* pUndo) { return m_caret.m_pCaretNode->InsertLineBreak(&m_caret, pUndo); }, FALSE);
}

BOOL CVorelView::DoDeleteForward() {
  return RunEdit([&](CUndoGroup* pUndo) { return m_caret.m_pCaretNode->DeleteForward(&m_caret, pUndo); }, TRUE);
}

BOOL CVorelView::MoveCaret(int nKey, BOOL bExtend) {
  CEditNode* node = m_caret.m_pCaretNode;
  if (!node) return FALSE;
  // In vertical writing lines run right to left: Left and Right move between lines.
  if (m_mapper.m_bVertical) {
    switch (nKey) {
      case Qt::Key_Left: nKey = Qt::Key_Down; break;
      case Qt::Key_Right: nKey = Qt::Key_Up; break;
      case Qt::Key_Up: nKey = Qt::Key_Left; break;
      case Qt::Key_Down: nKey = Qt::Key_Right; break;
      default: break;
    }
  }
  CEditNode* moved = nullptr;
  try {
    switch (nKey) {
      case Qt::Key_Left: m_caret.m_bKeepX = 0; moved = node->MoveCaretLeft(&m_caret, bExtend); break;
      case Qt::Key_Right: m_caret.m_bKeepX = 0; moved = node->MoveCaretRight(&m_caret, bExtend); break;
      case Qt::Key_Up: m_caret.m_bKeepX = 1; moved = node->MoveCaretUp(&m_caret, bExtend); break;
      case Qt::Key_Down: m_caret.m_bKeepX = 1; moved = node->MoveCaretDown(&m_caret, bExtend); break;
      case Qt::Key_End: m_caret.m_bKeepX = 0; moved = node->MoveCaretLineEnd(&m_caret, bExtend); break;
      case Qt::Key_Home: m_caret.m_bKeepX = 0; moved = node->MoveCaretLineStart(&m_caret, bExtend); break;
      default: return FALSE;
    }
  } catch (...) {
    return FALSE;
  }
  UpdateCaret(TRUE);
  viewport()->update();
  return moved != nullptr;
}

void CVorelView::keyPressEvent(QKeyEvent* event) {
  const bool bControl = event->modifiers() & Qt::ControlModifier;
  const BOOL bShift = (event->modifiers() & Qt::ShiftModifier) ? TRUE : FALSE;
  if (bControl && event->key() == Qt::Key_Z) return OnEditUndo();
  if (bControl && event->key() == Qt::Key_Y) return OnEditRedo();
  switch (event->key()) {
    case Qt::Key_Backspace: DoBackspace(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: DoNewLine(); return;
    case Qt::Key_Delete: DoDeleteForward(); return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End: MoveCaret(event->key(), bShift); return;
    default: break;
  }
  // Text of shortcuts (Ctrl or Alt held) is never typed.
  if (!bControl && !(event->modifiers() & Qt::AltModifier) && !event->text().isEmpty()) {
    TypeText(CStringW(event->text().toStdU16String()));
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

// A committed conversion is one undo step and one layout pass; the composition changes nothing.
void CVorelView::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty()) TypeText(CStringW(event->commitString().toStdU16String()));
  event->accept();
}

QVariant CVorelView::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImCursorRectangle) return CaretClientRect();
  if (query == Qt::ImEnabled) return true;
  return QAbstractScrollArea::inputMethodQuery(query);
}

void CVorelView::SetCaretNode(CEditNode* pNode) {
  m_caret.m_pCaretNode = pNode;
  m_caret.m_nCaretAfter = 0;
}

BOOL CVorelView::UpdateCaret(BOOL bPickFont) {
  CEditNode* node = m_caret.m_pCaretNode;
  if (!node) return FALSE;
  try {
    m_rcCaret = node->m_rcInk;
    // Up and down aim at the x the caret had before the first of them.
    if (!m_caret.m_bKeepX) m_caret.m_nDesiredX = m_rcCaret.left;
    if (bPickFont && (node->m_nType & NT_CHARACTER)) {
      auto* prev = dynamic_cast<CEditNode*>(node->GetPrevSibling());
      CEditNode* source = prev && (prev->m_nType & NT_CHARACTER) && !(prev->m_nType & NT_LINEBREAK) ? prev : node;
      if (source->m_nType != NTYPE_EDITKAN) m_caret.m_lfNew = source->m_lf;
    }
  } catch (...) {
    return FALSE;
  }
  return TRUE;
}

QRect CVorelView::CaretClientRect() const {
  RECT rect = m_rcCaret;
  CCoordMapper mapper;
  mapper.Copy(m_mapper);
  mapper.LPtoDPRect(&rect);
  if (m_mapper.m_bVertical) {
    rect.left += viewport()->width();
    rect.right += viewport()->width();
  }
  CRect normal(rect);
  normal.NormalizeRect();
  return QRect(normal.left, normal.top, normal.Width(), normal.Height());
}

// A bar at the start of the caret node: upright in horizontal writing, across the line in
// vertical writing.
void CVorelView::DrawCaret(QPainter& painter) {
  if (!m_caret.m_pCaretNode || !hasFocus()) return;
  const QRect box = CaretClientRect();
  const QRect bar = m_mapper.m_bVertical ? QRect(box.left(), box.top(), box.width(), 2)
                                         : QRect(box.left(), box.top(), 2, box.height());
  painter.fillRect(bar, Qt::black);
}
