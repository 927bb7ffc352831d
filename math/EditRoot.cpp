#include "math/EditRoot.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditRoot, CEditMathContainer, 1)

CEditRoot::CEditRoot() : CEditRadical(NTYPE_EDITROOT) {}

CEditRoot::~CEditRoot() = default;

int CEditRoot::IndexOverhang() const {
  return std::max(0, int(SlotLine(0).props.m_nWidth - SlotLine(1).props.m_nHeight / 3));
}

// An index taller than two thirds of the radicand's line lowers the radicand by the excess.
void CEditRoot::MeasureShape(CDC*, CCoordMapper*) {
  SlotLine(1);
  RaiseRadicandLine(1);
  const CEditProperties index = SlotLine(0).props, radicand = SlotLine(1).props;
  const int g = radicand.m_nHeight;
  m_nWidth = radicand.m_nWidth + g / 2 + IndexOverhang();
  m_nHeight = g + kRadicalBarGap;
  m_nAscent = radicand.m_nAscent + kRadicalBarGap;
  m_nCenter = radicand.m_nCenter + kRadicalBarGap;
  const int excess = g / 3 + index.m_nHeight - g;
  if (excess <= 0) return;
  m_nHeight = g + kRadicalBarGap + excess;
  m_nAscent = radicand.m_nAscent + excess;
  m_nCenter = radicand.m_nCenter + excess;
}

void CEditRoot::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties radicand = SlotLine(1).props;
  const int x = param.nX, top = param.nY + param.nLineHalf - m_nCenter;
  const int sign = x + IndexOverhang();
  const int radicandTop = param.nY + param.nLineHalf - radicand.m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceLine(0, x, top, bVertical);
  PlaceLine(1, sign + radicand.m_nHeight / 2, radicandTop, bVertical);
  PlaceSign(sign, radicandTop + kRadicalBarGap, radicand.m_nHeight, radicand.m_nWidth);
}
