#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "elements/NumberFormat.h"
#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditContainer.h"
#include "model/GdiCache.h"
#include "tests/support/RecordingBackend.h"

namespace {

int CountCalls(CRecordingDC& dc, const std::string& name) {
  int n = 0;
  for (const DC_CALL& call : dc.Recorder().Calls()) n += call.name == name ? 1 : 0;
  return n;
}

int CountText(CRecordingDC& dc, const std::u16string& text) {
  int n = 0;
  for (const DC_CALL& call : dc.Recorder().Calls()) n += call.name == "Text" && call.text == text ? 1 : 0;
  return n;
}

// Three wide characters in a container 800 wide: two fit on the first line, one wraps.
class EditContainerPaintTest : public ::testing::Test {
 protected:
  void SetUp() override { mapper.SetResolution(2540, 2540, 100); }
  void TearDown() override { g_bUnicodeText = m_bSavedUnicodeText; }

  void BuildWrappedRun(int numberStyle) {
    for (char16_t c : std::u16string(u"\u3042\u3044\u3046")) {
      auto* ch = new CEditChar(c);
      ch->m_nUnderlineStyle = LS_SOLID;
      ch->m_nUnderlineWidth = 1;
      ch->m_kasen.nNumberStyle = numberStyle;
      container.AppendChild(ch);
    }
    container.AppendChild(new CEditCR);
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = 800;
    container.Measure(&dc, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    container.Arrange(&arrange, 0);
    dc.Recorder().Clear();
  }
  CEditNode* Child(int i) { return container.GetEditChildAt(i); }

  CRecordingDC dc;
  CCoordMapper mapper;
  CEditContainer container;
  const int m_bSavedUnicodeText = g_bUnicodeText;
};

TEST_F(EditContainerPaintTest, WrappedUnderlineIsDrawnAsOneRunPerLine) {
  BuildWrappedRun(0);
  ASSERT_EQ(Child(2)->m_nLine, 1);
  container.Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(CountCalls(dc, "Polyline"), 2);
  std::vector<DC_CALL> lines;
  for (const DC_CALL& call : dc.Recorder().Calls())
    if (call.name == "Polyline") lines.push_back(call);
  EXPECT_EQ(lines[0].points[0].x, Child(0)->m_rcInk.left);
  EXPECT_EQ(lines[0].points[1].x, Child(1)->m_rcInk.right);
  EXPECT_EQ(lines[0].points[0].y, Child(0)->m_rcInk.top + Child(0)->m_nAscent + 18 + 35);
  EXPECT_EQ(lines[1].points[0].y, Child(2)->m_rcInk.top + Child(2)->m_nAscent + 18 + 35);
}

TEST_F(EditContainerPaintTest, WrappedNumberedRunKeepsOneNumber) {
  BuildWrappedRun(CKasenRenbanProperties::NumberCircled);
  CStringW one;
  FormatCircledNumber(1, one);
  container.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(CountText(dc, one.str()), 1);
}

TEST_F(EditContainerPaintTest, NumberContinuedFromThePreviousBoxIsNotRepeated) {
  BuildWrappedRun(CKasenRenbanProperties::NumberCircled);
  Child(2)->m_nBox = 1;
  Child(3)->m_nBox = 1;
  CStringW one;
  FormatCircledNumber(1, one);
  const int firstBox[2] = {0, 0};
  const int secondBox[2] = {0, 1};
  EDIT_LAYOUT_PARAM param{};
  param.pBoxFilter = firstBox;
  container.Draw(&dc, &mapper, &param);
  EXPECT_EQ(param.pPrevBoxLast, Child(1));
  param.pBoxFilter = secondBox;
  container.Draw(&dc, &mapper, &param);
  EXPECT_EQ(param.pPrevBoxLast, Child(3));
  EXPECT_EQ(CountText(dc, one.str()), 1);
  EXPECT_EQ(CountCalls(dc, "Polyline"), 2);
}

TEST_F(EditContainerPaintTest, NewRunAtTheStartOfABoxKeepsItsNumber) {
  BuildWrappedRun(CKasenRenbanProperties::NumberCircled);
  Child(2)->m_kasen.nNumberStyle = CKasenRenbanProperties::NumberBracketed;
  Child(2)->m_nBox = 1;
  Child(3)->m_nBox = 1;
  const int firstBox[2] = {0, 0};
  const int secondBox[2] = {0, 1};
  EDIT_LAYOUT_PARAM param{};
  param.pBoxFilter = firstBox;
  container.Draw(&dc, &mapper, &param);
  param.pBoxFilter = secondBox;
  container.Draw(&dc, &mapper, &param);
  CStringW second;
  FormatParenNumber(1, second);
  EXPECT_EQ(CountText(dc, second.str()), 1);
}

TEST_F(EditContainerPaintTest, NoBackgroundWithoutColourOrPattern) {
  BuildWrappedRun(0);
  container.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(CountCalls(dc, "Rectangle"), 0);
  EXPECT_EQ(CountCalls(dc, "FillRect"), 0);
}

TEST_F(EditContainerPaintTest, BackgroundKeepsItsOwnColour) {
  BuildWrappedRun(0);
  for (COLORREF colour : {RGB(0xFF, 0, 0), RGB(0x12, 0x34, 0x56)}) {
    Child(0)->m_crBackground = colour;
    dc.Recorder().Clear();
    container.Draw(&dc, &mapper, nullptr);
    const DC_CALL* background = nullptr;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Rectangle" && !background) background = &call;
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->brushColor, colour);
    EXPECT_EQ(background->penColor, colour);
  }
}

TEST_F(EditContainerPaintTest, WaveOf240IsFourHalfWaves) {
  CEditChar ch(u'a');
  ch.m_rcInk = RECT{100, 0, 340, 400};
  ch.m_nAscent = 300;
  ch.m_nUnderlineStyle = LS_WAVE;
  container.DrawUnderline(&dc, &mapper, &ch, nullptr);
  ASSERT_EQ(dc.Recorder().Calls().size(), 1u);
  const DC_CALL& bezier = dc.Recorder().Calls()[0];
  EXPECT_EQ(bezier.name, "PolyBezier");
  ASSERT_EQ(bezier.points.size(), 13u);
  const int y = 300 + 18 + 35;
  EXPECT_EQ(bezier.points[0].x, 100);
  EXPECT_EQ(bezier.points[0].y, y + 50);
  EXPECT_EQ(bezier.points[3].y, y);
  EXPECT_EQ(bezier.points[12].x, 100 + 4 * 50 + 25);

  g_bUnicodeText = 0;
  dc.Recorder().Clear();
  container.DrawUnderline(&dc, &mapper, &ch, nullptr);
  ASSERT_EQ(dc.Recorder().Calls().size(), 1u);
  EXPECT_EQ(dc.Recorder().Calls()[0].name, "Polyline");
  EXPECT_EQ(dc.Recorder().Calls()[0].points.size(), 5u);

  dc.Recorder().Clear();
  ch.m_rcInk.right = 149;
  container.DrawUnderline(&dc, &mapper, &ch, nullptr);
  EXPECT_TRUE(dc.Recorder().Calls().empty());
}

// A run of a damaged record as wide as the integer allows draws a wave of a metre.
TEST_F(EditContainerPaintTest, AWaveStopsAfterAMetre) {
  CEditChar ch(u'a');
  ch.m_rcInk = RECT{INT_MIN, 0, INT_MAX, 400};
  ch.m_nUnderlineStyle = LS_WAVE;
  container.DrawUnderline(&dc, &mapper, &ch, nullptr);
  ASSERT_EQ(dc.Recorder().Calls().size(), 1u);
  EXPECT_EQ(dc.Recorder().Calls()[0].points.size(), 1u + 3u * 2000u);
}

// A thick solid underline and border-after move 17 down; the border-before stays at a third.
TEST_F(EditContainerPaintTest, ThickSolidLinesAndTheirShift) {
  using DRAW = void (*)(CEditContainer&, CDC*, CCoordMapper*);
  struct CASE {
    const char* name;
    DRAW draw;
    int y;
  } cases[] = {
      {"underline", [](CEditContainer& n, CDC* dc, CCoordMapper* m) { n.DrawUnderline(dc, m, &n, nullptr); },
       200 + 18 + 35 + 17},
      {"border-before", [](CEditContainer& n, CDC* dc, CCoordMapper* m) { n.DrawBorderBefore(dc, m); }, 100},
      {"border-after", [](CEditContainer& n, CDC* dc, CCoordMapper* m) { n.DrawBorderAfter(dc, m); }, 300 + 17},
  };
  for (const CASE& c : cases) {
    CEditContainer node;
    node.m_rcInk = RECT{0, 0, 600, 300};
    node.m_nAscent = 200;
    node.m_nUnderlineStyle = node.m_nBorderBeforeStyle = node.m_nBorderAfterStyle = LS_SOLID;
    node.m_nUnderlineWidth = node.m_nBorderBeforeWidth = node.m_nBorderAfterWidth = 3;
    dc.Recorder().Clear();
    c.draw(node, &dc, &mapper);
    ASSERT_EQ(CountCalls(dc, "Polyline"), 1) << c.name;
    const DC_CALL& line = dc.Recorder().Calls().back();
    EXPECT_EQ(line.points.front().y, c.y) << c.name;
    EXPECT_EQ(line.points.back().y, c.y) << c.name;
    EXPECT_EQ(line.penWidth, 35) << c.name;
  }
}

TEST_F(EditContainerPaintTest, RunBorderStyles) {
  struct CASE {
    int style;
    int rectangles;
  } cases[] = {{LS_SOLID, 1}, {LS_DOUBLE, 2}, {LS_DASHED, 1}, {LS_WAVE, 0}, {9, 0}};
  for (const CASE& c : cases) {
    CEditChar ch(u'a');
    ch.m_rcInk = RECT{100, 0, 500, 400};
    ch.m_nBorderStyle = c.style;
    dc.Recorder().Clear();
    container.DrawRunBorder(&dc, &mapper, &ch, nullptr);
    EXPECT_EQ(CountCalls(dc, "Rectangle"), c.rectangles) << "style " << c.style;
    EXPECT_EQ(int(dc.Recorder().Calls().size()), c.rectangles) << "style " << c.style;
  }
}

TEST_F(EditContainerPaintTest, NumberFaceNotInstalledFallsBackToTheDefaultFont) {
  CEditChar ch(u'a');
  ch.m_rcInk = RECT{100, 0, 500, 400};
  ch.m_kasen.nNumberStyle = CKasenRenbanProperties::NumberBracketed;
  ch.m_kasen.nNumberSize = 176;
  std::strcpy(ch.m_kasen.szNumberFace, "No Such Face");
  container.DrawKasenNumber(&dc, &mapper, &ch, nullptr);
  ASSERT_EQ(dc.Recorder().Calls().size(), 1u);
  const DC_CALL& text = dc.Recorder().Calls()[0];
  LOGFONTA lf;
  GetDefaultFont(&lf, FALSE);
  EXPECT_STREQ(text.font.lfFaceName, lf.lfFaceName);
  EXPECT_EQ(text.font.lfHeight, 176);
  EXPECT_EQ(text.font.lfWeight, FW_NORMAL);
  EXPECT_EQ(text.points[0].x, 100);
}

}  // namespace
