#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "elements/EditDmonno.h"
#include "elements/EditMonno.h"
#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "model/EditCaret.h"
#include "model/GdiCache.h"
#include "model/LayoutDC.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

constexpr int kDotsPerInch = 150;

struct SAMPLE_QUESTION {
  int majorFormat;
  int minorFormat;
  const char16_t* text;
};

constexpr SAMPLE_QUESTION kQuestions[] = {
    {2, 1, u"次の漢字の読みを書きなさい。"},
    {9, 8, u"次の文の主語と述語を答えなさい。"},
    {4, 3, u"Translate the sentences into Japanese."},
    {15, 11, u"傍線部の意味として最も適当なものを選びなさい。"},
};

void PutText(CEditSentence& part, CEditNode* number, const std::u16string& text) {
  int at = 0;
  if (number) part.InsertChild(at++, number);
  for (char16_t c : text) part.InsertChild(at++, new CEditChar(c));
}

// Four questions of two minors each, in four different number styles, laid out in pattern 1
// so that the answer fields carry numbers too.
void BuildSheet(CEditPrint& sheet) {
  const RECT margins{1500, 1500, 1500, 1500};
  sheet.SetMargins(&margins);
  CEditCaret caret;
  for (int q = 1; q <= 4; ++q) {
    sheet.InsertMajorQuestion(&caret, nullptr);
    for (int m = 0; m < 2; ++m) sheet.InsertMinorQuestion(q, &caret, nullptr);
  }
  sheet.SetFieldSequence(1, FALSE);
  for (int i = 0; i < sheet.GetChildCount(); ++i) {
    auto* part = dynamic_cast<CEditSentence*>(sheet.GetChildAt(i));
    if (!part || part->m_nType != NTYPE_EDITSENTENCE) continue;
    const SAMPLE_QUESTION& sample = kQuestions[(part->m_nMajor - 1) % 4];
    CEditNode* number = nullptr;
    if (part->m_nMinor == 0)
      number = new CEditDmonno(sample.majorFormat);
    else
      number = new CEditMonno(sample.minorFormat);
    const bool question = part->m_nKind == CEditSentence::KindQuestion;
    PutText(*part, number, question ? (part->m_nMinor == 0 ? sample.text : u"小問の本文。") : u"");
  }
}

class QuestionNumberPngTest : public ::testing::TestWithParam<int> {
 protected:
  void TearDown() override { g_bVerticalWriting = saved; }
  int saved = g_bVerticalWriting;
};

TEST_P(QuestionNumberPngTest, DrawsTheFirstPageForAPersonToLookAt) {
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
  QImage image(paper.cx * kDotsPerInch / 2540, paper.cy * kDotsPerInch / 2540, QImage::Format_RGB32);
  image.fill(Qt::white);
  CDC dc(MakeImageBackend(&image));
  EDIT_LAYOUT_PARAM print{};
  print.nPage = 1;
  sheet.ArrangePage(&print, vertical);
  sheet.DrawPage(&dc, &mapper, &print);
  const std::string name =
      std::string(QR_BUILD_DIR "/question-numbers-") + (vertical ? "vertical" : "horizontal") + ".png";
  EXPECT_TRUE(image.save(QString::fromStdString(name)));
}

INSTANTIATE_TEST_SUITE_P(BothDirections, QuestionNumberPngTest, ::testing::Values(0, 1));

}  // namespace
