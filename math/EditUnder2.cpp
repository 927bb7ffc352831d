#include "math/EditUnder2.h"

IMPLEMENT_SERIAL(CEditUnder2, CEditMathContainer, 1)

CEditUnder2::CEditUnder2() : CEditMarkElement(NTYPE_EDITUNDER2) {}

CEditUnder2::~CEditUnder2() = default;

void CEditUnder2::Serialize(CArchive& ar) {
  m_under.Serialize(ar);
  CEditMathContainer::Serialize(ar);
}

void CEditUnder2::CreateSlots() {
  CEditMarkElement::CreateSlots();
  m_under.m_lf.lfHeight = GetScriptHeight();
}

void CEditUnder2::ApplyFontSize(CUndoGroup* pUndo) { ApplyHeldMarkSizes(pUndo, {&m_under}); }

void CEditUnder2::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureMember(m_under, pDC, pMapper);
  const CEditProperties base = SlotLine(0).props;
  FitHeldMark(m_under, base.m_nWidth);
  m_nWidth = base.m_nWidth;
  m_nHeight = base.m_nHeight + m_under.m_nHeight;
  m_nAscent = base.m_nAscent;
  m_nCenter = base.m_nCenter;
}

// On the line's half-height line; the mark starts at the element's left edge.
void CEditUnder2::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties base = SlotLine(0).props;
  const int x = param.nX, ref = param.nY + param.nLineHalf, top = ref - m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceLine(0, x + (m_nWidth - base.m_nWidth) / 2, top, bVertical);
  PlaceMember(m_under, POINT{x, ref - base.m_nCenter + base.m_nHeight}, bVertical);
}

void CEditUnder2::DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) {
  if (!bBeforeChildren) DrawMarkStroke(pDC, pMapper, m_under, FALSE);
}
