#pragma once
// The registration record that ties a question to the question database.

#include "platform/Object.h"

class CMondaiInfo : public CObject {
 public:
  explicit CMondaiInfo(int nKind = 1);

  void Copy(const CMondaiInfo& other);
  // TRUE while the classification is the unregistered one, {999, 0, 0, 0, 0, 0}.
  BOOL IsUnregistered() const;

  int m_nKind;
  int m_arrClass[6];
  int m_nId;      // written as eight digits
  int m_nSubId;   // written as five digits
  int m_bChanged;
};
