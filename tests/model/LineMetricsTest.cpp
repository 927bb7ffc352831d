#include <gtest/gtest.h>

#include <climits>

#include "model/EditChar.h"
#include "model/EditLineInfo.h"
#include "model/LineMetrics.h"
#include "model/SaturatedInt.h"

// A child that kept sizes near the type's ends from a damaged record (nothing measured it again)
// makes the line's sizes stop at their bound instead of wrapping round.
TEST(LineMetrics, SizesNearTheTypesEndsSaturate) {
  CEditChar a, b;
  a.m_nWidth = INT_MAX - 10;
  b.m_nWidth = 1000;
  a.m_nHeight = -2106818048;
  a.m_nAscent = 1870798962;
  a.m_nCenter = 1870798962;
  b.m_nHeight = INT_MAX;
  b.m_nAscent = -5;
  b.m_nCenter = INT_MIN;
  EDIT_LINE_INFO line;
  AddToLine(line, a);
  AddToLine(line, b);
  EXPECT_EQ(line.props.m_nWidth, kMaxLineExtent);
  EXPECT_EQ(line.props.m_nAscent, kMaxLineExtent);
  EXPECT_EQ(line.props.m_nCenter, kMaxLineExtent);
  EXPECT_EQ(line.nMaxLower, kMaxLineExtent);
  EXPECT_EQ(line.nMaxDescent, kMaxLineExtent);
  EXPECT_EQ(line.props.m_nHeight, kMaxLineExtent);
}

// The same damaged sizes still move the next child to a line of its own.
TEST(LineMetrics, AHugeLineIsOverrunWithoutItsSumWrappingRound) {
  CEditChar huge, next;
  huge.m_nWidth = INT_MAX - 10;
  next.m_nWidth = 1000;
  EDIT_LINE_INFO line;
  line.nCount = 1;
  line.props.m_nWidth = huge.m_nWidth;
  EXPECT_TRUE(OverrunsLine(line, next, 10000));
}
