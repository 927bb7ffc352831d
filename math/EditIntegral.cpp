#include "math/EditIntegral.h"

#include "math/EditSigma.h"
#include "model/GdiCache.h"

IMPLEMENT_SERIAL(CEditIntegral, CEditMathChar, 1)

CEditIntegral::CEditIntegral() : CEditMathChar(NTYPE_EDITINTEGRAL) {
  SetText(CStringW(u"\u222B"));
  m_glyph.PrepareFont(m_lf);
}

CEditIntegral::~CEditIntegral() = default;

void CEditIntegral::Serialize(CArchive& ar) {
  m_glyph.SerializeGlyph(ar);
  CEditMathChar::Serialize(ar);
}

void CEditIntegral::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  if (!m_bNeedsMeasure || !pDC) return;
  try {
    m_glyph.MeasureSign(pDC, pMapper, m_lf.lfHeight);
    m_nWidth = m_glyph.m_nWidth;
    m_nHeight = m_glyph.m_nHeight;
    m_nAscent = 0;
    m_nCenter = m_glyph.m_nCenter;
    m_bNeedsMeasure = 0;
  } catch (...) {
  }
}

void CEditIntegral::Arrange(EDIT_LAYOUT_PARAM* pParam, int) {
  if (pParam) ArrangeBigOperatorSign(*this, *pParam);
}

void CEditIntegral::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  if (!pDC) return;
  try {
    const BOOL red = g_bUnicodeText && FindAncestorByMask(NT_ANNOTATION, TRUE);
    m_glyph.DrawSign(pDC, pMapper, POINT{m_rcInk.left, m_rcInk.top}, m_crColor, red, TRUE);
  } catch (...) {
  }
}
