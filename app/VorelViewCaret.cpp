#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

#include "app/VorelView.h"
#include "elements/EditKan.h"
#include "elements/EditKunten.h"
#include "elements/EditPrint.h"
#include "model/DefaultFonts.h"
#include "model/NodeTypes.h"
#include "ui/CmdUI.h"

namespace {

// The caret is as thick as a window edge.
constexpr int kCaretThickness = 2;

CEditNode* AsEditNode(CQVXMLNode* node) { return dynamic_cast<CEditNode*>(node); }

bool IsVisibleText(const CEditNode* node) {
  return node && !(node->m_nType & NT_LINEBREAK) && node->IsCaretStop() && (node->m_nType & NT_CHARACTER);
}

bool IsTextOrBox(const CEditNode* node) { return node->m_nType & (NT_CHARACTER | NT_CONTAINER | NT_MATH); }

// From the node backwards, the first character, container or formula.
CEditNode* WalkBackToText(CEditNode* from) {
  for (CEditNode* node = from; node; node = AsEditNode(node->GetPrevSibling()))
    if (IsTextOrBox(node)) return node;
  return nullptr;
}

// The same for a caret before an image or an object: a kanbun block lends its first kanji.
CEditNode* WalkBackBeforeObject(CEditNode* from) {
  for (CEditNode* node = from; node; node = AsEditNode(node->GetPrevSibling())) {
    if (node->m_nType == NTYPE_EDITKAN) {
      CEditNode* kanji = static_cast<CEditKan*>(node)->GetKanjiBox();
      return kanji ? kanji->GetFirstCaretChild() : nullptr;
    }
    if (IsTextOrBox(node)) return node;
  }
  return nullptr;
}

}  // namespace

void CVorelView::SetCaretNode(CEditNode* pNode) {
  m_caret.m_pCaretNode = pNode;
  m_caret.m_nCaretAfter = 0;
}

BOOL CVorelView::UpdateCaret(BOOL bPickFont) {
  CEditNode* node = m_caret.m_pCaretNode;
  if (!node) return FALSE;
  try {
    m_rcCaret = node->m_rcInk;
    m_ptCaretIme = POINT{m_rcCaret.left, m_rcCaret.top};
    // Up and down aim at the x the caret had before the first of them.
    if (!m_caret.m_bKeepX) m_caret.m_nDesiredX = m_rcCaret.left;
    if (bPickFont) PickCaretFont(node);
  } catch (...) {
    return FALSE;
  }
  RefreshCaret();
  return TRUE;
}

// New text takes the format of the text before the caret.
void CVorelView::PickCaretFont(CEditNode* pNode) {
  CEditNode* prev = AsEditNode(pNode->GetPrevSibling());
  const bool bPrevText = IsVisibleText(prev);
  const bool bWalk = prev && !(prev->IsCaretStop() && (prev->m_nType & NT_CHARACTER));
  CEditNode* source = nullptr;
  if (pNode->m_nType & NT_CHARACTER) {
    source = bPrevText ? prev : (bWalk ? WalkBackToText(prev) : nullptr);
    if (!source) source = pNode;
    if (source->m_nType == NTYPE_EDITKAN) {
      GetDefaultFont(&m_caret.m_lfNew, m_mapper.m_bVertical);
      return;
    }
  } else {
    if (bPrevText || !bWalk) return;
    source = WalkBackBeforeObject(prev);
    if (!source) return;
  }
  m_caret.m_lfNew = source->m_lf;
  m_caret.m_nFontStretch = source->m_nFontStretch;
  m_caret.m_crColor = source->m_crColor;
  m_caret.m_crBackground = source->m_crBackground;
  m_caret.m_nBorderStyle = source->m_nBorderStyle;
  m_caret.m_nBorderWidth = source->m_nBorderWidth;
  m_caret.m_nBaselineShift = source->m_nBaselineShift;
}

void CVorelView::RefreshCaret() {
  CreateSystemCaret();
  PlaceImeWindow();
}

// Qt has no system caret: the view draws a bar at the start of the caret node, upright in
// horizontal writing and across the line in vertical writing, blinking while it has the focus.
void CVorelView::CreateSystemCaret() {
  if (!hasFocus()) return;
  POINT point{m_rcCaret.left, m_rcCaret.top};
  DocToClient(&point);
  SIZE size{m_rcCaret.right - m_rcCaret.left, m_rcCaret.bottom - m_rcCaret.top};
  m_mapper.LPtoDPSize(&size);
  const QRect bar = m_mapper.m_bVertical ? QRect(point.x - size.cx, point.y, size.cx, kCaretThickness)
                                         : QRect(point.x, point.y, kCaretThickness, size.cy);
  // A paint only checks the place: it keeps the blinking as it is.
  if (m_bInPaint && m_bCaretCreated && bar == m_rcCaretBar) return;
  if (!m_bInPaint) viewport()->update(m_rcCaretBar);
  m_rcCaretBar = bar;
  m_bCaretCreated = true;
  m_bCaretOn = true;
  const int flash = QApplication::cursorFlashTime();
  if (flash > 0) m_caretTimer.start(flash / 2);
  if (!m_bInPaint) viewport()->update(bar);
}

void CVorelView::HideCaretBar() {
  m_caretTimer.stop();
  if (m_bCaretCreated) viewport()->update(m_rcCaretBar);
  m_bCaretCreated = false;
  m_bCaretOn = false;
}

// Only the bar is painted again, from the picture of the sheet.
void CVorelView::OnCaretBlink() {
  if (!m_bCaretCreated) return;
  m_bCaretOn = !m_bCaretOn;
  viewport()->update(m_rcCaretBar);
}

void CVorelView::DrawCaretBar(QPainter& painter) {
  if (!m_bCaretCreated || !m_bCaretOn) return;
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.fillRect(m_rcCaretBar.translated(PreeditCaretOffset()), Qt::white);
  painter.restore();
}

void CVorelView::focusInEvent(QFocusEvent* event) {
  RefreshCaret();
  QAbstractScrollArea::focusInEvent(event);
}

void CVorelView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  HideCaretBar();
}

CStringW CVorelView::GetPagePaneText() const {
  if (!m_caret.m_pCaretNode) return CStringW();
  return CStringW(QString::asprintf("%3d", int(m_caret.m_pCaretNode->m_nPage)).toStdU16String() + u"ページ");
}

void CVorelView::OnUpdatePagePane(CCmdUI* pCmdUI) {
  pCmdUI->Enable();
  pCmdUI->SetText(QString::fromStdU16String(GetPagePaneText().str()));
}

// Over a vertical sheet the I-beam lies across, as the lines do.
void CVorelView::UpdateCursor() {
  if (!m_mapper.m_bVertical) {
    viewport()->setCursor(Qt::IBeamCursor);
    return;
  }
  viewport()->setCursor(QCursor(QPixmap(QStringLiteral(":/cursors/352.png"))));
}
