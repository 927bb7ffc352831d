#include "math/EditPresubSub.h"

IMPLEMENT_SERIAL(CEditPresubSub, CEditMathContainer, 1)

CEditPresubSub::CEditPresubSub() : CEditScriptElement(NTYPE_EDITPRESUBSUB) {}

CEditPresubSub::~CEditPresubSub() = default;

void CEditPresubSub::MeasureShape(CDC*, CCoordMapper*) {
  RequireLines(3);
  const CEditProperties preSub = SlotLine(0).props, base = SlotLine(1).props, sub = SlotLine(2).props;
  m_nWidth = preSub.m_nWidth + base.m_nWidth + sub.m_nWidth;
  m_nHeight = base.m_nHeight;
  m_nAscent = base.m_nAscent;
  m_nCenter = base.m_nCenter;
}

void CEditPresubSub::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireLines(3);
  const CEditProperties preSub = SlotLine(0).props, base = SlotLine(1).props, sub = SlotLine(2).props;
  const int x = param.nX, top = BaselineTop(param);
  const int bottom = top + base.m_nHeight;
  PlaceAt(x, top,
          {{x, bottom - preSub.m_nHeight},
           {x + preSub.m_nWidth, top},
           {x + preSub.m_nWidth + base.m_nWidth, bottom - sub.m_nHeight}},
          bVertical);
}
