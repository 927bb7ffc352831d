#include "math/EditOUnderover.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditOUnderover, CEditMathContainer, 1)

namespace {

constexpr int kArrowWidening = 500;  // 5 mm beyond the wider text

}  // namespace

CEditOUnderover::CEditOUnderover() : CEditMarkElement(NTYPE_EDITOUNDEROVER) {}

CEditOUnderover::~CEditOUnderover() = default;

void CEditOUnderover::Serialize(CArchive& ar) {
  SerializeFlags(ar, {&m_bWidened, &m_bOverMark, &m_bUnderMark});
  m_operator.Serialize(ar);
  CEditMathContainer::Serialize(ar);
}

void CEditOUnderover::CreateSlots() {
  m_operator.m_lf.lfHeight = m_lf.lfHeight;
  CEditMarkElement::CreateSlots();
}

void CEditOUnderover::ApplyFontSize(CUndoGroup* pUndo) {
  try {
    m_operator.SetFontSize(CSize(0, m_lf.lfHeight), pUndo);
  } catch (...) {
    return;
  }
  CEditMarkElement::ApplyFontSize(pUndo);
}

// A mark alone in a text slot takes the operator's own width, before any widening.
void CEditOUnderover::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureMember(m_operator, pDC, pMapper);
  SlotLine(1);
  m_nWidth = m_operator.m_nWidth;
  m_nHeight = m_operator.m_nHeight;
  m_bOverMark = m_bUnderMark = 0;
  m_bOverMark = StretchSlotMark(0, GetFirstCaretChild(), MARK_PLACE::ThreePartSlot, m_operator.m_nWidth);
  m_bUnderMark = StretchSlotMark(1, FirstOfSecondSlot(), MARK_PLACE::ThreePartSlot, m_operator.m_nWidth);
  FitOperator();
  const CEditProperties over = SlotLine(0).props, under = SlotLine(1).props;
  m_nWidth = std::max<int>({m_operator.m_nWidth, over.m_nWidth, under.m_nWidth});
  m_nHeight = m_operator.m_nHeight + over.m_nHeight + under.m_nHeight;
  m_nAscent = m_operator.m_nAscent + over.m_nHeight;
  m_nCenter = m_operator.m_nCenter + over.m_nHeight;
}

void CEditOUnderover::FitOperator() {
  m_bWidened = 0;
  if (m_operator.m_strText.IsEmpty()) return;
  const char16_t c = m_operator.m_strText[0];
  if (IsQuarteredMark(c)) {
    m_operator.m_nHeight /= 4;
    m_operator.m_nAscent /= 4;
    m_operator.m_nCenter /= 4;
  }
  m_bWidened = IsWideningArrow(c);
  if (m_bWidened)
    m_operator.m_nWidth = std::max(SlotLine(0).props.m_nWidth, SlotLine(1).props.m_nWidth) + kArrowWidening;
}

// On the line's baseline: the over text ends on the operator's top, the under text starts at
// its bottom. The operator's box is the room it was given, quartered or not, so that its
// stroke stands between the texts.
void CEditOUnderover::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties over = SlotLine(0).props, under = SlotLine(1).props;
  const int x = param.nX, baseline = param.nY + param.nLineAscent, top = baseline - m_nAscent;
  const int operatorTop = baseline - m_operator.m_nAscent;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceLine(0, x + (m_nWidth - over.m_nWidth) / 2, top, bVertical);
  PlaceLine(1, x + (m_nWidth - under.m_nWidth) / 2, operatorTop + m_operator.m_nHeight, bVertical);
  PlaceMember(m_operator, POINT{x + (m_nWidth - m_operator.m_nWidth) / 2, operatorTop}, bVertical);
  m_operator.m_rcInk = m_operator.m_rcHit;
}

BOOL CEditOUnderover::IsStretched(const CEditNode& child, int index) const {
  return (index == 0 && m_bOverMark) || (child.m_nLine == 1 && m_bUnderMark);
}

void CEditOUnderover::DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) {
  if (!bBeforeChildren) DrawMarkStroke(pDC, pMapper, m_operator, TRUE);
}
