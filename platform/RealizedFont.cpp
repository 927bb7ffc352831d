#include "platform/RealizedFont.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <unordered_map>

#include "platform/FaceSubstitution.h"

namespace {

constexpr double kDefaultCellHeight = 16;
constexpr BYTE TMPF_FIXED_PITCH = 0x01;  // set for variable pitch, as the record defines it
constexpr BYTE TMPF_VECTOR = 0x02;
constexpr BYTE TMPF_TRUETYPE = 0x04;

std::unordered_map<std::string, std::unique_ptr<CRealizedFont>>& Fonts() {
  static std::unordered_map<std::string, std::unique_ptr<CRealizedFont>> fonts;
  return fonts;
}

// The record with the bytes after the face name's terminator cleared.
std::string FontKey(const LOGFONTA& lf) {
  LOGFONTA clean = lf;
  size_t length = strnlen(clean.lfFaceName, LF_FACESIZE - 1);
  std::memset(clean.lfFaceName + length, 0, LF_FACESIZE - length);
  return std::string(reinterpret_cast<const char*>(&clean), sizeof clean);
}

}  // namespace

const CRealizedFont& CRealizedFont::Get(const LOGFONTA& lf) {
  auto& fonts = Fonts();
  std::string key = FontKey(lf);
  auto it = fonts.find(key);
  if (it != fonts.end()) return *it->second;
  if (fonts.empty()) qAddPostRoutine(&CRealizedFont::ReleaseAll);
  return *fonts.emplace(key, std::make_unique<CRealizedFont>(lf)).first->second;
}

void CRealizedFont::ReleaseAll() { Fonts().clear(); }

CRealizedFont::CRealizedFont(const LOGFONTA& requested) {
  LOGFONTA lf = requested;
  lf.lfHeight = ClampFontExtent(lf.lfHeight);
  lf.lfWidth = ClampFontExtent(lf.lfWidth);
  FACE_RESOLUTION face = ResolveFace(std::string_view(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE)));
  m_face = CFontFace::Get(face.family, lf.lfWeight >= 600, lf.lfItalic != 0);
  m_bVertical = face.bVertical;
  m_bGaiji = face.bGaiji;
  double cell = m_face->m_winAscent + m_face->m_winDescent;
  if (lf.lfHeight < 0) {
    m_em = -double(lf.lfHeight);
  } else {
    m_em = (lf.lfHeight > 0 ? lf.lfHeight : kDefaultCellHeight) / cell;
  }
  double naturalWidth = m_face->m_avgCharWidth * m_em;
  if (lf.lfWidth > 0 && naturalWidth > 0) m_stretch = std::min(lf.lfWidth / naturalWidth, double(kMaxFontExtent));
  FillTextMetrics(lf);
}

void CRealizedFont::FillTextMetrics(const LOGFONTA& lf) {
  const CFontFace& f = *m_face;
  m_tm.tmAscent = LONG(std::lround(f.m_winAscent * m_em));
  m_tm.tmDescent = LONG(std::lround(f.m_winDescent * m_em));
  m_tm.tmHeight = m_tm.tmAscent + m_tm.tmDescent;
  m_tm.tmInternalLeading = m_tm.tmHeight - LONG(std::lround(m_em));
  m_tm.tmAveCharWidth = lf.lfWidth > 0 ? lf.lfWidth : LONG(std::lround(f.m_avgCharWidth * m_em));
  m_tm.tmMaxCharWidth = LONG(std::lround(f.m_maxCharWidth * m_em * m_stretch));
  m_tm.tmWeight = lf.lfWeight ? lf.lfWeight : f.m_weightClass;
  m_tm.tmDigitizedAspectX = 96;
  m_tm.tmDigitizedAspectY = 96;
  m_tm.tmFirstChar = 0x20;
  m_tm.tmLastChar = 0xFF;
  m_tm.tmDefaultChar = 0x1F;
  m_tm.tmBreakChar = 0x20;
  m_tm.tmItalic = lf.lfItalic;
  m_tm.tmUnderlined = lf.lfUnderline;
  m_tm.tmStruckOut = lf.lfStrikeOut;
  m_tm.tmPitchAndFamily = BYTE((lf.lfPitchAndFamily & 0xF0) | TMPF_VECTOR |
                               (f.m_bTrueType ? TMPF_TRUETYPE : 0) | (f.m_bFixedPitch ? 0 : TMPF_FIXED_PITCH));
  m_tm.tmCharSet = lf.lfCharSet;
}

char16_t CRealizedFont::MapGaiji(char16_t c) { return MapGaijiChar(c); }

int CRealizedFont::GetCharAdvance(char32_t c) const {
  const GLYPH_INFO& g = Glyph(c);
  double advance = m_bVertical && g.bUpright ? g.vAdvance : g.hAdvance;
  return int(std::lround(advance * m_em * m_stretch));
}

ABC CRealizedFont::GetCharABC(char32_t c) const {
  const GLYPH_INFO& g = Glyph(c);
  int advance = GetCharAdvance(c);
  if (m_bVertical && g.bUpright) return ABC{0, UINT(advance), 0};
  double scale = m_em * m_stretch;
  int a = int(std::lround(g.leftBearing * scale));
  int b = int(std::lround(g.inkWidth * scale));
  return ABC{a, UINT(b), advance - a - b};
}
