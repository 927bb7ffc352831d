#pragma once
// A brush: solid, hatched, an 8 x 8 monochrome pattern, or hollow.

#include <array>

#include "platform/GdiObject.h"

constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;
constexpr UINT BS_HATCHED = 2;
constexpr UINT BS_PATTERN = 3;

// Rows of a pattern, top first, most significant bit leftmost; a set bit is a foreground pixel.
using PATTERN_ROWS = std::array<BYTE, 8>;

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

  BOOL CreateSolidBrush(COLORREF color);
  BOOL CreateHatchBrush(int index, COLORREF color);
  // Black pixels (bit 0) of the bitmap's top-left 8 x 8 draw in the text colour, white ones in
  // the background colour (or not at all in transparent mode).
  BOOL CreatePatternBrush(const CBitmap* bitmap);
  BOOL CreateHollowBrush();

  UINT Style() const { return m_style; }
  COLORREF Color() const { return m_color; }
  const PATTERN_ROWS& Pattern() const { return m_pattern; }

 protected:
  void Clear() override;

 private:
  UINT m_style = BS_SOLID;
  COLORREF m_color = 0;
  PATTERN_ROWS m_pattern{};
};
