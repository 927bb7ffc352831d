#include "math/EditIntegralSub.h"

IMPLEMENT_SERIAL(CEditIntegralSub, CEditMathContainer, 1)

CEditIntegralSub::CEditIntegralSub() : CEditIntegralLimits(NTYPE_EDITINTEGRALSUB) {}

CEditIntegralSub::~CEditIntegralSub() = default;

void CEditIntegralSub::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureSign(pDC, pMapper);
  const EDIT_LINE_INFO lower = SlotLine(0);
  const int sign = m_glyph.m_nWidth;
  m_nWidth = sign + lower.props.m_nWidth - sign / 8;
  m_nHeight = m_glyph.m_nHeight + lower.nMaxDescent;
  m_nAscent = 0;
  m_nCenter = m_glyph.m_nCenter;
}

void CEditIntegralSub::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  PlaceSignAndBox(param);
  PlaceLowerLimit(0, param.nX, bVertical);
}
