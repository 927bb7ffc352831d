#include "platform/TempFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

CTempFolder::CTempFolder(const std::string& parent) {
  std::error_code error;
  fs::path base = parent.empty() ? fs::temp_directory_path(error) : fs::path(parent);
  if (error) return;
  std::string pattern = (base / ".qr-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data())) m_strPath = buffer.data();
}

CTempFolder::~CTempFolder() {
  if (m_strPath.empty()) return;
  std::error_code error;
  fs::remove_all(m_strPath, error);
}
