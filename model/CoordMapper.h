#pragma once
// Maps layout units (0.01 mm, unrotated) to device pixels for a resolution and a zoom,
// with the scroll origin and, in vertical writing, a quarter turn clockwise.

#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"

class CDC;

class CCoordMapper {
 public:
  CCoordMapper();

  // Resolution from the context; 96 (the screen) for a null context or a value of 0 or less.
  // A zoom of 0 keeps the zoom.
  void SetFromDC(const CDC* pDC, int nZoom);
  // A resolution of 0 or less keeps that axis; a zoom of 0 keeps the zoom.
  void SetResolution(int nResolutionX, int nResolutionY, int nZoom);
  // A zoom of 0 or less, or one too large to scale, is ignored.
  void SetZoom(int nZoom);
  void Copy(const CCoordMapper& other);

  void LPtoDP(POINT* pt) const;
  void LPtoDPSize(SIZE* size) const;
  void LPtoDPRect(RECT* rect) const;
  void DPtoLP(POINT* pt) const;
  void DPtoLPSize(SIZE* size) const;
  void DPtoLPRect(RECT* rect) const;
  // Height by the y scale, width by the x scale; the escapement does the turning.
  void LPtoDPFontSize(LOGFONTA* lf) const;
  void LPtoDPFontSize(LOGFONTW* lf) const;

  int GetZoom() const { return m_nZoom; }
  int GetResolutionX() const { return m_nResolutionX; }
  int GetResolutionY() const { return m_nResolutionY; }
  int GetNumeratorX() const { return m_nNumeratorX; }
  int GetDenominatorX() const { return m_nDenominatorX; }
  int GetNumeratorY() const { return m_nNumeratorY; }
  int GetDenominatorY() const { return m_nDenominatorY; }

  // Set directly by the view.
  int m_bVertical;
  int m_nOriginX;
  int m_nOriginY;

 private:
  void StoreZoom(int nZoom);
  void Recompute();
  int ToDeviceX(int x) const { return MulDiv(m_nNumeratorX, x, m_nDenominatorX); }
  int ToDeviceY(int y) const { return MulDiv(m_nNumeratorY, y, m_nDenominatorY); }
  int ToLayoutX(int x) const { return MulDiv(m_nDenominatorX, x, m_nNumeratorX); }
  int ToLayoutY(int y) const { return MulDiv(m_nDenominatorY, y, m_nNumeratorY); }

  int m_nZoom;
  int m_nResolutionX;
  int m_nResolutionY;
  int m_nNumeratorX;
  int m_nDenominatorX;
  int m_nNumeratorY;
  int m_nDenominatorY;
};
