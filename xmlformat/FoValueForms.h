#pragma once
// How the FO writers spell values: lengths, point sizes, the names of line styles, number
// types, background patterns and alignments, question-number letters and ANSI names.

#include <string>

#include "model/StringW.h"
#include "platform/WinTypes.h"

// "%dmm" of v / 100, truncated toward zero: 12345 gives "123mm".
CStringW MillimetreText(LONG v);
// Whole points and truncated tenths: 371 gives "10.5pt", 71 "2pt".
CStringW SpacingPointsText(LONG v);
// Half points of |v|: 18 gives "0.5pt", 35 "1pt".
CStringW HalfPointsText(LONG v);
// Signed half points: -176 gives "-5pt".
CStringW SignedHalfPointsText(LONG v);
CStringW DecimalText(int v);
// An ANSI (CP932) name of the model as UTF-16.
CStringW AnsiNameText(const char* name, size_t maxLength = std::string::npos);

// "solid" 1 ... "wave" 7; null for other styles.
const char16_t* LineStyleName(LONG style);
// "maru" 1 ... "string" 6, the empty text for any other positive type; null for 0 and below.
const char16_t* NumberTypeName(LONG type);
// "horizontal" 1 ... "diagcross" 6; null for others.
const char16_t* BackgroundPatternName(LONG pattern);
// text-align of "left" 0 ... "justify" 3; null for others (distribution has its own attribute).
const char16_t* TextAlignName(LONG align);
// "left" 1, "right" 2; null for others.
const char16_t* FloatSideName(LONG side);

// Number format codes of question numbers: 0 to 15.
constexpr int kNumberFormatCount = 16;
// The type letter of a question number's format: "a" for 0; the empty text for a code
// outside 0 to 15 or equal to the writing direction's default, which is not written.
CStringW NumberFormatLetter(int code, int defaultCode);
