#include "platform/WideChar.h"

#include <QChar>

bool IsWideSpace(char16_t c) {
  if ((c >= 0x09 && c <= 0x0D) || c == 0x20) return true;
  if (c < 0x80) return false;
  return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
         c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool IsWideAlpha(char16_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  return QChar(c).isLetter();
}

bool IsWideDigit(char16_t c) { return c >= '0' && c <= '9'; }

char16_t WideToLower(char16_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c;
  return char16_t(QChar::toLower(char32_t(c)));
}

char16_t WideToUpper(char16_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c;
  return char16_t(QChar::toUpper(char32_t(c)));
}
