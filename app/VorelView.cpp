#include "app/VorelView.h"

#include <QScrollBar>

#include <cstring>
#include <optional>

#include "app/VorelApp.h"
#include "app/VorelAppSettings.h"
#include "app/VorelDoc.h"
#include "elements/EditPrint.h"
#include "model/DefaultFonts.h"
#include "model/EditLayoutParam.h"
#include "model/GdiCache.h"
#include "model/LayoutDC.h"
#include "model/NodeTypes.h"
#include "platform/AnsiCodePage.h"
#include "platform/DC.h"
#include "platform/QtInputMethod.h"
#include "ui/MainFrame.h"
#include "ui/StandardToolBar.h"

namespace {

// The application's settings; a view without an application keeps defaults of its own.
CVorelAppSettings& DefaultSettings() {
  static CVorelAppSettings settings;
  if (CVorelAppSettings* app = GetVorelApp()) return *app;
  return settings;
}

// The numbering face follows the writing direction: "@" faces write top to bottom.
void MatchFaceToDirection(CHAR (&face)[LF_FACESIZE], BOOL bVertical) {
  const bool bAtFace = std::strchr(face, '@') != nullptr;
  if (bVertical && !bAtFace) CopyFaceName(face, WideToAnsi(u"@ＭＳ Ｐ明朝").c_str());
  if (!bVertical && bAtFace) CopyFaceName(face, WideToAnsi(u"ＭＳ Ｐ明朝").c_str());
}

}  // namespace

CVorelView::CWritingDirection::CWritingDirection(int bVertical) : m_bSaved(g_bVerticalWriting) {
  g_bVerticalWriting = bVertical;
}

CVorelView::CWritingDirection::~CWritingDirection() { g_bVerticalWriting = m_bSaved; }

CVorelView::CVorelView(CVorelDoc* pDoc, QWidget* pParent)
    : QAbstractScrollArea(pParent), m_pDoc(pDoc), m_pSettings(&DefaultSettings()) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  m_hWnd = CQtInputMethod::Instance().Attach(this);
  connect(&m_caretTimer, &QTimer::timeout, this, &CVorelView::OnCaretBlink);
  UpdateCursor();
  if (m_pDoc) m_pDoc->AddView(this);
}

CVorelView::~CVorelView() {
  CQtInputMethod::Instance().Detach(m_hWnd);
  if (m_pDoc) m_pDoc->RemoveView(this);
}

void CVorelView::SetAppSettings(CVorelAppSettings* pSettings) {
  m_pSettings = pSettings ? pSettings : &DefaultSettings();
}

CEditPrint* CVorelView::GetSheetRoot() const {
  CEditPrint* root = m_pDoc ? m_pDoc->GetPrint() : nullptr;
  return root && root->m_nType == NTYPE_EDITPRINT ? root : nullptr;
}

CMainFrame* CVorelView::GetParentFrame() const { return qobject_cast<CMainFrame*>(window()); }

CStandardToolBar* CVorelView::GetStandardToolBar() const {
  CMainFrame* frame = GetParentFrame();
  return frame ? frame->GetStandardToolBar() : nullptr;
}

void CVorelView::ConnectFrame() {
  CStandardToolBar* bar = GetStandardToolBar();
  if (!bar) return;
  connect(bar, &CStandardToolBar::zoomSelected, this, &CVorelView::OnZoomCombo, Qt::UniqueConnection);
  connect(bar, &CStandardToolBar::zoomEntered, this, &CVorelView::OnZoomEntered, Qt::UniqueConnection);
}

int CVorelView::ClientWidth() const { return viewport()->width(); }

void CVorelView::ResetFromDocument() {
  try {
    m_ptWindowOrg = POINT{0, 0};
    CEditPrint* root = m_pDoc ? m_pDoc->GetPrint() : nullptr;
    m_mapper.m_bVertical = root ? root->m_nReserved0 != 0 : m_pSettings->m_nWritingMode == 1;
    const BOOL bVertical = m_mapper.m_bVertical;
    m_mapper.SetResolution(logicalDpiX(), logicalDpiY(), m_pSettings->m_nZoom);
    MatchFaceToDirection(m_pSettings->m_DefaultBango.m_kasen.szNumberFace, bVertical);
    m_bLeadByteHeld = false;
    m_strPreedit.clear();
    GetDefaultFont(&m_lfText, bVertical);
    m_lfText.lfHeight = -std::abs(GetDefaultHeight());
    GetMathFont(&m_lfMath);
    m_lfMath.lfHeight = -std::abs(GetMathHeight());
    m_rcCaret = RECT{0, 0, 1, 10};
    m_ptCaretIme = POINT{0, 0};
    m_nViewMode = VIEWMODE_TEXT;
    m_caret.Reset();
    m_caret.m_lfNew = m_lfText;
    m_savedCaret.Reset();
    m_pCurField = nullptr;
    m_listFields.clear();
    m_pKimeiran = nullptr;
    m_pGraphic = nullptr;
    m_nWheelDelta = 0;
    m_mapper.m_nOriginX = 0;
    m_mapper.m_nOriginY = 0;
  } catch (...) {
  }
  HideCaretBar();
  UpdateCursor();
}

// The input method's warnings about Unicode and vertical composition have no cause here: the
// view draws the composition itself.
void CVorelView::OnInitialUpdate() {
  ResetFromDocument();
  SetImeOpen(TRUE);
  ConnectFrame();
  CEditPrint* root = GetSheetRoot();
  if (root) {
    CEditNode* first = root->GetEditChildAt(0);
    SetCaretNode(first ? first->GetEditChildAt(0) : nullptr);
  }
  RecalcLayout();
  UpdateScrollSizes();
  SetToolbarZoom(m_mapper.GetZoom());
  if (CMainFrame* frame = GetParentFrame()) frame->SetWritingMode(m_mapper.m_bVertical);
  UpdateCaret(TRUE);
  Invalidate();
}

void CVorelView::OnUpdate(CView*, LPARAM lHint, CObject* pHint) {
  try {
    switch (lHint) {
      case 1:
        if (auto* node = dynamic_cast<CEditNode*>(pHint)) {
          // The object's tracker draws its handles outside its rectangle.
          constexpr int kHandleSize = 8;
          CRect rect(node->m_rcInk);
          DocToClientRect(&rect);
          rect.NormalizeRect();
          rect.InflateRect(kHandleSize, kHandleSize);
          m_rcDirty = viewport()->rect();
          viewport()->update(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
        }
        break;
      case 2:
        ResetFromDocument();
        Invalidate();
        break;
      case 0:
      case 3:
      case 4:
        RecalcLayout();
        UpdateScrollSizes();
        Invalidate();
        break;
      default:
        break;
    }
  } catch (...) {
  }
}

// Text is measured at 96 dots per inch with one unit of 0.01 mm, whatever the zoom and the
// device, so line and page breaks never depend on them.
void CVorelView::RecalcLayout(CDC* pDC) {
  CEditPrint* root = GetSheetRoot();
  if (!root) return;
  CWritingDirection direction(m_mapper.m_bVertical);
  try {
    std::optional<CLayoutDC> own;
    if (!pDC) pDC = &own.emplace();
    EDIT_LAYOUT_PARAM param{};
    pDC->SaveDC();
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(2540, 2540);
    pDC->SetViewportExt(96, 96);
    root->Measure(pDC, &m_mapper, &param);
    pDC->RestoreDC(-1);
    root->Arrange(&param, m_mapper.m_bVertical);
    ++m_nLayoutPasses;
  } catch (...) {
  }
}

void CVorelView::SetMapping(CDC* pDC) {
  if (!pDC) return;
  const int nExtent = MulDiv(2540, 100, m_mapper.GetZoom());
  pDC->SetMapMode(MM_ANISOTROPIC);
  pDC->SetWindowExt(nExtent, nExtent);
  pDC->SetViewportExt(m_mapper.GetResolutionX(), m_mapper.GetResolutionY());
}

void CVorelView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  SetMapping(pDC);
  if (!pInfo) SetScreenOrigin(pDC, &m_mapper, RECT{0, 0, ClientWidth(), viewport()->height()});
}

// The screen is drawn in device pixels: the mapper does all scaling and turning, and a
// vertical sheet, which maps to negative x, is moved right by the client width.
void CVorelView::SetScreenOrigin(CDC* pDC, CCoordMapper* pMapper, const RECT& rcClient) {
  if (!pDC || !pMapper) return;
  pDC->SetMapMode(MM_TEXT);
  m_ptWindowOrg = POINT{pMapper->m_bVertical ? -(rcClient.right - rcClient.left) : 0, 0};
  pDC->SetWindowOrg(m_ptWindowOrg.x, m_ptWindowOrg.y);
}

void CVorelView::SetOriginForExtent(CDC* pDC, CCoordMapper* pMapper, const RECT& rcExtent) {
  if (!pDC || !pMapper) return;
  SIZE extent{rcExtent.right - rcExtent.left, rcExtent.bottom - rcExtent.top};
  pMapper->LPtoDPSize(&extent);
  SetScreenOrigin(pDC, pMapper, RECT{0, 0, extent.cx, extent.cy});
}

void CVorelView::DocToClient(POINT* pPoint) {
  if (!pPoint) return;
  m_mapper.LPtoDP(pPoint);
  if (m_mapper.m_bVertical) pPoint->x += ClientWidth();
}

void CVorelView::DocToClientRect(RECT* pRect) {
  if (!pRect) return;
  m_mapper.LPtoDPRect(pRect);
  if (m_mapper.m_bVertical) {
    pRect->left += ClientWidth();
    pRect->right += ClientWidth();
  }
}

// The client width, not the window origin of the last paint: the window may have been
// resized since.
void CVorelView::ClientToDoc(POINT* pPoint) {
  if (!pPoint) return;
  if (m_mapper.m_bVertical) pPoint->x -= ClientWidth();
  m_mapper.DPtoLP(pPoint);
}

void CVorelView::ClientToDocRect(RECT* pRect) {
  if (!pRect) return;
  POINT topLeft{pRect->left, pRect->top};
  POINT bottomRight{pRect->right, pRect->bottom};
  ClientToDoc(&topLeft);
  ClientToDoc(&bottomRight);
  *pRect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

SIZE CVorelView::GetPageSize() const {
  SIZE size{0, 0};
  if (CEditPrint* root = GetSheetRoot()) root->GetPageSize(&size);
  return size;
}

RECT CVorelView::GetPageMargins() const {
  RECT margins{0, 0, 0, 0};
  if (CEditPrint* root = GetSheetRoot()) root->GetMargins(&margins);
  return margins;
}

void CVorelView::SetFieldSelection(CEditNode* pCurrent, const std::vector<CEditNode*>& fields) {
  m_pCurField = pCurrent;
  m_listFields = fields;
  Invalidate();
}
