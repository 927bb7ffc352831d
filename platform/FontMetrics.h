#pragma once
// What a device context asks of a selected font: metrics in the font's own (logical) units.

#include "platform/GdiTypes.h"

// Font heights and widths beyond this many logical units (a metre in the sheet's units) come
// only from damaged data; they are measured as this size so that no sum of extents overflows.
constexpr LONG kMaxFontExtent = 100000;

inline LONG ClampFontExtent(LONG v) { return v > kMaxFontExtent ? kMaxFontExtent : v < -kMaxFontExtent ? -kMaxFontExtent : v; }

class CFontMetrics {
 public:
  virtual ~CFontMetrics() = default;
  virtual const TEXTMETRICA& GetTextMetrics() const = 0;
  // Extent of one character (a code point) along the line (the vertical advance for upright
  // characters of an "@" face).
  virtual int GetCharAdvance(char32_t c) const = 0;
  // A + B + C equals GetCharAdvance.
  virtual ABC GetCharABC(char32_t c) const = 0;
};
