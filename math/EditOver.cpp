#include "math/EditOver.h"

#include <algorithm>

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditOver, CEditMathContainer, 1)

CEditOver::CEditOver() : CEditMarkElement(NTYPE_EDITOVER) {}

CEditOver::~CEditOver() = default;

void CEditOver::Serialize(CArchive& ar) {
  SerializeFlags(ar, {&m_bMark});
  CEditMathContainer::Serialize(ar);
}

void CEditOver::MeasureShape(CDC*, CCoordMapper*) {
  const CEditProperties base = SlotLine(1).props;
  m_nWidth = base.m_nWidth;
  m_nHeight = base.m_nHeight;
  m_bMark = StretchSlotMark(0, GetFirstCaretChild(), MARK_PLACE::TwoPartSlot, base.m_nWidth);
  const CEditProperties over = SlotLine(0).props;
  m_nWidth = std::max(over.m_nWidth, base.m_nWidth);
  m_nHeight = over.m_nHeight + base.m_nHeight;
  m_nAscent = over.m_nHeight + base.m_nAscent;
  m_nCenter = over.m_nHeight + base.m_nCenter;
}

// On the line's baseline, the over text centred above the base.
void CEditOver::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties over = SlotLine(0).props, base = SlotLine(1).props;
  const int x = param.nX, ref = param.nY + param.nLineAscent, top = ref - m_nAscent;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceLine(0, x + (m_nWidth - over.m_nWidth) / 2, top, bVertical);
  PlaceLine(1, x + (m_nWidth - base.m_nWidth) / 2, ref - base.m_nAscent, bVertical);
}

BOOL CEditOver::IsStretched(const CEditNode&, int index) const { return m_bMark && index == 0; }
