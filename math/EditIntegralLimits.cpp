#include "math/EditIntegralLimits.h"

#include "model/GdiCache.h"
#include "platform/Archive.h"

CEditIntegralLimits::CEditIntegralLimits(DWORD nType) : CEditMathElement(nType) { m_glyph.PrepareFont(m_lf); }

CEditIntegralLimits::~CEditIntegralLimits() = default;

void CEditIntegralLimits::Serialize(CArchive& ar) {
  m_glyph.SerializeGlyph(ar);
  CEditMathContainer::Serialize(ar);
}

void CEditIntegralLimits::MeasureSign(CDC* pDC, CCoordMapper* pMapper) {
  if (pDC) m_glyph.MeasureSign(pDC, pMapper, m_lf.lfHeight);
}

int CEditIntegralLimits::PlaceSignAndBox(const EDIT_LAYOUT_PARAM& param) {
  const int x = param.nX;
  const int signTop = param.nY + param.nLineHalf - m_glyph.m_nCenter;
  m_glyph.m_rcInk = RECT{x, signTop, x + m_glyph.m_nWidth, signTop + m_glyph.m_nHeight};
  m_glyph.m_rcHit = m_glyph.m_rcInk;
  m_glyph.m_nLine = 0;
  m_glyph.m_nInLine = 0;
  const int top = param.nY + param.nLineHalf - m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  return top;
}

void CEditIntegralLimits::PlaceLowerLimit(int nLine, int x, int bVertical) {
  const int ascent = SlotLine(nLine).props.m_nAscent;
  PlaceLine(nLine, x + 5 * m_glyph.m_nWidth / 8, m_glyph.m_rcInk.bottom - ascent, bVertical);
}

void CEditIntegralLimits::DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL) {
  const BOOL red = g_bUnicodeText && FindAncestorByMask(NT_ANNOTATION, TRUE);
  m_glyph.DrawSign(pDC, pMapper, POINT{m_glyph.m_rcInk.left, m_glyph.m_rcInk.top}, m_glyph.m_crColor, red, FALSE);
}
