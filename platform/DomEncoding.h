#pragma once
// Text between the DOM's UTF-16 strings and libxml2's UTF-8, and the CP932 codec
// that libxml2 uses for documents declared Shift-JIS.

#include <string>
#include <string_view>

// A lone surrogate becomes U+FFFD and clears *valid.
std::string Utf16ToUtf8(std::u16string_view text, bool* valid = nullptr);
// An invalid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// libxml2's strings; null gives an empty string.
std::u16string Utf8ToUtf16(const unsigned char* text);

// Every character is one that an XML 1.0 document may hold (surrogates only in pairs).
bool IsXmlText(std::u16string_view text);

// Registers CP932 with libxml2 under the names Shift-JIS documents declare.
void RegisterCp932Codec();
