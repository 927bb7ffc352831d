#include "model/EditCaret.h"

#include "model/DefaultFonts.h"
#include "model/FontList.h"
#include "model/GdiCache.h"

CEditCaret::CEditCaret() { Reset(); }

void CEditCaret::Reset() {
  CFontProperties::Init();
  CColorRelatedProperties::Init();
  CBorderPaddingBackgroundProperties::Init();
  CAreaAlignmentProperties::Init();
  GetDefaultFont(&m_lfNew, g_bVerticalWriting);
  m_pAnchor = nullptr;
  m_nAnchorAfter = 0;
  m_pCaretNode = nullptr;
  m_nCaretAfter = 0;
  m_nInputType = 0;
  m_bKeepX = 0;
  m_nDesiredX = 0;
}

void CEditCaret::ClearSelection() {
  m_pAnchor = nullptr;
  m_nAnchorAfter = 0;
}

void CEditCaret::SetFaceName(const char* pszFace) {
  if (pszFace) SetLogFontFace(&m_lfNew, pszFace);
}
