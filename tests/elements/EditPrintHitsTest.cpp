#include <gtest/gtest.h>

#include <vector>

#include "elements/EditFloat.h"
#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "tests/elements/SheetTestParts.h"
#include "tests/model/SentenceTestSupport.h"
#include "tests/support/RecordingBackend.h"

namespace {

// A4 with 1000 margins: the first page's printable area starts at (1500, 1500).
class EditPrintHitsTest : public ::testing::Test {
 protected:
  EditPrintHitsTest() {
    const RECT margins{1000, 1000, 1000, 1000};
    sheet.SetMargins(&margins);
    sheet.m_nLineSpacing = 0;
  }
  CEditSentence* AddQuestion(const std::u16string& text, int major = 1) {
    auto* part = new CEditSentence;
    part->m_nKind = CEditSentence::KindQuestion;
    part->m_nMajor = major;
    AddText(*part, text);
    sheet.AppendChild(part);
    return part;
  }
  void Layout() {
    sheet.Measure(&dc, &mapper, nullptr);
    EDIT_LAYOUT_PARAM arrange{};
    sheet.Arrange(&arrange, 0);
  }

  CEditPrint sheet;
  CRecordingDC dc;
  CCoordMapper mapper;
};

TEST_F(EditPrintHitsTest, ClicksBesideALineSnapToItsEnds) {
  CEditSentence* part = AddQuestion(u"あいう\nかき\n");
  Layout();
  CEditNode* first = part->GetEditChildAt(0);
  CEditNode* ka = part->GetEditChildAt(4);
  CEditNode* secondEnd = part->GetEditChildAt(6);
  const int y = (ka->m_rcInk.top + ka->m_rcInk.bottom) / 2;
  int after = -1;
  EXPECT_EQ(sheet.NodeFromPoint(600, (first->m_rcInk.top + first->m_rcInk.bottom) / 2, &after), first);
  EXPECT_EQ(sheet.NodeFromPoint(600, y, &after), ka);
  EXPECT_EQ(sheet.NodeFromPoint(1500 + 19000 + 200, y, &after), secondEnd);
  EXPECT_EQ(sheet.NodeFromPoint(600, 100, &after), nullptr);
}

TEST_F(EditPrintHitsTest, ChildFromPointTellsWhichHalfWasHit) {
  auto* part = new CTestPart(kTestPartType, {{1000, 400}});
  sheet.AppendChild(part);
  Layout();
  const RECT ink = part->m_rcInk;
  const int middle = ink.left + (ink.right - ink.left) / 2;
  BOOL after = -1;
  EXPECT_EQ(sheet.ChildFromPoint(middle, ink.top, &after), part);
  EXPECT_EQ(after, FALSE);
  EXPECT_EQ(sheet.ChildFromPoint(middle + 1, ink.top, &after), part);
  EXPECT_EQ(after, TRUE);
  EXPECT_EQ(sheet.ChildFromPoint(ink.right, ink.top, &after), nullptr);
  EXPECT_EQ(sheet.ChildFromPoint(ink.left, ink.bottom, &after), nullptr);
}

TEST_F(EditPrintHitsTest, PageNameFieldFromPointAnswersTheCopyHit) {
  sheet.SetNameFieldPage(1, 1);
  auto* field = new CEditKimeiran;
  AddText(*field, u"名前\n");
  sheet.m_nodePageKimeiran.AppendChild(field);
  AddQuestion(u"問\n");
  Layout();
  const RECT ink = field->GetEditChildAt(0)->m_rcInk;
  int after = 0;
  EXPECT_EQ(sheet.PageNameFieldFromPoint(ink.left + 1, ink.top + 1, &after), field);
  EXPECT_EQ(sheet.PageNameFieldFromPoint(ink.left + 1, ink.top + 5000, &after), nullptr);
}

TEST_F(EditPrintHitsTest, QuestionPartsAndTheEmptyFrameOfTheLastPart) {
  CEditSentence* q1 = AddQuestion(u"\n", 1);
  CEditSentence* q2 = AddQuestion(u"\n", 2);
  auto* answer = new CEditSentence;
  answer->m_nKind = CEditSentence::KindAnswer;
  answer->m_nMajor = 1;
  sheet.AppendChild(answer);
  std::vector<CEditSentence*> parts{q2};
  EXPECT_EQ(sheet.GetQuestionParts(q1, parts), 2);
  EXPECT_EQ(parts, (std::vector<CEditSentence*>{q1, answer}));

  EXPECT_EQ(sheet.FindEmptyFloat(), nullptr);
  auto* early = new CEditFloat;
  q1->InsertChild(0, early);
  auto* late = new CEditFloat;
  late->AppendChild(new CEditCR);
  q2->InsertChild(0, late);
  EXPECT_EQ(sheet.FindEmptyFloat(), late);
  late->AppendChild(new CEditCR);
  EXPECT_EQ(sheet.FindEmptyFloat(), early);
}

}  // namespace
