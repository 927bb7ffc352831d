#pragma once
// A logical palette; true-colour devices draw with its colours directly.

#include <vector>

#include "platform/GdiObject.h"

struct PALETTEENTRY {
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;
};

struct LOGPALETTE {
  WORD palVersion;
  WORD palNumEntries;
  PALETTEENTRY palPalEntry[1];
};

class CPalette : public CGdiObject {
 public:
  CPalette() = default;
  // Reads palNumEntries entries from the record, which must hold them all.
  BOOL CreatePalette(const LOGPALETTE* lp);
  BOOL CreatePalette(WORD version, const std::vector<PALETTEENTRY>& entries);
  int GetEntryCount() const { return int(m_entries.size()); }
  UINT GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* out) const;
  WORD Version() const { return m_version; }

 protected:
  void Clear() override { m_entries.clear(); }

 private:
  WORD m_version = 0x300;
  std::vector<PALETTEENTRY> m_entries;
};
