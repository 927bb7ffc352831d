#pragma once
// Background colour and hatch, the border around a run and the before and after lines.

#include "platform/WinTypes.h"

// Line styles of borders, underlines and line-through.
enum LineStyle {
  LS_NONE = 0, LS_SOLID = 1, LS_DOUBLE = 2, LS_DOTTED = 3, LS_DASHED = 4,
  LS_DOT_DASH = 5, LS_DOT_DOT_DASH = 6, LS_WAVE = 7
};

constexpr COLORREF kNoBackground = 0xFFFFFF;

class CBorderPaddingBackgroundProperties {
 public:
  CBorderPaddingBackgroundProperties() { Init(); }
  void Init() {
    m_crBackground = kNoBackground;
    m_nBackgroundPattern = 0;
    m_nBorderStyle = LS_NONE;
    m_nBorderWidth = 1;
    m_nBorderBeforeStyle = LS_NONE;
    m_nBorderBeforeWidth = 1;
    m_nBorderAfterStyle = LS_NONE;
    m_nBorderAfterWidth = 1;
  }
  void Copy(const CBorderPaddingBackgroundProperties& other) { *this = other; }

  COLORREF m_crBackground;
  LONG m_nBackgroundPattern;  // 0 none, 1 horizontal ... 6 diagonal cross
  LONG m_nBorderStyle;
  LONG m_nBorderWidth;
  LONG m_nBorderBeforeStyle;
  LONG m_nBorderBeforeWidth;  // 1 thin, 3 thick
  LONG m_nBorderAfterStyle;
  LONG m_nBorderAfterWidth;
};

static_assert(sizeof(CBorderPaddingBackgroundProperties) == 32);
