#include "math/EditFrac.h"

#include <algorithm>
#include <cstdlib>

#include "model/EditBox.h"
#include "model/PropertyBlock.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditFrac, CEditMathContainer, 1)

namespace {

constexpr int kGapAboveBar = 18;   // 0.5 pt
constexpr int kGapBetween = 53;    // 1.5 pt, above and below the bar together
constexpr int kMaxExtraWidth = 371;  // 10.5 pt

}  // namespace

CEditFrac::CEditFrac() : CEditMathElement(NTYPE_EDITFRAC) {}

CEditFrac::~CEditFrac() = default;

void CEditFrac::Serialize(CArchive& ar) {
  SerializeInt(ar, m_bSideBySide);
  CEditMathContainer::Serialize(ar);
}

void CEditFrac::MeasureShape(CDC*, CCoordMapper*) {
  const CEditProperties top = SlotLine(0).props;
  const CEditProperties bottom = SlotLine(1).props;
  m_nCenter = top.m_nHeight;
  m_nHeight = top.m_nHeight + bottom.m_nHeight;
  // The baseline lies as far below the bar as the numerator's below its half-height line.
  m_nAscent = top.m_nHeight + top.m_nAscent - top.m_nCenter;
  if (m_bSideBySide) {
    m_nWidth = top.m_nWidth + bottom.m_nWidth;
    return;
  }
  int extra = kMaxExtraWidth;
  if (CEditNode* first = GetFirstCaretChild()) {
    const int firstHeight = std::abs(ClampFontExtent(first->m_lf.lfHeight));
    if (firstHeight < kMaxExtraWidth) extra = firstHeight / 2;
  }
  extra = std::min<int>({extra, top.m_nHeight, bottom.m_nHeight});
  m_nWidth = std::max(top.m_nWidth, bottom.m_nWidth) + extra;
  m_nHeight += kGapBetween;
  m_nCenter += kGapAboveBar;
  m_nAscent += kGapAboveBar;
}

void CEditFrac::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  const int x = param.nX;
  const int barY = param.nY + param.nLineHalf;
  const int top = barY - m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties numerator = SlotLine(0).props;
  const CEditProperties denominator = SlotLine(1).props;
  if (m_bSideBySide) {
    PlaceSideBySide(x, top, bVertical);
    return;
  }
  PlaceLine(0, x + (m_nWidth - numerator.m_nWidth) / 2, top, bVertical);
  PlaceLine(1, x + (m_nWidth - denominator.m_nWidth) / 2, top + numerator.m_nHeight + kGapBetween, bVertical);
  m_ptBarStart = POINT{x, barY};
  m_ptBarEnd = POINT{x + m_nWidth, barY};
  m_bBarPlaced = TRUE;
}

// The slash rises to the right across the seam between the two parts.
void CEditFrac::PlaceSideBySide(int x, int top, int bVertical) {
  const int seam = PlaceLine(0, x, top, bVertical);
  PlaceLine(1, seam, top + SlotLine(0).props.m_nHeight, bVertical);
  const CEditProperties numerator = SlotLine(0).props;
  const CEditProperties denominator = SlotLine(1).props;
  const int narrower = std::min(numerator.m_nWidth, denominator.m_nWidth);
  const int k0 = std::min<int>(narrower, numerator.m_nHeight);
  const int k1 = std::min<int>(narrower, denominator.m_nHeight);
  m_ptBarStart = POINT{numerator.m_rcInk.right + k0, numerator.m_rcInk.top};
  m_ptBarEnd = POINT{denominator.m_rcInk.left - k1, denominator.m_rcInk.bottom};
  m_bBarPlaced = TRUE;
}

void CEditFrac::DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) {
  if (bShown && m_bBarPlaced) DrawBar(pDC, pMapper, m_ptBarStart, m_ptBarEnd);
}
