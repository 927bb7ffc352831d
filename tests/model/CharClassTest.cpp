#include <gtest/gtest.h>

#include "model/StringW.h"
#include "tests/support/StringWPrint.h"

namespace {

struct ClassCase {
  const char16_t* text;
  BOOL digits, math, lineStart, letterOrPrime;
};

}  // namespace

TEST(CharClass, ClassifiesTextsByTable) {
  const ClassCase cases[] = {
      {u"", TRUE, TRUE, TRUE, TRUE},
      {u"12", TRUE, FALSE, FALSE, FALSE},
      {u"1a", FALSE, FALSE, FALSE, FALSE},
      {u"\uFF0B", FALSE, TRUE, FALSE, FALSE},            // ＋
      {u"\u222B", FALSE, TRUE, FALSE, FALSE},            // ∫
      {u"\u03A3(", FALSE, TRUE, FALSE, FALSE},           // Σ and a bracket
      {u"*", FALSE, FALSE, FALSE, FALSE},
      {u"\u2322", FALSE, TRUE, FALSE, FALSE},            // ⌢ alone
      {u"\u2322\u2322", FALSE, FALSE, FALSE, FALSE},
      {u"\u3002", FALSE, FALSE, TRUE, FALSE},            // 。
      {u"\u300D", FALSE, FALSE, TRUE, FALSE},            // 」
      {u"\u3001\u3002", FALSE, FALSE, TRUE, FALSE},
      {u"\u300C", FALSE, FALSE, FALSE, FALSE},           // 「
      {u"\u30FC", FALSE, FALSE, FALSE, TRUE},            // ー is a letter, not prohibited
      {u",", FALSE, TRUE, TRUE, FALSE},                  // both an operator and prohibited
      {u")", FALSE, TRUE, TRUE, FALSE},
      {u"x", FALSE, FALSE, FALSE, TRUE},
      {u"xy", FALSE, FALSE, FALSE, FALSE},
      {u"''", FALSE, FALSE, FALSE, TRUE},
      {u"\"'", FALSE, FALSE, FALSE, TRUE},
      {u"x'", FALSE, FALSE, FALSE, FALSE},
      {u"\u3042", FALSE, FALSE, FALSE, TRUE},            // あ
      {u"\u03B1", FALSE, FALSE, FALSE, TRUE},            // α
      {u"1", TRUE, FALSE, FALSE, FALSE},
      {u"\uFF11", FALSE, FALSE, FALSE, FALSE},           // full-width one is no digit
  };
  for (const ClassCase& c : cases) {
    CStringW s(c.text);
    SCOPED_TRACE(testing::Message() << "length " << s.GetLength() << ", first unit " << int(s.GetAt(0)));
    EXPECT_EQ(s.IsAllDigits(), c.digits);
    EXPECT_EQ(s.IsAllMathSymbols(), c.math);
    EXPECT_EQ(s.IsAllLineStartProhibited(), c.lineStart);
    EXPECT_EQ(s.IsLetterOrPrime(), c.letterOrPrime);
  }
}
