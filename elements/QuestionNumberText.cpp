#include "elements/QuestionNumberText.h"

#include <string>

#include "elements/NumberFormat.h"

namespace {

constexpr char16_t kSpace = u'\u3000';

struct BRACKETS {
  char16_t open;
  char16_t close;
};

// Full-width brackets of codes 4 to 7 and 12 to 15, in that order.
constexpr BRACKETS kOuterBrackets[] = {{u'【', u'】'}, {u'〔', u'〕'}, {u'〈', u'〉'}, {u'《', u'》'}};
constexpr BRACKETS kSquare{u'［', u'］'};
constexpr BRACKETS kRound{u'（', u'）'};

std::u16string Digits(int n) {
  if (n < 0) return {};
  const std::string ascii = std::to_string(n);
  return std::u16string(ascii.begin(), ascii.end());
}

std::u16string FullWidth(int n) {
  CStringW text;
  FormatFullWidthNumber(n, text, 2);
  return text.str();
}

std::u16string Kanji(int n) {
  CStringW text;
  FormatKanjiNumber(n, text, 2);
  return text.str();
}

std::u16string Circled(int n) {
  CStringW text;
  FormatCircledNumber(n, text);
  return text.str();
}

std::u16string Unpadded(const std::u16string& x) { return !x.empty() && x[0] == kSpace ? x.substr(1) : x; }

// The padding space of a one-character number moves in front of the bracket.
std::u16string Bracketed(const std::u16string& x, BRACKETS b) {
  if (!x.empty() && x[0] == kSpace) return std::u16string{kSpace, b.open} + x.substr(1) + b.close;
  return b.open + x + b.close;
}

std::u16string AsciiBracketed(int n, char16_t open, char16_t close) { return open + Digits(n) + close; }

std::u16string Horizontal(int n, int code, BOOL bMinor) {
  const std::u16string lead = bMinor ? std::u16string(1, kSpace) : std::u16string();
  switch (code) {
    case 1: return lead + AsciiBracketed(n, u'(', u')');
    case 2:
    case 3: return lead + Unpadded(FullWidth(n));
    case 4:
    case 5:
    case 6:
    case 7: return lead + AsciiBracketed(n, kOuterBrackets[code - 4].open, kOuterBrackets[code - 4].close);
    case 8: return Circled(n);
    case 9: return Bracketed(Kanji(n), kSquare);
    case 10: return Bracketed(Kanji(n), kRound);
    case 11: return Unpadded(Kanji(n));
    case 12:
    case 13:
    case 14:
    case 15: return Bracketed(Kanji(n), kOuterBrackets[code - 12]);
    default: return lead + AsciiBracketed(n, u'[', u']');
  }
}

std::u16string Vertical(int n, int code, BOOL bMinor) {
  if (code == 8) return kSpace + Circled(n) + kSpace;
  std::u16string text;
  switch (code) {
    case 1: text = Bracketed(FullWidth(n), kRound); break;
    case 2: text = Kanji(n); break;
    case 3: text = FullWidth(n); break;
    case 4:
    case 5:
    case 6:
    case 7: text = Bracketed(FullWidth(n), kOuterBrackets[code - 4]); break;
    case 9: text = Bracketed(Kanji(n), kSquare); break;
    case 10: text = Bracketed(Kanji(n), kRound); break;
    case 11: text = Kanji(n); break;
    case 12:
    case 13:
    case 14:
    case 15: text = Bracketed(Kanji(n), kOuterBrackets[code - 12]); break;
    default: text = Bracketed(FullWidth(n), kSquare); break;
  }
  return bMinor ? text + kSpace : text;
}

}  // namespace

int NormalizeNumberFormat(int nFormat) { return nFormat >= 1 && nFormat <= 15 ? nFormat : 0; }

void FormatQuestionNumber(int n, int nFormat, BOOL bVertical, BOOL bMinor, CStringW& out) {
  const int code = NormalizeNumberFormat(nFormat);
  out = CStringW(bVertical ? Vertical(n, code, bMinor) : Horizontal(n, code, bMinor));
}

BOOL IsMinchoNumberFormat(int nFormat) {
  switch (nFormat) {
    case 2:
    case 3:
    case 8:
    case 9:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15: return TRUE;
    default: return FALSE;
  }
}
