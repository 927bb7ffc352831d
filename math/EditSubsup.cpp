#include "math/EditSubsup.h"

#include <algorithm>

#include "math/EditFenced.h"

IMPLEMENT_SERIAL(CEditSubsup, CEditMathContainer, 1)

CEditSubsup::CEditSubsup() : CEditScriptElement(NTYPE_EDITSUBSUP) {}

CEditSubsup::~CEditSubsup() = default;

void CEditSubsup::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  TakeOverhangs(0, TRUE, TRUE);
  RequireLines(3);
  WidenLineByOverhang(0);
  GrowFencedBase(pDC, pMapper);
  const EDIT_LINE_INFO base = SlotLine(0), super = SlotLine(1), sub = SlotLine(2);
  const int raise = Raise(base, super);
  m_nWidth = base.props.m_nWidth + std::max(super.props.m_nWidth, sub.props.m_nWidth);
  m_nHeight = base.props.m_nHeight + raise + Drop(base, sub);
  m_nAscent = base.props.m_nAscent + raise;
  m_nCenter = base.props.m_nCenter + raise;
}

// Parentheses around the base reach over both scripts: the fence measures again, taller.
void CEditSubsup::GrowFencedBase(CDC* pDC, CCoordMapper* pMapper) {
  CEditNode* first = ChildOrThrow(0);
  const int extra = SlotLine(2).props.m_nHeight + SlotLine(1).props.m_nHeight - SlotLine(0).props.m_nHeight;
  if (first->m_nType != NTYPE_EDITFENCED || extra <= 0) return;
  auto* fence = dynamic_cast<CEditFenced*>(first);
  if (!fence) return;
  fence->m_nExtraHeight = extra;
  EDIT_LAYOUT_PARAM param = m_measureParam;
  CEditMathContainer::Measure(pDC, pMapper, &param);
  RequireLines(3);
}

void CEditSubsup::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireLines(3);
  const CEditProperties base = SlotLine(0).props, sub = SlotLine(2).props;
  const int raise = Raise(SlotLine(0), SlotLine(1));
  const int x = param.nX, top = BaselineTop(param);
  const int subTop =
      top + raise + base.m_nHeight - (base.m_nAscent >= sub.m_nHeight ? sub.m_nHeight : sub.m_nAscent);
  PlaceAt(x, top, {{x, top + raise}, {x + base.m_nWidth, top}, {x + base.m_nWidth, subTop}}, bVertical);
}
