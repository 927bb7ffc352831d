#include <QImage>
#include <benchmark/benchmark.h>

#include <string>

#include "elements/EditKimeiran.h"
#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "model/LayoutDC.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

// About 25,000 characters on 20 A4 pages: 44 questions of 500 characters in short
// paragraphs, eleven of them with a table of 3 × 4 cells of 25 characters each.
constexpr int kQuestions = 44;
constexpr int kQuestionLength = 500;
constexpr int kParagraphLength = 25;
constexpr int kTableEvery = 4;
constexpr char16_t kText[] = u"次の文章を読んで、後の問いに答えなさい。春はあけぼの。やうやう白くなりゆく山ぎは、少しあかりて。";

void AppendChars(CEditNode& parent, int count, int before) {
  const std::u16string text(kText);
  for (int i = 0; i < count; ++i)
    parent.InsertChild(before < 0 ? parent.GetChildCount() : before, new CEditChar(text[size_t(i) % text.size()]));
}

CEditTable* MakeTable() {
  auto* table = new CEditTable;
  table->CreateCells(3, 4);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) AppendChars(*table->GetCell(r, c), 25, 0);
  return table;
}

void BuildSheet(CEditPrint& sheet) {
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

struct SHEET_FIXTURE {
  CLayoutDC dc;
  CCoordMapper mapper;
  CEditPrint sheet;

  SHEET_FIXTURE() {
    BuildSheet(sheet);
    LayOut();
  }
  void LayOut() {
    sheet.Measure(&dc, &mapper, nullptr);
    EDIT_LAYOUT_PARAM arrange{};
    sheet.Arrange(&arrange, 0);
  }
};

// What every keystroke costs: one character changed, the whole sheet measured and placed.
void BM_SheetRelayoutAfterOneKeystroke(benchmark::State& state) {
  SHEET_FIXTURE f;
  int changed = 0;
  for (auto _ : state) {
    auto* part = dynamic_cast<CEditNode*>(f.sheet.GetChildAt(changed++ % kQuestions));
    part->GetEditChildAt(7)->m_bNeedsMeasure = 1;
    f.LayOut();
  }
  state.counters["pages"] = f.sheet.m_nPageCount;
}
BENCHMARK(BM_SheetRelayoutAfterOneKeystroke)->Unit(benchmark::kMillisecond);

// Every character measured again, as after a change of the page setup.
void BM_SheetRelayoutFromScratch(benchmark::State& state) {
  SHEET_FIXTURE f;
  for (auto _ : state) {
    f.sheet.SetNeedsMeasure(TRUE);
    f.LayOut();
  }
}
BENCHMARK(BM_SheetRelayoutFromScratch)->Unit(benchmark::kMillisecond);

void BM_DrawOnePage(benchmark::State& state) {
  SHEET_FIXTURE f;
  QImage page(794, 1123, QImage::Format_RGB32);
  CDC pageDC(MakeImageBackend(&page));
  f.mapper.SetResolution(96, 96, 100);
  EDIT_LAYOUT_PARAM print{};
  print.nPage = 2;
  f.sheet.ArrangePage(&print, 0);
  for (auto _ : state) {
    page.fill(Qt::white);
    f.sheet.DrawPage(&pageDC, &f.mapper, &print);
  }
}
BENCHMARK(BM_DrawOnePage)->Unit(benchmark::kMillisecond);

}  // namespace
