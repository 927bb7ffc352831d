#pragma once
// A private folder for one operation, made with mkdtemp and removed with its content when
// the operation ends.

#include <string>

#include "platform/WinTypes.h"

class CTempFolder {
 public:
  // Inside the given folder, or inside the system's temporary folder when it is empty.
  explicit CTempFolder(const std::string& parent = std::string());
  ~CTempFolder();
  CTempFolder(const CTempFolder&) = delete;
  CTempFolder& operator=(const CTempFolder&) = delete;

  BOOL IsValid() const { return !m_strPath.empty(); }
  const std::string& GetPath() const { return m_strPath; }

 private:
  std::string m_strPath;
};
