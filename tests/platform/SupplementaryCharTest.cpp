#include <QImage>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/DC.h"
#include "platform/FaceSubstitution.h"
#include "platform/FontFace.h"
#include "platform/PainterBackend.h"

// A character beyond U+FFFF arrives as a surrogate pair: it measures and draws as one glyph,
// not as two missing-glyph boxes.
namespace {

const std::u16string kYoshi = u"\U00020BB7";

struct Canvas {
  QImage image{240, 240, QImage::Format_RGB32};
  CDC dc{MakeImageBackend(&image)};
  CFont font;

  explicit Canvas(bool bVertical) {
    image.fill(Qt::white);
    LOGFONTA lf{};
    lf.lfHeight = -80;
    lf.lfWeight = FW_NORMAL;
    if (bVertical) lf.lfEscapement = lf.lfOrientation = 2700;
    std::strncpy(lf.lfFaceName, bVertical ? "@ＭＳ 明朝" : "ＭＳ 明朝", LF_FACESIZE - 1);
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
  }
  QRect Ink() const {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
  }
};

}  // namespace

TEST(SupplementaryChar, TheFaceFindsOneGlyphForThePair) {
  const CFontFace* face = CFontFace::Get(ResolveFace("ＭＳ 明朝").family, false, false);
  const GLYPH_INFO& glyph = face->Glyph(0x20BB7);
  ASSERT_NE(glyph.face, nullptr);
  EXPECT_NE(glyph.glyph, 0u);
  EXPECT_TRUE(glyph.bUpright);
}

TEST(SupplementaryChar, MeasuresAsOneIdeograph) {
  for (bool bVertical : {false, true}) {
    Canvas canvas(bVertical);
    EXPECT_EQ(canvas.dc.GetTextExtent(kYoshi).cx, canvas.dc.GetTextExtent(u"吉").cx) << bVertical;
    EXPECT_EQ(canvas.dc.GetTextExtent(kYoshi + u"吉").cx, 2 * canvas.dc.GetTextExtent(u"吉").cx) << bVertical;
  }
}

TEST(SupplementaryChar, DrawsOneGlyphWithinOneEm) {
  Canvas across(false);
  across.dc.TextOut(20, 20, kYoshi);
  QRect ink = across.Ink();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LT(ink.right(), 20 + 80);
  EXPECT_GT(ink.width(), 40);

  Canvas down(true);
  down.dc.TextOut(140, 20, kYoshi);
  ink = down.Ink();
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LT(ink.bottom(), 20 + 80 + 4);
  EXPECT_GT(ink.height(), 40);
}
