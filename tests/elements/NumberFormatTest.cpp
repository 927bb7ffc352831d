#include <gtest/gtest.h>

#include "elements/NumberFormat.h"
#include "tests/support/StringWPrint.h"

namespace {

struct FormatCase {
  int n;
  const char16_t* expected;
};

using Formatter = void (*)(int, CStringW&);

void ExpectFormats(Formatter format, std::initializer_list<FormatCase> cases) {
  for (const FormatCase& c : cases) {
    CStringW out(u"stale");
    format(c.n, out);
    EXPECT_EQ(out, CStringW(c.expected)) << "n = " << c.n;
  }
}

void Kanji(int n, CStringW& out) { FormatKanjiNumber(n, out, 0); }
void FullWidth(int n, CStringW& out) { FormatFullWidthNumber(n, out, 0); }

}  // namespace

TEST(NumberFormat, KanjiNumbers) {
  ExpectFormats(Kanji, {{0, u"零"}, {1, u"一"}, {3, u"三"}, {9, u"九"}, {10, u"十"}, {11, u"十一"},
                        {15, u"十五"}, {20, u"二十"}, {21, u"二十一"}, {99, u"九十九"}, {100, u"百"},
                        {101, u"百一"}, {110, u"百十"}, {123, u"百二十三"}, {305, u"三百五"},
                        {999, u"九百九十九"}, {1005, u"五"}, {1000, u"千"}, {2000, u"二千"},
                        {15000, u"一万五千"}, {-1, u""}, {-1000, u""}});
}

TEST(NumberFormat, KanjiAndFullWidthPadWithIdeographicSpace) {
  CStringW out;
  FormatKanjiNumber(5, out, 2);
  EXPECT_EQ(out, CStringW(u"\u3000五"));
  FormatKanjiNumber(123, out, 2);
  EXPECT_EQ(out, CStringW(u"百二十三"));
  FormatFullWidthNumber(5, out, 2);
  EXPECT_EQ(out, CStringW(u"\u3000５"));
  FormatFullWidthNumber(7, out, 3);
  EXPECT_EQ(out, CStringW(u"\u3000\u3000７"));
  FormatFullWidthNumber(123, out, 2);
  EXPECT_EQ(out, CStringW(u"１２３"));
  FormatFullWidthNumber(-5, out, 2);
  EXPECT_TRUE(out.IsEmpty());
}

TEST(NumberFormat, FullWidthNumbers) {
  ExpectFormats(FullWidth, {{0, u"０"}, {1, u"１"}, {7, u"７"}, {9, u"９"}, {10, u"１０"}, {11, u"１１"},
                            {12, u"１２"}, {20, u"２０"}, {99, u"９９"}, {100, u"１００"}, {101, u"１０１"},
                            {105, u"１０５"}, {999, u"９９９"}, {1000, u"０"}, {1005, u"５"}, {-1, u""}});
}

TEST(NumberFormat, CircledNumbersAndIdeographs) {
  ExpectFormats(FormatCircledNumber, {{0, u"⓪"}, {1, u"①"}, {9, u"⑨"}, {10, u"⑩"}, {11, u"⑪"},
                                      {20, u"⑳"}, {21, u"●"}, {1000, u"●"}, {-1, u""}, {-20, u""}});
  ExpectFormats(FormatCircledIdeograph, {{0, u"⓪"}, {1, u"㊀"}, {9, u"㊈"}, {10, u"㊉"}, {11, u"㊀"},
                                         {20, u"㊉"}, {21, u"㊀"}, {99, u"㊈"}, {-1, u""}});
}

TEST(NumberFormat, KatakanaAndLetters) {
  ExpectFormats(FormatKatakanaNumber, {{0, u"\u3000"}, {1, u"ア"}, {2, u"イ"}, {10, u"コ"}, {11, u"サ"},
                                       {36, u"ヤ"}, {38, u"ヨ"}, {45, u"ヲ"}, {46, u"ン"}, {47, u"●"}, {-1, u""}});
  ExpectFormats(FormatLowerAlphaNumber, {{0, u"\u3000"}, {1, u"ａ"}, {25, u"ｙ"}, {26, u"ｚ"}, {27, u"●"},
                                         {-26, u""}});
  ExpectFormats(FormatUpperAlphaNumber, {{0, u"\u3000"}, {1, u"Ａ"}, {26, u"Ｚ"}, {27, u"●"}, {-1, u""}});
}

TEST(NumberFormat, ParenthesisedFormsUseAsciiParentheses) {
  ExpectFormats(FormatParenNumber, {{12, u"(１２)"}, {0, u"(０)"}, {1000, u"(０)"}, {-12, u""}});
  ExpectFormats(FormatParenKatakana, {{0, u"(\u3000)"}, {1, u"(ア)"}, {47, u"(●)"}, {-1, u""}});
  ExpectFormats(FormatParenLowerAlpha, {{1, u"(ａ)"}, {26, u"(ｚ)"}, {-1, u""}});
  ExpectFormats(FormatParenUpperAlpha, {{0, u"(\u3000)"}, {2, u"(Ｂ)"}, {-1, u""}});
}
