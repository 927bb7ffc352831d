#include "model/EditProperties.h"

#include <cstring>

#include "model/DefaultFonts.h"

CEditProperties::CEditProperties()
    : m_nReserved0(0), m_ptOrigin{0, 0}, m_nReserved1(0), m_nReserved2(0), m_rcHit{0, 0, 0, 0} {
  Reset();
}

void CEditProperties::Reset() {
  m_nReserved0 = 0;
  m_bHidden = 0;
  m_bNeedsMeasure = 1;
  m_bCaretStop = 1;
  m_bModified = 0;
  m_nWidth = 0;
  m_nHeight = 0;
  m_nAscent = 0;
  m_nCenter = 0;
  m_rcInk = RECT{0, 0, 0, 0};
  GetDefaultFont(&m_lf, FALSE);
  // memset also clears the padding bytes, which the archive stores.
  std::memset(&m_tm, 0, sizeof(m_tm));
  std::memset(&m_tmReserved, 0, sizeof(m_tmReserved));
  m_nLine = 0;
  m_nInLine = 0;
  m_nBox = 0;
  m_nPage = 1;
}
