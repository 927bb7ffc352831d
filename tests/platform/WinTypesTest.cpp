#include <gtest/gtest.h>

#include "platform/WinTypes.h"

TEST(MulDiv, RoundsHalfAwayFromZeroAndGuardsZeroDivisor) {
  struct Case { int a, b, c, expected; } cases[] = {
      {10, 3, 2, 15},      {5, 1, 2, 3},          {-5, 1, 2, -3},  {5, -1, 2, -3},
      {7, 1, 3, 2},        {-7, 1, 3, -2},        {371, 96, 2540, 14}, {2540, 100, 75, 3387},
      {1, 1, 0, -1},       {0x40000000, 4, 2, -1},  // overflow of the result
      {0x40000000, 4, 4, 0x40000000},
  };
  for (const Case& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(WinTypes, RectOperations) {
  CRect a(0, 0, 10, 10), b(5, 5, 20, 20), r;
  EXPECT_TRUE(r.IntersectRect(a, b));
  EXPECT_EQ(r, CRect(5, 5, 10, 10));
  EXPECT_FALSE(r.IntersectRect(a, CRect(10, 0, 20, 10)));
  EXPECT_TRUE(r.IsRectNull());
  r.UnionRect(a, b);
  EXPECT_EQ(r, CRect(0, 0, 20, 20));
  CRect n(10, 10, 0, 0);
  n.NormalizeRect();
  EXPECT_EQ(n, CRect(0, 0, 10, 10));
  EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
}
