#include <QImage>
#include <benchmark/benchmark.h>

#include "bench/support/BenchSheet.h"
#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "model/LayoutDC.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

using bench::BuildSheet;
using bench::kQuestions;

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
