#include "math/EditMulti.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditMulti, CEditMathContainer, 1)

namespace {

// A tenth of the larger half height of the two upper scripts.
int RaiseOfUpperScripts(const CEditProperties& preSuper, const CEditProperties& super) {
  return std::max(preSuper.m_nCenter / 10, super.m_nCenter / 10);
}

}  // namespace

CEditMulti::CEditMulti() : CEditScriptElement(NTYPE_EDITMULTI) {}

CEditMulti::~CEditMulti() = default;

void CEditMulti::MeasureShape(CDC*, CCoordMapper*) {
  RequireLines(5);
  const CEditProperties preSuper = SlotLine(0).props, preSub = SlotLine(1).props, base = SlotLine(2).props;
  const CEditProperties super = SlotLine(3).props, sub = SlotLine(4).props;
  const int raise = RaiseOfUpperScripts(preSuper, super);
  m_nWidth = std::max(preSuper.m_nWidth, preSub.m_nWidth) + base.m_nWidth + std::max(super.m_nWidth, sub.m_nWidth);
  m_nHeight = base.m_nHeight + raise;
  m_nAscent = base.m_nAscent + raise;
  m_nCenter = base.m_nCenter + raise;
}

void CEditMulti::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireLines(5);
  const CEditProperties preSuper = SlotLine(0).props, preSub = SlotLine(1).props, base = SlotLine(2).props;
  const CEditProperties super = SlotLine(3).props, sub = SlotLine(4).props;
  const int raise = RaiseOfUpperScripts(preSuper, super);
  const int x = param.nX, top = BaselineTop(param);
  const int column = x + std::max(preSuper.m_nWidth, preSub.m_nWidth);
  const int after = column + base.m_nWidth;
  const int bottom = top + raise + base.m_nHeight;
  PlaceAt(x, top,
          {{column - preSuper.m_nWidth, top},
           {column - preSub.m_nWidth, bottom - preSub.m_nHeight},
           {column, top + raise},
           {after, top},
           {after, bottom - sub.m_nHeight}},
          bVertical);
}
