#include "math/EditOver2.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditOver2, CEditMathContainer, 1)

CEditOver2::CEditOver2() : CEditMarkElement(NTYPE_EDITOVER2) {}

CEditOver2::~CEditOver2() = default;

void CEditOver2::Serialize(CArchive& ar) {
  m_over.Serialize(ar);
  CEditMathContainer::Serialize(ar);
}

void CEditOver2::CreateSlots() {
  CEditMarkElement::CreateSlots();
  m_over.m_lf.lfHeight = GetScriptHeight();
}

void CEditOver2::ApplyFontSize(CUndoGroup* pUndo) { ApplyHeldMarkSizes(pUndo, {&m_over}); }

void CEditOver2::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureMember(m_over, pDC, pMapper);
  const CEditProperties base = SlotLine(0).props;
  if (!m_over.m_strText.IsEmpty()) FitHeldMark(m_over, base.m_nWidth);
  m_nWidth = std::max<int>(m_over.m_nWidth, base.m_nWidth);
  m_nHeight = m_over.m_nHeight + base.m_nHeight;
  m_nAscent = m_over.m_nHeight + base.m_nAscent;
  m_nCenter = m_over.m_nHeight + base.m_nCenter;
}

// On the line's baseline, the mark centred over the base.
void CEditOver2::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const int x = param.nX, top = param.nY + param.nLineAscent - m_nAscent;
  const int left = x + (m_nWidth - m_over.m_nWidth) / 2;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceMember(m_over, POINT{left, top}, bVertical);
  PlaceLine(0, x + (m_nWidth - SlotLine(0).props.m_nWidth) / 2, top + m_over.m_nHeight, bVertical);
}

void CEditOver2::DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) {
  if (bBeforeChildren) DrawMarkStroke(pDC, pMapper, m_over, FALSE);
}
