#pragma once
// How the attribute reader reads values (keywords, decimals, ANSI names), and the keyword
// tables that the writers share with it.

#include <span>
#include <string>

#include "model/StringW.h"
#include "platform/GdiTypes.h"

struct KEYWORD_VALUE {
  const char16_t* pszKeyword;
  LONG nValue;
};

// "solid" 1 ... "wave" 7.
extern const KEYWORD_VALUE g_LineStyleKeywords[7];
// "maru" 1 ... "string" 6.
extern const KEYWORD_VALUE g_NumberStyleKeywords[6];
// "horizontal" 1 ... "diagcross" 6.
extern const KEYWORD_VALUE g_BackgroundPatternKeywords[6];
// text-align: "left" 0, "center" 1, "right" 2, "justify" 3.
extern const KEYWORD_VALUE g_TextAlignKeywords[4];
// float: "left" 1, "right" 2.
extern const KEYWORD_VALUE g_FloatSideKeywords[2];

// Sets target to the value of the keyword that equals text (case-sensitive); leaves it
// unchanged when none does.
void ApplyKeyword(std::span<const KEYWORD_VALUE> table, const CStringW& text, LONG& target);
// The keyword of a value; null when the table has none.
const char16_t* KeywordOf(std::span<const KEYWORD_VALUE> table, LONG value);

// "thick" 3, anything else 1.
LONG LineWidthValue(const CStringW& text);
// The number style of a keyword; 0 for anything else.
LONG NumberStyleValue(const CStringW& text);


// The text in the ANSI code page, cut after the last whole character that fits the
// 32-byte face field before its NUL; the rest of the field is zero.
void CopyAnsiFace(CHAR (&face)[LF_FACESIZE], const CStringW& text);
std::string AnsiText(const CStringW& text);
