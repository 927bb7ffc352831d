#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "elements/EditCyukai.h"
#include "tests/support/TestPaths.h"
#include "elements/EditPrint.h"
#include "elements/EditRuby.h"
#include "elements/EditRubyBase.h"
#include "elements/EditRubyText.h"
#include "elements/Units.h"
#include "model/EditCR.h"
#include "model/ShowCyukai.h"
#include "tests/elements/SheetPages.h"

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

class RubyAnswerPngTest : public SheetPngTest {
 protected:
  void TearDown() override {
    SheetPngTest::TearDown();
    g_bShowCyukai = 1;
  }
};

// Page 1 with the answers shown and hidden.
TEST_P(RubyAnswerPngTest, DrawsRubyAndAnswersForAPersonToLookAt) {
  BuildSheet(*m_sheet);
  LayOutSheet(*m_sheet, Vertical());
  for (int shown : {1, 0}) {
    g_bShowCyukai = shown;
    const std::string name = BuildPath("ruby-answers-") + Direction() + (shown ? "-shown" : "-hidden") + ".png";
    EXPECT_TRUE(InkedPart(DrawPageImage(*m_sheet, Vertical(), 1, kDotsPerInch)).save(QString::fromStdString(name)));
  }
}

INSTANTIATE_TEST_SUITE_P(BothDirections, RubyAnswerPngTest, ::testing::Values(0, 1));

}  // namespace
