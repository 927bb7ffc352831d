#include "math/EditSub.h"

IMPLEMENT_SERIAL(CEditSub, CEditMathContainer, 1)

CEditSub::CEditSub() : CEditScriptElement(NTYPE_EDITSUB) {}

CEditSub::~CEditSub() = default;

void CEditSub::MeasureShape(CDC*, CCoordMapper*) {
  RequireLines(2);
  const EDIT_LINE_INFO base = SlotLine(0), sub = SlotLine(1);
  m_nWidth = base.props.m_nWidth + sub.props.m_nWidth;
  m_nHeight = base.props.m_nHeight + Drop(base, sub);
  m_nAscent = base.props.m_nAscent;
  m_nCenter = base.props.m_nCenter;
}

void CEditSub::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireLines(2);
  const CEditProperties base = SlotLine(0).props, sub = SlotLine(1).props;
  const int x = param.nX, top = CentredTop(param);
  const int subTop = top + base.m_nHeight - (base.m_nAscent >= sub.m_nHeight ? sub.m_nHeight : sub.m_nAscent);
  PlaceAt(x, top, {{x, top}, {x + base.m_nWidth, subTop}}, bVertical);
}
