#include "app/VorelView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/VorelDoc.h"
#include "elements/EditPrint.h"
#include "model/DefaultFonts.h"
#include "model/EditLayoutParam.h"
#include "model/GdiCache.h"
#include "model/LayoutDC.h"
#include "model/NodeTypes.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

constexpr COLORREF kBackground = RGB(128, 128, 128);
constexpr int kDefaultZoom = 100;

}  // namespace

CVorelView::CVorelView(CVorelDoc* pDoc, QWidget* pParent) : QAbstractScrollArea(pParent), m_pDoc(pDoc) {
  m_mapper.SetZoom(kDefaultZoom);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  if (m_pDoc) m_pDoc->AddView(this);
}

CVorelView::~CVorelView() {
  if (m_pDoc) m_pDoc->RemoveView(this);
}

CEditPrint* CVorelView::GetSheetRoot() const {
  CEditPrint* root = m_pDoc ? m_pDoc->GetPrint() : nullptr;
  return root && root->m_nType == NTYPE_EDITPRINT ? root : nullptr;
}

void CVorelView::ResetFromDocument() {
  CEditPrint* root = m_pDoc ? m_pDoc->GetPrint() : nullptr;
  m_mapper.m_bVertical = root ? root->m_nReserved0 != 0 : TRUE;
  m_mapper.SetResolution(logicalDpiX() > 0 ? logicalDpiX() : 96, logicalDpiY() > 0 ? logicalDpiY() : 96,
                         m_mapper.GetZoom());
  m_mapper.m_nOriginX = 0;
  m_mapper.m_nOriginY = 0;
}

void CVorelView::OnInitialUpdate() {
  ResetFromDocument();
  m_caret.Reset();
  m_savedCaret.Reset();
  GetDefaultFont(&m_caret.m_lfNew, m_mapper.m_bVertical);
  m_caret.m_lfNew.lfHeight = -std::abs(GetDefaultHeight());
  if (CEditPrint* root = GetSheetRoot()) {
    CEditNode* first = root->GetEditChildAt(0);
    SetCaretNode(first ? first->GetEditChildAt(0) : nullptr);
  }
  RecalcLayout();
  UpdateScrollSizes();
  UpdateCaret(TRUE);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->update();
}

void CVorelView::OnUpdate(CView*, LPARAM lHint, CObject*) {
  try {
    switch (lHint) {
      case 2:
        ResetFromDocument();
        m_caret.Reset();
        m_savedCaret.Reset();
        break;
      case 0:
      case 3:
      case 4:
        RecalcLayout();
        UpdateScrollSizes();
        viewport()->update();
        break;
      default:
        break;
    }
  } catch (...) {
  }
}

// Text is measured at 96 dots per inch with one unit of 0.01 mm, whatever the zoom.
void CVorelView::RecalcLayout() {
  CEditPrint* root = GetSheetRoot();
  if (!root) return;
  const int bSavedVertical = g_bVerticalWriting;
  g_bVerticalWriting = m_mapper.m_bVertical;
  try {
    CLayoutDC dc;
    EDIT_LAYOUT_PARAM param{};
    root->Measure(&dc, &m_mapper, &param);
    root->Arrange(&param, m_mapper.m_bVertical);
    ++m_nLayoutPasses;
  } catch (...) {
  }
  g_bVerticalWriting = bSavedVertical;
}

void CVorelView::SetZoom(int nZoom) {
  m_mapper.SetZoom(nZoom);
  OnUpdate(nullptr, 4, nullptr);
}

void CVorelView::UpdateScrollSizes() {
  CEditPrint* root = GetSheetRoot();
  SIZE canvas{0, 0};
  if (root) root->GetCanvasSize(&canvas);
  CCoordMapper unscrolled;
  unscrolled.Copy(m_mapper);
  unscrolled.LPtoDPSize(&canvas);
  const QSize page = viewport()->size();
  const bool bVertical = m_mapper.m_bVertical;
  horizontalScrollBar()->setRange(0, std::max(0, int(canvas.cx) - page.width()));
  horizontalScrollBar()->setPageStep(page.width());
  verticalScrollBar()->setRange(0, std::max(0, int(canvas.cy) - page.height()));
  verticalScrollBar()->setPageStep(page.height());
  // A vertical sheet starts at its right end, where its first page stands.
  if (bVertical && m_mapper.m_nOriginY == 0) horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
  ApplyScrollOrigin();
}

int CVorelView::PixelsToLayout(int nPixels) const {
  SIZE size{nPixels, nPixels};
  m_mapper.DPtoLPSize(&size);
  return size.cx;
}

void CVorelView::ApplyScrollOrigin() {
  const int h = horizontalScrollBar()->value();
  const int v = verticalScrollBar()->value();
  if (m_mapper.m_bVertical) {
    m_mapper.m_nOriginX = PixelsToLayout(v);
    m_mapper.m_nOriginY = PixelsToLayout(horizontalScrollBar()->maximum() - h);
  } else {
    m_mapper.m_nOriginX = PixelsToLayout(h);
    m_mapper.m_nOriginY = PixelsToLayout(v);
  }
}

void CVorelView::scrollContentsBy(int, int) {
  ApplyScrollOrigin();
  viewport()->update();
}

void CVorelView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollSizes();
}

void CVorelView::DocToClientRect(RECT* pRect) {
  if (!pRect) return;
  m_mapper.LPtoDPRect(pRect);
  if (m_mapper.m_bVertical) {
    pRect->left += viewport()->width();
    pRect->right += viewport()->width();
  }
}

void CVorelView::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatioF();
  const QSize size = viewport()->size() * ratio;
  if (m_buffer.size() != size) {
    m_buffer = QImage(size, QImage::Format_RGB32);
    m_buffer.setDevicePixelRatio(ratio);
  }
  if (m_buffer.isNull()) return;
  m_buffer.fill(QColor(GetRValue(kBackground), GetGValue(kBackground), GetBValue(kBackground)));
  {
    CDC dc(MakeImageBackend(&m_buffer));
    dc.SetMapMode(MM_TEXT);
    // Vertical sheets run right to left: their layout maps to negative x.
    if (m_mapper.m_bVertical) dc.SetWindowOrg(-viewport()->width(), 0);
    OnDraw(&dc);
  }
  QPainter painter(viewport());
  painter.drawImage(event->rect(), m_buffer, QRectF(QPointF(event->rect().topLeft()) * ratio,
                                                    QSizeF(event->rect().size()) * ratio));
  DrawCaret(painter);
  ++m_nPaints;
}

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
  if (!root) return;
  const int bSavedVertical = g_bVerticalWriting;
  g_bVerticalWriting = m_mapper.m_bVertical;
  try {
    DrawPageBackgrounds(pDC, *root);
    EDIT_LAYOUT_PARAM param{};
    root->Draw(pDC, &m_mapper, &param);
  } catch (...) {
  }
  g_bVerticalWriting = bSavedVertical;
}
