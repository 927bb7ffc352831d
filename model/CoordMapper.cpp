#include "model/CoordMapper.h"

#include "platform/DC.h"

namespace {

constexpr int kScreenResolution = 96;
constexpr int kLayoutUnitsPerInch = 2540;

// Layout units per inch at the zoom; 0 when the zoom cannot scale.
int DenominatorForZoom(int nZoom) {
  return nZoom > 0 ? MulDiv(kLayoutUnitsPerInch, 100, nZoom) : 0;
}

}  // namespace

CCoordMapper::CCoordMapper()
    : m_bVertical(0),
      m_nOriginX(0),
      m_nOriginY(0),
      m_nZoom(100),
      m_nResolutionX(kScreenResolution),
      m_nResolutionY(kScreenResolution),
      m_nNumeratorX(kScreenResolution),
      m_nDenominatorX(kLayoutUnitsPerInch),
      m_nNumeratorY(kScreenResolution),
      m_nDenominatorY(kLayoutUnitsPerInch) {}

void CCoordMapper::SetFromDC(const CDC* pDC, int nZoom) {
  int nResolutionX = kScreenResolution;
  int nResolutionY = kScreenResolution;
  if (pDC) {
    if (int logX = pDC->GetDeviceCaps(LOGPIXELSX); logX > 0) nResolutionX = logX;
    if (int logY = pDC->GetDeviceCaps(LOGPIXELSY); logY > 0) nResolutionY = logY;
  }
  m_nResolutionX = nResolutionX;
  m_nResolutionY = nResolutionY;
  StoreZoom(nZoom);
  Recompute();
}

void CCoordMapper::SetResolution(int nResolutionX, int nResolutionY, int nZoom) {
  if (nResolutionX > 0) m_nResolutionX = nResolutionX;
  if (nResolutionY > 0) m_nResolutionY = nResolutionY;
  StoreZoom(nZoom);
  Recompute();
}

void CCoordMapper::SetZoom(int nZoom) {
  StoreZoom(nZoom);
  Recompute();
}

void CCoordMapper::StoreZoom(int nZoom) {
  if (DenominatorForZoom(nZoom) > 0) m_nZoom = nZoom;
}

void CCoordMapper::Copy(const CCoordMapper& other) { *this = other; }

void CCoordMapper::Recompute() {
  m_nNumeratorX = m_nResolutionX;
  m_nNumeratorY = m_nResolutionY;
  m_nDenominatorX = DenominatorForZoom(m_nZoom);
  m_nDenominatorY = m_nDenominatorX;
}

void CCoordMapper::LPtoDP(POINT* pt) const {
  if (!pt) return;
  int x = ToDeviceX(pt->x - m_nOriginX);
  int y = ToDeviceY(pt->y - m_nOriginY);
  *pt = m_bVertical ? POINT{-y, x} : POINT{x, y};
}

void CCoordMapper::LPtoDPSize(SIZE* size) const {
  if (!size) return;
  int cx = ToDeviceX(size->cx);
  int cy = ToDeviceY(size->cy);
  *size = m_bVertical ? SIZE{cy, cx} : SIZE{cx, cy};
}

void CCoordMapper::LPtoDPRect(RECT* rect) const {
  if (!rect) return;
  POINT topLeft{rect->left, rect->top};
  POINT bottomRight{rect->right, rect->bottom};
  LPtoDP(&topLeft);
  LPtoDP(&bottomRight);
  if (m_bVertical)
    *rect = RECT{bottomRight.x, topLeft.y, topLeft.x, bottomRight.y};
  else
    *rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CCoordMapper::DPtoLP(POINT* pt) const {
  if (!pt) return;
  POINT device = m_bVertical ? POINT{pt->y, -pt->x} : *pt;
  pt->x = ToLayoutX(device.x) + m_nOriginX;
  pt->y = ToLayoutY(device.y) + m_nOriginY;
}

void CCoordMapper::DPtoLPSize(SIZE* size) const {
  if (!size) return;
  SIZE device = m_bVertical ? SIZE{size->cy, size->cx} : *size;
  size->cx = ToLayoutX(device.cx);
  size->cy = ToLayoutY(device.cy);
}

void CCoordMapper::DPtoLPRect(RECT* rect) const {
  if (!rect) return;
  POINT first = m_bVertical ? POINT{rect->right, rect->top} : POINT{rect->left, rect->top};
  POINT second = m_bVertical ? POINT{rect->left, rect->bottom} : POINT{rect->right, rect->bottom};
  DPtoLP(&first);
  DPtoLP(&second);
  *rect = RECT{first.x, first.y, second.x, second.y};
}

void CCoordMapper::LPtoDPFontSize(LOGFONTA* lf) const {
  if (!lf) return;
  lf->lfHeight = ToDeviceY(lf->lfHeight);
  lf->lfWidth = ToDeviceX(lf->lfWidth);
}

void CCoordMapper::LPtoDPFontSize(LOGFONTW* lf) const {
  if (!lf) return;
  lf->lfHeight = ToDeviceY(lf->lfHeight);
  lf->lfWidth = ToDeviceX(lf->lfWidth);
}
