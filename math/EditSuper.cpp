#include "math/EditSuper.h"

IMPLEMENT_SERIAL(CEditSuper, CEditMathContainer, 1)

CEditSuper::CEditSuper() : CEditScriptElement(NTYPE_EDITSUPER) {}

CEditSuper::~CEditSuper() = default;

void CEditSuper::MeasureShape(CDC*, CCoordMapper*) {
  TakeOverhangs(0, TRUE, TRUE);
  RequireLines(2);
  WidenLineByOverhang(0);
  const EDIT_LINE_INFO base = SlotLine(0), super = SlotLine(1);
  const int raise = Raise(base, super);
  m_nWidth = base.props.m_nWidth + super.props.m_nWidth;
  m_nHeight = base.props.m_nHeight + raise;
  m_nAscent = base.props.m_nAscent + raise;
  m_nCenter = base.props.m_nCenter + raise;
}

void CEditSuper::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireLines(2);
  const EDIT_LINE_INFO base = SlotLine(0), super = SlotLine(1);
  const int x = param.nX, top = CentredTop(param);
  PlaceAt(x, top, {{x, top + Raise(base, super)}, {x + base.props.m_nWidth, top}}, bVertical);
}
