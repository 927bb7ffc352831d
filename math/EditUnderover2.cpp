#include "math/EditUnderover2.h"

#include <algorithm>

IMPLEMENT_SERIAL(CEditUnderover2, CEditMathContainer, 1)

CEditUnderover2::CEditUnderover2() : CEditMarkElement(NTYPE_EDITUNDEROVER2) {}

CEditUnderover2::~CEditUnderover2() = default;

void CEditUnderover2::Serialize(CArchive& ar) {
  m_over.Serialize(ar);
  m_under.Serialize(ar);
  CEditMathContainer::Serialize(ar);
}

void CEditUnderover2::CreateSlots() {
  CEditMarkElement::CreateSlots();
  m_over.m_lf.lfHeight = GetScriptHeight();
  m_under.m_lf.lfHeight = GetScriptHeight();
}

void CEditUnderover2::ApplyFontSize(CUndoGroup* pUndo) { ApplyHeldMarkSizes(pUndo, {&m_over, &m_under}); }

void CEditUnderover2::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  MeasureMember(m_over, pDC, pMapper);
  MeasureMember(m_under, pDC, pMapper);
  const CEditProperties base = SlotLine(0).props;
  for (CEditMathChar* mark : {&m_over, &m_under})
    if (!mark->m_strText.IsEmpty()) FitHeldMark(*mark, base.m_nWidth);
  m_nWidth = std::max<int>({m_over.m_nWidth, m_under.m_nWidth, base.m_nWidth});
  m_nHeight = m_over.m_nHeight + m_under.m_nHeight + base.m_nHeight;
  m_nAscent = m_over.m_nHeight + base.m_nAscent;
  m_nCenter = m_over.m_nHeight + base.m_nCenter;
}

// On the line's baseline; both marks start at the element's left edge.
void CEditUnderover2::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties base = SlotLine(0).props;
  const int x = param.nX, ref = param.nY + param.nLineAscent, top = ref - m_nAscent;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceMember(m_over, POINT{x, top}, bVertical);
  PlaceLine(0, x + (m_nWidth - base.m_nWidth) / 2, ref - base.m_nAscent, bVertical);
  PlaceMember(m_under, POINT{x, ref - base.m_nAscent + base.m_nHeight}, bVertical);
}

void CEditUnderover2::DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) {
  if (!bBeforeChildren) return;
  DrawMarkStroke(pDC, pMapper, m_over, TRUE);
  DrawMarkStroke(pDC, pMapper, m_under, TRUE);
}
