#include <gtest/gtest.h>

#include <QImage>

#include <cstring>

#include "elements/Units.h"
#include "tests/support/TestPaths.h"
#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "model/EditSentence.h"
#include "model/GdiCache.h"
#include "model/LayoutDC.h"
#include "platform/AnsiCodePage.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"
#include "tests/elements/KanbunTestParts.h"
#include "tests/support/TestImages.h"

namespace {

struct KANBUN_SAMPLE {
  const char16_t* kanji;
  const char16_t* open;
  const char16_t* right;
  const char16_t* left;
  const char16_t* kaeriten;
  const char16_t* punctuation;
  const char16_t* close;
};

// 「人不レ知」: the right kana against the kanji, the left kana below it, the kaeriten in the
// gaiji face.
constexpr KANBUN_SAMPLE kPassage[] = {
    {u"人", u"「", u"ハ", u"ひと", u"", u"", u""},
    {u"不", u"", u"ズ", u"", u"レ", u"", u""},
    {u"知", u"", u"ラ", u"し", u"", u"。", u"」"},
};

CEditKan* MakeSampleBlock(const KANBUN_SAMPLE& s, int height) {
  auto block = MakeBlock(s.kanji, height);
  block->SetOpenBracketText(s.open, nullptr);
  block->SetKaeritenText(s.kaeriten, nullptr);
  block->SetPunctuationText(s.punctuation, nullptr);
  block->SetCloseBracketText(s.close, nullptr);
  for (CEditOkurigana* box : {block->GetRightKanaBox(), block->GetLeftKanaBox()}) {
    const char16_t* kana = box == block->GetRightKanaBox() ? s.right : s.left;
    for (const char16_t* c = kana; *c; ++c) box->InsertChild(box->GetChildCount() - 1, new CEditKanChar(*c));
  }
  block->UpdatePartFonts(nullptr);
  return block.release();
}

// One character alone in horizontal writing, at 300 dots per inch.
QImage DrawHorizontally(CEditChar& ch) {
  CLayoutDC measureDC;
  CCoordMapper mapper;
  EDIT_LAYOUT_PARAM measure{};
  ch.Measure(&measureDC, &mapper, &measure);
  EDIT_LAYOUT_PARAM arrange{};
  arrange.nX = arrange.nY = 300;
  arrange.nLineAscent = ch.m_nAscent;
  ch.Arrange(&arrange, 0);
  mapper.SetResolution(300, 300, 100);
  QImage image(200, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  CDC dc(MakeImageBackend(&image));
  ch.Draw(&dc, &mapper, nullptr);
  return image;
}

}  // namespace

// Kanbun characters keep the vertical face in horizontal writing too; they still stand upright
// there, as the same characters in the horizontal face do.
TEST(EditKanPng, HorizontalWritingDrawsKanbunMarksUpright) {
  struct CASE {
    char16_t c;
    const char16_t* face;  // null: the vertical default face
  } cases[] = {{u'\u4E8C', nullptr}, {u'\u4E0A', nullptr}, {u'\u30EC', u"@Halvern Gaiji"}};
  for (const CASE& k : cases) {
    SCOPED_TRACE(int(k.c));
    CEditKanChar mark(k.c);
    mark.m_lf.lfHeight = -PointsToHimetric(20, 0);
    if (k.face) mark.SetFontFace(WideToAnsi(k.face).c_str(), nullptr);
    CEditChar upright(k.c);
    upright.m_lf = mark.m_lf;
    std::memmove(upright.m_lf.lfFaceName, upright.m_lf.lfFaceName + 1, LF_FACESIZE - 1);
    const QRect drawn = InkBox(DrawHorizontally(mark));
    const QRect expected = InkBox(DrawHorizontally(upright));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_NEAR(drawn.width(), expected.width(), 1);
    EXPECT_NEAR(drawn.height(), expected.height(), 1);
  }
}

TEST(EditKanPng, AVerticalPassageForAPersonToLookAt) {
  const int saved = g_bVerticalWriting;
  g_bVerticalWriting = 1;
  CEditSentence sentence;
  const int height = PointsToHimetric(20, 0);
  for (const KANBUN_SAMPLE& s : kPassage) sentence.AppendChild(MakeSampleBlock(s, height));
  sentence.AppendChild(new CEditCR);

  CLayoutDC measureDC;
  CCoordMapper mapper;
  mapper.m_bVertical = 1;
  EDIT_LAYOUT_PARAM measure{};
  measure.nWidth = 9000;
  sentence.Measure(&measureDC, &mapper, &measure);
  EDIT_LAYOUT_PARAM arrange{};
  sentence.Arrange(&arrange, 1);
  ASSERT_GT(sentence.m_nHeight, 3 * height);

  const int dpi = 300, margin = 500;
  mapper.SetResolution(dpi, dpi, 100);
  mapper.m_nOriginX = -margin;
  mapper.m_nOriginY = sentence.m_nHeight + margin;
  QImage image((sentence.m_nHeight + 2 * margin) * dpi / 2540, (9000 + 2 * margin) * dpi / 2540,
               QImage::Format_RGB32);
  image.fill(Qt::white);
  CDC dc(MakeImageBackend(&image));
  EDIT_LAYOUT_PARAM draw{};
  sentence.Draw(&dc, &mapper, &draw);
  EXPECT_TRUE(image.save(QString::fromStdString(BuildPath("kanbun-vertical.png"))));
  g_bVerticalWriting = saved;
}
