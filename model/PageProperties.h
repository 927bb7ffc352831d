#pragma once
// Page size and text columns of a sheet (A4 portrait, one column by default).

#include "platform/WinTypes.h"

class CPageProperties {
 public:
  CPageProperties() { Init(); }
  void Init() {
    m_nPageHeight = 29700;
    m_nPageWidth = 21000;
    m_nColumnCount = 1;
    m_nColumnGap = 500;
  }
  void Copy(const CPageProperties& other) { *this = other; }

  LONG m_nPageHeight;
  LONG m_nPageWidth;
  LONG m_nColumnCount;
  LONG m_nColumnGap;
};

static_assert(sizeof(CPageProperties) == 16);
