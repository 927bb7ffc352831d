#pragma once
// The most recently used files (UTF-8 paths), newest first, kept in the profile as "File1" ... "FileN".

#include <string>
#include <vector>

#include "platform/Profile.h"

class CRecentFileList {
 public:
  CRecentFileList(const char* section, int nSize) : m_strSection(section), m_nSize(nSize) {}

  int GetSize() const { return int(m_files.size()); }
  const std::string& operator[](int index) const { return m_files[size_t(index)]; }
  // Puts the path first, dropping an older entry of the same path and the oldest beyond the size.
  void Add(const std::string& path);
  void Remove(int index);

  void ReadList(const CProfile& profile);
  void WriteList(CProfile& profile) const;

 private:
  std::string m_strSection;
  int m_nSize;
  std::vector<std::string> m_files;
};
