#include <gtest/gtest.h>

#include <string>

#include "tests/model/SentenceTestSupport.h"

namespace {

class EditSentenceLayoutTest : public ::testing::Test, public CSentenceLayoutFixture {
 protected:
  // The line number of every child, as a string of digits.
  static std::string LineNumbers(const CEditSentence& sentence) {
    std::string lines;
    for (int i = 0; i < sentence.GetChildCount(); ++i) lines += char('0' + Child(sentence, i)->m_nLine);
    return lines;
  }
  static int ArrangedX(const CEditSentence& sentence, int index) { return Child(sentence, index)->m_rcInk.left; }

  CEditSentence sentence;
};

TEST_F(EditSentenceLayoutTest, NumberedQuestionIndentsItsContinuationLinesAndItsAnswer) {
  CTestSheet sheet(1);
  CEditSentence* question = sheet.AddPart(CEditSentence::KindQuestion, 1);
  CSizedNode* number = AddQuestionNumber(*question, 1500);
  AddText(*question, u"あいうえおか\n");
  CEditSentence* answer = sheet.AddPart(CEditSentence::KindAnswer, 1);
  AddText(*answer, u"さしすせ\n");
  Layout(*question, {.nWidth = 5000});
  Layout(*answer, {.nWidth = 5000});

  EXPECT_EQ(LineNumbers(*question), "00001111");
  EXPECT_EQ(Line(*question, 0, 0).nIndent, 0);
  EXPECT_EQ(Line(*question, 0, 1).nIndent, 1500);
  EXPECT_EQ(number->m_arranged.nX, 1000);
  EXPECT_EQ(ArrangedX(*question, 1), 2500);  // あ after the number
  EXPECT_EQ(ArrangedX(*question, 4), 2500);  // え starts the second line under あ
  EXPECT_EQ(question->m_nSharedIndent, 1500);

  EXPECT_EQ(answer->m_nSharedIndent, 1500);
  EXPECT_EQ(LineNumbers(*answer), "00011");
  EXPECT_EQ(ArrangedX(*answer, 0), 2500);
  EXPECT_EQ(ArrangedX(*answer, 3), 2500);
}

TEST_F(EditSentenceLayoutTest, QuestionNumbersOfOtherPartsHideOnlyWhenPartsFollowTheirQuestion) {
  struct Case {
    int sequence;
    int kind;
    LONG hidden;
  };
  for (const Case& c : {Case{0, 1, 0}, Case{0, 3, 2}, Case{1, 3, 0}}) {
    CTestSheet sheet(c.sequence);
    CEditSentence* part = sheet.AddPart(c.kind, 1);
    CSizedNode* number = AddQuestionNumber(*part, 1500);
    number->m_bHidden = 1;
    AddLineEnd(*part);
    Measure(*part, {});
    EXPECT_EQ(number->m_bHidden, c.hidden) << "sequence " << c.sequence << " kind " << c.kind;
  }
}

TEST_F(EditSentenceLayoutTest, OnlyOneProhibitedCharacterStandsOut) {
  AddText(sentence, u"あいう。」え\n");
  Layout(sentence, {.nWidth = 3000});
  EXPECT_EQ(LineNumbers(sentence), "0000111");
  EXPECT_EQ(Line(sentence, 0, 0).props.m_nWidth, 4000);
  EXPECT_EQ(Line(sentence, 0, 0).nRemainWidth, -1000);
}

TEST_F(EditSentenceLayoutTest, ProhibitedCharacterAfterAnElementWithoutTextWraps) {
  AddSized(sentence, 3000);
  AddText(sentence, u"。\n");
  Layout(sentence, {.nWidth = 3000});
  EXPECT_EQ(LineNumbers(sentence), "011");
}

TEST_F(EditSentenceLayoutTest, EmptySentenceHasOneBoxWithoutLines) {
  Layout(sentence, {.nWidth = 5000, .nPageHeight = 3000});
  ASSERT_EQ(sentence.GetBoxCount(), 1);
  EXPECT_EQ(sentence.GetBox(0)->GetLineCount(), 0);
  EXPECT_EQ(sentence.m_nHeight, 0);
  EXPECT_EQ(sentence.m_nWidth, 5000);
}

TEST_F(EditSentenceLayoutTest, LatinWordsWrapAtTheirLastSpace) {
  AddText(sentence, u"ab cdef ghij\n");
  Layout(sentence, {.nWidth = 3000});
  EXPECT_EQ(LineNumbers(sentence), "0001111122222");
  EXPECT_EQ(Line(sentence, 0, 0).nLast, 2);
  EXPECT_EQ(Line(sentence, 0, 0).nCount, 3);
  EXPECT_EQ(Line(sentence, 0, 0).bWordWrapped, 1);
  EXPECT_EQ(Line(sentence, 0, 1).nFirst, 3);
  EXPECT_EQ(ArrangedX(sentence, 3), 1000);
}

// Also when a blank starts the line: a line of the blank alone would cut nothing.
TEST_F(EditSentenceLayoutTest, OverlongWordIsCutAtTheLimit) {
  struct Case {
    std::u16string text;
    std::string lines;
  } cases[] = {
      {u"abcdefgh\n", "000000111"},
      {u" abcdefgh\n", "0000001111"},
      {u"abcdef ghijklmn\n", "0000001111112222"},
  };
  for (const Case& c : cases) {
    CEditSentence wrapped;
    AddText(wrapped, c.text);
    Layout(wrapped, {.nWidth = 3000});
    EXPECT_EQ(LineNumbers(wrapped), c.lines);
    EXPECT_EQ(Line(wrapped, 0, 0).bWordWrapped, 0);
    EXPECT_EQ(Line(wrapped, 0, 0).bEndedByWidth, 1);
  }
}

TEST_F(EditSentenceLayoutTest, WrappedWordDoesNotKeepItsHeightOnThePreviousLine) {
  AddText(sentence, u"ab ");
  AddChar(sentence, u'C', 2000);
  AddText(sentence, u"d\n");
  Layout(sentence, {.nWidth = 2500});
  EXPECT_EQ(LineNumbers(sentence), "000111");
  EXPECT_EQ(Line(sentence, 0, 0).props.m_nHeight, 1000);
  EXPECT_EQ(Line(sentence, 0, 1).props.m_nHeight, 2000);
}

TEST_F(EditSentenceLayoutTest, JustifySpreadsOverTheBlanksAndLeavesTheLastLine) {
  AddText(sentence, u"あ あ あ あ\n", CBlockLineRelatedProperties::AlignJustify);
  Layout(sentence, {.nWidth = 5200});
  EXPECT_EQ(Line(sentence, 0, 0).nBlankCount, 2);
  for (auto [index, x] : {std::pair{0, 1000}, {1, 2000}, {2, 2850}, {3, 3850}, {4, 4700}, {5, 5700}, {6, 1000}})
    EXPECT_EQ(ArrangedX(sentence, index), x) << "child " << index;
}

TEST_F(EditSentenceLayoutTest, DistributeAddsTheSpareWidthBetweenCharacters) {
  AddText(sentence, u"あいう\n", CBlockLineRelatedProperties::AlignDistribute);
  Layout(sentence, {.nWidth = 3600});
  EXPECT_EQ(ArrangedX(sentence, 0), 1000);
  EXPECT_EQ(ArrangedX(sentence, 1), 2300);
  EXPECT_EQ(ArrangedX(sentence, 2), 3600);
}

TEST_F(EditSentenceLayoutTest, CentreAndRightAlignWithinTheBox) {
  for (auto [align, x] : {std::pair{CBlockLineRelatedProperties::AlignCenter, 1000 + 3000},
                          {CBlockLineRelatedProperties::AlignRight, 1000 + 6000}}) {
    CEditSentence s;
    AddText(s, u"あいうえ\n", align);
    Layout(s, {.nWidth = 10000});
    EXPECT_EQ(ArrangedX(s, 0), x) << "alignment " << align;
  }
}

// Six lines of 1000: 2000 of room left in the first column, then columns of 3000.
TEST_F(EditSentenceLayoutTest, SentenceIsCutIntoBoxesByThePageHeight) {
  for (int i = 0; i < 6; ++i) {
    AddSized(sentence, 1000);
    AddLineEnd(sentence);
  }
  Measure(sentence, {.nWidth = 5000, .nPageHeight = 3000, .nY = 1000});
  ASSERT_EQ(sentence.GetBoxCount(), 3);
  EXPECT_EQ(sentence.GetBox(0)->GetLineCount(), 2);
  EXPECT_EQ(sentence.GetBox(1)->GetLineCount(), 3);
  EXPECT_EQ(sentence.GetBox(2)->GetLineCount(), 1);
  EXPECT_EQ(sentence.GetBox(1)->m_props.m_nHeight, 3000);
  EXPECT_EQ(sentence.m_nHeight, 2000);
  EXPECT_EQ(Child(sentence, 4)->m_nBox, 1);
  EXPECT_EQ(Child(sentence, 4)->m_nLine, 0);
  EXPECT_EQ(Child(sentence, 10)->m_nBox, 2);

  Arrange(sentence, 1, 500, 0, 2);
  auto* first = static_cast<CSizedNode*>(Child(sentence, 4));
  EXPECT_EQ(first->m_arranged.nX, 500);
  EXPECT_EQ(first->m_arranged.nY, 0);
  EXPECT_EQ(first->m_nPage, 2);
  EXPECT_EQ(static_cast<CSizedNode*>(Child(sentence, 8))->m_arranged.nY, 2000);
}

// The sheet root moves such a box to the next column, so it then fills a whole column.
TEST_F(EditSentenceLayoutTest, TallLineGoesIntoTheEmptyFirstBox) {
  for (int i = 0; i < 4; ++i) {
    AddSized(sentence, 1000);
    AddLineEnd(sentence);
  }
  Measure(sentence, {.nWidth = 5000, .nPageHeight = 3000, .nY = 2500});
  ASSERT_EQ(sentence.GetBoxCount(), 2);
  EXPECT_EQ(sentence.GetBox(0)->GetLineCount(), 3);
  EXPECT_EQ(sentence.GetBox(1)->GetLineCount(), 1);
  EXPECT_EQ(sentence.m_nHeight, 3000);
}

// The column after the first carries a name field and has 2000 of room; later ones 3000.
class CNameFieldRooms : public CColumnRooms {
 public:
  int RoomOfColumnAfter(int k) const override { return k == 1 ? 2000 : 3000; }
};

TEST_F(EditSentenceLayoutTest, LaterBoxesTakeTheRoomOfTheirOwnColumns) {
  const CNameFieldRooms rooms;
  struct CASE {
    int nY;
    std::vector<int> lines;
  } cases[] = {
      {1000, {2, 2, 2}},  // box 1 goes below a name field
      {2500, {2, 3, 1}},  // the empty first box moves on into the column with the name field
  };
  for (const CASE& c : cases) {
    CEditSentence s;
    for (int i = 0; i < 6; ++i) {
      AddSized(s, 1000);
      AddLineEnd(s);
    }
    Measure(s, {.nWidth = 5000, .nPageHeight = 3000, .nY = c.nY, .pColumnRooms = &rooms});
    ASSERT_EQ(s.GetBoxCount(), int(c.lines.size())) << c.nY;
    for (int b = 0; b < s.GetBoxCount(); ++b)
      EXPECT_EQ(s.GetBox(b)->GetLineCount(), c.lines[size_t(b)]) << c.nY << " box " << b;
  }
}

TEST_F(EditSentenceLayoutTest, FloatStartingALineMovesWithItIntoTheNextBox) {
  AddSized(sentence, 1000);
  AddLineEnd(sentence);
  sentence.AppendChild(new CTestFloat(0, 300, 300));
  AddSized(sentence, 1000);
  AddLineEnd(sentence);
  auto* frame = new CTestFloat(0, 300, 300);
  sentence.AppendChild(frame);
  CSizedNode* moved = AddSized(sentence, 1000);
  AddLineEnd(sentence);
  AddSized(sentence, 1000);
  AddLineEnd(sentence);
  Measure(sentence, {.nWidth = 5000, .nPageHeight = 2000});
  ASSERT_EQ(sentence.GetBoxCount(), 2);
  EXPECT_EQ(frame->m_nBox, 1);
  EXPECT_EQ(moved->m_nBox, 1);
  EXPECT_EQ(moved->m_nLine, 0);

  Arrange(sentence, 0);
  EXPECT_EQ(frame->m_arranged.nPage, 0);
  Arrange(sentence, 1, 1000, 0, 2);
  EXPECT_EQ(frame->m_arranged.nPage, 2);
  EXPECT_EQ(frame->m_arranged.nY, 0);
  EXPECT_EQ(moved->m_arranged.nY, 0);
}

TEST_F(EditSentenceLayoutTest, RightFloatAtTheEndGetsAnEmptyLineAtTheRightEdge) {
  AddSized(sentence, 1000);
  AddLineEnd(sentence);
  auto* frame = new CTestFloat(2, 2000, 1500);
  sentence.AppendChild(frame);
  Layout(sentence, {.nWidth = 10000});
  ASSERT_EQ(sentence.GetBox(0)->GetLineCount(), 2);
  EXPECT_EQ(Line(sentence, 0, 1).nCount, 0);
  EXPECT_EQ(frame->m_arranged.nX, 1000 + 10000 - 2000);
  EXPECT_EQ(frame->m_arranged.nY, 2000 + 1000);
  EXPECT_EQ(sentence.m_nHeight, 2500);
}

// A float of side 0 stands at the start of the line before it, not where its text ended.
TEST_F(EditSentenceLayoutTest, FloatWithoutSideStandsAtTheLineStart) {
  struct Case {
    int align;
    int floatX;
  };
  for (const Case& c : {Case{0, 1000}, Case{1, 1000 + (10000 - 4000) / 2}, Case{2, 1000 + 10000 - 4000}}) {
    CEditSentence s;
    AddText(s, u"あいうえ\n", c.align);
    auto* frame = new CTestFloat(0, 2000, 500);
    s.AppendChild(frame);
    AddText(s, u"か\n");
    Layout(s, {.nWidth = 10000});
    EXPECT_EQ(frame->m_arranged.nX, c.floatX) << "align " << c.align;
    EXPECT_EQ(frame->m_arranged.nY, 2000 + 1000) << "align " << c.align;
    EXPECT_EQ(ArrangedX(s, 6), 1000) << "align " << c.align;  // か on its own flush-left paragraph
  }
}

TEST_F(EditSentenceLayoutTest, LinesBesideALeftFloatAreNarrowedAndShifted) {
  sentence.AppendChild(new CTestFloat(1, 2000, 1500));
  AddText(sentence, u"あいうえ\n");
  Layout(sentence, {.nWidth = 5000});
  EXPECT_EQ(LineNumbers(sentence), "000011");
  EXPECT_EQ(ArrangedX(sentence, 1), 1000 + 2000);
  EXPECT_EQ(ArrangedX(sentence, 4), 1000 + 2000);
}

TEST_F(EditSentenceLayoutTest, LineSpacingAddsAboveAndBelowEveryLine) {
  AddText(sentence, u"あ\nい\n");
  Layout(sentence, {.nWidth = 5000, .nLineSpacing = 71});
  EXPECT_EQ(Line(sentence, 0, 0).props.m_nHeight, 1142);
  EXPECT_EQ(Child(sentence, 2)->m_rcInk.top, 2000 + 1142 + 71);
  EXPECT_EQ(sentence.m_nHeight, 2284);
}

TEST_F(EditSentenceLayoutTest, AvailableWidthComesFromTheFixedWidth) {
  sentence.m_nAreaWidth = 2000;
  AddText(sentence, u"あいう\n");
  Layout(sentence, {.nWidth = 10000});
  EXPECT_EQ(sentence.m_nWidth, 2000);
  EXPECT_EQ(LineNumbers(sentence), "0011");
}

TEST_F(EditSentenceLayoutTest, HiddenSentenceKeepsNoBox) {
  AddText(sentence, u"あ\n");
  sentence.m_bHidden = 2;
  Layout(sentence, {.nWidth = 5000});
  EXPECT_EQ(sentence.GetBoxCount(), 0);
  EXPECT_EQ(sentence.m_nHeight, 0);
}

}  // namespace
