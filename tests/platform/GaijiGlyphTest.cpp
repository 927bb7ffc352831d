#include <QImage>
#include <gtest/gtest.h>

#include <cstring>

#include "platform/DC.h"
#include "platform/FaceSubstitution.h"
#include "platform/FontFace.h"
#include "platform/PainterBackend.h"

// The kaeriten mark of the gaiji face is drawn with the kanbun mark of the CJK font the face
// stands for, never with a fallback or a missing-glyph box.
namespace {

QImage DrawVertical(const char* face, char16_t c) {
  QImage image(120, 120, QImage::Format_RGB32);
  image.fill(Qt::white);
  CDC dc(MakeImageBackend(&image));
  LOGFONTA lf{};
  lf.lfHeight = -80;
  lf.lfEscapement = lf.lfOrientation = 2700;
  lf.lfWeight = FW_NORMAL;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  CFont font;
  font.CreateFontIndirect(&lf);
  dc.SelectObject(&font);
  dc.SetBkMode(TRANSPARENT);
  dc.TextOutW(100, 10, &c, 1);
  return image;
}

int InkPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != qRgb(255, 255, 255);
  return count;
}

}  // namespace

TEST(GaijiGlyph, KanbunMarksAreRealGlyphsOfTheSubstituteFont) {
  const FACE_RESOLUTION gaiji = ResolveFace("@Halvern Gaiji");
  ASSERT_TRUE(gaiji.bGaiji);
  const CFontFace* face = CFontFace::Get(gaiji.family, false, false);
  for (char16_t c = 0x3190; c <= 0x319F; ++c) {
    const GLYPH_INFO& glyph = face->Glyph(c);
    EXPECT_EQ(glyph.face, face) << std::hex << int(c);
    EXPECT_NE(glyph.glyph, 0u) << std::hex << int(c);
    EXPECT_TRUE(glyph.bUpright) << std::hex << int(c);
  }
  EXPECT_EQ(MapGaijiChar(u'レ'), u'\u3191');
}

TEST(GaijiGlyph, TheReturnMarkDrawsAsTheKanbunMarkUpright) {
  const QImage gaiji = DrawVertical("@Halvern Gaiji", u'レ');
  const QImage mark = DrawVertical("@Noto Serif CJK JP", u'\u3191');
  const QImage katakana = DrawVertical("@Noto Serif CJK JP", u'レ');
  EXPECT_GT(InkPixels(gaiji), 20);
  EXPECT_EQ(gaiji, mark);
  EXPECT_NE(gaiji, katakana);
}
