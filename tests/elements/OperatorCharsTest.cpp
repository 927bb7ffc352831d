#include <gtest/gtest.h>

#include "elements/OperatorChars.h"
#include "tests/support/StringWPrint.h"

TEST(OperatorChars, MathOperatorLooksAtTheFirstCharacter) {
  for (const char16_t* text : {u"±", u"×", u"÷", u"∝", u"∞", u"∽", u"≒", u"≠", u"≡", u"≦", u"≧", u"⊥", u"・",
                               u"＋", u"－", u"＜", u"＝", u"＞", u"＝x"})
    EXPECT_TRUE(IsMathOperatorChar(CStringW(text))) << int(text[0]);
  for (const char16_t* text : {u"", u"+", u"=", u"x", u"x＝", u"∫"})
    EXPECT_FALSE(IsMathOperatorChar(CStringW(text))) << int(text[0]);
}

TEST(OperatorChars, MakeOperatorFullWidthKeepsOneCharacter) {
  struct Case { const char16_t* text; const char16_t* expected; } cases[] = {
      {u"=x", u"＝"}, {u"+", u"＋"}, {u"-", u"－"}, {u"<", u"＜"}, {u">", u"＞"},
      {u"\uFF65", u"・"}, {u"a", u"a"}, {u"ab", u"a"}, {u"＋", u"＋"}, {u"", u""},
  };
  for (const Case& c : cases) {
    CStringW s(c.text);
    MakeOperatorFullWidth(s);
    EXPECT_EQ(s, CStringW(c.expected)) << int(c.text[0]);
  }
}

TEST(OperatorChars, HalfWidthRanges) {
  struct Case { char16_t c; BOOL expected; } cases[] = {
      {0x0000, TRUE}, {u'A', TRUE}, {0x00FF, TRUE},  {0x0100, FALSE}, {0x3042, FALSE},
      {0xFF60, FALSE}, {0xFF61, TRUE}, {0xFF9F, TRUE}, {0xFFA0, FALSE},
  };
  for (const Case& c : cases) EXPECT_EQ(IsHalfWidthChar(c.c), c.expected) << int(c.c);
}
