#include "elements/NumberFormat.h"

#include <string>

namespace {

constexpr char16_t kKanjiDigits[] = u"〇一二三四五六七八九十";
constexpr char16_t kFullWidthDigits[] = u"０１２３４５６７８９０";
constexpr char16_t kCircledNumbers[] = u"⑳①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲";
constexpr char16_t kKatakana[] =
    u"ンアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲ";
constexpr char16_t kLowerAlpha[] = u"ｚａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙ";
constexpr char16_t kUpperAlpha[] = u"ＺＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹ";
constexpr char16_t kCircledIdeographs[] = u"\u3289\u3280\u3281\u3282\u3283\u3284\u3285\u3286\u3287\u3288";

constexpr char16_t kKanjiZero = u'零';
constexpr char16_t kIdeographicSpace = u'\u3000';
constexpr char16_t kCircledZero = u'\u24EA';
constexpr char16_t kFiller = u'\u25CF';

// Entries of a table, without its terminating zero.
template <size_t N>
constexpr int TableSize(const char16_t (&)[N]) {
  return int(N - 1);
}

static_assert(TableSize(kCircledNumbers) == 20 && TableSize(kKatakana) == 46);
static_assert(TableSize(kLowerAlpha) == 26 && TableSize(kUpperAlpha) == 26);
static_assert(TableSize(kCircledIdeographs) == 10 && TableSize(kKanjiDigits) == 11);

void PadLeft(CStringW& out, int width) {
  if (out.GetLength() >= width) return;
  CStringW padded(std::u16string(size_t(width - out.GetLength()), kIdeographicSpace));
  padded += out;
  out = padded;
}

// 1 to 9999 with 千, 百 and 十; a leading one is left out before each of them.
void AppendKanjiGroup(int n, CStringW& out) {
  static constexpr struct { int unit; char16_t mark; } kUnits[] = {{1000, u'千'}, {100, u'百'}, {10, u'十'}};
  for (const auto& [unit, mark] : kUnits) {
    int digit = n / unit;
    if (digit > 1) out += kKanjiDigits[digit];
    if (digit > 0) out += mark;
    n %= unit;
  }
  if (n > 0) out += kKanjiDigits[n];
}

// A multiple of 1000 in groups of four digits with 億 and 万.
void AppendKanjiThousands(int n, CStringW& out) {
  static constexpr struct { int unit; char16_t mark; } kGroups[] = {{100000000, u'億'}, {10000, u'万'}};
  for (const auto& [unit, mark] : kGroups) {
    if (int group = n / unit % 10000; group > 0) {
      AppendKanjiGroup(group, out);
      out += mark;
    }
  }
  AppendKanjiGroup(n % 10000, out);
}

// 0 gives the zero mark, 1 to the table's size its entries (the last at index 0), then the filler.
template <size_t N>
void FormatFromTable(int n, const char16_t (&table)[N], char16_t zero, CStringW& out) {
  out.Empty();
  if (n < 0) return;
  if (n == 0)
    out = zero;
  else if (n <= TableSize(table))
    out = table[n % TableSize(table)];
  else
    out = kFiller;
}

void WrapInParentheses(CStringW& out) {
  if (out.IsEmpty()) return;
  CStringW wrapped(u'(');
  wrapped += out;
  wrapped += u')';
  out = wrapped;
}

}  // namespace

void FormatKanjiNumber(int n, CStringW& out, int width) {
  out.Empty();
  if (n < 0) return;
  if (n == 0)
    out = kKanjiZero;
  else if (n % 1000 != 0)
    AppendKanjiGroup(n % 1000, out);
  else
    AppendKanjiThousands(n, out);
  PadLeft(out, width);
}

void FormatFullWidthNumber(int n, CStringW& out, int width) {
  out.Empty();
  if (n < 0) return;
  n %= 1000;
  if (n >= 100) {
    out += kFullWidthDigits[n / 100];
    n %= 100;
  }
  if (n >= 10) {
    out += kFullWidthDigits[n / 10];
    n %= 10;
  } else if (!out.IsEmpty()) {
    out += kFullWidthDigits[0];
  }
  out += kFullWidthDigits[n];
  PadLeft(out, width);
}

void FormatCircledNumber(int n, CStringW& out) { FormatFromTable(n, kCircledNumbers, kCircledZero, out); }

void FormatParenNumber(int n, CStringW& out) {
  FormatFullWidthNumber(n, out, 0);
  WrapInParentheses(out);
}

void FormatCircledIdeograph(int n, CStringW& out) {
  out.Empty();
  if (n < 0) return;
  out = n == 0 ? kCircledZero : kCircledIdeographs[n % TableSize(kCircledIdeographs)];
}

void FormatKatakanaNumber(int n, CStringW& out) { FormatFromTable(n, kKatakana, kIdeographicSpace, out); }

void FormatParenKatakana(int n, CStringW& out) {
  FormatKatakanaNumber(n, out);
  WrapInParentheses(out);
}

void FormatLowerAlphaNumber(int n, CStringW& out) { FormatFromTable(n, kLowerAlpha, kIdeographicSpace, out); }

void FormatParenLowerAlpha(int n, CStringW& out) {
  FormatLowerAlphaNumber(n, out);
  WrapInParentheses(out);
}

void FormatUpperAlphaNumber(int n, CStringW& out) { FormatFromTable(n, kUpperAlpha, kIdeographicSpace, out); }

void FormatParenUpperAlpha(int n, CStringW& out) {
  FormatUpperAlphaNumber(n, out);
  WrapInParentheses(out);
}
