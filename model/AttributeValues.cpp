#include "model/AttributeValues.h"

#include <climits>
#include <cstring>

#include "platform/AnsiCodePage.h"

const KEYWORD_VALUE g_LineStyleKeywords[7] = {
    {u"solid", 1}, {u"double", 2}, {u"dotted", 3}, {u"dashed", 4}, {u"dot-dash", 5}, {u"dot-dot-dash", 6}, {u"wave", 7},
};

const KEYWORD_VALUE g_NumberStyleKeywords[6] = {
    {u"maru", 1}, {u"kakko", 2}, {u"kana", 3}, {u"alpha", 4}, {u"alpha-cap", 5}, {u"string", 6},
};

const KEYWORD_VALUE g_BackgroundPatternKeywords[6] = {
    {u"horizontal", 1}, {u"vertical", 2}, {u"fdiagonal", 3}, {u"bdiagonal", 4}, {u"cross", 5}, {u"diagcross", 6},
};

const KEYWORD_VALUE g_TextAlignKeywords[4] = {{u"left", 0}, {u"center", 1}, {u"right", 2}, {u"justify", 3}};

const KEYWORD_VALUE g_FloatSideKeywords[2] = {{u"left", 1}, {u"right", 2}};

void ApplyKeyword(std::span<const KEYWORD_VALUE> table, const CStringW& text, LONG& target) {
  for (const KEYWORD_VALUE& entry : table) {
    if (text == entry.pszKeyword) {
      target = entry.nValue;
      return;
    }
  }
}

const char16_t* KeywordOf(std::span<const KEYWORD_VALUE> table, LONG value) {
  for (const KEYWORD_VALUE& entry : table) {
    if (entry.nValue == value) return entry.pszKeyword;
  }
  return nullptr;
}

LONG LineWidthValue(const CStringW& text) { return text == u"thick" ? 3 : 1; }

LONG NumberStyleValue(const CStringW& text) {
  LONG style = 0;
  ApplyKeyword(g_NumberStyleKeywords, text, style);
  return style;
}

void CopyAnsiFace(CHAR (&face)[LF_FACESIZE], const CStringW& text) {
  CopyAnsiBounded(face, sizeof(face), WideToAnsi(text.str()).c_str());
}

std::string AnsiText(const CStringW& text) { return WideToAnsi(text.str()); }
