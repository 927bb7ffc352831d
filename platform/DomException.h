#pragma once
// The one failure the DOM layer raises: a COM-style error code and a description.

#include <exception>
#include <string>

#include "platform/WinTypes.h"

constexpr LONG DOM_E_FAIL = LONG(0x80004005);
constexpr LONG DOM_E_POINTER = LONG(0x80004003);
constexpr LONG DOM_E_INVALIDARG = LONG(0x80070057);
constexpr LONG DOM_E_OUTOFMEMORY = LONG(0x8007000E);

class CDomException : public std::exception {
 public:
  CDomException(LONG code, std::u16string description);

  LONG Error() const { return m_code; }
  const std::u16string& Description() const { return m_description; }
  const char* what() const noexcept override { return m_what.c_str(); }

 private:
  LONG m_code;
  std::u16string m_description;
  std::string m_what;
};
