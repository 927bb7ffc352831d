#include "math/EditSqrt.h"

IMPLEMENT_SERIAL(CEditSqrt, CEditMathContainer, 1)

CEditSqrt::CEditSqrt() : CEditRadical(NTYPE_EDITSQRT) {}

CEditSqrt::~CEditSqrt() = default;

// The bar reaches over the radicand's italic overhang.
void CEditSqrt::MeasureShape(CDC*, CCoordMapper*) {
  SlotLine(0);
  TakeOverhangs(0, TRUE, FALSE);
  WidenLineByOverhang(0);
  RaiseRadicandLine(0);
  const CEditProperties radicand = SlotLine(0).props;
  m_nWidth = radicand.m_nWidth + radicand.m_nHeight / 2;
  m_nHeight = radicand.m_nHeight + kRadicalBarGap;
  m_nAscent = radicand.m_nAscent + kRadicalBarGap;
  m_nCenter = radicand.m_nCenter + kRadicalBarGap;
}

void CEditSqrt::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties radicand = SlotLine(0).props;
  const int x = param.nX, top = param.nY + param.nLineHalf - m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceLine(0, x + radicand.m_nHeight / 2, top, bVertical);
  PlaceSign(x, top + kRadicalBarGap, radicand.m_nHeight, radicand.m_nWidth);
}
