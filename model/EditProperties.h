#pragma once
// Layout state of a node: measured extent, placement, its font and its line position.

#include <cstddef>

#include "platform/GdiTypes.h"

class CEditProperties {
 public:
  CEditProperties();
  // Back to the unlaid-out state; the origin, the two reserved ints and the hit box stay.
  void Reset();
  void Copy(const CEditProperties& other) { *this = other; }

  LONG m_nReserved0;
  LONG m_bHidden;
  LONG m_bNeedsMeasure;
  LONG m_bCaretStop;
  LONG m_bModified;
  LONG m_nWidth;
  LONG m_nHeight;
  LONG m_nAscent;
  LONG m_nCenter;
  RECT m_rcInk;
  POINT m_ptOrigin;
  LONG m_nReserved1;
  LONG m_nReserved2;
  RECT m_rcHit;
  LOGFONTA m_lf;
  TEXTMETRICA m_tm;
  TEXTMETRICA m_tmReserved;
  LONG m_nLine;
  LONG m_nInLine;
  LONG m_nBox;
  LONG m_nPage;
};

// The group is stored raw: these offsets are part of the node archive.
static_assert(sizeof(CEditProperties) == 272);
static_assert(offsetof(CEditProperties, m_nWidth) == 20);
static_assert(offsetof(CEditProperties, m_rcInk) == 36);
static_assert(offsetof(CEditProperties, m_ptOrigin) == 52);
static_assert(offsetof(CEditProperties, m_nReserved1) == 60);
static_assert(offsetof(CEditProperties, m_rcHit) == 68);
static_assert(offsetof(CEditProperties, m_lf) == 84);
static_assert(offsetof(CEditProperties, m_tm) == 144);
static_assert(offsetof(CEditProperties, m_tmReserved) == 200);
static_assert(offsetof(CEditProperties, m_nLine) == 256);
static_assert(offsetof(CEditProperties, m_nPage) == 268);
