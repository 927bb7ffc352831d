#include "math/EditPresuper.h"

IMPLEMENT_SERIAL(CEditPresuper, CEditMathContainer, 1)

CEditPresuper::CEditPresuper() : CEditScriptElement(NTYPE_EDITPRESUPER) {}

CEditPresuper::~CEditPresuper() = default;

void CEditPresuper::MeasureShape(CDC*, CCoordMapper*) {
  RequireLines(2);
  const CEditProperties super = SlotLine(0).props, base = SlotLine(1).props;
  const int raise = super.m_nHeight / 10;
  m_nWidth = super.m_nWidth + base.m_nWidth;
  m_nHeight = base.m_nHeight + raise;
  m_nAscent = base.m_nAscent + raise;
  m_nCenter = base.m_nCenter + raise;
}

void CEditPresuper::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireLines(2);
  const CEditProperties super = SlotLine(0).props;
  const int x = param.nX, top = BaselineTop(param);
  PlaceAt(x, top, {{x, top}, {x + super.m_nWidth, top + super.m_nHeight / 10}}, bVertical);
}
