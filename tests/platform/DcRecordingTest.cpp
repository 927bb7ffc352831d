#include <gtest/gtest.h>

#include "platform/AnsiCodePage.h"
#include "platform/StockObjects.h"
#include "tests/support/RecordingBackend.h"

namespace {

LOGFONTA MakeFont(LONG height, const char16_t* face, LONG escapement = 0, LONG width = 0) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = escapement;
  lf.lfWeight = FW_NORMAL;
  std::string ansi = WideToAnsi(face);
  std::strncpy(lf.lfFaceName, ansi.c_str(), LF_FACESIZE - 1);
  return lf;
}

class DcRecordingTest : public ::testing::Test {
 protected:
  void SelectFont(LONG height, LONG escapement = 0, LONG width = 0) {
    LOGFONTA lf = MakeFont(height, u"ＭＳ 明朝", escapement, width);
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
    dc.SelectObject(&m_font);
  }
  // The layout mapping: 2540 logical units (0.01 mm) to 96 device pixels.
  void SetLayoutMapping() {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2540, 2540);
    dc.SetViewportExt(96, 96);
  }
  const DC_CALL& Last() { return dc.Recorder().Calls().back(); }

  CRecordingDC dc;
  CFont m_font;
};

TEST_F(DcRecordingTest, ExtentsFollowTheFakeMetricsInLogicalUnits) {
  SetLayoutMapping();
  SelectFont(-371);
  SIZE size{};
  ASSERT_TRUE(dc.GetTextExtentPoint32W(u"あA", 2, &size));
  EXPECT_EQ(size.cx, 371 + 371 * 500 / 1000);
  EXPECT_EQ(size.cy, 371 * 800 / 1000 + 371 * 200 / 1000);
  TEXTMETRICA tm{};
  ASSERT_TRUE(dc.GetTextMetrics(&tm));
  EXPECT_EQ(tm.tmAscent, 296);
  EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 371);
  // The ANSI twin measures the CP932 bytes of the same text.
  std::string ansi = WideToAnsi(u"あA");
  SIZE ansiSize{};
  ASSERT_TRUE(dc.GetTextExtentPoint32A(ansi.data(), int(ansi.size()), &ansiSize));
  EXPECT_EQ(ansiSize.cx, size.cx);
}

TEST_F(DcRecordingTest, WidthStretchAndAbcWidths) {
  dc.Recorder().m_font.overrides[u'f'] = ABC{-100, 700, 100};
  SelectFont(-1000, 0, 250);
  EXPECT_EQ(dc.GetTextExtent(u"あ").cx, 1000 * 250 / 500);
  SelectFont(-1000);
  ABC abc[2]{};
  ASSERT_TRUE(dc.GetCharABCWidthsA('e', 'f', abc));
  EXPECT_EQ(abc[0].abcA, 0);
  EXPECT_EQ(abc[0].abcB, 500u);
  EXPECT_EQ(abc[1].abcA, -100);
  EXPECT_EQ(abc[1].abcB, 700u);
  EXPECT_EQ(abc[1].abcC, 100);
}

TEST_F(DcRecordingTest, PrimitivesAreRecordedInDeviceUnits) {
  SetLayoutMapping();
  dc.SetWindowOrg(2540, 0);
  dc.Rectangle(2540, 0, 5080, 1270);
  dc.MoveTo(2540, 0);
  dc.LineTo(7620, 2540);
  POINT bezier[4] = {{2540, 0}, {2540, 2540}, {5080, 2540}, {5080, 0}};
  dc.PolyBezier(bezier, 4);
  EXPECT_EQ(dc.Recorder().Lines(),
            (std::vector<std::string>{"Rectangle 0,0 96,48", "Polyline 0,0 192,96", "PolyBezier 0,0 0,96 96,96 96,0"}));
  POINT p{3810, 1270};
  dc.LPtoDP(&p);
  EXPECT_EQ(p.x, 48);
  EXPECT_EQ(p.y, 48);
  dc.DPtoLP(&p);
  EXPECT_EQ(p.x, 3810);
}

TEST_F(DcRecordingTest, PolyBezierNeedsThreePointsPerSegment) {
  POINT points[5] = {};
  EXPECT_FALSE(dc.PolyBezier(points, 5));
  EXPECT_FALSE(dc.PolyBezier(points, 3));
  EXPECT_TRUE(dc.Recorder().Calls().empty());
}

TEST_F(DcRecordingTest, TextAlignmentPlacesTheBaseline) {
  SelectFont(-1000);
  struct CASE {
    UINT align;
    POINT first;
  };
  // "あA" is 1500 wide, ascent 800, descent 200.
  const CASE cases[] = {{TA_LEFT | TA_BASELINE, {100, 2000}}, {TA_LEFT | TA_TOP, {100, 2800}},
                        {TA_LEFT | TA_BOTTOM, {100, 1800}},   {TA_RIGHT | TA_BASELINE, {-1400, 2000}},
                        {TA_CENTER | TA_BASELINE, {-650, 2000}}};
  for (const CASE& c : cases) {
    dc.Recorder().Clear();
    dc.SetTextAlign(c.align);
    dc.TextOutW(100, 2000, u"あA", 2);
    ASSERT_EQ(dc.Recorder().Calls().size(), 1u);
    EXPECT_EQ(Last().points[0].x, c.first.x) << c.align;
    EXPECT_EQ(Last().points[0].y, c.first.y) << c.align;
    EXPECT_EQ(Last().points[1].x - Last().points[0].x, 1000) << c.align;
  }
}

TEST_F(DcRecordingTest, VerticalTextRunsDownwardsWithItsTopOnTheRight) {
  SelectFont(-1000, 2700);
  dc.SetTextAlign(TA_LEFT | TA_TOP);
  dc.TextOutW(5000, 100, u"あい", 2);
  const DC_CALL& call = Last();
  EXPECT_DOUBLE_EQ(call.angle, 270.0);
  // The baseline lies the ascent to the left of the reference point.
  EXPECT_EQ(call.points[0].x, 5000 - 800);
  EXPECT_EQ(call.points[0].y, 100);
  EXPECT_EQ(call.points[1].x, 5000 - 800);
  EXPECT_EQ(call.points[1].y, 1100);
}

TEST_F(DcRecordingTest, UpdateCpMovesTheCurrentPosition) {
  SelectFont(-1000);
  dc.SetTextAlign(TA_UPDATECP | TA_BASELINE);
  dc.MoveTo(10, 20);
  dc.TextOutW(0, 0, u"あい", 2);
  EXPECT_EQ(Last().points[0].x, 10);
  EXPECT_EQ(dc.GetCurrentPosition(), CPoint(2010, 20));
}

TEST_F(DcRecordingTest, ExtTextOutAKeepsDoubleByteCharactersWhole) {
  SelectFont(-1000);
  dc.SetTextAlign(TA_BASELINE);
  std::string ansi = WideToAnsi(u"あA");
  const int dx[3] = {600, 600, 300};
  RECT rect{0, 0, 50, 50};
  dc.ExtTextOutA(0, 0, ETO_OPAQUE, &rect, ansi.data(), int(ansi.size()), dx);
  ASSERT_EQ(dc.Recorder().Calls().size(), 2u);
  EXPECT_EQ(dc.Recorder().Calls()[0].name, "FillRect");
  EXPECT_EQ(Last().text, u"あA");
  EXPECT_EQ(Last().points[1].x, 1200);
}

TEST_F(DcRecordingTest, SaveAndRestoreBringBackObjectsAttributesAndMapping) {
  CPen red(PS_SOLID, 0, RGB(255, 0, 0));
  CPen* original = dc.GetCurrentPen();
  int saved = dc.SaveDC();
  EXPECT_EQ(dc.SelectObject(&red), original);
  dc.SetTextColor(RGB(0, 0, 255));
  SetLayoutMapping();
  dc.IntersectClipRect(0, 0, 100, 100);
  dc.SaveDC();
  dc.SetBkMode(TRANSPARENT);
  EXPECT_TRUE(dc.RestoreDC(saved));
  EXPECT_EQ(dc.GetCurrentPen(), original);
  EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
  EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
  EXPECT_EQ(dc.GetBkMode(), OPAQUE);
  EXPECT_FALSE(dc.RestoreDC(-1));
  dc.Rectangle(0, 0, 10, 10);
  EXPECT_FALSE(Last().clipped);
}

TEST_F(DcRecordingTest, RestoreMinusOneTakesTheLatestSave) {
  dc.SaveDC();
  dc.SetTextColor(RGB(0, 0, 255));
  dc.SaveDC();
  dc.SetTextColor(RGB(0, 255, 0));
  EXPECT_TRUE(dc.RestoreDC(-1));
  EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 255));
  EXPECT_TRUE(dc.RestoreDC(-1));
  EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
  EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST_F(DcRecordingTest, SelectingAnEmptyObjectChangesNothing) {
  CPen empty;
  CPen* current = dc.GetCurrentPen();
  EXPECT_EQ(dc.SelectObject(&empty), nullptr);
  EXPECT_EQ(dc.GetCurrentPen(), current);
  EXPECT_NE(dc.SelectStockObject(NULL_BRUSH), nullptr);
  EXPECT_EQ(dc.GetCurrentBrush()->Style(), BS_NULL);
}

TEST_F(DcRecordingTest, ArcTurnsRoundUnderAMirroredMapping) {
  dc.Arc(0, 0, 100, 100, 100, 50, 50, 0);
  EXPECT_EQ(Last().ToString(), "Arc 0,0 100,100 100,50 50,0");
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(1, 1);
  dc.SetViewportExt(1, -1);
  dc.Arc(0, 0, 100, -100, 100, -50, 50, 0);
  EXPECT_EQ(Last().ToString(), "Arc 0,0 100,100 50,0 100,50");
}

TEST_F(DcRecordingTest, PensAreCosmeticUnlessWide) {
  SetLayoutMapping();
  CPen thin(PS_DOT, 1, RGB(1, 2, 3));
  CPen wide(PS_DASH, 254, RGB(1, 2, 3));
  LOGBRUSH solid{BS_SOLID, RGB(4, 5, 6), 0};
  CPen geometric;
  ASSERT_TRUE(geometric.CreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 127, &solid));
  struct CASE {
    CPen* pen;
    int style;
    int width;
  };
  const CASE cases[] = {{&thin, PS_DOT, 0}, {&wide, PS_SOLID, 10}, {&geometric, PS_SOLID, 5}};
  for (const CASE& c : cases) {
    dc.SelectObject(c.pen);
    dc.MoveTo(0, 0);
    dc.LineTo(2540, 0);
    EXPECT_EQ(Last().penStyle, c.style);
    EXPECT_EQ(Last().penWidth, c.width);
  }
}

TEST_F(DcRecordingTest, DeviceCapsAndKindComeFromTheBackend) {
  EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
  EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 1024);
  dc.Recorder().m_bPrinting = true;
  EXPECT_TRUE(dc.IsPrinting());
  EXPECT_EQ(dc.GetObjectType(), OBJ_MEMDC);
  CDC empty;
  EXPECT_EQ(empty.GetDeviceCaps(LOGPIXELSY), 0);
  EXPECT_FALSE(empty.TextOutW(0, 0, u"a", 1));
}

}  // namespace
