#pragma once
// Line spacing and text alignment of a paragraph or of a container's lines.

#include <cstddef>

#include "platform/WinTypes.h"

class CBlockLineRelatedProperties {
 public:
  enum TextAlign { AlignLeft = 0, AlignCenter = 1, AlignRight = 2, AlignJustify = 3, AlignDistribute = 4 };

  CBlockLineRelatedProperties() { Init(); }
  void Init() {
    m_nLineReserved0 = 0;
    m_nLineSpacing = 71;  // 2 points
    m_nLineReserved1 = 0;
    m_nTextAlign = AlignLeft;
  }
  void Copy(const CBlockLineRelatedProperties& other) { *this = other; }

  LONG m_nLineReserved0;
  LONG m_nLineSpacing;
  LONG m_nLineReserved1;
  LONG m_nTextAlign;
};

static_assert(sizeof(CBlockLineRelatedProperties) == 16);
static_assert(offsetof(CBlockLineRelatedProperties, m_nTextAlign) == 12);
