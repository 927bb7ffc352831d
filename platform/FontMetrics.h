#pragma once
// What a device context asks of a selected font: metrics in the font's own (logical) units.

#include "platform/GdiTypes.h"

class CFontMetrics {
 public:
  virtual ~CFontMetrics() = default;
  virtual const TEXTMETRICA& GetTextMetrics() const = 0;
  // Extent of one character along the line (the vertical advance for upright characters of
  // an "@" face).
  virtual int GetCharAdvance(char16_t c) const = 0;
  // A + B + C equals GetCharAdvance.
  virtual ABC GetCharABC(char16_t c) const = 0;
};
