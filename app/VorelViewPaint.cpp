#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <vector>

#include "app/MessageService.h"
#include "app/ScreenInkRecord.h"
#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "elements/EditPrint.h"
#include "model/EditBox.h"
#include "model/EditLayoutParam.h"
#include "model/GdiCache.h"
#include "model/NodeTypes.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"
#include "platform/Rgn.h"
#include "platform/StockObjects.h"

namespace {

constexpr COLORREF kBackground = RGB(160, 160, 160);
constexpr char16_t kBufferFailed[] =
    u"描画用ビットマップの作成に失敗しました。\n\nディスプレイの解像度または色数を減らして下さい。";

QColor ToQColor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

}  // namespace

QImage CVorelView::MakeBuffer(const QSize& size, qreal ratio) {
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  if (!image.isNull()) image.setDevicePixelRatio(ratio);
  return image;
}

// The buffer has the window's size and pixel ratio. One that cannot be made is reported once,
// and the view paints grey until a buffer can be made again.
bool CVorelView::EnsureBuffer() {
  const QSize size = viewport()->size();
  const qreal ratio = devicePixelRatioF();
  if (size.isEmpty()) return false;
  if (!m_buffer.isNull() && m_buffer.deviceIndependentSize().toSize() == size && m_buffer.devicePixelRatio() == ratio)
    return true;
  m_buffer = MakeBuffer(size, ratio);
  m_rcDirty = QRect(QPoint(0, 0), size);
  if (!m_buffer.isNull()) {
    m_bBufferFailed = false;
    return true;
  }
  if (!m_bBufferFailed && m_pDoc && m_pDoc->GetMessageService()) {
    // Not from inside the paint event: the box runs its own event loop.
    QMetaObject::invokeMethod(
        this,
        [this] { m_pDoc->GetMessageService()->ShowMessage(kBufferFailed, kLibraryCaption, MB_BUTTONS_OK, MB_ICON_NONE); },
        Qt::QueuedConnection);
  }
  m_bBufferFailed = true;
  return false;
}

void CVorelView::Invalidate() {
  m_rcDirty = viewport()->rect();
  viewport()->update();
}

void CVorelView::InvalidateRect(const QRect& rect) {
  const QRect dirty = rect.intersected(viewport()->rect());
  if (dirty.isEmpty()) return;
  m_rcDirty |= dirty;
  viewport()->update(dirty);
}

// Only the dirty rectangle is drawn again: what the sheet draws there is the same whether or
// not the rest is drawn with it.
void CVorelView::RenderBuffer() {
  {
    QPainter painter(&m_buffer);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(m_rcDirty, ToQColor(kBackground));
  }
  CDC dc(MakeImageBackend(&m_buffer));
  CRgn clip;
  clip.CreateRectRgn(m_rcDirty.left(), m_rcDirty.top(), m_rcDirty.right() + 1, m_rcDirty.bottom() + 1);
  dc.SelectClipRgn(&clip);
  OnPrepareDC(&dc);
  OnDraw(&dc);
  dc.SetWindowOrg(0, 0);
  DrawFieldHandles(&dc);
  m_rcDirty = QRect();
  ++m_nSheetDraws;
}

void CVorelView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (!EnsureBuffer()) {
    painter.fillRect(event->rect(), ToQColor(kBackground));
    return;
  }
  if (!m_rcDirty.isEmpty()) RenderBuffer();
  const qreal ratio = m_buffer.devicePixelRatio();
  const QRect rect = event->rect();
  painter.drawImage(rect, m_buffer, QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio));
  m_bInPaint = true;
  UpdateCaret(FALSE);
  m_bInPaint = false;
  DrawPreedit(painter);
  DrawCaretBar(painter);
}

RECT CVorelView::VisibleSheetRect() {
  CRect rect(0, 0, viewport()->width(), viewport()->height());
  ClientToDocRect(&rect);
  rect.NormalizeRect();
  return rect;
}

// Without a selection, which an edit takes away wherever it is shown.
bool CVorelView::TakeScreenInk(CScreenInkRecord* pRecord) {
  CEditPrint* root = GetSheetRoot();
  if (!root || m_caret.m_pAnchor || m_rcDirty == viewport()->rect()) return false;
  try {
    pRecord->Take(*root, VisibleSheetRect(), m_caret.m_pCaretNode);
  } catch (...) {
    return false;
  }
  return true;
}

// A changed rectangle is widened by half its height, at least a few pixels, for the ink
// around a box: overhanging glyphs, frames, borders and outlines drawn on its edges.
void CVorelView::InvalidateChanges(const CScreenInkRecord& before, POINT ptOrigin) {
  CScreenInkRecord after;
  std::vector<RECT> changed;
  const bool bMoved = ptOrigin.x != m_mapper.m_nOriginX || ptOrigin.y != m_mapper.m_nOriginY;
  if (bMoved || !TakeScreenInk(&after) || !CScreenInkRecord::Difference(before, after, &changed)) {
    Invalidate();
    return;
  }
  constexpr int kMinimumMargin = 4;
  for (RECT rect : changed) {
    DocToClientRect(&rect);
    QRect box = QRect(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom)).normalized();
    const int margin = std::max(kMinimumMargin, std::min(box.width(), box.height()) / 2);
    InvalidateRect(box.adjusted(-margin, -margin, margin, margin));
  }
}

// Pages stand one below the other, m_nPageGapY apart and m_nPageGapX from the left edge.
void CVorelView::DrawPageBackgrounds(CDC* pDC, CEditPrint& root) {
  SIZE page;
  root.GetPageSize(&page);
  for (int i = 1; i <= root.m_nPageCount; ++i) {
    RECT rect{root.m_nPageGapX, (i - 1) * page.cy + i * root.m_nPageGapY, 0, 0};
    rect.right = rect.left + page.cx;
    rect.bottom = rect.top + page.cy;
    m_mapper.LPtoDPRect(&rect);
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
  }
}

void CVorelView::OnDraw(CDC* pDC) {
  CEditPrint* root = GetSheetRoot();
  RECT clip;
  if (!root || !pDC || pDC->GetClipBox(&clip) == ERROR || CRect(clip).IsRectEmpty()) return;
  CWritingDirection direction(m_mapper.m_bVertical);
  try {
    DrawPageBackgrounds(pDC, *root);
    DrawVisiblePages(pDC, *root, clip);
    if (pDC->IsPrinting()) return;
    DrawSelectionOn(pDC);
    CEditNode* caret = m_caret.m_pCaretNode;
    CQVXMLNode* parent = caret ? caret->GetParent() : nullptr;
    if (parent && parent->m_nType != NTYPE_EDITSENTENCE) DrawContainerFrame(pDC);
  } catch (...) {
  }
}

// Only the parts with a box on a page in the clip box, and near it down the page, are drawn:
// drawing every page of a long sheet for each keystroke would cost more than the keystroke may.
// A part's labels and marks stand less than kInkReach beside its boxes.
void CVorelView::DrawVisiblePages(CDC* pDC, CEditPrint& root, RECT clip) {
  constexpr int kInkReach = 1000;
  m_mapper.DPtoLPRect(&clip);
  CRect near(clip);
  near.NormalizeRect();
  near.InflateRect(0, kInkReach);
  SIZE page;
  root.GetPageSize(&page);
  std::vector<bool> visible(size_t(std::max(0, root.m_nPageCount)) + 1, false);
  for (int i = 1; i <= root.m_nPageCount; ++i) {
    const int top = (i - 1) * page.cy + i * root.m_nPageGapY;
    visible[size_t(i)] = top < clip.bottom && top + page.cy > clip.top;
  }
  const auto onVisiblePage = [&visible](int nPage) { return nPage > 0 && size_t(nPage) < visible.size() && visible[size_t(nPage)]; };
  if (std::all_of(visible.begin() + 1, visible.end(), [](bool b) { return b; })) {
    EDIT_LAYOUT_PARAM param{};
    root.Draw(pDC, &m_mapper, &param);
    return;
  }
  for (int i = 0; i < root.m_nodePageKimeiran.GetChildCount(); ++i) {
    auto* field = dynamic_cast<CEditNode*>(root.m_nodePageKimeiran.GetChildAt(i));
    EDIT_LAYOUT_PARAM param{};
    if (field && onVisiblePage(field->m_nPage)) field->Draw(pDC, &m_mapper, &param);
  }
  for (int i = 0; i < root.GetChildCount(); ++i) {
    CEditNode* child = root.GetEditChildAt(i);
    auto* container = dynamic_cast<CEditContainer*>(child);
    bool bShown = !container || container->GetBoxCount() == 0;
    for (int b = 0; !bShown && b < container->GetBoxCount(); ++b) {
      const CEditProperties& box = container->GetBox(b)->m_props;
      bShown = onVisiblePage(box.m_nPage) && box.m_rcInk.top < near.bottom && box.m_rcInk.bottom > near.top;
    }
    EDIT_LAYOUT_PARAM param{};
    if (child && bShown) child->Draw(pDC, &m_mapper, &param);
  }
}

// A dotted frame around the box the caret is in: a table cell, a text box, a formula.
void CVorelView::DrawContainerFrame(CDC* pDC) {
  auto* parent = m_caret.m_pCaretNode ? dynamic_cast<CEditNode*>(m_caret.m_pCaretNode->GetParent()) : nullptr;
  if (!pDC || pDC->IsPrinting() || !parent) return;
  RECT rect = parent->m_rcInk;
  m_mapper.LPtoDPRect(&rect);
  rect.left -= 1;
  rect.top -= 1;
  rect.right += 2;
  rect.bottom += 2;
  CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
  const int oldRop = pDC->SetROP2(R2_XORPEN);
  pDC->FrameRect(&rect, GetHalftoneBrush());
  pDC->SetROP2(oldRop);
  pDC->SelectObject(oldBrush);
}

void CVorelView::DrawSelectionOn(CDC* pDC) {
  CEditPrint* root = GetSheetRoot();
  if (!root || !pDC || pDC->IsPrinting() || !m_caret.m_pAnchor || !m_caret.m_pCaretNode) return;
  root->DrawSelection(pDC, &m_mapper, &m_caret);
}

// The highlight inverts, so drawing it again on the shown picture takes it away. A picture
// that is to be drawn again shows the selection as it is then; one drawn again only in part
// is drawn again whole, as the rest may show the highlight.
void CVorelView::InvertSelection() {
  if (!m_rcDirty.isEmpty()) Invalidate();
  if (!m_rcDirty.isEmpty() || m_buffer.isNull()) return;
  try {
    CDC dc(MakeImageBackend(&m_buffer));
    OnPrepareDC(&dc);
    DrawSelectionOn(&dc);
  } catch (...) {
  }
  viewport()->update();
}

// In field mode every selected field but the current one shows eight inverted handles.
void CVorelView::DrawFieldHandles(CDC* pDC) {
  if (m_nViewMode != VIEWMODE_FIELD) return;
  for (CEditNode* field : m_listFields) {
    if (!field || field == m_pCurField) continue;
    CRect rect(field->m_rcInk);
    DocToClientRect(&rect);
    rect.NormalizeRect();
    const int xs[3] = {rect.left, rect.left + (rect.right - rect.left) / 2, rect.right};
    const int middle = rect.top + (rect.bottom - rect.top) / 2;
    for (int x : xs) {
      pDC->PatBlt(x - 2, rect.top - 2, 5, 5, DSTINVERT);
      pDC->PatBlt(x - 2, rect.bottom - 2, 5, 5, DSTINVERT);
    }
    pDC->PatBlt(rect.left - 2, middle - 2, 5, 5, DSTINVERT);
    pDC->PatBlt(rect.right - 2, middle - 2, 5, 5, DSTINVERT);
  }
}
