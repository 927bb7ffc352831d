#pragma once
// Baseline shift, after an int that is kept but not interpreted.

#include "platform/WinTypes.h"

class CAreaAlignmentProperties {
 public:
  enum BaselineShift { ShiftNone = 0, ShiftSub = 1, ShiftSuper = 2 };

  CAreaAlignmentProperties() { Init(); }
  void Init() {
    m_nAlignmentReserved = 1;
    m_nBaselineShift = ShiftNone;
  }
  void Copy(const CAreaAlignmentProperties& other) { *this = other; }

  LONG m_nAlignmentReserved;
  LONG m_nBaselineShift;
};

static_assert(sizeof(CAreaAlignmentProperties) == 8);
