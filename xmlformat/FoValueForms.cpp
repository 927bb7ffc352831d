#include "xmlformat/FoValueForms.h"

#include <climits>
#include <cstring>

#include "elements/Units.h"
#include "model/AttributeValues.h"
#include "platform/AnsiCodePage.h"

CStringW MillimetreText(LONG v) {
  CStringW text;
  text.Format(u"%dmm", int(v / 100));
  return text;
}

CStringW SpacingPointsText(LONG v) {
  int pt = 0;
  int tenths = 0;
  HimetricToPoints(v, &pt, &tenths);
  CStringW text;
  if (tenths == 0)
    text.Format(u"%dpt", pt);
  else
    text.Format(u"%d.%dpt", pt, tenths);
  return text;
}

CStringW HalfPointsText(LONG v) { return SignedHalfPointsText(v == INT_MIN ? INT_MAX : (v < 0 ? -v : v)); }

CStringW SignedHalfPointsText(LONG v) {
  CStringW text;
  FormatPoints(v, text);
  return text;
}

CStringW DecimalText(int v) {
  CStringW text;
  text.Format(u"%d", v);
  return text;
}

CStringW AnsiNameText(const char* name, size_t maxLength) {
  if (!name) return CStringW();
  size_t length = maxLength == std::string::npos ? std::strlen(name) : strnlen(name, maxLength);
  return CStringW(AnsiToWide(std::string_view(name, length)));
}

const char16_t* LineStyleName(LONG style) { return KeywordOf(g_LineStyleKeywords, style); }

const char16_t* NumberTypeName(LONG type) {
  if (type <= 0) return nullptr;
  const char16_t* name = KeywordOf(g_NumberStyleKeywords, type);
  return name ? name : u"";
}

const char16_t* BackgroundPatternName(LONG pattern) { return KeywordOf(g_BackgroundPatternKeywords, pattern); }

const char16_t* TextAlignName(LONG align) { return KeywordOf(g_TextAlignKeywords, align); }

const char16_t* FloatSideName(LONG side) { return KeywordOf(g_FloatSideKeywords, side); }

CStringW NumberFormatLetter(int code, int defaultCode) {
  if (code < 0 || code >= kNumberFormatCount || code == defaultCode) return CStringW();
  return CStringW(char16_t(u'a' + code));
}
