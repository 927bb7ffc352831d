#include "elements/EditOkurigana.h"

#include "model/EditBox.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditOkurigana, CEditContainer, 1)

CEditOkurigana::CEditOkurigana() : CEditContainer(NTYPE_EDITOKURIGANA) { m_bCaretStop = 0; }

void CEditOkurigana::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << LONG(m_bAlignEnd);
  } else {
    LONG alignEnd = 0;
    ar >> alignEnd;
    m_bAlignEnd = alignEnd;
  }
  CEditContainer::Serialize(ar);
}

// The kanbun block makes the box as tall as the kanji, so the lines are placed a second time
// moved down by the room they leave.
void CEditOkurigana::Arrange(EDIT_LAYOUT_PARAM* pParam, int) {
  if (!pParam) return;
  try {
    CEditContainer::Arrange(pParam, 0);
    if (!m_bAlignEnd) return;
    const CEditBox* box = GetBox(0);
    if (!box) return;
    int used = 0;
    for (const EDIT_LINE_INFO& line : box->m_arrLines) used += line.props.m_nHeight;
    EDIT_LAYOUT_PARAM moved = *pParam;
    moved.nY += m_nHeight - used;
    CEditContainer::Arrange(&moved, 0);
    m_rcInk = RECT{pParam->nX, pParam->nY, pParam->nX + m_nWidth, pParam->nY + m_nHeight};
    m_rcHit = m_rcInk;
  } catch (...) {
  }
}
