#include "math/EditSigmaSub.h"

IMPLEMENT_SERIAL(CEditSigmaSub, CEditMathContainer, 1)

CEditSigmaSub::CEditSigmaSub() : CEditSigmaLimits(NTYPE_EDITSIGMASUB) {}

CEditSigmaSub::~CEditSigmaSub() = default;

void CEditSigmaSub::Serialize(CArchive& ar) { SerializeSign(ar, {}, nullptr); }

void CEditSigmaSub::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureSign(pDC, pMapper);
  const EDIT_LINE_INFO lower = SlotLine(0);
  m_nWidth = m_sign.m_nWidth + lower.props.m_nWidth;
  m_nHeight = m_sign.m_nHeight + lower.nMaxDescent;
  m_nAscent = 0;
  m_nCenter = m_sign.m_nCenter;
}

// The limit's baseline lies at the bottom of the sign's room.
void CEditSigmaSub::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties lower = SlotLine(0).props;
  const int x = param.nX, ref = param.nY + param.nLineHalf, top = ref - m_nCenter;
  const int signTop = ref - m_sign.m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceSign(POINT{x, signTop}, bVertical);
  PlaceLine(0, x + m_sign.m_nWidth, signTop + m_sign.m_nHeight - lower.m_nAscent, bVertical);
}

void CEditSigmaSub::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  CEditMathElement::Draw(pDC, pMapper, pParam);
}

void CEditSigmaSub::DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL) { DrawSign(pDC, pMapper); }
