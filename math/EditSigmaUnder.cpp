#include "math/EditSigmaUnder.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditSigmaUnder, CEditMathContainer, 1)

CEditSigmaUnder::CEditSigmaUnder() : CEditSigmaLimits(NTYPE_EDITSIGMAUNDER) {}

CEditSigmaUnder::~CEditSigmaUnder() = default;

void CEditSigmaUnder::Serialize(CArchive& ar) { SerializeSign(ar, {&m_bMark}, &m_nInner); }

// The glyph's shift lies at the right of the inner width.
void CEditSigmaUnder::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureSign(pDC, pMapper);
  SlotLine(0);
  m_bMark = 0;
  m_bMark = StretchSlotMark(0, GetFirstCaretChild(), MARK_PLACE::TwoPartSlot, m_sign.m_nWidth);
  const CEditProperties lower = SlotLine(0).props;
  m_nInner = std::max<int>(m_sign.m_nWidth, lower.m_nWidth);
  m_nWidth = m_nInner + m_nShift;
  m_nHeight = m_sign.m_nHeight + lower.m_nHeight;
  m_nAscent = 0;
  m_nCenter = m_sign.m_nCenter;
}

void CEditSigmaUnder::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties lower = SlotLine(0).props;
  const int x = param.nX, ref = param.nY + param.nLineHalf, top = ref - m_nCenter;
  const int signTop = ref - m_sign.m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceSign(POINT{x + (m_nInner - m_sign.m_nWidth) / 2, signTop}, bVertical);
  PlaceLine(0, x + (m_nInner - lower.m_nWidth) / 2, signTop + m_sign.m_nHeight, bVertical);
}

BOOL CEditSigmaUnder::IsStretched(const CEditNode& child, int) const { return m_bMark && child.m_nLine == 0; }

void CEditSigmaUnder::DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) {
  if (bBeforeChildren) DrawSign(pDC, pMapper);
}
