#pragma once
// The installed fonts, one entry per face, sorted by face name (CP932 bytes).

#include <vector>

#include "platform/GdiTypes.h"
#include "platform/Object.h"

class CFontList : public CObject {
 public:
  // Fills the list from the installed fonts and the substituted Windows faces.
  void Enumerate();
  void SortByFaceName();
  void RemoveAll();
  int GetCount() const { return int(m_logFonts.size()); }
  // Appends a face unless one of that name is listed already.
  void Add(const LOGFONTA& lf, const NEWTEXTMETRICA& tm);

  std::vector<LOGFONTA> m_logFonts;
  std::vector<NEWTEXTMETRICA> m_textMetrics;
};

// TRUE and the face's LOGFONT when the face is installed; otherwise FALSE, out unchanged.
BOOL FindFontByFaceName(const char* face, LOGFONTA* out);
int GetFontCount();
int GetFontLogFont(int i, LOGFONTA* out);
int GetFontTextMetric(int i, NEWTEXTMETRICA* out);
// Gives lf the face and its character set, precisions, quality and pitch-and-family;
// a face that is not installed leaves lf unchanged.
void SetLogFontFace(LOGFONTA* lf, const char* face);
