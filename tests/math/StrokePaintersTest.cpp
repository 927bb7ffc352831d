#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "math/StrokePainters.h"
#include "tests/support/RecordingBackend.h"

namespace {

class StrokePaintersTest : public ::testing::Test {
 protected:
  std::vector<std::string> Drawn() {
    std::vector<std::string> lines;
    for (const DC_CALL& call : dc.Recorder().Calls()) lines.push_back(call.ToString());
    dc.Recorder().Clear();
    return lines;
  }
  using Lines = std::vector<std::string>;

  CRecordingDC dc;
};

TEST_F(StrokePaintersTest, ArrowNarrowerThanItsHeadKeepsAFullHead) {
  const RECT r{100, 50, 104, 60};
  DrawArrow(&dc, 2, &r, 10, 8, 1, RGB(255, 0, 0));
  const std::vector<DC_CALL> calls = dc.Recorder().Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].penWidth, 2);
  EXPECT_EQ(calls[1].penWidth, 0);  // a pen 1 wide is cosmetic
  EXPECT_EQ(calls[1].brushColor, RGB(255, 0, 0));
  // The head's back lies left of the rectangle.
  EXPECT_EQ(Drawn(), (Lines{"Polyline 100,55 100,55", "Polygon 104,55 95,52 100,55 95,58 104,55"}));
}

TEST_F(StrokePaintersTest, HeadSizeOneIsTreatedAsThree) {
  const RECT r{0, 0, 40, 10};
  DrawArrow(&dc, 1, &r, 1, 1, 3, 0);
  EXPECT_EQ(Drawn(), (Lines{"Polyline 1,5 39,5", "Polygon 40,5 38,4 39,5 38,6 40,5", "Polygon 0,5 2,4 1,5 2,6 0,5"}));
  EXPECT_EQ(dc.GetPolyFillMode(), ALTERNATE);
}

TEST_F(StrokePaintersTest, CurlyBracketFillsATallBoxAndKeepsToItsEdgeInAFlatOne) {
  const RECT tall{0, 0, 20, 100};
  DrawCurlyBracket(&dc, 1, &tall, 1, 0);
  EXPECT_EQ(Drawn(), (Lines{"Arc 10,0 30,20 20,0 10,10", "Polyline 10,10 10,40", "Arc -10,30 10,50 0,50 10,40",
                            "Arc -10,50 10,70 10,60 0,50", "Polyline 10,60 10,90", "Arc 10,80 30,100 10,90 20,100"}));
  const RECT flat{0, 0, 100, 40};
  DrawCurlyBracket(&dc, 1, &flat, 2, 0);
  EXPECT_EQ(Drawn(), (Lines{"Arc 70,0 90,20 90,10 80,0", "Polyline 90,10 90,10", "Arc 90,0 110,20 90,10 100,20",
                            "Arc 90,20 110,40 100,20 90,30", "Polyline 90,30 90,30", "Arc 70,20 90,40 80,40 90,30"}));
}

TEST_F(StrokePaintersTest, PolylineBracketsStandAThirdIn) {
  const RECT r{0, 0, 30, 90};
  DrawSquareBracket(&dc, 1, &r, 1, 0);
  DrawSquareBracket(&dc, 1, &r, 2, 0);
  DrawAngleBracket(&dc, 1, &r, 1, 0);
  DrawAngleBracket(&dc, 1, &r, 2, 0);
  DrawTortoiseShellBracket(&dc, 1, &r, 1, 0);
  DrawTortoiseShellBracket(&dc, 1, &r, 2, 0);
  EXPECT_EQ(Drawn(), (Lines{"Polyline 30,0 10,0 10,90 30,90", "Polyline 0,0 20,0 20,90 0,90",
                            "Polyline 30,0 10,45 30,90", "Polyline 0,0 20,45 0,90",
                            "Polyline 30,0 10,11 10,79 30,90", "Polyline 0,0 20,11 20,79 0,90"}));
}

TEST_F(StrokePaintersTest, ParenthesisBoxAndArcMark) {
  // W = 30, d = 10, h = 45, r = (45² + 30²) / 60 = 48.75, centre 45: top int(-3.75) - 10.
  const RECT r{0, 0, 30, 90};
  DrawParenthesis(&dc, 3, &r, 1, 0);
  DrawParenthesis(&dc, 3, &r, 2, 0);
  const RECT base{0, 0, 100, 20};
  DrawArcMark(&dc, 1, &base, 15, 0);
  EXPECT_EQ(Drawn(), (Lines{"Arc 10,-13 107,103 25,0 25,90", "Arc -77,-13 20,103 5,90 5,0",
                            "Arc -80,10 180,270 100,15 0,15"}));
}

// A box of a damaged record, 1 wide and 2^29 high or the other way round: the bow's radius stops
// at 2^28 - 1 instead of leaving the integer's range.
TEST_F(StrokePaintersTest, NearlyFlatBowsKeepABoundedRadius) {
  const RECT tall{0, 0, 1, 1 << 29};
  DrawParenthesis(&dc, 1, &tall, 1, 0);
  const RECT wide{0, 0, 1 << 29, 2};
  DrawArcMark(&dc, 1, &wide, 0, 0);
  EXPECT_EQ(Drawn(), (Lines{"Arc 0,1 536870910,536870911 1,0 1,536870912",
                            "Arc 1,1 536870911,536870911 536870912,0 0,0"}));
}

TEST_F(StrokePaintersTest, BoxesWithoutWidthOrHeightDrawNothingToDivideBy) {
  const RECT thin{10, 0, 10, 90};
  DrawParenthesis(&dc, 1, &thin, 1, 0);
  const RECT flat{0, 10, 100, 10};
  DrawArcMark(&dc, 1, &flat, 0, 0);
  EXPECT_TRUE(Drawn().empty());
}

TEST_F(StrokePaintersTest, OverBraceRisesToTheMiddleAndTheUnderBraceMirrorsIt) {
  const RECT r{0, 0, 100, 20};
  DrawHorizontalBrace(&dc, 1, &r, 1, 0);
  EXPECT_EQ(Drawn(), (Lines{"Arc 0,10 20,30 10,10 0,20", "Polyline 10,10 40,10", "Arc 30,-10 50,10 40,10 50,0",
                            "Arc 50,-10 70,10 50,0 60,10", "Polyline 60,10 90,10", "Arc 80,10 100,30 100,20 90,10"}));
  DrawHorizontalBrace(&dc, 1, &r, 2, 0);
  EXPECT_EQ(Drawn(), (Lines{"Arc 0,-10 20,10 0,0 10,10", "Polyline 10,10 40,10", "Arc 30,10 50,30 50,20 40,10",
                            "Arc 50,10 70,30 60,10 50,20", "Polyline 60,10 90,10", "Arc 80,-10 100,10 90,10 100,0"}));
}

}  // namespace
