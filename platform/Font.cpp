#include "platform/Font.h"

BOOL CFont::CreateFontIndirect(const LOGFONTA* lf) {
  if (m_bCreated || !lf) return FALSE;
  m_lf = *lf;
  m_bCreated = true;
  return TRUE;
}

int CFont::GetLogFont(LOGFONTA* out) const {
  if (!m_bCreated || !out) return 0;
  *out = m_lf;
  return int(sizeof(LOGFONTA));
}
