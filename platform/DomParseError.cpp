#include "platform/DomParseError.h"

#include <cstdio>

#include "platform/DomEncoding.h"

CDomParseError::CDomParseError(LONG code, LONG line, LONG linepos, std::u16string reason)
    : m_errorCode(code), m_line(line), m_linepos(linepos), m_reason(std::move(reason)) {}

std::u16string CDomParseError::Message(std::u16string_view heading) const {
  char numbers[96];
  std::snprintf(numbers, sizeof numbers, ": Code=0x%x Source=Line:%ld; Char:%ld Error Description=",
                unsigned(m_errorCode), long(m_line), long(m_linepos));
  return std::u16string(heading) + Utf8ToUtf16(numbers) + m_reason;
}
