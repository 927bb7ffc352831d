#include "math/EditUnder.h"

#include <algorithm>

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditUnder, CEditMathContainer, 1)

CEditUnder::CEditUnder() : CEditMarkElement(NTYPE_EDITUNDER) {}

CEditUnder::~CEditUnder() = default;

void CEditUnder::Serialize(CArchive& ar) {
  SerializeFlags(ar, {&m_bMark});
  CEditMathContainer::Serialize(ar);
}

void CEditUnder::MeasureShape(CDC*, CCoordMapper*) {
  const CEditProperties base = SlotLine(0).props;
  SlotLine(1);
  m_nWidth = base.m_nWidth;
  m_nHeight = base.m_nHeight;
  m_bMark = 0;
  if (CEditNode* end = GetFirstLineBreak())
    m_bMark = StretchSlotMark(1, dynamic_cast<CEditNode*>(end->GetNextSibling()), MARK_PLACE::TwoPartSlot,
                              base.m_nWidth);
  const CEditProperties under = SlotLine(1).props;
  m_nWidth = std::max(base.m_nWidth, under.m_nWidth);
  m_nHeight = base.m_nHeight + under.m_nHeight;
  m_nAscent = base.m_nAscent;
  m_nCenter = base.m_nCenter;
}

// On the line's half-height line, the under text centred below the base.
void CEditUnder::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties base = SlotLine(0).props, under = SlotLine(1).props;
  const int x = param.nX, ref = param.nY + param.nLineHalf, top = ref - m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceLine(0, x + (m_nWidth - base.m_nWidth) / 2, top, bVertical);
  PlaceLine(1, x + (m_nWidth - under.m_nWidth) / 2, ref - base.m_nCenter + base.m_nHeight, bVertical);
}

BOOL CEditUnder::IsStretched(const CEditNode& child, int) const { return m_bMark && child.m_nLine == 1; }
