#include "tests/support/FakeFontMetrics.h"

CFakeFontMetrics::CFakeFontMetrics(const LOGFONTA& lf, const FAKE_FONT& settings) : m_lf(lf), m_settings(settings) {
  m_lf.lfHeight = ClampFontExtent(m_lf.lfHeight);
  m_lf.lfWidth = ClampFontExtent(m_lf.lfWidth);
}

int CFakeFontMetrics::Em() const {
  int cell = m_settings.ascent + m_settings.descent;
  if (m_lf.lfHeight < 0) return -m_lf.lfHeight;
  if (cell <= 0) return 0;
  return (m_lf.lfHeight > 0 ? m_lf.lfHeight : 16) * 1000 / cell;
}

const TEXTMETRICA& CFakeFontMetrics::GetTextMetrics() const {
  int em = Em();
  m_tm = TEXTMETRICA{};
  m_tm.tmAscent = em * m_settings.ascent / 1000;
  m_tm.tmDescent = em * m_settings.descent / 1000;
  m_tm.tmHeight = m_tm.tmAscent + m_tm.tmDescent;
  m_tm.tmInternalLeading = m_tm.tmHeight - em;
  m_tm.tmAveCharWidth = m_lf.lfWidth > 0 ? m_lf.lfWidth : em * m_settings.averageWidth / 1000;
  m_tm.tmMaxCharWidth = em * m_settings.wideAdvance / 1000;
  m_tm.tmWeight = m_lf.lfWeight;
  m_tm.tmItalic = m_lf.lfItalic;
  m_tm.tmUnderlined = m_lf.lfUnderline;
  m_tm.tmStruckOut = m_lf.lfStrikeOut;
  m_tm.tmPitchAndFamily = m_lf.lfPitchAndFamily;
  m_tm.tmCharSet = m_lf.lfCharSet;
  m_tm.tmFirstChar = 0x20;
  m_tm.tmLastChar = 0xFF;
  m_tm.tmBreakChar = 0x20;
  return m_tm;
}

int CFakeFontMetrics::Share(char32_t c) const {
  auto it = m_settings.overrides.find(c);
  if (it != m_settings.overrides.end()) return it->second.abcA + int(it->second.abcB) + it->second.abcC;
  bool narrow = c <= 0x00FF || (c >= 0xFF61 && c <= 0xFF9F);
  return narrow ? m_settings.narrowAdvance : m_settings.wideAdvance;
}

int CFakeFontMetrics::Stretch(int advance) const {
  int natural = Em() * m_settings.averageWidth / 1000;
  if (m_lf.lfWidth <= 0 || natural <= 0) return advance;
  return advance * m_lf.lfWidth / natural;
}

int CFakeFontMetrics::GetCharAdvance(char32_t c) const { return Stretch(Em() * Share(c) / 1000); }

ABC CFakeFontMetrics::GetCharABC(char32_t c) const {
  int advance = GetCharAdvance(c);
  auto it = m_settings.overrides.find(c);
  if (it == m_settings.overrides.end()) return ABC{0, UINT(advance), 0};
  int a = Em() * it->second.abcA / 1000;
  int b = Em() * int(it->second.abcB) / 1000;
  return ABC{a, UINT(b), advance - a - b};
}
