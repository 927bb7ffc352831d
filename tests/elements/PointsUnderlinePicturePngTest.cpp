#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <string>

#include "elements/EditGraphic.h"
#include "tests/support/TestPaths.h"
#include "elements/EditHaiten.h"
#include "elements/EditKasen.h"
#include "model/EditCR.h"
#include "tests/elements/SheetPages.h"

namespace {

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
  const std::string path = BuildPath("figure-300x150.png");
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

using PointsUnderlinePicturePngTest = SheetPngTest;

TEST_P(PointsUnderlinePicturePngTest, DrawsAPageForAPersonToLookAt) {
  CCoordMapper screen;
  screen.m_bVertical = Vertical();
  BuildSheet(*m_sheet, screen);
  LayOutSheet(*m_sheet, Vertical());
  EXPECT_TRUE(SavePagePng(*m_sheet, Vertical(), 1, BuildPath("points-underlines-picture-") + Direction() + ".png"));
}

INSTANTIATE_TEST_SUITE_P(BothDirections, PointsUnderlinePicturePngTest, ::testing::Values(0, 1));

}  // namespace
