#include "math/EditUnderover.h"

#include <algorithm>

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditUnderover, CEditMathContainer, 1)

namespace {

constexpr int kArrowWidening = 500;  // 5 mm beyond the wider text

}  // namespace

CEditUnderover::CEditUnderover() : CEditMarkElement(NTYPE_EDITUNDEROVER) {}

CEditUnderover::~CEditUnderover() = default;

void CEditUnderover::Serialize(CArchive& ar) {
  SerializeFlags(ar, {&m_bOverMark, &m_bBaseMark, &m_bUnderMark});
  CEditMathContainer::Serialize(ar);
}

void CEditUnderover::MeasureShape(CDC*, CCoordMapper*) {
  SlotLine(2);
  m_nWidth = SlotLine(1).props.m_nWidth;
  m_nHeight = SlotLine(1).props.m_nHeight;
  m_bOverMark = m_bBaseMark = m_bUnderMark = 0;
  m_bOverMark = StretchSlotMark(0, GetFirstCaretChild(), MARK_PLACE::ThreePartSlot, SlotLine(1).props.m_nWidth);
  CEditNode* baseEnd = GetFirstLineBreak();
  if (!baseEnd) throw kMissingPiece;
  const int arrow = std::max(SlotLine(0).props.m_nWidth, SlotLine(2).props.m_nWidth) + kArrowWidening;
  m_bBaseMark = StretchSlotMark(1, dynamic_cast<CEditNode*>(baseEnd->GetNextSibling()), MARK_PLACE::ThreePartBase,
                                arrow);
  CEditNode* underEnd = baseEnd->GetNextLineBreak();
  if (!underEnd) throw kMissingPiece;
  m_bUnderMark = StretchSlotMark(2, dynamic_cast<CEditNode*>(underEnd->GetNextSibling()),
                                 MARK_PLACE::ThreePartSlot, SlotLine(1).props.m_nWidth);
  const CEditProperties over = SlotLine(0).props, base = SlotLine(1).props, under = SlotLine(2).props;
  m_nWidth = std::max<int>({over.m_nWidth, under.m_nWidth, base.m_nWidth});
  m_nHeight = over.m_nHeight + base.m_nHeight + under.m_nHeight;
  m_nAscent = over.m_nHeight + base.m_nAscent;
  m_nCenter = over.m_nHeight + base.m_nCenter;
}

// On the line's baseline, both texts centred on the base.
void CEditUnderover::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties over = SlotLine(0).props, base = SlotLine(1).props, under = SlotLine(2).props;
  const int x = param.nX, ref = param.nY + param.nLineAscent, top = ref - m_nAscent;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceLine(0, x + (m_nWidth - over.m_nWidth) / 2, top, bVertical);
  PlaceLine(1, x + (m_nWidth - base.m_nWidth) / 2, ref - base.m_nAscent, bVertical);
  PlaceLine(2, x + (m_nWidth - under.m_nWidth) / 2, ref - base.m_nAscent + base.m_nHeight, bVertical);
}

BOOL CEditUnderover::IsStretched(const CEditNode& child, int index) const {
  return (index == 0 && m_bOverMark) || (child.m_nLine == 1 && m_bBaseMark) || (child.m_nLine == 2 && m_bUnderMark);
}
