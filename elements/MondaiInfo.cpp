#include "elements/MondaiInfo.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kUnregisteredClass[6] = {999, 0, 0, 0, 0, 0};

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
