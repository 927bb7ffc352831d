#pragma once
// The registration record that ties a question to the question database, and the list
// records that the question search exchanges.

#include <cstdint>

#include "model/StringW.h"
#include "platform/Object.h"

// Fixed-width fields; the search library's own 32-bit layout (16 bytes) is built from these
// where that library is bound.
struct MONDAI_ID_NODE {
  double dKey;  // id * 100000 + sub id
  int32_t bChanged;
  MONDAI_ID_NODE* pNext;
};

// The record with classification (40 bytes in the search library's 32-bit layout).
struct MONDAI_ID_NODE2 {
  int32_t anClass[6];
  int32_t nId;
  int32_t nSubId;
  int32_t bChanged;
  MONDAI_ID_NODE2* pNext;
};

class CMondaiInfo : public CObject {
 public:
  static constexpr int kDataCount = 9;  // classification, id, sub id, changed

  explicit CMondaiInfo(int nKind = 1);

  void Copy(const CMondaiInfo& other);
  // TRUE while the classification is the unregistered one, {999, 0, 0, 0, 0, 0}.
  BOOL IsUnregistered() const;

  void SetIds(int nId, int nSubId, int bChanged);
  void SetClassification(int c0, int c1, int c2, int c3, int c4, int c5);
  // In the order of MONDAI_ID_NODE2: classification, id, sub id, changed.
  void SetData(const int data[kDataCount]);
  void GetData(MONDAI_ID_NODE2* pNode) const;
  void GetKey(MONDAI_ID_NODE* pNode) const;

  // Each text read as a base-10 integer: leading blanks and a sign allowed, reading stops at
  // the first other character, 0 without digits; values beyond int saturate.
  void ParseIds(const CStringW& id, const CStringW& subId, const CStringW& changed);
  void ParseAll(const CStringW cls[6], const CStringW& id, const CStringW& subId, const CStringW& changed);
  // "%08d", "%05d" and "%d".
  void FormatIds(CStringW& id, CStringW& subId, CStringW& changed) const;
  // Each "%d".
  void FormatAll(CStringW cls[6], CStringW& id, CStringW& subId, CStringW& changed) const;

  int m_nKind;
  int m_arrClass[6];
  int m_nId;      // written as eight digits
  int m_nSubId;   // written as five digits
  int m_bChanged;
};
