#pragma once
// Operator characters of formulas, their full-width forms and the half-width test.

#include "model/StringW.h"

// Looks at the first character; FALSE for an empty string.
BOOL IsMathOperatorChar(const CStringW& s);
// Keeps only the first character, in its full-width form when it is + - < = > or ･.
void MakeOperatorFullWidth(CStringW& s);
// U+0000 to U+00FF and the half-width katakana block.
BOOL IsHalfWidthChar(WCHAR c);
