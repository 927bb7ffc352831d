#pragma once
// A fixed width and height; a float keeps its side in the second value.

#include "platform/WinTypes.h"

class CAreaDimensionProperties {
 public:
  CAreaDimensionProperties() { Init(); }
  void Init() {
    m_nAreaWidth = 0;
    m_nAreaHeight = 0;
  }
  void Copy(const CAreaDimensionProperties& other) { *this = other; }

  LONG m_nAreaWidth;
  LONG m_nAreaHeight;
};

static_assert(sizeof(CAreaDimensionProperties) == 8);
