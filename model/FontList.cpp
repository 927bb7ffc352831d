#include "model/FontList.h"

#include <cstring>
#include <utility>

#include "model/GdiCache.h"
#include "platform/AnsiCodePage.h"
#include "platform/FontEnumeration.h"

namespace {

int EnumFontProc(const LOGFONTA* lf, const NEWTEXTMETRICA* tm, DWORD, LPARAM lParam) {
  reinterpret_cast<CFontList*>(lParam)->Add(*lf, *tm);
  return 1;
}

// The process's list, filled on first use when the cache has not been created yet.
CFontList& Fonts() {
  CFontList& list = g_GdiCache.m_fontList;
  if (list.GetCount() == 0) list.Enumerate();
  return list;
}

const LOGFONTA* FindFace(const char* face) {
  if (!face) return nullptr;
  for (const LOGFONTA& lf : Fonts().m_logFonts) {
    if (CompareAnsi(lf.lfFaceName, face) == 0) return &lf;
  }
  return nullptr;
}

}  // namespace

void CFontList::Enumerate() {
  RemoveAll();
  LOGFONTA request{};
  request.lfCharSet = SHIFTJIS_CHARSET;
  EnumFontFamiliesExA(&request, &EnumFontProc, reinterpret_cast<LPARAM>(this));
  request.lfCharSet = ANSI_CHARSET;
  EnumFontFamiliesExA(&request, &EnumFontProc, reinterpret_cast<LPARAM>(this));
  SortByFaceName();
}

void CFontList::Add(const LOGFONTA& lf, const NEWTEXTMETRICA& tm) {
  for (const LOGFONTA& listed : m_logFonts) {
    if (CompareAnsi(listed.lfFaceName, lf.lfFaceName) == 0) return;
  }
  m_logFonts.push_back(lf);
  m_textMetrics.push_back(tm);
}

void CFontList::SortByFaceName() {
  size_t count = m_logFonts.size();
  for (size_t i = 0; i + 1 < count; ++i) {
    for (size_t j = i + 1; j < count; ++j) {
      if (CompareAnsi(m_logFonts[i].lfFaceName, m_logFonts[j].lfFaceName) > 0) {
        std::swap(m_logFonts[i], m_logFonts[j]);
        std::swap(m_textMetrics[i], m_textMetrics[j]);
      }
    }
  }
}

void CFontList::RemoveAll() {
  m_logFonts.clear();
  m_textMetrics.clear();
}

BOOL FindFontByFaceName(const char* face, LOGFONTA* out) {
  const LOGFONTA* found = FindFace(face);
  if (!found) return FALSE;
  *out = *found;
  return TRUE;
}

int GetFontCount() { return Fonts().GetCount(); }

int GetFontLogFont(int i, LOGFONTA* out) {
  CFontList& list = Fonts();
  if (i < 0 || i >= list.GetCount()) return -1;
  *out = list.m_logFonts[size_t(i)];
  return i;
}

int GetFontTextMetric(int i, NEWTEXTMETRICA* out) {
  CFontList& list = Fonts();
  if (i < 0 || i >= list.GetCount()) return -1;
  *out = list.m_textMetrics[size_t(i)];
  return i;
}

void SetLogFontFace(LOGFONTA* lf, const char* face) {
  const LOGFONTA* found = FindFace(face);
  if (!found) return;
  std::memcpy(lf->lfFaceName, found->lfFaceName, LF_FACESIZE);
  lf->lfCharSet = found->lfCharSet;
  lf->lfOutPrecision = found->lfOutPrecision;
  lf->lfClipPrecision = found->lfClipPrecision;
  lf->lfQuality = found->lfQuality;
  lf->lfPitchAndFamily = found->lfPitchAndFamily;
}
