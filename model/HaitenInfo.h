#pragma once
// The points record of one question: form, counts, visibility and the framing bracket.

#include "model/StringW.h"

struct HAITEN_INFO {
  // 1 "%d点", 2 "各%d点×%d＝%d点", 3 "各%d点：計%d点", 4 "計%d点"; others show " --- 点".
  enum Form { FormPlain = 1, FormEachCount = 2, FormEachSum = 3, FormSum = 4 };

  HAITEN_INFO();
  HAITEN_INFO(const HAITEN_INFO& other) = default;
  ~HAITEN_INFO();
  HAITEN_INFO& operator=(const HAITEN_INFO& other) = default;

  void Reset();

  int m_nForm;
  int m_nSpare;
  int m_nEach;
  int m_nCount;
  int m_nTotal;
  int m_bVisible;
  CStringW m_strFence;  // "（" or "［"
};
