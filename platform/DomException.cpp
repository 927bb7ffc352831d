#include "platform/DomException.h"

#include "platform/DomEncoding.h"

CDomException::CDomException(LONG code, std::u16string description)
    : m_code(code), m_description(std::move(description)), m_what(Utf16ToUtf8(m_description)) {}
