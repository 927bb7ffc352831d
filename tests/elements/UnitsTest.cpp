#include <gtest/gtest.h>

#include <climits>

#include "elements/Units.h"
#include "tests/support/StringWPrint.h"

TEST(Units, PointsToHimetricRoundsEachTermByItself) {
  EXPECT_EQ(PointsToHimetric(10, 5), 371);
  EXPECT_EQ(PointsToHimetric(10, 0), 353);
  EXPECT_EQ(PointsToHimetric(12, 0), 423);
  EXPECT_EQ(PointsToHimetric(0, 5), 18);
  EXPECT_EQ(PointsToHimetric(0, 0), 0);
}

TEST(Units, HimetricToHalfPointsThresholds) {
  struct Case { int v, pt, tenths; } cases[] = {
      {0, 0, 0},     {353, 10, 0}, {366, 10, 0}, {367, 10, 5}, {371, 10, 5},
      {374, 10, 5},  {375, 11, 0}, {423, 12, 0}, {18, 0, 5},   {-371, -10, 0},
      {INT_MAX, 60873552, 0},  // no overflow of v * 72
  };
  for (const Case& c : cases) {
    int pt = -1, tenths = -1;
    HimetricToHalfPoints(c.v, &pt, &tenths);
    EXPECT_EQ(pt, c.pt) << c.v;
    EXPECT_EQ(tenths, c.tenths) << c.v;
  }
}

TEST(Units, HimetricToPointsTruncatesTenths) {
  struct Case { int v, pt, tenths; } cases[] = {{353, 10, 0}, {366, 10, 3}, {371, 10, 5}, {374, 10, 6}, {375, 10, 6}};
  for (const Case& c : cases) {
    int pt = -1, tenths = -1;
    EXPECT_EQ(HimetricToPoints(c.v, &pt, &tenths), c.tenths) << c.v;
    EXPECT_EQ(pt, c.pt) << c.v;
    EXPECT_EQ(tenths, c.tenths) << c.v;
  }
}

TEST(Units, FormatsPointsAndHalfPoints) {
  struct Case { int v; const char16_t* points; const char* halfPoints; } cases[] = {
      {0, u"0pt", "0"},          {371, u"10.5pt", "10.5"},    {-371, u"-10.5pt", "-10.5"},
      {353, u"10pt", "10"},      {375, u"11pt", "11"},        {-375, u"-11pt", "-11"},
      {-5, u"0pt", "0"},         {18, u"0.5pt", "0.5"},       {-18, u"-0.5pt", "-0.5"},
      {INT_MIN, u"-60873552pt", "-60873552"},
  };
  for (const Case& c : cases) {
    CStringW points;
    std::string halfPoints;
    FormatPoints(c.v, points);
    FormatHalfPoints(c.v, halfPoints);
    EXPECT_EQ(points, CStringW(c.points)) << c.v;
    EXPECT_EQ(halfPoints, c.halfPoints) << c.v;
  }
}

TEST(Units, ParseLengthOfXmlValues) {
  struct Case { const char16_t* text; int expected; } cases[] = {
      {u"10mm", 1000},   {u"0.5mm", 50},     {u"5mm", 500},      {u"5.5mm", 550},   {u"5.25mm", 525},
      {u"5.05mm", 505},  {u"5.255mm", 526},  {u"5.254mm", 525},  {u"-5.5mm", -550}, {u" 7mm", 700},
      {u"mm", 0},        {u"5cm", 0},        {u"10.5pt", 371},   {u"12pt", 423},    {u"10.50pt", 371},
      {u"10.25pt", 362}, {u"-10.5pt", -371}, {u"pt", 0},         {u"10", 0},        {u"", 0},
      {u"abcmm", 0},     {u"99999999999mm", 0},                  {u"30000000mm", 0}, {u"21474836mm", 2147483600},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseLength(CStringW(c.text)), c.expected) << testing::PrintToString(CStringW(c.text));
}

TEST(Units, ParseHalfPointsAgreesWithPointsToHimetric) {
  struct Case { const char* text; int expected; } cases[] = {
      {"10", 353},   {"10.5", 371}, {"10.3", 371}, {"10.0", 353}, {"10.00", 353}, {"10.", 353},
      {".5", 18},    {"0", 0},      {"12", 423},   {"-10.5", -371}, {"-0.5", -18}, {"abc", 0},
      {"", 0},       {"99999999999", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseHalfPoints(c.text), c.expected) << c.text;
  EXPECT_EQ(ParseHalfPoints("10.5"), PointsToHimetric(10, 5));
  EXPECT_EQ(ParseHalfPoints(nullptr), 0);
}

TEST(Units, ParseDecimalReadsDigitsOnly) {
  struct Case { const char* text; double expected; } cases[] = {
      {"10", 10.0},   {"10.5", 10.5}, {"10.25", 10.25}, {"10.05", 10.05}, {".5", 0.5},  {"-10.5", -10.5},
      {"10.5x", 10.5}, {"1e5", 1.0},  {"nan", 0.0},     {"inf", 0.0},     {"", 0.0},    {"-", 0.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ParseDecimal(c.text), c.expected) << c.text;
  EXPECT_DOUBLE_EQ(ParseDecimal(nullptr), 0.0);
}
