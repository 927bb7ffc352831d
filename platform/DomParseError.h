#pragma once
// The record of the last failed load: the parser's error number, where it stopped and why.

#include <string>
#include <string_view>

#include "platform/WinTypes.h"

class CDomParseError {
 public:
  CDomParseError() = default;
  CDomParseError(LONG code, LONG line, LONG linepos, std::u16string reason);

  // 0 after a successful load.
  LONG errorCode() const { return m_errorCode; }
  LONG line() const { return m_line; }
  LONG linepos() const { return m_linepos; }
  const std::u16string& reason() const { return m_reason; }

  // "<heading>: Code=0x%x Source=Line:%ld; Char:%ld Error Description=%s".
  std::u16string Message(std::u16string_view heading = u"XML Parsing Error") const;

 private:
  LONG m_errorCode = 0;
  LONG m_line = 0;
  LONG m_linepos = 0;
  std::u16string m_reason;
};
