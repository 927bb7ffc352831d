#pragma once
// A 20-page sheet built in code, the same for every benchmark.

#include <string>

#include "elements/EditKimeiran.h"
#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "model/EditCR.h"
#include "xmlformat/SheetReader.h"

namespace bench {

// About 25,000 characters on 20 A4 pages: 44 questions of 500 characters in short
// paragraphs, eleven of them with a table of 3 × 4 cells of 25 characters each.
constexpr int kQuestions = 44;
constexpr int kQuestionLength = 500;
constexpr int kParagraphLength = 25;
constexpr int kTableEvery = 4;
constexpr char16_t kText[] = u"次の文章を読んで、後の問いに答えなさい。春はあけぼの。やうやう白くなりゆく山ぎは、少しあかりて。";

inline void AppendChars(CEditNode& parent, int count, int before) {
  const std::u16string text(kText);
  for (int i = 0; i < count; ++i)
    parent.InsertChild(before < 0 ? parent.GetChildCount() : before, new CEditChar(text[size_t(i) % text.size()]));
}

inline CEditTable* MakeTable() {
  auto* table = new CEditTable;
  table->CreateCells(3, 4);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) AppendChars(*table->GetCell(r, c), 25, 0);
  return table;
}

inline void BuildSheet(CEditPrint& sheet) {
  const RECT margins{1500, 1500, 1500, 1500};
  sheet.SetMargins(&margins);
  auto* field = new CEditKimeiran;
  field->BuildDefaultNameField();
  sheet.m_nodePageKimeiran.AppendChild(field);
  sheet.SetNameFieldPage(1, 1);
  for (int q = 0; q < kQuestions; ++q) {
    auto* part = new CEditSentence;
    part->m_nKind = CEditSentence::KindQuestion;
    part->m_nMajor = q + 1;
    for (int p = 0; p < kQuestionLength / kParagraphLength; ++p) {
      AppendChars(*part, kParagraphLength, -1);
      part->AppendChild(new CEditCR);
    }
    if (q % kTableEvery == 0) {
      part->AppendChild(MakeTable());
      part->AppendChild(new CEditCR);
    }
    sheet.AppendChild(part);
  }
}

// The same sheet on the horizontal template, so that it can be written as sheet XML.
inline bool BuildSheetFile(CEditPrint& sheet) {
  if (!CSheetReader().LoadDefaultPrint(&sheet, FALSE)) return false;
  sheet.DeleteAllChildren();
  BuildSheet(sheet);
  return true;
}

}  // namespace bench
