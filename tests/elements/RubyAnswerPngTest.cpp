#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "elements/EditCyukai.h"
#include "elements/EditPrint.h"
#include "elements/EditRuby.h"
#include "elements/EditRubyBase.h"
#include "elements/EditRubyText.h"
#include "elements/Units.h"
#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "model/GdiCache.h"
#include "model/LayoutDC.h"
#include "model/ShowCyukai.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

constexpr int kDotsPerInch = 200;

void AppendText(CEditNode& parent, const std::u16string& text, int points = 0) {
  for (char16_t c : text) {
    auto* ch = new CEditChar(c);
    if (points > 0) ch->m_lf.lfHeight = -PointsToHimetric(points, 0);
    parent.AppendChild(ch);
  }
}

CEditRuby* MakeRuby(const std::u16string& base, const std::u16string& reading) {
  auto* ruby = new CEditRuby;
  auto* basePart = new CEditRubyBase;
  AppendText(*basePart, base);
  basePart->AppendChild(new CEditCR);
  auto* readingPart = new CEditRubyText;
  AppendText(*readingPart, reading, 5);
  auto* end = new CEditCR;
  end->m_lf.lfHeight = -PointsToHimetric(5, 0);
  end->m_nTextAlign = CBlockLineRelatedProperties::AlignCenter;
  readingPart->AppendChild(end);
  ruby->AppendChild(basePart);
  ruby->AppendChild(readingPart);
  return ruby;
}

CEditCyukai* MakeAnswer(const std::u16string& text) {
  auto* answer = new CEditCyukai;
  AppendText(*answer, text);
  answer->AppendLineEnd();
  return answer;
}

void BuildSheet(CEditPrint& sheet) {
  const RECT margins{1500, 1500, 1500, 1500};
  sheet.SetMargins(&margins);
  auto* part = new CEditSentence;
  part->m_nKind = CEditSentence::KindQuestion;
  part->m_nMajor = 1;
  sheet.AppendChild(part);
  AppendText(*part, u"問一　次の");
  part->AppendChild(MakeRuby(u"漢字", u"かんじ"));
  AppendText(*part, u"と");
  part->AppendChild(MakeRuby(u"曙", u"あけぼの"));
  AppendText(*part, u"の読みを書きなさい。答え（");
  part->AppendChild(MakeAnswer(u"かんじ、あけぼの"));
  AppendText(*part, u"）");
  part->AppendChild(new CEditCR);
}

// The region that holds ink, with a small white border, so the text is seen close up.
QImage InkedPart(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
  return ink.isEmpty() ? image : image.copy(ink.adjusted(-20, -20, 20, 20));
}

class RubyAnswerPngTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { saved = g_bVerticalWriting; }
  void TearDown() override {
    g_bVerticalWriting = saved;
    g_bShowCyukai = 1;
  }
  int saved = 0;
};

// Page 1 with the answers shown and hidden.
TEST_P(RubyAnswerPngTest, DrawsRubyAndAnswersForAPersonToLookAt) {
  const int vertical = GetParam();
  g_bVerticalWriting = vertical;
  CEditPrint sheet;
  if (vertical) {
    const SIZE turned{29700, 21000};
    sheet.SetPageSize(&turned);
  }
  BuildSheet(sheet);
  CLayoutDC measureDC;
  CCoordMapper mapper;
  mapper.m_bVertical = vertical;
  sheet.Measure(&measureDC, &mapper, nullptr);
  EDIT_LAYOUT_PARAM arrange{};
  sheet.Arrange(&arrange, vertical);

  mapper.SetResolution(kDotsPerInch, kDotsPerInch, 100);
  SIZE page{};
  sheet.GetPageSize(&page);
  const SIZE paper = vertical ? SIZE{page.cy, page.cx} : page;
  if (vertical) mapper.m_nOriginY = page.cy;
  for (int shown : {1, 0}) {
    g_bShowCyukai = shown;
    QImage image(paper.cx * kDotsPerInch / 2540, paper.cy * kDotsPerInch / 2540, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(MakeImageBackend(&image));
    EDIT_LAYOUT_PARAM print{};
    print.nPage = 1;
    sheet.ArrangePage(&print, vertical);
    sheet.DrawPage(&dc, &mapper, &print);
    const std::string name = std::string(QR_BUILD_DIR "/ruby-answers-") + (vertical ? "vertical" : "horizontal") +
                             (shown ? "-shown" : "-hidden") + ".png";
    EXPECT_TRUE(InkedPart(image).save(QString::fromStdString(name)));
  }
}

INSTANTIATE_TEST_SUITE_P(BothDirections, RubyAnswerPngTest, ::testing::Values(0, 1));

}  // namespace
