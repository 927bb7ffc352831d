#include "math/EditOPresubSub.h"

IMPLEMENT_SERIAL(CEditOPresubSub, CEditMathContainer, 1)

CEditOPresubSub::CEditOPresubSub() : CEditScriptElement(NTYPE_EDITOPRESUBSUB) {}

CEditOPresubSub::~CEditOPresubSub() = default;

void CEditOPresubSub::Serialize(CArchive& ar) {
  m_operator.Serialize(ar);
  CEditMathContainer::Serialize(ar);
}

void CEditOPresubSub::ApplyFontSize(CUndoGroup* pUndo) {
  try {
    m_operator.SetFontSize(CSize(0, m_lf.lfHeight), pUndo);
  } catch (...) {
    return;
  }
  CEditScriptElement::ApplyFontSize(pUndo);
}

// A hidden element, or one without its two slots, takes no room.
void CEditOPresubSub::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  m_nWidth = m_nHeight = m_nAscent = m_nCenter = 0;
  if (!IsVisible()) return;
  RequireLines(2);
  m_operator.m_bNeedsMeasure = 1;
  EDIT_LAYOUT_PARAM param = m_measureParam;
  m_operator.Measure(pDC, pMapper, &param);
  m_nWidth = m_operator.m_nWidth + SlotLine(0).props.m_nWidth + SlotLine(1).props.m_nWidth;
  m_nHeight = m_operator.m_nHeight;
  m_nAscent = m_operator.m_nAscent;
  m_nCenter = m_operator.m_nCenter;
}

// Both numbers hang from the letter's foot.
void CEditOPresubSub::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireLines(2);
  const CEditProperties preSub = SlotLine(0).props, sub = SlotLine(1).props;
  const int x = param.nX, top = param.nY + param.nLineAscent - m_operator.m_nAscent;
  const int bottom = top + m_operator.m_nHeight;
  const int letter = x + preSub.m_nWidth;
  PlaceAt(x, top, {{x, bottom - preSub.m_nHeight}}, bVertical);
  PlaceMember(m_operator, POINT{letter, top}, bVertical);
  PlaceLine(1, letter + m_operator.m_nWidth, bottom - sub.m_nHeight, bVertical);
}

void CEditOPresubSub::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (pDC) m_operator.Draw(pDC, pMapper, pParam);
  CEditScriptElement::Draw(pDC, pMapper, pParam);
}
