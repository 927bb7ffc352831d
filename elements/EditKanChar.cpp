#include "elements/EditKanChar.h"

#include "model/DefaultFonts.h"

IMPLEMENT_SERIAL(CEditKanChar, CEditChar, 1)

CEditKanChar::CEditKanChar() : CEditChar(NTYPE_EDITKANCHAR) { SetKanbunFont(); }

CEditKanChar::CEditKanChar(char16_t ch) : CEditChar(ch) {
  m_nType = NTYPE_EDITKANCHAR;
  SetKanbunFont();
}

CEditKanChar::CEditKanChar(const CStringW& text) : CEditChar(text) {
  m_nType = NTYPE_EDITKANCHAR;
  SetKanbunFont();
}

CEditKanChar::CEditKanChar(DWORD nType) : CEditChar(nType) { SetKanbunFont(); }

void CEditKanChar::SetKanbunFont() { GetDefaultFont(&m_lf, TRUE); }

void CEditKanChar::CopyFromChar(const CEditChar* pSrc) {
  if (!pSrc) return;
  m_strText = pSrc->m_strText;
  m_nHitSide = pSrc->m_nHitSide;
  CopyProperties(*pSrc);
  m_bNeedsMeasure = 1;
}
