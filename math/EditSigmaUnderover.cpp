#include "math/EditSigmaUnderover.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditSigmaUnderover, CEditMathContainer, 1)

CEditSigmaUnderover::CEditSigmaUnderover() : CEditSigmaLimits(NTYPE_EDITSIGMAUNDEROVER) {}

CEditSigmaUnderover::~CEditSigmaUnderover() = default;

void CEditSigmaUnderover::Serialize(CArchive& ar) { SerializeSign(ar, {&m_bUpperMark, &m_bLowerMark}, &m_nInner); }

void CEditSigmaUnderover::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureSign(pDC, pMapper);
  SlotLine(1);
  m_bUpperMark = m_bLowerMark = 0;
  m_bUpperMark = StretchSlotMark(0, GetFirstCaretChild(), MARK_PLACE::ThreePartSlot, m_sign.m_nWidth);
  m_bLowerMark = StretchSlotMark(1, FirstOfSecondSlot(), MARK_PLACE::ThreePartSlot, m_sign.m_nWidth);
  const CEditProperties upper = SlotLine(0).props, lower = SlotLine(1).props;
  m_nInner = std::max<int>({upper.m_nWidth, lower.m_nWidth, m_sign.m_nWidth});
  m_nWidth = m_nInner + m_nShift;
  m_nHeight = upper.m_nHeight + m_sign.m_nHeight + lower.m_nHeight;
  m_nAscent = 0;
  m_nCenter = upper.m_nHeight + m_sign.m_nCenter;
}

void CEditSigmaUnderover::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties upper = SlotLine(0).props, lower = SlotLine(1).props;
  const int x = param.nX, ref = param.nY + param.nLineHalf, top = ref - m_nCenter;
  const int signTop = ref - m_sign.m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceSign(POINT{x + (m_nInner - m_sign.m_nWidth) / 2, signTop}, bVertical);
  PlaceLine(0, x + (m_nInner - upper.m_nWidth) / 2, top, bVertical);
  PlaceLine(1, x + (m_nInner - lower.m_nWidth) / 2, signTop + m_sign.m_nHeight, bVertical);
}

BOOL CEditSigmaUnderover::IsStretched(const CEditNode& child, int index) const {
  return (index == 0 && m_bUpperMark) || (child.m_nLine == 1 && m_bLowerMark);
}

void CEditSigmaUnderover::DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) {
  if (bBeforeChildren) DrawSign(pDC, pMapper);
}
