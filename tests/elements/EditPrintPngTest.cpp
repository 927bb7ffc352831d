#include <gtest/gtest.h>

#include <string>

#include "elements/EditFloat.h"
#include "tests/support/TestPaths.h"
#include "elements/EditKaiPage.h"
#include "elements/EditKimeiran.h"
#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "model/EditCR.h"
#include "tests/elements/SheetPages.h"

namespace {

constexpr char16_t kPassage[] =
    u"次の文章を読んで、後の問いに答えなさい。春はあけぼの。やうやう白くなりゆく山ぎは、少しあかりて、"
    u"紫だちたる雲の細くたなびきたる。夏は夜。月のころはさらなり、やみもなほ、蛍の多く飛びちがひたる。";
void AppendText(CEditNode& parent, const std::u16string& text) {
  for (char16_t c : text) {
    if (c == u'\n')
      parent.AppendChild(new CEditCR);
    else
      parent.AppendChild(new CEditChar(c));
  }
}

std::u16string Repeat(int times) {
  std::u16string text;
  for (int i = 0; i < times; ++i) text += kPassage;
  return text;
}

CEditSentence* AddPart(CEditPrint& sheet, int kind, int major) {
  auto* part = new CEditSentence;
  part->m_nKind = kind;
  part->m_nMajor = major;
  sheet.AppendChild(part);
  return part;
}

CEditTable* MakeTable() {
  auto* table = new CEditTable;
  table->CreateCells(2, 3);
  const char16_t* texts[] = {u"語句", u"読み", u"意味", u"あけぼの", u"あけぼの", u"夜明け"};
  for (int i = 0; i < 6; ++i) {
    CEditNode* cell = table->GetCell(i / 3, i % 3);
    for (const char16_t* c = texts[i]; *c; ++c) cell->InsertChild(cell->GetChildCount() - 1, new CEditChar(*c));
  }
  return table;
}

CEditFloat* MakeFloat() {
  auto* frame = new CEditFloat;
  frame->m_floatDim.m_nAreaHeight = 2;
  AppendText(*frame, u"注：「あけぼの」は\n夜がほのぼのと\n明けるころ。\n");
  return frame;
}

// Three pages: a long first question over pages 1 and 2, a table and a text frame, a page
// break, then the answers on page 3; the default name field on page 1.
void BuildSheet(CEditPrint& sheet) {
  auto* field = new CEditKimeiran;
  field->BuildDefaultNameField();
  sheet.m_nodePageKimeiran.AppendChild(field);
  sheet.SetNameFieldPage(1, 1);
  const RECT margins{1500, 1500, 1500, 1500};
  sheet.SetMargins(&margins);

  AppendText(*AddPart(sheet, CEditSentence::KindQuestion, 1), u"問一　" + Repeat(30) + u"\n");
  CEditSentence* second = AddPart(sheet, CEditSentence::KindQuestion, 2);
  AppendText(*second, u"問二　次の表を完成させなさい。\n");
  second->AppendChild(MakeTable());
  AppendText(*second, u"\n");
  CEditSentence* third = AddPart(sheet, CEditSentence::KindQuestion, 3);
  third->AppendChild(MakeFloat());
  AppendText(*third, u"問三　" + Repeat(4) + u"\n");
  auto* pageBreak = new CEditKaiPage;
  pageBreak->Init();
  sheet.AppendChild(pageBreak);
  AppendText(*AddPart(sheet, CEditSentence::KindAnswer, 1), u"解答　" + Repeat(3) + u"\n");
}

using EditPrintPngTest = SheetPngTest;

TEST_P(EditPrintPngTest, DrawsPagesOneAndTwoForAPersonToLookAt) {
  BuildSheet(*m_sheet);
  LayOutSheet(*m_sheet, Vertical());
  EXPECT_EQ(m_sheet->m_nPageCount, 3);
  for (int number = 1; number <= 2; ++number) {
    const std::string name = BuildPath("sheet-") + Direction() + "-page" + std::to_string(number) + ".png";
    EXPECT_TRUE(SavePagePng(*m_sheet, Vertical(), number, name));
  }
}

INSTANTIATE_TEST_SUITE_P(BothDirections, EditPrintPngTest, ::testing::Values(0, 1));

}  // namespace
