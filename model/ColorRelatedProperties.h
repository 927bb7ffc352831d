#pragma once
// Text colour.

#include "platform/WinTypes.h"

class CColorRelatedProperties {
 public:
  CColorRelatedProperties() { Init(); }
  void Init() { m_crColor = 0; }
  void Copy(const CColorRelatedProperties& other) { *this = other; }

  COLORREF m_crColor;
};

static_assert(sizeof(CColorRelatedProperties) == 4);
