#include "platform/RecentFileList.h"

#include <algorithm>

namespace {

std::string EntryName(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

void CRecentFileList::Add(const std::string& path) {
  if (path.empty()) return;
  std::erase(m_files, path);
  m_files.insert(m_files.begin(), path);
  if (int(m_files.size()) > m_nSize) m_files.resize(size_t(m_nSize));
}

void CRecentFileList::Remove(int index) {
  if (index >= 0 && index < GetSize()) m_files.erase(m_files.begin() + index);
}

void CRecentFileList::ReadList(const CProfile& profile) {
  m_files.clear();
  for (int i = 0; i < m_nSize; ++i) {
    std::string path = profile.GetProfileStringUtf8(m_strSection.c_str(), EntryName(i).c_str());
    if (!path.empty() && std::find(m_files.begin(), m_files.end(), path) == m_files.end()) m_files.push_back(path);
  }
}

void CRecentFileList::WriteList(CProfile& profile) const {
  profile.WriteProfileString(m_strSection.c_str(), nullptr, nullptr);
  for (int i = 0; i < GetSize(); ++i)
    profile.WriteProfileStringUtf8(m_strSection.c_str(), EntryName(i).c_str(), m_files[size_t(i)]);
}
