#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "elements/EditGai.h"
#include "elements/EditKaiPage.h"
#include "elements/EditPrint.h"
#include "model/FoBlockContainer.h"
#include "model/FoPageElements.h"
#include "model/XslElements.h"
#include "tests/support/StringWPrint.h"

namespace {

struct PART_NUMBERS {
  int major;
  int minor;
  int kind;
};

class EditPrintPathsTest : public ::testing::Test {
 protected:
  EditPrintPathsTest() { sheet.m_pBodyFlow = std::make_unique<CFoFlow>(); }

  CEditSentence* AddQuestionPart(PART_NUMBERS n) {
    auto* part = new CEditSentence;
    part->m_nMajor = n.major;
    part->m_nMinor = n.minor;
    part->m_nKind = n.kind;
    sheet.AppendChild(part);
    return part;
  }
  CEditGai* AddTextBox() {
    auto* box = new CEditGai;
    sheet.AppendChild(box);
    return box;
  }
  CEditKaiPage* AddPageBreak() {
    auto* page = new CEditKaiPage;
    sheet.AppendChild(page);
    return page;
  }
  void AddEntry(const char16_t* select) {
    auto* entry = new CXslApplyTemplates;
    entry->m_strSelect = select;
    sheet.m_pBodyFlow->AppendChild(entry);
  }
  CQVXMLNode* Entry(int i) const { return sheet.m_pBodyFlow->GetChildAt(i); }
  CStringW Select(int i) const {
    auto* entry = dynamic_cast<CXslApplyTemplates*>(Entry(i));
    return entry ? entry->m_strSelect : CStringW(u"(not a template call)");
  }

  CEditPrint sheet;
};

TEST_F(EditPrintPathsTest, WritesOnePathPerPartAndABlockPerPageBreak) {
  AddQuestionPart({1, 0, 1});
  AddTextBox();
  AddPageBreak();
  AddTextBox();
  AddQuestionPart({2, 3, 4});
  AddEntry(u"/stale");

  ASSERT_TRUE(sheet.WritePartPaths());
  ASSERT_EQ(sheet.m_pBodyFlow->GetChildCount(), 5);
  EXPECT_EQ(Select(0), u"/print/dmon[1]/mon/dai");
  EXPECT_EQ(Select(1), u"/print/gai[1]");
  auto* pageBreak = dynamic_cast<CFoBlockContainer*>(Entry(2));
  ASSERT_NE(pageBreak, nullptr);
  EXPECT_EQ(pageBreak->m_nBreakAfter, CFoBlockContainer::BreakAfterPage);
  EXPECT_EQ(Select(3), u"/print/gai[2]");
  EXPECT_EQ(Select(4), u"/print/dmon[2]/smon[3]/setsu");

  auto* question = dynamic_cast<CXslApplyTemplates*>(Entry(4));
  EXPECT_EQ(question->m_nPartType, int(NTYPE_EDITSENTENCE));
  EXPECT_EQ(question->m_nMajor, 2);
  EXPECT_EQ(question->m_nMinor, 3);
  EXPECT_EQ(question->m_nPartKind, 4);
  auto* textBox = dynamic_cast<CXslApplyTemplates*>(Entry(1));
  EXPECT_EQ(textBox->m_nPartType, int(NTYPE_EDITGAI));
  EXPECT_EQ(textBox->m_nPartKind, 5);
}

TEST_F(EditPrintPathsTest, WritingFailsAtAPartItCannotName) {
  EXPECT_FALSE(sheet.WritePartPaths());  // no parts

  AddQuestionPart({1, 0, 2});
  AddQuestionPart({1, 0, 5});
  EXPECT_FALSE(sheet.WritePartPaths());
  ASSERT_EQ(sheet.m_pBodyFlow->GetChildCount(), 1);  // what came before stays
  EXPECT_EQ(Select(0), u"/print/dmon[1]/mon/ran");

  CEditPrint other;
  other.AppendChild(new CEditSentence);
  EXPECT_FALSE(other.WritePartPaths());  // no flow
}

TEST_F(EditPrintPathsTest, WritingRefusesNumbersThatCouldNotBeReadBack) {
  AddQuestionPart({-1, 0, 1});
  EXPECT_FALSE(sheet.WritePartPaths());
  sheet.DeleteAllChildren();
  sheet.AppendChild(new CEditContainer(NTYPE_EDITFLOAT));
  EXPECT_FALSE(sheet.WritePartPaths());
}

TEST_F(EditPrintPathsTest, ReadsNumbersAndKindsOfAbsoluteAndRelativePaths) {
  struct Case {
    const char16_t* select;
    PART_NUMBERS expected;
  } cases[] = {
      {u"/print/dmon[3]/mon/kai", {3, 0, 3}},
      {u"/print/dmon[2]/smon[4]/setsu", {2, 4, 4}},
      {u"print/dmon[1]/mon/dai", {1, 0, 1}},
      {u"print/dmon[1]/smon[2]/ran", {1, 2, 2}},
      {u"{/print/dmon[12]/mon/dai}", {12, 0, 1}},
  };
  for (const Case& c : cases) {
    AddQuestionPart({0, 0, 0});
    AddEntry(c.select);
  }
  ASSERT_TRUE(sheet.ReadPartPaths());
  for (int i = 0; i < int(std::size(cases)); ++i) {
    auto* part = dynamic_cast<CEditSentence*>(sheet.GetChildAt(i));
    EXPECT_EQ(part->m_nMajor, cases[i].expected.major) << i;
    EXPECT_EQ(part->m_nMinor, cases[i].expected.minor) << i;
    EXPECT_EQ(part->m_nKind, cases[i].expected.kind) << i;
  }
}

TEST_F(EditPrintPathsTest, WrittenPathsReadBack) {
  AddQuestionPart({1, 0, 1});
  AddQuestionPart({1, 2, 3});
  CEditGai* box = AddTextBox();
  CEditKaiPage* page = AddPageBreak();
  ASSERT_TRUE(sheet.WritePartPaths());
  for (int i = 0; i < sheet.GetChildCount(); ++i) {
    auto* part = dynamic_cast<CEditSentence*>(sheet.GetChildAt(i));
    part->m_nMajor = part->m_nMinor = part->m_nKind = 0;
  }
  ASSERT_TRUE(sheet.ReadPartPaths());
  auto* minor = dynamic_cast<CEditSentence*>(sheet.GetChildAt(1));
  EXPECT_EQ(minor->m_nMajor, 1);
  EXPECT_EQ(minor->m_nMinor, 2);
  EXPECT_EQ(minor->m_nKind, 3);
  EXPECT_EQ(box->m_nKind, 5);
  EXPECT_EQ(page->m_nKind, 6);
}

TEST_F(EditPrintPathsTest, UnreadablePathsFailAndLeaveThePartAlone) {
  const char16_t* bad[] = {
      u"/print/dmon[2]/mon/other",   // no kind word: the kind stays
      u"/print/dmon[-3]/mon/dai",    // negative numbers are refused
      u"/print/dmon[1]/smon[-1]/dai",
      u"/print/dmon[1]/mon",         // too few steps
  };
  for (const char16_t* select : bad) {
    CEditPrint one;
    one.m_pBodyFlow = std::make_unique<CFoFlow>();
    auto* part = new CEditSentence;
    part->m_nMajor = 7;
    part->m_nKind = 2;
    one.AppendChild(part);
    auto* entry = new CXslApplyTemplates;
    entry->m_strSelect = select;
    one.m_pBodyFlow->AppendChild(entry);
    EXPECT_FALSE(one.ReadPartPaths()) << testing::PrintToString(CStringW(select));
    EXPECT_EQ(part->m_nMajor, 7);
    EXPECT_EQ(part->m_nKind, 2);
  }
}

TEST_F(EditPrintPathsTest, ReadingFailsOnMismatchesButKeepsEarlierParts) {
  EXPECT_FALSE(sheet.ReadPartPaths());  // empty flow

  CEditSentence* first = AddQuestionPart({0, 0, 0});
  AddTextBox();
  AddEntry(u"/print/dmon[4]/mon/dai");
  AddEntry(u"/print/dmon[1]/mon/dai");  // a text box needs a gai step
  EXPECT_FALSE(sheet.ReadPartPaths());
  EXPECT_EQ(first->m_nMajor, 4);

  sheet.m_pBodyFlow->DeleteChildAt(1);
  sheet.m_pBodyFlow->AppendChild(new CFoFlow);  // neither a template call nor a block
  EXPECT_FALSE(sheet.ReadPartPaths());

  sheet.m_pBodyFlow->DeleteChildAt(1);
  sheet.m_pBodyFlow->AppendChild(new CFoBlockContainer);  // a page break's entry for a text box
  EXPECT_FALSE(sheet.ReadPartPaths());
  sheet.m_pBodyFlow->DeleteChildAt(0);
  sheet.m_pBodyFlow->InsertChild(0, new CFoBlockContainer);  // and for a question
  sheet.DeleteChildAt(1);
  EXPECT_FALSE(sheet.ReadPartPaths());
  EXPECT_EQ(first->m_nKind, 1);
}

// A part past the flow's entries would have no path to be written under.
TEST_F(EditPrintPathsTest, ReadingFailsForAPartWithoutEntry) {
  AddQuestionPart({0, 0, 0});
  AddQuestionPart({0, 0, 0});
  AddEntry(u"/print/dmon[1]/mon/dai");
  EXPECT_FALSE(sheet.ReadPartPaths());
}

TEST_F(EditPrintPathsTest, ReadsAsManyPartsAsBothListsHold) {
  AddQuestionPart({0, 0, 0});
  AddEntry(u"/print/dmon[1]/mon/dai");
  AddEntry(u"/print/dmon[2]/mon/dai");
  EXPECT_TRUE(sheet.ReadPartPaths());
  auto* part = dynamic_cast<CEditSentence*>(sheet.GetChildAt(0));
  EXPECT_EQ(part->m_nMajor, 1);
}

}  // namespace
