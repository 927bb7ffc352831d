#include "platform/Palette.h"

BOOL CPalette::CreatePalette(const LOGPALETTE* lp) {
  if (!lp) return FALSE;
  std::vector<PALETTEENTRY> entries(lp->palPalEntry, lp->palPalEntry + lp->palNumEntries);
  return CreatePalette(lp->palVersion, entries);
}

BOOL CPalette::CreatePalette(WORD version, const std::vector<PALETTEENTRY>& entries) {
  if (m_bCreated || entries.empty()) return FALSE;
  m_version = version;
  m_entries = entries;
  m_bCreated = true;
  return TRUE;
}

UINT CPalette::GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* out) const {
  UINT copied = 0;
  for (UINT i = start; i < m_entries.size() && copied < count; ++i) out[copied++] = m_entries[i];
  return copied;
}
