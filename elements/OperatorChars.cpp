#include "elements/OperatorChars.h"

#include <string_view>

namespace {

constexpr std::u16string_view kMathOperators =
    u"\u00B1\u00D7\u00F7\u221D\u221E\u223D\u2252\u2260\u2261\u2266\u2267\u22A5\u30FB\uFF0B\uFF0D\uFF1C\uFF1D\uFF1E";

constexpr struct {
  char16_t halfWidth;
  char16_t fullWidth;
} kFullWidthOperators[] = {
    {u'+', u'\uFF0B'}, {u'-', u'\uFF0D'}, {u'<', u'\uFF1C'},
    {u'=', u'\uFF1D'}, {u'>', u'\uFF1E'}, {u'\uFF65', u'\u30FB'},
};

}  // namespace

BOOL IsMathOperatorChar(const CStringW& s) {
  return !s.IsEmpty() && kMathOperators.find(s.GetAt(0)) != std::u16string_view::npos;
}

void MakeOperatorFullWidth(CStringW& s) {
  if (s.IsEmpty()) return;
  char16_t c = s.GetAt(0);
  for (const auto& [halfWidth, fullWidth] : kFullWidthOperators) {
    if (c == halfWidth) {
      c = fullWidth;
      break;
    }
  }
  s = c;
}

BOOL IsHalfWidthChar(WCHAR c) { return c <= 0x00FF || (c >= 0xFF61 && c <= 0xFF9F); }
