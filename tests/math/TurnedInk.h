#pragma once
// Vertical writing turns a line a quarter clockwise: what a vertical formula draws must be what
// the horizontal one draws, turned, within a pixel.

#include <gtest/gtest.h>

#include <QImage>

#include "tests/support/TestImages.h"

// across: the height of the upright picture's page, the width of the turned one.
inline void ExpectTurnedInk(const QImage& upright, const QImage& turned, int across) {
  const QRect box = InkBox(upright);
  ASSERT_FALSE(box.isEmpty());
  const QRect expected = TurnedBox(box, across);
  const QRect drawn = InkBox(turned);
  EXPECT_NEAR(drawn.left(), expected.left(), 1);
  EXPECT_NEAR(drawn.top(), expected.top(), 1);
  EXPECT_NEAR(drawn.right(), expected.right(), 1);
  EXPECT_NEAR(drawn.bottom(), expected.bottom(), 1);
  const QImage expectedInk = TurnedImage(upright, across);
  EXPECT_EQ(InkAwayFrom(turned, expectedInk, 1), 0);
  EXPECT_EQ(InkAwayFrom(expectedInk, turned, 1), 0);
}
