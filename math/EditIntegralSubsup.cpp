#include "math/EditIntegralSubsup.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditIntegralSubsup, CEditMathContainer, 1)

CEditIntegralSubsup::CEditIntegralSubsup() : CEditIntegralLimits(NTYPE_EDITINTEGRALSUBSUP) {}

CEditIntegralSubsup::~CEditIntegralSubsup() = default;

void CEditIntegralSubsup::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureSign(pDC, pMapper);
  const EDIT_LINE_INFO upper = SlotLine(0);
  const EDIT_LINE_INFO lower = SlotLine(1);
  const int sign = m_glyph.m_nWidth;
  m_nWidth = sign + std::max<int>(lower.props.m_nWidth - sign / 8, upper.props.m_nWidth);
  m_nHeight = m_glyph.m_nHeight + lower.nMaxDescent + upper.props.m_nCenter;
  m_nAscent = 0;
  m_nCenter = m_glyph.m_nCenter + upper.props.m_nCenter;
}

// The upper limit's half-height line lies on the sign's top edge.
void CEditIntegralSubsup::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  const int top = PlaceSignAndBox(param);
  const int sign = m_glyph.m_nWidth;
  SlotLine(1);
  PlaceLine(0, param.nX + sign + sign / 8, top, bVertical);
  PlaceLowerLimit(1, param.nX, bVertical);
}
