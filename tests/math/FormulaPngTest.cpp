#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "model/CoordMapper.h"
#include "model/GdiCache.h"
#include "tests/support/TestPaths.h"
#include "model/LayoutDC.h"
#include "platform/PainterBackend.h"
#include "tests/math/FormulaSamples.h"

namespace {

constexpr int kDotsPerInch = 200;
constexpr int kLineLength = 12000;
constexpr int kMargin = 300;

// Every formula element in running text, in the writing direction of the parameter.
class FormulaPng : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { g_bVerticalWriting = GetParam(); }
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  void BuildSentence() {
    AppendText(m_sentence, u"関数 ");
    m_sentence.AppendChild(Finish(MakeFormula(u"f(x)=2x+1")));
    AppendText(m_sentence, u" について、空欄 ");
    m_sentence.AppendChild(MakeFormula(u""));
    AppendText(m_sentence, u" を埋めよ。");
    m_sentence.AppendChild(new CEditCR);
    CEditMath* (*const rows[])() = {MakeFractionRow, MakeOperatorRow, MakeScriptRow, MakeOverUnderRow, MakeSumRow};
    int number = 1;
    for (auto row : rows) {
      AppendText(m_sentence, u"(" + std::u16string(1, char16_t(u'0' + number++)) + u") ");
      m_sentence.AppendChild(row());
      m_sentence.AppendChild(new CEditCR);
    }
  }

  void LayOut() {
    CLayoutDC measureDC;
    m_mapper.m_bVertical = GetParam();
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = kLineLength;
    measure.nWidth2 = kLineLength;
    measure.nHeight = 20000;
    measure.nPageHeight = 20000;
    m_sentence.Measure(&measureDC, &m_mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    arrange.nX = kMargin;
    arrange.nY = kMargin;
    m_sentence.Arrange(&arrange, GetParam());
  }

  // The page across the layout's lines; a vertical page is the horizontal one turned.
  QImage Draw() {
    m_mapper.SetResolution(kDotsPerInch, kDotsPerInch, 100);
    const int across = m_sentence.m_nHeight + 2 * kMargin;
    SIZE page{(kLineLength + 2 * kMargin) * kDotsPerInch / 2540, across * kDotsPerInch / 2540};
    if (GetParam()) {
      m_mapper.m_nOriginY = across;
      page = SIZE{page.cy, page.cx};
    }
    QImage image(page.cx, page.cy, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(MakeImageBackend(&image));
    m_sentence.Draw(&dc, &m_mapper, nullptr);
    return image;
  }

  const int m_bSavedVertical = g_bVerticalWriting;
  CEditSentence m_sentence;
  CCoordMapper m_mapper;
};

TEST_P(FormulaPng, FormulasInRunningTextForAPersonToLookAt) {
  BuildSentence();
  LayOut();
  const std::string name = std::string("formula-text-") + (GetParam() ? "vertical" : "horizontal") + ".png";
  EXPECT_TRUE(Draw().save(QString::fromStdString(BuildPath(name))));
}

INSTANTIATE_TEST_SUITE_P(BothDirections, FormulaPng, ::testing::Values(0, 1));

}  // namespace
