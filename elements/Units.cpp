#include "elements/Units.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "platform/WinTypes.h"

namespace {

constexpr int64_t kUnitsPerInch = 2540;
constexpr int64_t kPointsPerInch = 72;
constexpr int kMaxWholeDigits = 10;     // keeps every product below within 64 bits
constexpr int kMaxFractionDigits = 9;   // finer digits cannot change a length in 0.01 mm

struct HalfPoints {
  int pt;
  int tenths;
};

// Rounded like MulDiv: half away from zero.
int64_t RoundDiv(int64_t num, int64_t den) {
  int64_t half = den / 2;
  return num >= 0 ? (num + half) / den : -((-num + half) / den);
}

HalfPoints SplitHalfPoints(int64_t v) {
  int64_t t = v * kPointsPerInch;
  int pt = int(t / kUnitsPerInch);
  int64_t hundredths = t % kUnitsPerInch * 100 / kUnitsPerInch;
  if (hundredths > 60) return {pt + 1, 0};
  if (hundredths >= 40) return {pt, 5};
  return {pt, 0};
}

// "-" for a negative value whose rounded magnitude is not zero.
HalfPoints SplitSignedHalfPoints(int v, bool* negative) {
  HalfPoints half = SplitHalfPoints(v < 0 ? -int64_t(v) : int64_t(v));
  *negative = v < 0 && (half.pt > 0 || half.tenths > 0);
  return half;
}

// A decimal number as atoi and scanf read one: blanks, a sign, digits, a point, digits.
struct DecimalText {
  bool negative = false;
  std::string whole;
  std::string fraction;

  bool HasDigits() const { return !whole.empty() || !fraction.empty(); }
  bool HasNonZeroFraction() const { return fraction.find_first_not_of('0') != std::string::npos; }
};

bool IsAsciiBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

DecimalText ScanDecimal(std::u16string_view text) {
  DecimalText number;
  size_t i = 0;
  while (i < text.size() && IsAsciiBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) number.negative = text[i++] == u'-';
  auto takeDigits = [&](std::string& into) {
    while (i < text.size() && IsAsciiDigit(text[i])) into += char(text[i++]);
  };
  takeDigits(number.whole);
  if (i < text.size() && text[i] == u'.') {
    ++i;
    takeDigits(number.fraction);
  }
  return number;
}

DecimalText ScanDecimal(const char* text) {
  std::u16string wide;
  for (const char* p = text ? text : ""; *p; ++p) wide += char16_t(static_cast<unsigned char>(*p));
  return ScanDecimal(std::u16string_view(wide));
}

// Digits as a number; false when too long for the products below.
bool DigitsValue(const std::string& digits, int maxDigits, int64_t* value) {
  *value = 0;
  std::string_view significant(digits);
  significant.remove_prefix(std::min(significant.find_first_not_of('0'), significant.size()));
  if (int(significant.size()) > maxDigits) return false;
  for (char c : significant) *value = *value * 10 + (c - '0');
  return true;
}

// The fraction digits as numerator over a power of ten, at most kMaxFractionDigits long.
void FractionValue(const std::string& digits, int64_t* numerator, int64_t* denominator) {
  *numerator = 0;
  *denominator = 1;
  for (size_t i = 0; i < digits.size() && i < size_t(kMaxFractionDigits); ++i) {
    *numerator = *numerator * 10 + (digits[i] - '0');
    *denominator *= 10;
  }
}

// The number times unitsNum / unitsDen, each part rounded by itself like PointsToHimetric;
// 0 when the result does not fit an int.
int SignedLength(const DecimalText& number, int64_t unitsNum, int64_t unitsDen) {
  int64_t whole, numerator, denominator;
  if (!DigitsValue(number.whole, kMaxWholeDigits, &whole)) return 0;
  FractionValue(number.fraction, &numerator, &denominator);
  int64_t magnitude = RoundDiv(whole * unitsNum, unitsDen) + RoundDiv(numerator * unitsNum, unitsDen * denominator);
  if (magnitude > INT_MAX) return 0;
  return int(number.negative ? -magnitude : magnitude);
}

}  // namespace

int PointsToHimetric(int pt, int tenths) { return MulDiv(pt, 2540, 72) + MulDiv(tenths, 254, 72); }

void HimetricToHalfPoints(int v, int* pt, int* tenths) {
  HalfPoints half = SplitHalfPoints(v);
  if (pt) *pt = half.pt;
  if (tenths) *tenths = half.tenths;
}

int HimetricToPoints(int v, int* pt, int* tenths) {
  int64_t t = int64_t(v) * kPointsPerInch;
  int hundredths = int(t % kUnitsPerInch * 100 / kUnitsPerInch);
  if (pt) *pt = int(t / kUnitsPerInch);
  if (tenths) *tenths = hundredths / 10;
  return hundredths / 10;
}

void FormatPoints(int v, CStringW& out) {
  bool negative;
  HalfPoints half = SplitSignedHalfPoints(v, &negative);
  const char16_t* sign = negative ? u"-" : u"";
  if (half.tenths > 0)
    out.Format(u"%s%d.%dpt", sign, half.pt, half.tenths);
  else
    out.Format(u"%s%dpt", sign, half.pt);
}

void FormatHalfPoints(int v, std::string& out) {
  bool negative;
  HalfPoints half = SplitSignedHalfPoints(v, &negative);
  char text[32];
  const char* sign = negative ? "-" : "";
  if (half.tenths > 0)
    std::snprintf(text, sizeof text, "%s%d.%d", sign, half.pt, half.tenths);
  else
    std::snprintf(text, sizeof text, "%s%d", sign, half.pt);
  out = text;
}

int ParseLength(const CStringW& text) {
  DecimalText number = ScanDecimal(std::u16string_view(text.str()));
  if (text.Find(u"mm") > 0) return SignedLength(number, 100, 1);
  if (text.Find(u"pt") > 0) return SignedLength(number, kUnitsPerInch, kPointsPerInch);
  return 0;
}

int ParseHalfPoints(const char* text) {
  DecimalText number = ScanDecimal(text);
  number.fraction = number.HasNonZeroFraction() ? "5" : "";
  return SignedLength(number, kUnitsPerInch, kPointsPerInch);
}

double ParseDecimal(const char* text) {
  DecimalText number = ScanDecimal(text);
  if (!number.HasDigits()) return 0.0;
  std::string canonical = (number.negative ? "-" : "") + (number.whole.empty() ? "0" : number.whole) + "." +
                          (number.fraction.empty() ? "0" : number.fraction);
  double value = 0.0;
  auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  return error == std::errc() ? value : 0.0;
}
