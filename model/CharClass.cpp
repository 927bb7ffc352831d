// The character-class members of CStringW.

#include "model/StringW.h"

#include <iterator>

#include "platform/WideChar.h"

namespace {

constexpr char16_t kDigits[] = u"0123456789";

constexpr char16_t kMathSymbols[] =
    u"+-/(){}[],<>\u00B1\uFF0B\uFF0D\u00D7\u00F7\uFF08\uFF09\uFF5B\uFF5D\uFF3B\uFF3D\u3014\u3015"
    u"\u3008\u3009\uFF1C\uFF1E\u2266\u2267\uFF1D\u2260\u2252\uFF0C\u2190\u2192\u2191\u2193"
    u"\uFF5C\uFFE3\u222B\u03A3";

constexpr char16_t kLineStartProhibited[] =
    u"\u3001\u3002\uFF0C\u3005\u3009\u300B\u300D\u300F\u3011\u3015\u309B\u309C\u309D\u309E"
    u"\u30FB\u30FD\u30FE\uFF01\uFF05\uFF09\u00B0\u2019\u201D\u2030\u2032\u2033\u2103"
    u"!%),.:;]}";

constexpr char16_t kPrimes[] = u"'\"";

// The formula frown stands alone as an operator.
constexpr char16_t kFrown = u'\u2322';

static_assert(std::size(kMathSymbols) - 1 == 43);
static_assert(std::size(kLineStartProhibited) - 1 == 36);

}  // namespace

BOOL CStringW::IsAllDigits() const { return FindFirstNotOf(kDigits) < 0; }

BOOL CStringW::IsAllMathSymbols() const {
  return FindFirstNotOf(kMathSymbols) < 0 || (GetLength() == 1 && GetAt(0) == kFrown);
}

BOOL CStringW::IsAllLineStartProhibited() const { return FindFirstNotOf(kLineStartProhibited) < 0; }

BOOL CStringW::IsLetterOrPrime() const {
  return FindFirstNotOf(kPrimes) < 0 || (GetLength() == 1 && IsWideAlpha(GetAt(0)));
}
