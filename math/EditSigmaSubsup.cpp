#include "math/EditSigmaSubsup.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditSigmaSubsup, CEditMathContainer, 1)

CEditSigmaSubsup::CEditSigmaSubsup() : CEditSigmaLimits(NTYPE_EDITSIGMASUBSUP) {}

CEditSigmaSubsup::~CEditSigmaSubsup() = default;

void CEditSigmaSubsup::Serialize(CArchive& ar) { SerializeSign(ar, {}, nullptr); }

void CEditSigmaSubsup::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureSign(pDC, pMapper);
  const EDIT_LINE_INFO upper = SlotLine(0), lower = SlotLine(1);
  m_nWidth = m_sign.m_nWidth + std::max(upper.props.m_nWidth, lower.props.m_nWidth);
  m_nHeight = m_sign.m_nHeight + lower.nMaxDescent + upper.props.m_nCenter / 2;
  m_nAscent = 0;
  m_nCenter = m_sign.m_nCenter + upper.props.m_nCenter / 2;
}

// The upper limit starts above the sign's room by half its half height; the lower one has its
// baseline at the room's bottom.
void CEditSigmaSubsup::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties lower = SlotLine(1).props;
  const int x = param.nX, ref = param.nY + param.nLineHalf, top = ref - m_nCenter;
  const int signTop = ref - m_sign.m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceSign(POINT{x, signTop}, bVertical);
  PlaceLine(0, x + m_sign.m_nWidth, top, bVertical);
  PlaceLine(1, x + m_sign.m_nWidth, signTop + m_sign.m_nHeight - lower.m_nAscent, bVertical);
}

void CEditSigmaSubsup::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  CEditMathElement::Draw(pDC, pMapper, pParam);
}

void CEditSigmaSubsup::DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL) { DrawSign(pDC, pMapper); }
