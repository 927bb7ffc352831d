#include <QInputMethodEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>

#include "app/VorelView.h"
#include "model/DefaultFonts.h"
#include "model/ImeFunctions.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"
#include "platform/QtInputMethod.h"

// The composition shows in the caret's font at the zoom, turned for vertical writing; the
// gaiji face has no kana, so the Default face of the direction stands in for it.
LOGFONTA CVorelView::CompositionFont() const {
  LOGFONTA lf = m_caret.m_lfNew;
  m_mapper.LPtoDPFontSize(&lf);
  if (m_mapper.m_bVertical) {
    lf.lfEscapement = 2700;
    lf.lfOrientation = 2700;
  }
  if (std::strstr(lf.lfFaceName, "Halvern")) {
    LOGFONTA standIn{};
    GetDefaultFont(&standIn, m_mapper.m_bVertical);
    const LOGFONTA copy = lf;
    lf = standIn;
    lf.lfHeight = copy.lfHeight;
    lf.lfWidth = copy.lfWidth;
    lf.lfEscapement = copy.lfEscapement;
    lf.lfOrientation = copy.lfOrientation;
    lf.lfWeight = copy.lfWeight;
    lf.lfItalic = copy.lfItalic;
    lf.lfUnderline = copy.lfUnderline;
    lf.lfStrikeOut = copy.lfStrikeOut;
  }
  return lf;
}

BOOL CVorelView::IsImeOpen() const { return ImeGetOpenStatus(m_hWnd); }

// The input method stays as the user set it: Qt offers no switch for it.
void CVorelView::SetImeOpen(BOOL) {}

// The composition starts at the caret's leading corner: in vertical writing the top right
// corner of the character cell.
void CVorelView::PlaceImeWindow() {
  if (!hasFocus()) return;
  POINT point = m_ptCaretIme;
  DocToClient(&point);
  const LOGFONTA lf = CompositionFont();
  if (m_bImePlaced && point.x == m_ptImePlaced.x && point.y == m_ptImePlaced.y &&
      std::memcmp(&lf, &m_lfImePlaced, sizeof lf) == 0)
    return;
  ImeSetCompositionPos(m_hWnd, &point);
  ImeSetCompositionFont(m_hWnd, &lf);
  m_bImePlaced = true;
  m_ptImePlaced = point;
  m_lfImePlaced = lf;
}

// A composition changes nothing in the sheet; a commit is one undo step and one layout pass.
void CVorelView::inputMethodEvent(QInputMethodEvent* event) {
  m_strPreedit = event->preeditString();
  m_nPreeditCursor = int(m_strPreedit.size());
  for (const QInputMethodEvent::Attribute& attribute : event->attributes())
    if (attribute.type == QInputMethodEvent::Cursor) m_nPreeditCursor = std::clamp(attribute.start, 0, int(m_strPreedit.size()));
  if (!event->commitString().isEmpty() && m_caret.m_pCaretNode) {
    TypeText(CStringW(event->commitString().toStdU16String()));
    ScrollCaretIntoView();
  }
  viewport()->update();
  event->accept();
}

QVariant CVorelView::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImEnabled: return true;
    case Qt::ImCursorRectangle: {
      PREEDIT_LAYOUT layout;
      if (MeasurePreedit(&layout)) return layout.box;
      RECT rect = m_rcCaret;
      CCoordMapper mapper;
      mapper.Copy(m_mapper);
      mapper.LPtoDPRect(&rect);
      CRect cell(rect);
      if (m_mapper.m_bVertical) cell.OffsetRect(viewport()->width(), 0);
      cell.NormalizeRect();
      return QRect(cell.left, cell.top, cell.Width(), cell.Height());
    }
    default: break;
  }
  const QVariant answer = CQtInputMethod::Instance().Query(m_hWnd, query);
  return answer.isValid() ? answer : QAbstractScrollArea::inputMethodQuery(query);
}

// The composition's box in client pixels: from the caret along the line, as thick as the font.
bool CVorelView::MeasurePreedit(PREEDIT_LAYOUT* pLayout) const {
  if (m_strPreedit.isEmpty() || !m_caret.m_pCaretNode) return false;
  pLayout->lf = CompositionFont();
  pLayout->text = m_strPreedit.toStdU16String();
  QImage scratch(1, 1, QImage::Format_RGB32);
  CDC dc(MakeImageBackend(&scratch));
  CFont font;
  if (!font.CreateFontIndirect(&pLayout->lf)) return false;
  dc.SelectObject(&font);
  TEXTMETRICA tm{};
  dc.GetTextMetrics(&tm);
  SIZE whole{0, 0};
  SIZE before{0, 0};
  dc.GetTextExtentPoint32W(pLayout->text.data(), int(pLayout->text.size()), &whole);
  dc.GetTextExtentPoint32W(pLayout->text.data(), m_nPreeditCursor, &before);
  POINT point{m_rcCaret.left, m_rcCaret.top};
  CCoordMapper mapper;
  mapper.Copy(m_mapper);
  mapper.LPtoDP(&point);
  const int thickness = std::max(1, int(tm.tmHeight));
  if (m_mapper.m_bVertical) {
    point.x += viewport()->width();
    pLayout->box = QRect(point.x - thickness, point.y, thickness, std::max(1, int(whole.cx)));
    pLayout->cursor = QPoint(0, before.cx);
  } else {
    pLayout->box = QRect(point.x, point.y, std::max(1, int(whole.cx)), thickness);
    pLayout->cursor = QPoint(before.cx, 0);
  }
  return true;
}

QPoint CVorelView::PreeditCaretOffset() const {
  PREEDIT_LAYOUT layout;
  return MeasurePreedit(&layout) ? layout.cursor : QPoint();
}

// Drawn over the sheet on white, underlined; the caret bar stands at its cursor.
void CVorelView::DrawPreedit(QPainter& painter) {
  PREEDIT_LAYOUT layout;
  if (!MeasurePreedit(&layout)) return;
  const qreal ratio = devicePixelRatioF();
  QImage image(layout.box.size() * ratio, QImage::Format_RGB32);
  if (image.isNull()) return;
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  {
    CDC dc(MakeImageBackend(&image));
    CFont font;
    font.CreateFontIndirect(&layout.lf);
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetTextAlign(TA_TOP | TA_LEFT);
    const int width = layout.box.width();
    const int height = layout.box.height();
    const bool bVertical = m_mapper.m_bVertical;
    dc.TextOutW(bVertical ? width : 0, 0, layout.text.data(), int(layout.text.size()));
    // The underline runs below the text, which in vertical writing is its left side.
    dc.MoveTo(0, bVertical ? 0 : height - 1);
    dc.LineTo(bVertical ? 0 : width, bVertical ? height : height - 1);
  }
  painter.drawImage(layout.box.topLeft(), image);
}
