#include <gtest/gtest.h>

#include "tests/elements/QuestionSheetFixture.h"

namespace {

struct INSERT_CASE {
  const char* layout;
  int sequence;
  const char* expected;
};

class InsertMajorTest : public QuestionSheetTest, public ::testing::WithParamInterface<INSERT_CASE> {};

TEST_P(InsertMajorTest, PutsTheFourPartsWhereTheSequenceKeepsThem) {
  Build(GetParam().layout, GetParam().sequence);
  Sheet().InsertMajorQuestion(&m_caret, nullptr);
  EXPECT_EQ(Numbers(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, InsertMajorTest,
    ::testing::Values(INSERT_CASE{"Q1 F1 A1 E1", 0, "Q1 F1 A1 E1 Q2 F2 A2 E2"},
                      INSERT_CASE{"Q1 | F1 | A1 | E1", 1, "Q1 Q2 | F1 F2 | A1 A2 | E1 E2"},
                      INSERT_CASE{"Q1 | F1 | A1 E1", 2, "Q1 Q2 | F1 F2 | A1 E1 A2 E2"},
                      INSERT_CASE{"Q1 | F1 A1 E1", 3, "Q1 Q2 | F1 A1 E1 F2 A2 E2"},
                      // A kind without parts goes to index 1, or to the end of a shorter root.
                      INSERT_CASE{"", 0, "Q1 F1 A1 E1"}, INSERT_CASE{"", 1, "Q1 E1 A1 F1"},
                      INSERT_CASE{"Q1 | F1", 1, "Q1 E1 A1 Q2 | F1 F2"}));

class InsertMinorTest : public QuestionSheetTest, public ::testing::WithParamInterface<INSERT_CASE> {};

TEST_P(InsertMinorTest, AddsTheNextMinorOfTheMajor) {
  Build(GetParam().layout, GetParam().sequence);
  Sheet().InsertMinorQuestion(2, &m_caret, nullptr);
  EXPECT_EQ(Numbers(), GetParam().expected);
}

// Q9 carries a stale number: only sequence 1 renumbers the whole sheet.
INSTANTIATE_TEST_SUITE_P(
    Sequences, InsertMinorTest,
    ::testing::Values(
        INSERT_CASE{"Q9 Q2 Q2.1 F2.1 Q2.2 F2.2 Q3", 0, "Q9 Q2 Q2.1 F2.1 Q2.2 F2.2 Q2.3 F2.3 A2.3 E2.3 Q3"},
        INSERT_CASE{"Q9 Q2 Q2.1 Q2.2 Q3 | F1 F2 F2.1 F2.2 F3 | A2 | E2", 1,
                    "Q1 Q2 Q2.1 Q2.2 Q2.3 Q3 | F1 F2 F2.1 F2.2 F2.3 F3 | A1 A1.1 | E1 E1.1"},
        INSERT_CASE{"Q9 Q2 Q2.1 Q3 | F2 F2.1 F3 | A2 E2 A2.1 E2.1 A3 E3", 2,
                    "Q9 Q2 Q2.1 Q2.2 Q3 | F2 F2.1 F2.2 F3 | A2 E2 A2.1 E2.1 A2.2 E2.2 A3 E3"},
        INSERT_CASE{"Q9 Q2 Q2.1 Q3 | F2 A2 E2 F2.1 A2.1 E2.1 F3", 3,
                    "Q9 Q2 Q2.1 Q2.2 Q3 | F2 A2 E2 F2.1 A2.1 E2.1 F2.2 A2.2 E2.2 F3"}));

TEST_F(QuestionSheetTest, InsertionsAreRecordedAndUndone) {
  Build("Q1 | F1 | A1 | E1", 1);
  const Bytes before = TreeBytes();
  Sheet().InsertMajorQuestion(&m_caret, m_undo.get());
  ASSERT_EQ(m_undo->GetCount(), 4);
  const int expectedIndexes[] = {1, 4, 7, 10};
  for (int i = 0; i < 4; ++i) {
    const CUndoAction& action = m_undo->GetAt(i);
    EXPECT_EQ(action.m_nCode, UNDO_INSERT_AT);
    EXPECT_EQ(action.m_nIndex, expectedIndexes[i]);
    EXPECT_EQ(action.m_pParent, &Sheet());
    EXPECT_EQ(Sheet().GetChildAt(action.m_nIndex), action.m_pNode);
  }
  ExpectUndoRestores(before);
}

TEST_F(QuestionSheetTest, NewPartsHoldOneLineEnd) {
  Build("", 0);
  Sheet().InsertMajorQuestion(&m_caret, nullptr);
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(Part(i)->GetChildCount(), 1);
    EXPECT_EQ(Part(i)->GetChildAt(0)->m_nType, NTYPE_EDITCR);
    EXPECT_EQ(Part(i)->m_nKind, i + 1);
  }
}

TEST_F(QuestionSheetTest, DeletingAMajorRemovesAllItsPartsAndLeavesTheNumbers) {
  Build("Q1 Q2 Q2.1 Q3 | F1 F2 F2.1 F3", 1);
  EXPECT_EQ(Sheet().DeleteMajorQuestion(2, &m_caret, nullptr), 4);
  EXPECT_EQ(Names(), "Q1 Q3 | F1 F3");
  Sheet().RenumberQuestions();
  EXPECT_EQ(Numbers(), "Q1 Q2 | F1 F2");
  EXPECT_EQ(Sheet().DeleteMinorQuestion(7, 1, &m_caret, nullptr), 0);
}

TEST_F(QuestionSheetTest, AGroupedDeleteRecordsFromTheHighestIndexAndUndoRestoresTheSheet) {
  Build("Q1 Q1.1 Q1.2 Q2 | F1 F1.1 F1.2 F2", 1);
  m_caret.m_pCaretNode = Part(0)->GetEditChildAt(0);
  const Bytes before = TreeBytes();
  EXPECT_EQ(Sheet().DeleteMinorQuestion(1, 1, &m_caret, m_undo.get()), 2);
  EXPECT_EQ(Sheet().DeleteMajorQuestion(2, &m_caret, m_undo.get()), 2);
  EXPECT_EQ(Names(), "Q1 Q1.2 | F1 F1.2");
  const int expectedIndexes[] = {6, 1, 6, 2};
  ASSERT_EQ(m_undo->GetCount(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(m_undo->GetAt(i).m_nCode, UNDO_REMOVE_AT);
    EXPECT_EQ(m_undo->GetAt(i).m_nIndex, expectedIndexes[i]);
    EXPECT_EQ(m_undo->GetAt(i).m_pNeighbour, m_caret.m_pCaretNode);
    EXPECT_EQ(m_undo->GetAt(i).m_pNode->GetParent(), nullptr);
  }
  ExpectUndoRestores(before);
  EXPECT_EQ(Names(), "Q1 Q1.1 Q1.2 Q2 | F1 F1.1 F1.2 F2");
}

struct SWAP_CASE {
  const char* layout;
  int sequence;
  int major;  // 0: swap majors a and b
  int a;
  int b;
  const char* names;
  const char* numbers;
};

class SwapTest : public QuestionSheetTest, public ::testing::WithParamInterface<SWAP_CASE> {};

TEST_P(SwapTest, ExchangesThePlacesAndRenumbers) {
  const SWAP_CASE& c = GetParam();
  Build(c.layout, c.sequence);
  if (c.major == 0)
    Sheet().SwapMajorQuestions(c.a, c.b);
  else
    Sheet().SwapMinorQuestions(c.major, c.a, c.b);
  EXPECT_EQ(Names(), c.names);
  EXPECT_EQ(Numbers(), c.numbers);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwapTest,
    ::testing::Values(
        SWAP_CASE{"Q1 F1 Q2 F2 Q3 F3", 0, 0, 1, 3, "Q3 F3 Q2 F2 Q1 F1", "Q1 F1 Q2 F2 Q3 F3"},
        SWAP_CASE{"Q1 F1 Q2 F2 Q3 F3", 0, 0, 3, 1, "Q3 F3 Q2 F2 Q1 F1", "Q1 F1 Q2 F2 Q3 F3"},
        SWAP_CASE{"Q1 F1 Q2 F2 Q3 F3", 0, 0, 2, 2, "Q1 F1 Q2 F2 Q3 F3", "Q1 F1 Q2 F2 Q3 F3"},
        SWAP_CASE{"Q1 F1 Q1.1 F1.1 Q2 F2 Q3 F3", 0, 0, 1, 2, "Q2 F2 Q1 F1 Q1.1 F1.1 Q3 F3",
                  "Q1 F1 Q2 F2 Q2.1 F2.1 Q3 F3"},
        SWAP_CASE{"Q1 Q2 Q3 | F1 F2 F3 | A1 A2 A3 | E1 E2 E3", 1, 0, 1, 2,
                  "Q2 Q1 Q3 | F2 F1 F3 | A2 A1 A3 | E2 E1 E3", "Q1 Q2 Q3 | F1 F2 F3 | A1 A2 A3 | E1 E2 E3"},
        SWAP_CASE{"Q1 Q1.1 Q2 | F1 F1.1 F2 | A1 E1 A1.1 E1.1 A2 E2", 2, 0, 1, 2,
                  "Q2 Q1 Q1.1 | F2 F1 F1.1 | A2 E2 A1 E1 A1.1 E1.1", "Q1 Q2 Q2.1 | F1 F2 F2.1 | A1 E1 A2 E2 A2.1 E2.1"},
        SWAP_CASE{"Q1 Q2 | F1 A1 E1 F2 A2 E2", 3, 0, 2, 1, "Q2 Q1 | F2 A2 E2 F1 A1 E1", "Q1 Q2 | F1 A1 E1 F2 A2 E2"},
        // A question without parts, or without parts of one run, leaves those parts in place.
        SWAP_CASE{"Q1 F1 Q2 F2", 0, 0, 1, 5, "Q1 F1 Q2 F2", "Q1 F1 Q2 F2"},
        SWAP_CASE{"Q1 Q2 | F1", 1, 0, 1, 2, "Q2 Q1 | F1", "Q1 Q2 | F1"},
        SWAP_CASE{"Q1 F1 Q1.1 F1.1 Q1.2 F1.2 Q1.3 F1.3 Q2", 0, 1, 1, 3, "Q1 F1 Q1.3 F1.3 Q1.2 F1.2 Q1.1 F1.1 Q2",
                  "Q1 F1 Q1.1 F1.1 Q1.2 F1.2 Q1.3 F1.3 Q2"},
        SWAP_CASE{"Q1 Q1.1 Q1.2 Q2 | F1 F1.1 F1.2 F2", 1, 1, 2, 1, "Q1 Q1.2 Q1.1 Q2 | F1 F1.2 F1.1 F2",
                  "Q1 Q1.1 Q1.2 Q2 | F1 F1.1 F1.2 F2"}));

TEST_F(QuestionSheetTest, EachKindIsNumberedOnItsOwn) {
  // More major answer fields than questions, each with minors: the counters grow with them.
  Build("Q9 Q9.4 Q9.4 F7 F7.7 F3 F3.1 F3.1 F3 F3 F3 F3 F3.2 T A1.1 Q3", 0);
  Sheet().RenumberQuestions();
  EXPECT_EQ(Numbers(), "Q1 Q1.1 Q1.2 F1 F1.1 F2 F2.1 F2.2 F3 F4 F5 F6 F6.1 T A0.1 Q2");
}

TEST_F(QuestionSheetTest, RenumberingWithoutAQuestionChangesNothing) {
  Build("F4 A7 E2.2", 0);
  Sheet().RenumberQuestions();
  EXPECT_EQ(Numbers(), "F4 A7 E2.2");
}

TEST_F(QuestionSheetTest, MinorsOfOneMajorAreRenumberedWithTheirParts) {
  Build("Q2 Q2.5 F2.5 Q2.9 F2.9 A2.9 Q3.5", 0);
  Sheet().RenumberMinorQuestions(2);
  EXPECT_EQ(Numbers(), "Q2 Q2.1 F2.1 Q2.2 F2.2 A2.2 Q3.5");
  const std::vector<CEditSentence*> expected{Part(3), Part(4), Part(5)};
  EXPECT_EQ(Part(3)->m_listParts, expected);
}

TEST_F(QuestionSheetTest, CountsAndFindsParts) {
  Build("Q1 F1 Q1.1 Q1.2 F1.2 Q2 T", 0);
  EXPECT_EQ(Sheet().GetMajorQuestionCount(), 2);
  EXPECT_EQ(Sheet().GetMinorQuestionCount(1), 2);
  EXPECT_EQ(Sheet().GetMinorQuestionCount(2), 0);
  EXPECT_EQ(Sheet().GetMinorQuestionCount(3), 0);
  EXPECT_EQ(Sheet().FindMajorPart(1, 2), Part(1));
  EXPECT_EQ(Sheet().FindMajorPart(2, 0), Part(5));
  EXPECT_EQ(Sheet().FindMinorPart(1, 2, 0), Part(3));
  EXPECT_EQ(Sheet().FindMinorPart(1, 2, 2), Part(4));
  EXPECT_EQ(Sheet().FindMinorPart(1, 3, 0), nullptr);
}

}  // namespace
