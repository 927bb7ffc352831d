#pragma once
// Collects what libxml2 and libxslt report while it lives, instead of letting them print it.

#include <string>
#include <string_view>

#include "platform/WinTypes.h"

class CDomErrorTrap {
 public:
  CDomErrorTrap();
  ~CDomErrorTrap();
  CDomErrorTrap(const CDomErrorTrap&) = delete;
  CDomErrorTrap& operator=(const CDomErrorTrap&) = delete;

  // The first error (warnings aside): the library's error number, its line and column.
  bool HasError() const { return m_code != 0; }
  LONG Code() const { return m_code; }
  LONG Line() const { return m_line; }
  LONG Column() const { return m_column; }
  const std::string& FirstMessage() const { return m_first; }
  // Every message, errors and warnings alike, one per line; the first 64 KB of them.
  const std::string& AllMessages() const { return m_all; }

 private:
  static void OnStructured(void* self, struct _xmlError* error);
  static void OnGeneric(void* self, const char* format, ...);
  void Record(int code, int line, int column, std::string message);
  void Append(std::string_view text);

  void* m_oldStructuredContext;
  void (*m_oldStructured)(void*, struct _xmlError*);
  void* m_oldGenericContext;
  void (*m_oldGeneric)(void*, const char*, ...);
  void* m_oldXsltContext;
  void (*m_oldXslt)(void*, const char*, ...);
  LONG m_code = 0;
  LONG m_line = 0;
  LONG m_column = 0;
  std::string m_first;
  std::string m_all;
};
