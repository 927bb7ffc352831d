#pragma once
// Conversion between UTF-16 and the ANSI code page (CP932, with the NEC and IBM extensions).

#include <string>
#include <string_view>

// True for a byte that starts a CP932 double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsAnsiLeadByte(unsigned char b);

// Units that CP932 cannot hold become '?'.
std::string WideToAnsi(std::u16string_view text);
// Byte sequences that are not CP932 become U+30FB.
std::u16string AnsiToWide(std::string_view text);
// The text in UTF-16, or false (and out unchanged) when any byte sequence is not CP932.
bool AnsiToWideStrict(std::string_view text, std::u16string* out);
// The text with every character that would not come back unchanged from CP932 (a
// surrogate pair counting as one) replaced by the replacement.
std::u16string ToAnsiSafe(std::u16string_view text, char16_t replacement);

// Compares two CP932 strings character by character, a double-byte character counting as
// (lead << 8) | trail, as the multibyte string comparison of the Windows C library does.
int CompareAnsi(const char* a, const char* b);

// Copies whole CP932 characters of src that fit before the last byte of dest, then fills the
// rest of dest with zeros, so a double-byte character is never split.
void CopyAnsiBounded(char* dest, size_t size, const char* src);
