#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "math/EditMath.h"
#include "math/EditMathCR.h"
#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditSentence.h"
#include "model/LayoutDC.h"
#include "platform/PainterBackend.h"

namespace {

constexpr int kDotsPerInch = 200;

void AppendText(CEditNode& parent, const std::u16string& text) {
  for (char16_t c : text) parent.AppendChild(new CEditChar(c));
}

// A formula of math characters in the default math fonts: letters italic, the rest upright.
CEditMath* MakeFormula(const std::u16string& text) {
  auto* formula = new CEditMath;
  formula->InitMath(TRUE);
  CEditNode* end = formula->GetEditChildAt(0);
  for (char16_t c : text) {
    auto* ch = new CEditMathChar(c);
    ch->m_lf.lfHeight = end->m_lf.lfHeight;
    end->InsertBefore(ch);
  }
  formula->ApplyDefaultFonts(g_DefaultFonts, nullptr);
  return formula;
}

TEST(FormulaPng, FormulasInRunningTextForAPersonToLookAt) {
  CEditSentence sentence;
  AppendText(sentence, u"関数 ");
  sentence.AppendChild(MakeFormula(u"f(x)=2x+1"));
  AppendText(sentence, u" について、空欄 ");
  sentence.AppendChild(MakeFormula(u""));
  AppendText(sentence, u" を埋めよ。");
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
  QImage image(12600 * kDotsPerInch / 2540, 1600 * kDotsPerInch / 2540, QImage::Format_RGB32);
  image.fill(Qt::white);
  CDC dc(MakeImageBackend(&image));
  sentence.Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(image.save(QR_BUILD_DIR "/formula-text.png"));
}

}  // namespace
