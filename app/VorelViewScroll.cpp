#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

#include "app/VorelAppSettings.h"
#include "app/VorelView.h"
#include "elements/EditPrint.h"
#include "ui/StandardToolBar.h"
#include "ui/ZoomDlg.h"

namespace {

constexpr int kLineStep = 1000;  // 10 mm
constexpr int kWheelNotch = 120;

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

// The largest position of a bar: the document's extent when the bar is shown, else 0.
int RangeMaximum(const QScrollBar* bar) { return bar->maximum() > 0 ? bar->maximum() + bar->pageStep() : 0; }

void SetBar(QScrollBar* bar, int nDocument, int nClient, int nPosition) {
  const bool bShown = nClient < nDocument;
  bar->setRange(0, bShown ? nDocument - nClient : 0);
  bar->setPageStep(bShown ? nClient : 0);
  bar->setSingleStep(kLineStep);
  bar->setValue(bShown ? nPosition : 0);
}

}  // namespace

// The client in 0.01 mm, in layout axes.
SIZE CVorelView::ClientExtent() const {
  SIZE extent{viewport()->width(), viewport()->height()};
  m_mapper.DPtoLPSize(&extent);
  return extent;
}

// The bars and the origin follow the canvas: a vertical sheet starts at the right end of its
// canvas, where the horizontal position is greatest. A canvas smaller than the window hides
// the bar and keeps the origin at 0.
void CVorelView::UpdateScrollSizes(const SIZE* pClient) {
  try {
    SIZE client = pClient ? *pClient : SIZE{viewport()->width(), viewport()->height()};
    if (client.cx <= 0 || client.cy <= 0) return;
    const bool bVertical = m_mapper.m_bVertical;
    m_mapper.DPtoLPSize(&client);
    if (bVertical) std::swap(client.cx, client.cy);
    SIZE document = client;
    if (CEditPrint* root = GetSheetRoot()) {
      root->GetCanvasSize(&document);
      if (bVertical) std::swap(document.cx, document.cy);
    }
    const int maxH = std::max(0, int(document.cx - client.cx));
    const int maxV = std::max(0, int(document.cy - client.cy));
    int h = 0;
    int v = 0;
    if (bVertical) {
      m_mapper.m_nOriginX = v = Clamp(m_mapper.m_nOriginX, 0, maxV);
      h = Clamp(maxH - m_mapper.m_nOriginY, 0, maxH);
      m_mapper.m_nOriginY = maxH - h;
    } else {
      m_mapper.m_nOriginY = v = Clamp(m_mapper.m_nOriginY, 0, maxV);
      m_mapper.m_nOriginX = h = Clamp(m_mapper.m_nOriginX, 0, maxH);
    }
    m_bSettingBars = true;
    SetBar(verticalScrollBar(), document.cy, client.cy, v);
    SetBar(horizontalScrollBar(), document.cx, client.cx, h);
    m_bSettingBars = false;
  } catch (...) {
    m_bSettingBars = false;
  }
}

// The user moved a bar: the origin follows it.
void CVorelView::ApplyScrollBars() {
  const int h = horizontalScrollBar()->value();
  const int v = verticalScrollBar()->value();
  if (m_mapper.m_bVertical) {
    m_mapper.m_nOriginX = v;
    m_mapper.m_nOriginY = horizontalScrollBar()->maximum() - h;
  } else {
    m_mapper.m_nOriginX = h;
    m_mapper.m_nOriginY = v;
  }
}

void CVorelView::scrollContentsBy(int, int) {
  if (m_bSettingBars) return;
  ApplyScrollBars();
  Invalidate();
}

void CVorelView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollSizes();
  Invalidate();
}

namespace {

int StepFor(SCROLL_CODE nCode, const QScrollBar* bar, int nTrackPos) {
  const int pos = bar->value();
  const int maximum = RangeMaximum(bar);
  switch (nCode) {
    case SB_LINEUP: return pos > 0 ? -kLineStep : 0;
    case SB_LINEDOWN: return pos < maximum ? kLineStep : 0;
    case SB_PAGEUP: return pos > 0 ? -bar->pageStep() : 0;
    case SB_PAGEDOWN: return pos < maximum ? bar->pageStep() : 0;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return nTrackPos < maximum ? nTrackPos - pos : 0;
    default: return 0;
  }
}

}  // namespace

void CVorelView::OnVScroll(SCROLL_CODE nCode, int nTrackPos) {
  if (const int step = StepFor(nCode, verticalScrollBar(), nTrackPos)) ScrollBy(true, step);
}

void CVorelView::OnHScroll(SCROLL_CODE nCode, int nTrackPos) {
  if (const int step = StepFor(nCode, horizontalScrollBar(), nTrackPos)) ScrollBy(false, step);
}

// In vertical writing the vertical bar moves the origin along the lines (x), and the
// horizontal one runs against the origin y, which grows towards the left.
void CVorelView::ScrollBy(bool bVerticalBar, int nStep) {
  try {
    const int maximum = RangeMaximum(bVerticalBar ? verticalScrollBar() : horizontalScrollBar());
    int& origin = (bVerticalBar != bool(m_mapper.m_bVertical)) ? m_mapper.m_nOriginY : m_mapper.m_nOriginX;
    const int moved = (!bVerticalBar && m_mapper.m_bVertical) ? origin - nStep : origin + nStep;
    origin = Clamp(moved, 0, maximum);
    UpdateScrollSizes();
    Invalidate();
  } catch (...) {
  }
}

// A notch is 120 units of angle; finer wheels add up to notches. The wheel scrolls the screen
// vertically in both writing directions.
void CVorelView::wheelEvent(QWheelEvent* event) {
  m_nWheelDelta += event->angleDelta().y();
  for (; m_nWheelDelta >= kWheelNotch; m_nWheelDelta -= kWheelNotch) OnVScroll(SB_LINEUP);
  for (; m_nWheelDelta <= -kWheelNotch; m_nWheelDelta += kWheelNotch) OnVScroll(SB_LINEDOWN);
  event->accept();
}

// Only the caret's leading edge counts: a caret whose start is inside the window is visible.
// A move leaves the caret and one scroll bar's width of room beside it.
void CVorelView::ScrollCaretIntoView() {
  try {
    const int nBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    SIZE margin{nBar, nBar};
    m_mapper.DPtoLPSize(&margin);
    const SIZE client = ClientExtent();
    const int width = m_rcCaret.right - m_rcCaret.left;
    const int height = m_rcCaret.bottom - m_rcCaret.top;
    auto follow = [](int& origin, int edge, int size, int room, int extent) {
      if (edge < origin) {
        origin = edge - size - room;
        return true;
      }
      if (edge > origin + extent) {
        origin = edge + size + room - extent;
        return true;
      }
      return false;
    };
    const bool bMovedX = follow(m_mapper.m_nOriginX, m_rcCaret.left, width, margin.cx, client.cx);
    const bool bMovedY = follow(m_mapper.m_nOriginY, m_rcCaret.top, height, margin.cy, client.cy);
    if (!bMovedX && !bMovedY) return;
    UpdateScrollSizes();
    Invalidate();
  } catch (...) {
  }
}

void CVorelView::OnViewZoom() {
  CZoomDlg dialog(this);
  dialog.m_nPercent = m_mapper.GetZoom();
  if (dialog.DoModal() != IDOK) return;
  SetToolbarZoom(dialog.m_nPercent);
  m_mapper.SetZoom(dialog.m_nPercent);
  OnUpdate(nullptr, 4, nullptr);
}

// The zoom box's value also becomes the stored zoom, which the next sheet opens at.
void CVorelView::OnZoomCombo() {
  const int nZoom = GetToolbarZoom();
  m_mapper.SetZoom(nZoom);
  m_pSettings->m_nZoom = nZoom;
  OnUpdate(nullptr, 4, nullptr);
  setFocus();
}

void CVorelView::OnZoomComboNotify(LRESULT* pResult) {
  if (pResult) *pResult = 1;
  OnZoomCombo();
}

int CVorelView::GetToolbarZoom() {
  CStandardToolBar* bar = GetStandardToolBar();
  return bar ? bar->GetZoom() : m_mapper.GetZoom();
}

void CVorelView::SetToolbarZoom(int nZoom) {
  if (CStandardToolBar* bar = GetStandardToolBar()) bar->SetZoom(nZoom);
}
