#include <gtest/gtest.h>

#include <QImage>

#include "model/CoordMapper.h"
#include "tests/support/TestPaths.h"
#include "model/LayoutDC.h"
#include "platform/PainterBackend.h"
#include "tests/math/FormulaSamples.h"

namespace {

constexpr int kDotsPerInch = 200;

TEST(FormulaPng, FormulasInRunningTextForAPersonToLookAt) {
  CEditSentence sentence;
  AppendText(sentence, u"関数 ");
  sentence.AppendChild(Finish(MakeFormula(u"f(x)=2x+1")));
  AppendText(sentence, u" について、空欄 ");
  sentence.AppendChild(MakeFormula(u""));
  AppendText(sentence, u" を埋めよ。");
  sentence.AppendChild(new CEditCR);
  AppendText(sentence, u"(1) ");
  sentence.AppendChild(MakeFractionRow());
  sentence.AppendChild(new CEditCR);
  AppendText(sentence, u"(2) ");
  sentence.AppendChild(MakeOperatorRow());
  sentence.AppendChild(new CEditCR);
  AppendText(sentence, u"(3) ");
  sentence.AppendChild(MakeScriptRow());
  sentence.AppendChild(new CEditCR);
  AppendText(sentence, u"(4) ");
  sentence.AppendChild(MakeOverUnderRow());
  sentence.AppendChild(new CEditCR);
  AppendText(sentence, u"(5) ");
  sentence.AppendChild(MakeSumRow());
  sentence.AppendChild(new CEditCR);

  CLayoutDC measureDC;
  CCoordMapper mapper;
  EDIT_LAYOUT_PARAM measure{};
  measure.nWidth = 12000;
  measure.nWidth2 = 12000;
  measure.nHeight = 20000;
  measure.nPageHeight = 20000;
  sentence.Measure(&measureDC, &mapper, &measure);
  EDIT_LAYOUT_PARAM arrange{};
  arrange.nX = 300;
  arrange.nY = 300;
  sentence.Arrange(&arrange, 0);

  mapper.SetResolution(kDotsPerInch, kDotsPerInch, 100);
  QImage image(12600 * kDotsPerInch / 2540, 6000 * kDotsPerInch / 2540, QImage::Format_RGB32);
  image.fill(Qt::white);
  CDC dc(MakeImageBackend(&image));
  sentence.Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(image.save(QString::fromStdString(BuildPath("formula-text.png"))));
}

}  // namespace
