#include "model/HaitenInfo.h"

HAITEN_INFO::HAITEN_INFO() { Reset(); }

HAITEN_INFO::~HAITEN_INFO() = default;

void HAITEN_INFO::Reset() {
  m_nForm = FormPlain;
  m_nSpare = 0;
  m_nEach = 0;
  m_nCount = 0;
  m_nTotal = 0;
  m_bVisible = 0;
  m_strFence = u"（";
}
