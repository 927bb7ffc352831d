#include <gtest/gtest.h>

#include <string>

#include "elements/QuestionNumberText.h"
#include "tests/support/StringWPrint.h"

namespace {

struct NUMBER_TEXTS {
  int code;
  int n;
  const char16_t* horizontalMajor;
  const char16_t* horizontalMinor;
  const char16_t* verticalMajor;
  const char16_t* verticalMinor;
};

// U+3000 is written \u3000.
constexpr NUMBER_TEXTS kGolden[] = {
    {0, 5, u"[5]", u"\u3000[5]", u"\u3000［５］", u"\u3000［５］\u3000"},
    {0, 12, u"[12]", u"\u3000[12]", u"［１２］", u"［１２］\u3000"},
    {1, 5, u"(5)", u"\u3000(5)", u"\u3000（５）", u"\u3000（５）\u3000"},
    {1, 12, u"(12)", u"\u3000(12)", u"（１２）", u"（１２）\u3000"},
    {2, 5, u"５", u"\u3000５", u"\u3000五", u"\u3000五\u3000"},
    {2, 12, u"１２", u"\u3000１２", u"十二", u"十二\u3000"},
    {3, 5, u"５", u"\u3000５", u"\u3000５", u"\u3000５\u3000"},
    {3, 12, u"１２", u"\u3000１２", u"１２", u"１２\u3000"},
    {4, 5, u"【5】", u"\u3000【5】", u"\u3000【５】", u"\u3000【５】\u3000"},
    {4, 12, u"【12】", u"\u3000【12】", u"【１２】", u"【１２】\u3000"},
    {5, 5, u"〔5〕", u"\u3000〔5〕", u"\u3000〔５〕", u"\u3000〔５〕\u3000"},
    {5, 12, u"〔12〕", u"\u3000〔12〕", u"〔１２〕", u"〔１２〕\u3000"},
    {6, 5, u"〈5〉", u"\u3000〈5〉", u"\u3000〈５〉", u"\u3000〈５〉\u3000"},
    {6, 12, u"〈12〉", u"\u3000〈12〉", u"〈１２〉", u"〈１２〉\u3000"},
    {7, 5, u"《5》", u"\u3000《5》", u"\u3000《５》", u"\u3000《５》\u3000"},
    {7, 12, u"《12》", u"\u3000《12》", u"《１２》", u"《１２》\u3000"},
    {8, 5, u"⑤", u"⑤", u"\u3000⑤\u3000", u"\u3000⑤\u3000"},
    {8, 12, u"⑫", u"⑫", u"\u3000⑫\u3000", u"\u3000⑫\u3000"},
    {9, 5, u"\u3000［五］", u"\u3000［五］", u"\u3000［五］", u"\u3000［五］\u3000"},
    {9, 12, u"［十二］", u"［十二］", u"［十二］", u"［十二］\u3000"},
    {10, 5, u"\u3000（五）", u"\u3000（五）", u"\u3000（五）", u"\u3000（五）\u3000"},
    {10, 12, u"（十二）", u"（十二）", u"（十二）", u"（十二）\u3000"},
    {11, 5, u"五", u"五", u"\u3000五", u"\u3000五\u3000"},
    {11, 12, u"十二", u"十二", u"十二", u"十二\u3000"},
    {12, 5, u"\u3000【五】", u"\u3000【五】", u"\u3000【五】", u"\u3000【五】\u3000"},
    {12, 12, u"【十二】", u"【十二】", u"【十二】", u"【十二】\u3000"},
    {13, 5, u"\u3000〔五〕", u"\u3000〔五〕", u"\u3000〔五〕", u"\u3000〔五〕\u3000"},
    {13, 12, u"〔十二〕", u"〔十二〕", u"〔十二〕", u"〔十二〕\u3000"},
    {14, 5, u"\u3000〈五〉", u"\u3000〈五〉", u"\u3000〈五〉", u"\u3000〈五〉\u3000"},
    {14, 12, u"〈十二〉", u"〈十二〉", u"〈十二〉", u"〈十二〉\u3000"},
    {15, 5, u"\u3000《五》", u"\u3000《五》", u"\u3000《五》", u"\u3000《五》\u3000"},
    {15, 12, u"《十二》", u"《十二》", u"《十二》", u"《十二》\u3000"},
};

CStringW Text(int n, int code, BOOL vertical, BOOL minor) {
  CStringW out(u"stale");
  FormatQuestionNumber(n, code, vertical, minor, out);
  return out;
}

TEST(QuestionNumberTextTest, GoldenTableOfAllStylesForFiveAndTwelve) {
  for (const NUMBER_TEXTS& g : kGolden) {
    SCOPED_TRACE("code " + std::to_string(g.code) + ", n " + std::to_string(g.n));
    EXPECT_EQ(Text(g.n, g.code, FALSE, FALSE), CStringW(g.horizontalMajor));
    EXPECT_EQ(Text(g.n, g.code, FALSE, TRUE), CStringW(g.horizontalMinor));
    EXPECT_EQ(Text(g.n, g.code, TRUE, FALSE), CStringW(g.verticalMajor));
    EXPECT_EQ(Text(g.n, g.code, TRUE, TRUE), CStringW(g.verticalMinor));
  }
}

TEST(QuestionNumberTextTest, CodesOutsideTheTableLayOutAsZero) {
  for (int code : {16, -1, 1000})
    for (BOOL vertical : {FALSE, TRUE})
      for (BOOL minor : {FALSE, TRUE}) EXPECT_EQ(Text(7, code, vertical, minor), Text(7, 0, vertical, minor));
  EXPECT_EQ(NormalizeNumberFormat(15), 15);
  EXPECT_EQ(NormalizeNumberFormat(16), 0);
}

TEST(QuestionNumberTextTest, CircledNumbersEndAtTwenty) {
  EXPECT_EQ(Text(20, 8, FALSE, FALSE), CStringW(u"⑳"));
  EXPECT_EQ(Text(21, 8, FALSE, FALSE), CStringW(u"●"));
  EXPECT_EQ(Text(21, 8, TRUE, TRUE), CStringW(u"\u3000●\u3000"));
}

TEST(QuestionNumberTextTest, AsciiDigitsHorizontallyFullWidthVertically) {
  EXPECT_EQ(Text(7, 1, FALSE, FALSE), CStringW(u"(7)"));
  EXPECT_EQ(Text(7, 1, TRUE, FALSE), CStringW(u"\u3000（７）"));
  EXPECT_EQ(Text(7, 1, FALSE, TRUE), CStringW(u"\u3000(7)"));
  EXPECT_EQ(Text(7, 1, TRUE, TRUE), CStringW(u"\u3000（７）\u3000"));
  EXPECT_EQ(Text(123, 0, FALSE, FALSE), CStringW(u"[123]"));
  EXPECT_EQ(Text(123, 0, TRUE, FALSE), CStringW(u"［１２３］"));
}

// Outside a question sentence the number is -1: the styles keep their brackets and spaces.
TEST(QuestionNumberTextTest, ANegativeNumberShowsNoDigits) {
  EXPECT_EQ(Text(-1, 0, FALSE, FALSE), CStringW(u"[]"));
  EXPECT_EQ(Text(-1, 0, TRUE, TRUE), CStringW(u"［］\u3000"));
  EXPECT_EQ(Text(-1, 2, FALSE, TRUE), CStringW(u"\u3000"));
  EXPECT_EQ(Text(-1, 8, FALSE, FALSE), CStringW());
  EXPECT_EQ(Text(-1, 9, FALSE, FALSE), CStringW(u"［］"));
  for (int code = 0; code < 16; ++code)
    for (BOOL vertical : {FALSE, TRUE}) {
      const CStringW text = Text(-1, code, vertical, TRUE);
      EXPECT_EQ(text.FindOneOf(u"-0123456789０１２３４５６７８９〇一二三四五六七八九十零"), -1) << code;
    }
}

}  // namespace
