#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <string>

#include "elements/EditGraphic.h"
#include "elements/EditHaiten.h"
#include "elements/EditKasen.h"
#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "model/GdiCache.h"
#include "model/LayoutDC.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

constexpr int kDotsPerInch = 150;

void AppendText(CEditNode& parent, const std::u16string& text) {
  for (char16_t c : text) parent.AppendChild(c == u'\n' ? static_cast<CEditNode*>(new CEditCR) : new CEditChar(c));
}

// A figure of a triangle on a grid, 300 x 150 pixels.
std::string WriteFigure() {
  QImage image(300, 150, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(QColor(200, 200, 255));
  for (int x = 0; x < 300; x += 15) painter.drawLine(x, 0, x, 149);
  for (int y = 0; y < 150; y += 15) painter.drawLine(0, y, 299, y);
  painter.setPen(QPen(Qt::black, 3));
  painter.drawPolygon(QPolygon({QPoint(30, 130), QPoint(270, 130), QPoint(120, 20)}));
  painter.end();
  const std::string path = QR_BUILD_DIR "/figure-300x150.png";
  image.save(QString::fromStdString(path));
  return path;
}

CEditHaiten* MakePoints(int form, int each, int count, int total) {
  auto* points = new CEditHaiten;
  points->m_haiten.m_nForm = form;
  points->m_haiten.m_nEach = each;
  points->m_haiten.m_nCount = count;
  points->m_haiten.m_nTotal = total;
  return points;
}

CEditKasen* MakeUnderline(const std::u16string& text, int number) {
  auto* kasen = new CEditKasen;
  kasen->m_nNumber = number;
  AppendText(*kasen, text);
  return kasen;
}

void BuildSheet(CEditPrint& sheet, CCoordMapper& mapper) {
  auto* question = new CEditSentence;
  question->m_nKind = CEditSentence::KindQuestion;
  question->m_nMajor = 1;
  sheet.AppendChild(question);
  AppendText(*question, u"問一　次の図の三角形について答えなさい。");
  question->AppendChild(MakePoints(2, 2, 5, 10));
  AppendText(*question, u"\n");
  auto* figure = new CEditGraphic;
  figure->LoadFile(WriteFigure(), &mapper);
  question->AppendChild(figure);
  AppendText(*question, u"\n（１）");
  question->AppendChild(MakeUnderline(u"底辺の長さ", 1));
  AppendText(*question, u"と");
  question->AppendChild(MakeUnderline(u"高さ", 2));
  AppendText(*question, u"を求めなさい。");
  question->AppendChild(MakePoints(4, 0, 0, 30));
  AppendText(*question, u"\n");
}

class PointsUnderlinePicturePngTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { saved = g_bVerticalWriting; }
  void TearDown() override { g_bVerticalWriting = saved; }
  int saved = 0;
};

TEST_P(PointsUnderlinePicturePngTest, DrawsAPageForAPersonToLookAt) {
  const int vertical = GetParam();
  g_bVerticalWriting = vertical;
  CEditPrint sheet;
  if (vertical) {
    const SIZE turned{29700, 21000};
    sheet.SetPageSize(&turned);
  }
  CCoordMapper mapper;
  mapper.m_bVertical = vertical;
  BuildSheet(sheet, mapper);

  CLayoutDC measureDC;
  sheet.Measure(&measureDC, &mapper, nullptr);
  EDIT_LAYOUT_PARAM arrange{};
  sheet.Arrange(&arrange, vertical);

  mapper.SetResolution(kDotsPerInch, kDotsPerInch, 100);
  SIZE page{};
  sheet.GetPageSize(&page);
  const SIZE paper = vertical ? SIZE{page.cy, page.cx} : page;
  if (vertical) mapper.m_nOriginY = page.cy;
  // The top third of a horizontal page, where the question stands.
  const int width = paper.cx * kDotsPerInch / 2540, height = paper.cy * kDotsPerInch / 2540;
  QImage image(width, vertical ? height : height / 3, QImage::Format_RGB32);
  image.fill(Qt::white);
  CDC dc(MakeImageBackend(&image));
  EDIT_LAYOUT_PARAM print{};
  print.nPage = 1;
  sheet.ArrangePage(&print, vertical);
  sheet.DrawPage(&dc, &mapper, &print);
  const std::string name = std::string(QR_BUILD_DIR "/points-underlines-picture-") +
                           (vertical ? "vertical" : "horizontal") + ".png";
  EXPECT_TRUE(image.save(QString::fromStdString(name)));
}

INSTANTIATE_TEST_SUITE_P(BothDirections, PointsUnderlinePicturePngTest, ::testing::Values(0, 1));

}  // namespace
