#pragma once
// Letter spacing, underline and line-through.

#include <cstddef>

#include "platform/WinTypes.h"

class CCharacterProperties {
 public:
  CCharacterProperties() { Init(); }
  void Init() {
    m_nCharReserved0 = 0;
    m_nLetterSpacing = 0;
    m_nCharReserved1 = 0;
    m_nUnderlineWidth = 0;
    m_nLineThroughWidth = 0;
    m_nUnderlineStyle = 0;
    m_nLineThroughStyle = 0;
  }
  void Copy(const CCharacterProperties& other) { *this = other; }

  LONG m_nCharReserved0;
  LONG m_nLetterSpacing;
  LONG m_nCharReserved1;
  LONG m_nUnderlineWidth;  // 1 thin, 3 thick
  LONG m_nLineThroughWidth;
  LONG m_nUnderlineStyle;  // a LineStyle
  LONG m_nLineThroughStyle;
};

static_assert(sizeof(CCharacterProperties) == 28);
static_assert(offsetof(CCharacterProperties, m_nUnderlineStyle) == 20);
