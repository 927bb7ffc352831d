#pragma once
// Margins of a container.

#include "platform/WinTypes.h"

class CBlockMarginProperties {
 public:
  CBlockMarginProperties() { Init(); }
  void Init() {
    m_nMarginLeft = 0;
    m_nMarginTop = 0;
    m_nMarginRight = 0;
    m_nMarginBottom = 0;
  }
  void Copy(const CBlockMarginProperties& other) { *this = other; }

  LONG m_nMarginLeft;
  LONG m_nMarginTop;
  LONG m_nMarginRight;
  LONG m_nMarginBottom;
};

static_assert(sizeof(CBlockMarginProperties) == 16);
