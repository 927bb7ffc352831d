#pragma once
// Classification of UTF-16 units, independent of the C library's locale.

#include "platform/WinTypes.h"

// White space as the wide white-space test of the Windows C library counts it
// (tab to carriage return, blank, no-break space, the Unicode spaces, U+3000).
bool IsWideSpace(char16_t c);
bool IsWideAlpha(char16_t c);
bool IsWideDigit(char16_t c);
char16_t WideToLower(char16_t c);
char16_t WideToUpper(char16_t c);
