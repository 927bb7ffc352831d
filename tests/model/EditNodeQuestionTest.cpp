#include <gtest/gtest.h>

#include "model/EditChar.h"
#include "model/EditSentence.h"

namespace {

TEST(EditNodeQuestionTest, NumbersAndKindComeFromTheNearestQuestionSentence) {
  CEditSentence sentence;
  sentence.m_nMajor = 3;
  sentence.m_nMinor = 2;
  sentence.m_nKind = CEditSentence::KindAnswer;
  auto* cell = new CEditContainer(NTYPE_EDITCELL);
  auto* ch = new CEditChar(u'a');
  cell->AppendChild(ch);
  sentence.AppendChild(cell);
  for (const CEditNode* node : {static_cast<const CEditNode*>(ch), static_cast<const CEditNode*>(&sentence)}) {
    EXPECT_EQ(node->GetMajorQuestionNo(), 3);
    EXPECT_EQ(node->GetMinorQuestionNo(), 2);
    EXPECT_EQ(node->GetSentenceKind(), CEditSentence::KindAnswer);
  }
}

TEST(EditNodeQuestionTest, OutsideAQuestionSentenceEverythingIsMinusOne) {
  CEditSentence textBox;
  textBox.m_nType = NTYPE_EDITGAI;
  textBox.m_nMajor = 4;
  auto* ch = new CEditChar(u'a');
  textBox.AppendChild(ch);
  EXPECT_EQ(ch->GetMajorQuestionNo(), -1);
  EXPECT_EQ(ch->GetMinorQuestionNo(), -1);
  EXPECT_EQ(ch->GetSentenceKind(), -1);
  CEditChar alone(u'b');
  EXPECT_EQ(alone.GetMajorQuestionNo(), -1);
}

}  // namespace
