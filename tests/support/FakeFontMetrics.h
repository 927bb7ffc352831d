#pragma once
// Deterministic font metrics for layout tests: every value is a share of the em, so expected
// numbers follow from these formulas and never from a real font.
//
//   em       = -lfHeight when negative, else lfHeight * 1000 / (ascent + descent)
//              (16 * 1000 / (ascent + descent) for 0)
//   tmAscent = em * ascent / 1000, tmDescent = em * descent / 1000,
//   tmHeight = tmAscent + tmDescent, tmInternalLeading = tmHeight - em,
//   tmAveCharWidth = lfWidth when set, else em * averageWidth / 1000
//   advance  = em * share / 1000, the share being the character's override (A + B + C),
//              else narrowAdvance for U+0000..U+00FF and U+FF61..U+FF9F, else wideAdvance;
//              with lfWidth set it is then scaled by lfWidth / (em * averageWidth / 1000)
//   ABC      = A = em * a / 1000, B = em * b / 1000, C = advance - A - B
//              (no override: A = 0, B = advance, C = 0)
// All divisions truncate toward zero.

#include <map>

#include "platform/FontMetrics.h"

struct FAKE_FONT {
  int ascent = 800;
  int descent = 200;
  int wideAdvance = 1000;
  int narrowAdvance = 500;
  int averageWidth = 500;
  std::map<char32_t, ABC> overrides;  // in thousandths of the em
};

class CFakeFontMetrics : public CFontMetrics {
 public:
  CFakeFontMetrics(const LOGFONTA& lf, const FAKE_FONT& settings);
  const TEXTMETRICA& GetTextMetrics() const override;
  int GetCharAdvance(char32_t c) const override;
  ABC GetCharABC(char32_t c) const override;
  int Em() const;

 private:
  int Share(char32_t c) const;
  int Stretch(int advance) const;

  LOGFONTA m_lf;
  const FAKE_FONT& m_settings;  // read live, so tests may change it after selecting fonts
  mutable TEXTMETRICA m_tm{};
};
