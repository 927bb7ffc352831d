#pragma once
// The class library's profile calls over an INI file. Sections keep their registry names; a
// backslash in a section name separates subkeys, as in the registry.

#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

class QSettings;
class QString;

class CProfile {
 public:
  // The profile of the program under its company key: <config folder>/<key>/<name>.ini, where
  // the config folder is XDG_CONFIG_HOME or ~/.config.
  CProfile(const char* registryKey, const char* profileName);
  explicit CProfile(const QString& iniPath);
  ~CProfile();
  CProfile(const CProfile&) = delete;
  CProfile& operator=(const CProfile&) = delete;

  // The stored integer, or nDefault when the value is missing or not an integer.
  UINT GetProfileInt(const char* section, const char* entry, int nDefault) const;
  BOOL WriteProfileInt(const char* section, const char* entry, int nValue);
  // Strings are ANSI (CP932) here and Unicode in the file.
  std::string GetProfileString(const char* section, const char* entry, const char* pszDefault = "") const;
  // A null value removes the entry, a null entry the whole section.
  BOOL WriteProfileString(const char* section, const char* entry, const char* pszValue);
  // The same in UTF-8, for file names.
  std::string GetProfileStringUtf8(const char* section, const char* entry) const;
  BOOL WriteProfileStringUtf8(const char* section, const char* entry, const std::string& value);
  // FALSE and data emptied when the value is missing or not binary.
  BOOL GetProfileBinary(const char* section, const char* entry, std::vector<BYTE>* data) const;
  BOOL WriteProfileBinary(const char* section, const char* entry, const void* data, UINT nBytes);
  // Writes pending changes to the file; FALSE when it cannot be written.
  BOOL Flush();

  std::string GetFileName() const;

 private:
  std::unique_ptr<QSettings> m_settings;
};
