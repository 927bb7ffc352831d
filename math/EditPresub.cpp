#include "math/EditPresub.h"

IMPLEMENT_SERIAL(CEditPresub, CEditMathContainer, 1)

CEditPresub::CEditPresub() : CEditScriptElement(NTYPE_EDITPRESUB) {}

CEditPresub::~CEditPresub() = default;

void CEditPresub::MeasureShape(CDC*, CCoordMapper*) {
  RequireLines(2);
  const CEditProperties sub = SlotLine(0).props, base = SlotLine(1).props;
  m_nWidth = sub.m_nWidth + base.m_nWidth;
  m_nHeight = base.m_nHeight;
  m_nAscent = base.m_nAscent;
  m_nCenter = base.m_nCenter;
}

void CEditPresub::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireLines(2);
  const CEditProperties sub = SlotLine(0).props, base = SlotLine(1).props;
  const int x = param.nX, top = BaselineTop(param);
  PlaceAt(x, top, {{x, top + base.m_nHeight - sub.m_nHeight}, {x + sub.m_nWidth, top}}, bVertical);
}
