#pragma once
// A pen: cosmetic (one device pixel, styled) or geometric (width in logical units, caps, joins).

#include "platform/GdiObject.h"

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;
constexpr int PS_STYLE_MASK = 0x0000000F;
constexpr int PS_ENDCAP_ROUND = 0x00000000;
constexpr int PS_ENDCAP_SQUARE = 0x00000100;
constexpr int PS_ENDCAP_FLAT = 0x00000200;
constexpr int PS_ENDCAP_MASK = 0x00000F00;
constexpr int PS_JOIN_ROUND = 0x00000000;
constexpr int PS_JOIN_BEVEL = 0x00001000;
constexpr int PS_JOIN_MITER = 0x00002000;
constexpr int PS_JOIN_MASK = 0x0000F000;
constexpr int PS_COSMETIC = 0x00000000;
constexpr int PS_GEOMETRIC = 0x00010000;
constexpr int PS_TYPE_MASK = 0x000F0000;

struct LOGBRUSH {
  UINT lbStyle;
  COLORREF lbColor;
  uintptr_t lbHatch;
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

  // Width 0 or 1 gives a cosmetic pen, which keeps its dash style; wider pens are solid.
  BOOL CreatePen(int style, int width, COLORREF color);
  // The extended form: PS_GEOMETRIC with a width and end-cap and join flags, or PS_COSMETIC.
  BOOL CreatePen(int style, int width, const LOGBRUSH* brush);

  int Style() const { return m_style & PS_STYLE_MASK; }
  int EndCap() const { return m_style & PS_ENDCAP_MASK; }
  int Join() const { return m_style & PS_JOIN_MASK; }
  bool IsGeometric() const { return (m_style & PS_TYPE_MASK) == PS_GEOMETRIC; }
  int Width() const { return m_width; }
  COLORREF Color() const { return m_color; }

 protected:
  void Clear() override;

 private:
  int m_style = PS_SOLID;
  int m_width = 0;
  COLORREF m_color = 0;
};
