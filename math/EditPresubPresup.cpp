#include "math/EditPresubPresup.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditPresubPresup, CEditMathContainer, 1)

CEditPresubPresup::CEditPresubPresup() : CEditScriptElement(NTYPE_EDITPRESUBPRESUP) {}

CEditPresubPresup::~CEditPresubPresup() = default;

// The overhang is only recorded: nothing stands after the base.
void CEditPresubPresup::MeasureShape(CDC*, CCoordMapper*) {
  RequireLines(3);
  TakeOverhangs(2, FALSE, TRUE);
  const CEditProperties super = SlotLine(0).props, sub = SlotLine(1).props, base = SlotLine(2).props;
  const int raise = super.m_nHeight / 10;
  m_nWidth = std::max(super.m_nWidth, sub.m_nWidth) + base.m_nWidth;
  m_nHeight = base.m_nHeight + raise;
  m_nAscent = base.m_nAscent + raise;
  m_nCenter = base.m_nCenter + raise;
}

void CEditPresubPresup::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireLines(3);
  const CEditProperties super = SlotLine(0).props, sub = SlotLine(1).props, base = SlotLine(2).props;
  const int raise = super.m_nHeight / 10;
  const int x = param.nX, top = BaselineTop(param);
  const int column = x + std::max(super.m_nWidth, sub.m_nWidth);
  PlaceAt(x, top,
          {{column - super.m_nWidth, top},
           {column - sub.m_nWidth, top + raise + base.m_nHeight - sub.m_nHeight},
           {column, top + raise}},
          bVertical);
}
