#pragma once
// The text of a question number in one of the sixteen styles, for horizontal or vertical
// writing; a minor number differs from a major one by an ideographic space (before it in
// horizontal writing, after it in vertical writing). A negative number shows no digits.

#include "model/StringW.h"
#include "platform/WinTypes.h"

constexpr int kFramedNumberFormat = 2;

// Codes outside 0 to 15 are laid out as code 0.
int NormalizeNumberFormat(int nFormat);
void FormatQuestionNumber(int n, int nFormat, BOOL bVertical, BOOL bMinor, CStringW& out);
// Styles shown in a Mincho face; the others use a Gothic face at 10.5 points.
BOOL IsMinchoNumberFormat(int nFormat);
