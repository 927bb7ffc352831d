#include "platform/Pen.h"

constexpr UINT BS_SOLID_STYLE = 0;

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  if (m_bCreated) return FALSE;
  int dash = style & PS_STYLE_MASK;
  // Dashes only exist on pens one pixel wide.
  if (width > 1 && dash >= PS_DASH && dash <= PS_DASHDOTDOT) dash = PS_SOLID;
  m_style = dash;
  m_width = width < 0 ? 0 : width;
  m_color = color;
  m_bCreated = true;
  return TRUE;
}

BOOL CPen::CreatePen(int style, int width, const LOGBRUSH* brush) {
  if (m_bCreated || !brush || brush->lbStyle != BS_SOLID_STYLE) return FALSE;
  if ((style & PS_TYPE_MASK) == PS_COSMETIC) return CreatePen(style & PS_STYLE_MASK, 0, brush->lbColor);
  m_style = style;
  m_width = width < 0 ? 0 : width;
  m_color = brush->lbColor;
  m_bCreated = true;
  return TRUE;
}

void CPen::Clear() {
  m_style = PS_SOLID;
  m_width = 0;
  m_color = 0;
}
