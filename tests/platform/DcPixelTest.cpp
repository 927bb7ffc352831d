#include <QImage>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/AnsiCodePage.h"
#include "tests/support/TestPaths.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"
#include "platform/Rgn.h"
#include "platform/StockObjects.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

class DcPixelTest : public ::testing::Test {
 protected:
  DcPixelTest() : image(200, 200, QImage::Format_RGB32), dc(MakeImageBackend(&image)) { image.fill(Qt::white); }

  void SelectFont(LONG height, const char16_t* face, LONG escapement) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    std::strncpy(lf.lfFaceName, WideToAnsi(face).c_str(), LF_FACESIZE - 1);
    font.DeleteObject();
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
  }

  bool InkNear(int x, int y) const {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (image.pixel(x + dx, y + dy) != kWhite) return true;
      }
    }
    return false;
  }

  // The bounding box of every pixel that is not white.
  QRect Ink() const {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != kWhite) box = box.united(QRect(x, y, 1, 1));
      }
    }
    return box;
  }

  QImage image;
  CDC dc;
  CFont font;
};

TEST_F(DcPixelTest, ArcRunsCounterClockwiseFromStartRayToEndRay) {
  // From the east ray to the north ray: the upper right quarter only.
  dc.Arc(20, 20, 181, 181, 200, 100, 100, 0);
  const int d = 57;  // 80 / sqrt(2)
  EXPECT_TRUE(InkNear(100 + d, 100 - d));
  EXPECT_FALSE(InkNear(100 + d, 100 + d));
  EXPECT_FALSE(InkNear(100 - d, 100 - d));
  EXPECT_FALSE(InkNear(100 - d, 100 + d));
}

TEST_F(DcPixelTest, ArcWithEqualRaysDrawsTheWholeEllipse) {
  dc.Arc(20, 20, 181, 181, 200, 100, 200, 100);
  EXPECT_EQ(image.pixel(100, 20), kBlack);
  EXPECT_EQ(image.pixel(100, 180), kBlack);
  EXPECT_EQ(image.pixel(20, 100), kBlack);
}

TEST_F(DcPixelTest, PatternBrushSetsPixelsInTextColourAndLeavesTheRestInTransparentMode) {
  image.fill(qRgb(0, 255, 0));
  const BYTE blackRows[8] = {0x22, 0x11, 0x88, 0x44, 0x22, 0x11, 0x88, 0x44};
  BYTE bits[16] = {};
  for (int row = 0; row < 8; ++row) bits[row * 2] = BYTE(~blackRows[row]);
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 1, bits));
  CBrush brush;
  ASSERT_TRUE(brush.CreatePatternBrush(&bitmap));
  dc.SetTextColor(RGB(255, 0, 0));
  dc.SetBkMode(TRANSPARENT);
  RECT area{0, 0, 16, 16};
  dc.FillRect(&area, &brush);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      bool set = blackRows[y % 8] & (0x80 >> (x % 8));
      ASSERT_EQ(image.pixel(x, y), set ? qRgb(255, 0, 0) : qRgb(0, 255, 0)) << x << "," << y;
    }
  }
  EXPECT_EQ(image.pixel(16, 0), qRgb(0, 255, 0));
}

TEST_F(DcPixelTest, NotRopInvertsAndASecondPassRestores) {
  image.fill(Qt::white);
  dc.SelectStockObject(NULL_BRUSH);
  dc.SetROP2(R2_NOT);
  dc.Rectangle(10, 10, 50, 50);
  EXPECT_EQ(image.pixel(10, 10), kBlack);
  EXPECT_EQ(image.pixel(49, 30), kBlack);
  EXPECT_EQ(image.pixel(50, 30), kWhite);  // the right edge is outside
  EXPECT_EQ(image.pixel(30, 30), kWhite);  // hollow inside
  dc.Rectangle(10, 10, 50, 50);
  EXPECT_EQ(image.pixel(10, 10), kWhite);
  EXPECT_EQ(image.pixel(49, 30), kWhite);
}

TEST_F(DcPixelTest, XorPenOnBlackGivesThePenColour) {
  image.fill(Qt::black);
  CPen pen(PS_SOLID, 0, RGB(255, 255, 0));
  dc.SelectObject(&pen);
  dc.SetROP2(R2_XORPEN);
  dc.MoveTo(0, 5);
  dc.LineTo(20, 5);
  EXPECT_EQ(image.pixel(10, 5), qRgb(255, 255, 0));
  EXPECT_EQ(image.pixel(20, 5), kBlack);  // the last point is left out
}

TEST_F(DcPixelTest, VerticalCommaTakesItsVerticalFormInTheUpperRight) {
  SelectFont(-100, u"@ＭＳ 明朝", 2700);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextAlign(TA_TOP | TA_LEFT);
  dc.TextOutW(150, 50, u"、", 1);
  // The cell spans x 50..150 (its top edge on the right) and y 50..150.
  QRect ink = Ink();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GT(ink.center().x(), 100);
  EXPECT_LT(ink.center().y(), 100);
}

TEST_F(DcPixelTest, HorizontalCommaSitsInTheLowerLeft) {
  SelectFont(-100, u"ＭＳ 明朝", 0);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextAlign(TA_TOP | TA_LEFT);
  dc.TextOutW(50, 50, u"、", 1);
  QRect ink = Ink();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LT(ink.center().x(), 100);
  EXPECT_GT(ink.center().y(), 100);
}

// Text whose origin lies outside the clip region still draws the ink that reaches into it.
TEST_F(DcPixelTest, ClippedTextKeepsTheInkThatReachesIntoTheClip) {
  struct TEXT_CASE {
    const char16_t* face;
    LONG escapement;
    UINT align;
    int x, y;
    const char16_t* text;
  };
  const TEXT_CASE cases[] = {
      {u"ＭＳ 明朝", 0, TA_BASELINE | TA_LEFT, 30, 120, u"Wあ"},
      {u"ＭＳ 明朝", 0, TA_TOP | TA_RIGHT, 170, 40, u"ABC"},
      {u"@ＭＳ 明朝", 2700, TA_BASELINE | TA_LEFT, 120, 20, u"あ、W"},
  };
  for (const TEXT_CASE& c : cases) {
    auto draw = [&](const QRect* clip) {
      image.fill(Qt::white);
      CRgn region;
      if (clip) region.CreateRectRgn(clip->left(), clip->top(), clip->right() + 1, clip->bottom() + 1);
      dc.SelectClipRgn(clip ? &region : nullptr);
      SelectFont(-60, c.face, c.escapement);
      dc.SetBkMode(TRANSPARENT);
      dc.SetTextAlign(c.align);
      dc.TextOutW(c.x, c.y, c.text, int(std::char_traits<char16_t>::length(c.text)));
    };
    draw(nullptr);
    const QImage whole = image.copy();
    const QRect ink = Ink();
    ASSERT_FALSE(ink.isEmpty());
    const QRect edges[] = {QRect(ink.left(), ink.top(), 2, ink.height()), QRect(ink.right() - 1, ink.top(), 2, ink.height()),
                           QRect(ink.left(), ink.top(), ink.width(), 2), QRect(ink.left(), ink.bottom() - 1, ink.width(), 2)};
    for (const QRect& edge : edges) {
      draw(&edge);
      EXPECT_EQ(image.copy(edge), whole.copy(edge)) << "text at " << c.x << "," << c.y;
    }
  }
  dc.SelectClipRgn(nullptr);
}

TEST_F(DcPixelTest, LatinTurnsClockwiseInVerticalText) {
  SelectFont(-40, u"ＭＳ 明朝", 0);
  dc.SetBkMode(TRANSPARENT);
  dc.TextOutW(10, 10, u"ABC", 3);
  QRect flat = Ink();
  image.fill(Qt::white);
  SelectFont(-40, u"@ＭＳ 明朝", 2700);
  dc.TextOutW(150, 10, u"ABC", 3);
  QRect turned = Ink();
  EXPECT_GT(flat.width() * 2, flat.height() * 3);
  EXPECT_GT(turned.height() * 2, turned.width() * 3);
  EXPECT_NEAR(turned.width(), flat.height(), 2);
  EXPECT_NEAR(turned.height(), flat.width(), 2);
}

TEST_F(DcPixelTest, GaijiMarksDrawFromAnInstalledFont) {
  SelectFont(-80, u"Halvern Gaiji", 0);
  dc.SetBkMode(TRANSPARENT);
  dc.TextOutW(10, 10, u"\u30EC\uFF66", 2);
  EXPECT_FALSE(Ink().isEmpty());
  SIZE size{};
  ASSERT_TRUE(dc.GetTextExtentPoint32W(u"\u30EC", 1, &size));
  EXPECT_GT(size.cx, 0);
}

TEST_F(DcPixelTest, SampleLinesForAPersonToLookAt) {
  const char16_t* sample = u"漢文の訓点、テスト。（１）ーABC";
  QImage line(720, 60, QImage::Format_RGB32);
  line.fill(Qt::white);
  CDC horizontal(MakeImageBackend(&line));
  horizontal.SelectObject(&font);
  SelectFont(-36, u"ＭＳ 明朝", 0);
  horizontal.SelectObject(&font);
  horizontal.SetTextAlign(TA_TOP);
  EXPECT_TRUE(horizontal.TextOut(10, 10, sample));
  EXPECT_TRUE(line.save(QString::fromStdString(BuildPath("dc-sample-horizontal.png"))));

  QImage column(60, 720, QImage::Format_RGB32);
  column.fill(Qt::white);
  CDC vertical(MakeImageBackend(&column));
  SelectFont(-36, u"@ＭＳ 明朝", 2700);
  vertical.SelectObject(&font);
  vertical.SetTextAlign(TA_TOP);
  EXPECT_TRUE(vertical.TextOut(48, 10, sample));
  EXPECT_TRUE(column.save(QString::fromStdString(BuildPath("dc-sample-vertical.png"))));
}

TEST_F(DcPixelTest, MemoryContextDrawsIntoTheSelectedBitmap) {
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(&dc));
  EXPECT_EQ(memory.GetObjectType(), OBJ_MEMDC);
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 20, 20));
  CBitmap* old = memory.SelectObject(&bitmap);
  ASSERT_NE(old, nullptr);
  memory.PatBlt(0, 0, 20, 20, BLACKNESS);
  EXPECT_EQ(memory.GetDeviceCaps(HORZRES), 20);
  dc.BitBlt(100, 100, 20, 20, &memory, 0, 0, SRCCOPY);
  EXPECT_EQ(image.pixel(110, 110), kBlack);
  EXPECT_EQ(image.pixel(120, 110), kWhite);
  memory.SelectObject(old);
}

}  // namespace
