#include "elements/MondaiInfo.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kUnregisteredClass[6] = {999, 0, 0, 0, 0, 0};

CStringW FormatInt(const char16_t* format, int value) {
  CStringW text;
  text.Format(format, value);
  return text;
}

}  // namespace

CMondaiInfo::CMondaiInfo(int nKind) : m_nKind(nKind), m_nId(-1), m_nSubId(-1), m_bChanged(0) {
  std::copy(std::begin(kUnregisteredClass), std::end(kUnregisteredClass), m_arrClass);
}

void CMondaiInfo::Copy(const CMondaiInfo& other) {
  m_nKind = other.m_nKind;
  std::copy(std::begin(other.m_arrClass), std::end(other.m_arrClass), m_arrClass);
  m_nId = other.m_nId;
  m_nSubId = other.m_nSubId;
  m_bChanged = other.m_bChanged;
}

BOOL CMondaiInfo::IsUnregistered() const {
  return std::equal(std::begin(m_arrClass), std::end(m_arrClass), std::begin(kUnregisteredClass));
}

void CMondaiInfo::SetIds(int nId, int nSubId, int bChanged) {
  m_nId = nId;
  m_nSubId = nSubId;
  m_bChanged = bChanged;
}

void CMondaiInfo::SetClassification(int c0, int c1, int c2, int c3, int c4, int c5) {
  const int cls[6] = {c0, c1, c2, c3, c4, c5};
  std::copy(std::begin(cls), std::end(cls), m_arrClass);
}

void CMondaiInfo::SetData(const int data[kDataCount]) {
  if (!data) return;
  std::copy(data, data + 6, m_arrClass);
  SetIds(data[6], data[7], data[8]);
}

void CMondaiInfo::GetData(MONDAI_ID_NODE2* pNode) const {
  if (!pNode) return;
  std::copy(std::begin(m_arrClass), std::end(m_arrClass), pNode->anClass);
  pNode->nId = m_nId;
  pNode->nSubId = m_nSubId;
  pNode->bChanged = m_bChanged;
}

void CMondaiInfo::GetKey(MONDAI_ID_NODE* pNode) const {
  if (!pNode) return;
  pNode->dKey = m_nId * 100000.0 + m_nSubId;
  pNode->bChanged = m_bChanged;
}

void CMondaiInfo::ParseIds(const CStringW& id, const CStringW& subId, const CStringW& changed) {
  SetIds(LeadingDecimal(id), LeadingDecimal(subId), LeadingDecimal(changed));
}

void CMondaiInfo::ParseAll(const CStringW cls[6], const CStringW& id, const CStringW& subId,
                           const CStringW& changed) {
  if (cls) std::transform(cls, cls + 6, m_arrClass, [](const CStringW& text) { return LeadingDecimal(text); });
  ParseIds(id, subId, changed);
}

void CMondaiInfo::FormatIds(CStringW& id, CStringW& subId, CStringW& changed) const {
  id = FormatInt(u"%08d", m_nId);
  subId = FormatInt(u"%05d", m_nSubId);
  changed = FormatInt(u"%d", m_bChanged);
}

void CMondaiInfo::FormatAll(CStringW cls[6], CStringW& id, CStringW& subId, CStringW& changed) const {
  if (cls) std::transform(std::begin(m_arrClass), std::end(m_arrClass), cls, [](int v) { return FormatInt(u"%d", v); });
  id = FormatInt(u"%d", m_nId);
  subId = FormatInt(u"%d", m_nSubId);
  changed = FormatInt(u"%d", m_bChanged);
}
