#include <gtest/gtest.h>

#include <string>

#include "elements/EditDmonno.h"
#include "tests/support/TestPaths.h"
#include "elements/EditMonno.h"
#include "elements/EditPrint.h"
#include "model/EditCaret.h"
#include "tests/elements/SheetPages.h"

namespace {

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

using QuestionNumberPngTest = SheetPngTest;

TEST_P(QuestionNumberPngTest, DrawsTheFirstPageForAPersonToLookAt) {
  BuildSheet(*m_sheet);
  LayOutSheet(*m_sheet, Vertical());
  EXPECT_TRUE(SavePagePng(*m_sheet, Vertical(), 1, BuildPath("question-numbers-") + Direction() + ".png"));
}

INSTANTIATE_TEST_SUITE_P(BothDirections, QuestionNumberPngTest, ::testing::Values(0, 1));

}  // namespace
