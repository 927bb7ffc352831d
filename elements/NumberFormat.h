#pragma once
// Running numbers as kanji, full-width digits, circled forms, katakana and letters.
// Each formatter replaces out; a negative number gives an empty string.

#include "model/StringW.h"

// Pads on the left with U+3000 to width characters.
void FormatKanjiNumber(int n, CStringW& out, int width);
// Digits of n modulo 1000.
void FormatFullWidthNumber(int n, CStringW& out, int width);
void FormatCircledNumber(int n, CStringW& out);
void FormatParenNumber(int n, CStringW& out);
void FormatCircledIdeograph(int n, CStringW& out);
void FormatKatakanaNumber(int n, CStringW& out);
void FormatParenKatakana(int n, CStringW& out);
void FormatLowerAlphaNumber(int n, CStringW& out);
void FormatParenLowerAlpha(int n, CStringW& out);
void FormatUpperAlphaNumber(int n, CStringW& out);
void FormatParenUpperAlpha(int n, CStringW& out);
