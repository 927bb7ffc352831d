#include <gtest/gtest.h>

#include "tests/elements/QuestionSheetFixture.h"

namespace {

struct SEQUENCE_CASE {
  const char* layout;
  int from;
  int to;
  BOOL hideEmpty;
  const char* expected;
};

class FieldSequenceTest : public QuestionSheetTest, public ::testing::WithParamInterface<SEQUENCE_CASE> {};

TEST_P(FieldSequenceTest, RegroupsTheParts) {
  const SEQUENCE_CASE& c = GetParam();
  Build(c.layout, c.from);
  Sheet().SetFieldSequence(c.to, c.hideEmpty);
  EXPECT_EQ(Names(), c.expected);
  EXPECT_EQ(Sheet().m_nFieldSequence, c.to >= 1 && c.to <= 3 ? c.to : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldSequenceTest,
    ::testing::Values(
        // Every question followed by its parts; a missing answer leaves no gap; page breaks go.
        SEQUENCE_CASE{"Q1 Q2 | F1 F2 | A1", 1, 0, FALSE, "Q1 F1 A1 Q2 F2"},
        SEQUENCE_CASE{"Q1 Q2 | F1 F2 | A1 A2 | E1 E2", 1, 0, FALSE, "Q1 F1 A1 E1 Q2 F2 A2 E2"},
        SEQUENCE_CASE{"Q1 F1 A1 E1 Q2 F2 A2 E2", 0, 1, FALSE, "Q1 Q2 | F1 F2 | A1 A2 | E1 E2"},
        SEQUENCE_CASE{"Q1 F1 A1 E1 Q2 F2 A2 E2", 0, 2, FALSE, "Q1 Q2 | F1 F2 | A1 E1 A2 E2"},
        SEQUENCE_CASE{"Q1 F1 A1 E1 Q2 F2 A2 E2", 0, 3, FALSE, "Q1 Q2 | F1 A1 E1 F2 A2 E2"},
        SEQUENCE_CASE{"Q1 F1 Q2 F2", 0, 3, FALSE, "Q1 Q2 | F1 F2"},
        // Empty answers hide; no page break goes before a group that shows nothing.
        SEQUENCE_CASE{"Q1 F1 A1- E1 Q2 F2 A2- E2", 0, 1, TRUE, "Q1 Q2 | F1 F2 A1~ A2~ | E1 E2"},
        SEQUENCE_CASE{"Q1 F1- A1- E1- Q2 F2- A2- E2-", 0, 1, TRUE, "Q1 Q2 F1~ F2~ A1~ A2~ E1~ E2~"},
        // A hidden major part shows again for its minors only in the first list of the group
        // that shows one of them.
        SEQUENCE_CASE{"Q1 F1- A1- E1- Q1.1 F1.1 A1.1- E1.1", 0, 3, TRUE, "Q1 Q1.1 | F1 A1~ E1~ F1.1 A1.1~ E1.1"},
        SEQUENCE_CASE{"Q1 F1- A1- E1- Q1.1 F1.1 A1.1- E1.1", 0, 1, TRUE,
                      "Q1 Q1.1 | F1 F1.1 A1~ A1.1~ | E1 E1.1"},
        // Sequence 0 shows every part again, then hides the empty answer parts.
        SEQUENCE_CASE{"Q1 Q2 | F1 F2- | A1- A2", 1, 0, TRUE, "Q1 F1 A1~ Q2 F2~ A2"},
        // Children that are no question text stay in front of the question that follows them.
        SEQUENCE_CASE{"Q1 F1 T Q2 F2 T", 0, 0, FALSE, "Q1 F1 T Q2 F2 T"},
        SEQUENCE_CASE{"T Q1 T Q2 | F1 F2", 1, 0, FALSE, "T Q1 F1 T Q2 F2"},
        SEQUENCE_CASE{"Q1 F1 T Q2 F2", 0, 1, FALSE, "Q1 T Q2 | F1 F2"},
        // Values outside 1 to 3 mean 0.
        SEQUENCE_CASE{"Q1 | F1", 1, 4, FALSE, "Q1 F1"},
        SEQUENCE_CASE{"Q1 | F1", 1, -1, FALSE, "Q1 F1"}));

TEST_F(QuestionSheetTest, ASequenceOnlyRegroupsWhatWasHiddenWithoutHidingEmptyParts) {
  Build("Q1 F1- A1-", 0);
  Part(1)->m_bHidden = 2;
  Sheet().SetFieldSequence(1, FALSE);
  EXPECT_EQ(Names(), "Q1 F1~ | A1");
}

TEST_F(QuestionSheetTest, RegroupingMarksTheSheetForLayout) {
  Build("Q1 F1", 0);
  Sheet().m_bNeedsMeasure = 0;
  Part(0)->SetNeedsMeasureRecursive(0);
  Sheet().SetFieldSequence(1, FALSE);
  EXPECT_TRUE(Sheet().m_bNeedsMeasure);
  EXPECT_TRUE(Part(0)->GetEditChildAt(0)->m_bNeedsMeasure);
}

TEST_F(QuestionSheetTest, AStoredSequenceOutsideOneToThreeLaysOutAsZero) {
  Build("Q1 F1", 4);
  EXPECT_EQ(Sheet().GetFieldSequence(), 0);
  Sheet().InsertMajorQuestion(&m_caret, nullptr);
  EXPECT_EQ(Numbers(), "Q1 F1 Q2 F2 A1 E1");
  EXPECT_EQ(Sheet().m_nFieldSequence, 4);
}

}  // namespace
