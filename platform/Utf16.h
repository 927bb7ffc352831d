#pragma once
// Code points of UTF-16 text: a surrogate pair is one character, a lone surrogate stays itself.

#include <string_view>

inline bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// True when text[i] is the second half of a pair, which carries no character of its own.
inline bool IsTrailOfPair(std::u16string_view text, size_t i) {
  return i > 0 && i < text.size() && IsLowSurrogate(text[i]) && IsHighSurrogate(text[i - 1]);
}

// The character that starts at text[i]; *units tells how many units it takes (1 or 2).
inline char32_t CodePointAt(std::u16string_view text, size_t i, size_t* units = nullptr) {
  char32_t c = text[i];
  size_t length = 1;
  if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
    c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    length = 2;
  }
  if (units) *units = length;
  return c;
}
