#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <string>
#include <vector>

#include "math/StrokePainters.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"
#include "tests/math/TurnedInk.h"
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
  DrawArrow(&dc, 2, &r, 10, 8, 1, RGB(255, 0, 0), FALSE);
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
  DrawArrow(&dc, 1, &r, 1, 1, 3, 0, FALSE);
  EXPECT_EQ(Drawn(), (Lines{"Polyline 1,5 39,5", "Polygon 40,5 38,4 39,5 38,6 40,5", "Polygon 0,5 2,4 1,5 2,6 0,5"}));
  EXPECT_EQ(dc.GetPolyFillMode(), ALTERNATE);
}

TEST_F(StrokePaintersTest, CurlyBracketFillsATallBoxAndKeepsToItsEdgeInAFlatOne) {
  const RECT tall{0, 0, 20, 100};
  DrawCurlyBracket(&dc, 1, &tall, 1, 0, FALSE);
  EXPECT_EQ(Drawn(), (Lines{"Arc 10,0 30,20 20,0 10,10", "Polyline 10,10 10,40", "Arc -10,30 10,50 0,50 10,40",
                            "Arc -10,50 10,70 10,60 0,50", "Polyline 10,60 10,90", "Arc 10,80 30,100 10,90 20,100"}));
  const RECT flat{0, 0, 100, 40};
  DrawCurlyBracket(&dc, 1, &flat, 2, 0, FALSE);
  EXPECT_EQ(Drawn(), (Lines{"Arc 70,0 90,20 90,10 80,0", "Polyline 90,10 90,10", "Arc 90,0 110,20 90,10 100,20",
                            "Arc 90,20 110,40 100,20 90,30", "Polyline 90,30 90,30", "Arc 70,20 90,40 80,40 90,30"}));
}

TEST_F(StrokePaintersTest, PolylineBracketsStandAThirdIn) {
  const RECT r{0, 0, 30, 90};
  DrawSquareBracket(&dc, 1, &r, 1, 0, FALSE);
  DrawSquareBracket(&dc, 1, &r, 2, 0, FALSE);
  DrawAngleBracket(&dc, 1, &r, 1, 0, FALSE);
  DrawAngleBracket(&dc, 1, &r, 2, 0, FALSE);
  DrawTortoiseShellBracket(&dc, 1, &r, 1, 0, FALSE);
  DrawTortoiseShellBracket(&dc, 1, &r, 2, 0, FALSE);
  EXPECT_EQ(Drawn(), (Lines{"Polyline 30,0 10,0 10,90 30,90", "Polyline 0,0 20,0 20,90 0,90",
                            "Polyline 30,0 10,45 30,90", "Polyline 0,0 20,45 0,90",
                            "Polyline 30,0 10,11 10,79 30,90", "Polyline 0,0 20,11 20,79 0,90"}));
}

TEST_F(StrokePaintersTest, ParenthesisBoxAndArcMark) {
  // W = 30, d = 10, h = 45, r = (45² + 30²) / 60 = 48.75, centre 45: top int(-3.75) - 10.
  const RECT r{0, 0, 30, 90};
  DrawParenthesis(&dc, 3, &r, 1, 0, FALSE);
  DrawParenthesis(&dc, 3, &r, 2, 0, FALSE);
  const RECT base{0, 0, 100, 20};
  DrawArcMark(&dc, 1, &base, 15, 0, FALSE);
  EXPECT_EQ(Drawn(), (Lines{"Arc 10,-13 107,103 25,0 25,90", "Arc -77,-13 20,103 5,90 5,0",
                            "Arc -80,10 180,270 100,15 0,15"}));
}

// A box of a damaged record, 1 wide and 2^29 high or the other way round: the bow's radius stops
// at 2^28 - 1 instead of leaving the integer's range.
TEST_F(StrokePaintersTest, NearlyFlatBowsKeepABoundedRadius) {
  const RECT tall{0, 0, 1, 1 << 29};
  DrawParenthesis(&dc, 1, &tall, 1, 0, FALSE);
  const RECT wide{0, 0, 1 << 29, 2};
  DrawArcMark(&dc, 1, &wide, 0, 0, FALSE);
  EXPECT_EQ(Drawn(), (Lines{"Arc 0,1 536870910,536870911 1,0 1,536870912",
                            "Arc 1,1 536870911,536870911 536870912,0 0,0"}));
}

TEST_F(StrokePaintersTest, BoxesWithoutWidthOrHeightDrawNothingToDivideBy) {
  const RECT thin{10, 0, 10, 90};
  DrawParenthesis(&dc, 1, &thin, 1, 0, FALSE);
  const RECT flat{0, 10, 100, 10};
  DrawArcMark(&dc, 1, &flat, 0, 0, FALSE);
  EXPECT_TRUE(Drawn().empty());
}

TEST_F(StrokePaintersTest, OverBraceRisesToTheMiddleAndTheUnderBraceMirrorsIt) {
  const RECT r{0, 0, 100, 20};
  DrawHorizontalBrace(&dc, 1, &r, 1, 0, FALSE);
  EXPECT_EQ(Drawn(), (Lines{"Arc 0,10 20,30 10,10 0,20", "Polyline 10,10 40,10", "Arc 30,-10 50,10 40,10 50,0",
                            "Arc 50,-10 70,10 50,0 60,10", "Polyline 60,10 90,10", "Arc 80,10 100,30 100,20 90,10"}));
  DrawHorizontalBrace(&dc, 1, &r, 2, 0, FALSE);
  EXPECT_EQ(Drawn(), (Lines{"Arc 0,-10 20,10 0,0 10,10", "Polyline 10,10 40,10", "Arc 30,10 50,30 50,20 40,10",
                            "Arc 50,10 70,30 60,10 50,20", "Polyline 60,10 90,10", "Arc 80,-10 100,10 90,10 100,0"}));
}

// Every painter in a frame box, drawn once upright and once turned for vertical writing: the
// turned ink is the upright ink turned a quarter clockwise.
struct TURNED_CASE {
  const char* name;
  RECT frame;  // the rectangle in the formula's frame
  std::function<void(CDC*, const RECT*, BOOL)> draw;
};

constexpr RECT kFence{20, 20, 50, 150};
constexpr RECT kMark{20, 60, 170, 90};

const TURNED_CASE kTurnedCases[] = {
    {"opening parenthesis", kFence, [](CDC* dc, const RECT* r, BOOL t) { DrawParenthesis(dc, 3, r, 1, 0, t); }},
    {"closing parenthesis", kFence, [](CDC* dc, const RECT* r, BOOL t) { DrawParenthesis(dc, 3, r, 2, 0, t); }},
    {"opening brace", kFence, [](CDC* dc, const RECT* r, BOOL t) { DrawCurlyBracket(dc, 3, r, 1, 0, t); }},
    {"closing brace", kFence, [](CDC* dc, const RECT* r, BOOL t) { DrawCurlyBracket(dc, 3, r, 2, 0, t); }},
    {"opening square", kFence, [](CDC* dc, const RECT* r, BOOL t) { DrawSquareBracket(dc, 3, r, 1, 0, t); }},
    {"closing square", kFence, [](CDC* dc, const RECT* r, BOOL t) { DrawSquareBracket(dc, 3, r, 2, 0, t); }},
    {"opening angle", kFence, [](CDC* dc, const RECT* r, BOOL t) { DrawAngleBracket(dc, 3, r, 1, 0, t); }},
    {"closing tortoise shell", kFence,
     [](CDC* dc, const RECT* r, BOOL t) { DrawTortoiseShellBracket(dc, 3, r, 2, 0, t); }},
    {"arc over", kMark, [](CDC* dc, const RECT* r, BOOL t) { DrawArcMark(dc, 3, r, 20, 0, t); }},
    {"arc under", kMark, [](CDC* dc, const RECT* r, BOOL t) { DrawUnderArcMark(dc, 3, r, 20, 0, t); }},
    {"over-brace", kMark, [](CDC* dc, const RECT* r, BOOL t) { DrawHorizontalBrace(dc, 3, r, 1, 0, t); }},
    {"under-brace", kMark, [](CDC* dc, const RECT* r, BOOL t) { DrawHorizontalBrace(dc, 3, r, 2, 0, t); }},
    {"arrow to the right", kMark, [](CDC* dc, const RECT* r, BOOL t) { DrawArrow(dc, 3, r, 20, 16, 1, 0, t); }},
    {"arrow to the left", kMark, [](CDC* dc, const RECT* r, BOOL t) { DrawArrow(dc, 3, r, 20, 16, 2, 0, t); }},
};

constexpr int kPicture = 200;

QImage Ink(const TURNED_CASE& c, BOOL bTurned) {
  QImage image(kPicture, kPicture, QImage::Format_RGB32);
  image.fill(Qt::white);
  CDC dc(MakeImageBackend(&image));
  const RECT& f = c.frame;
  const RECT device = bTurned ? RECT{kPicture - f.bottom, f.left, kPicture - f.top, f.right} : f;
  c.draw(&dc, &device, bTurned);
  return image;
}

TEST(StrokePaintersTurned, TheTurnedInkIsTheUprightInkTurned) {
  for (const TURNED_CASE& c : kTurnedCases) {
    SCOPED_TRACE(c.name);
    ExpectTurnedInk(Ink(c, FALSE), Ink(c, TRUE), kPicture);
  }
}

}  // namespace
