#include <benchmark/benchmark.h>

#include <cstring>

#include "model/LayoutDC.h"
#include "platform/AnsiCodePage.h"
#include "platform/DC.h"

namespace {

// The layout measures each character by itself, in a font it has seen before.
void BM_ExtentOfOneCharacter(benchmark::State& state) {
  CLayoutDC dc;
  LOGFONTA lf{};
  lf.lfHeight = -371;
  lf.lfWeight = FW_NORMAL;
  std::strncpy(lf.lfFaceName, WideToAnsi(state.range(0) ? u"@ＭＳ 明朝" : u"ＭＳ Ｐ明朝").c_str(), LF_FACESIZE - 1);
  CFont font;
  font.CreateFontIndirect(&lf);
  dc.SelectObject(&font);
  const std::u16string text = u"漢文の訓点、テスト。（１）ーABC";
  SIZE size{};
  for (const char16_t c : text) dc.GetTextExtentPoint32W(&c, 1, &size);
  size_t i = 0;
  for (auto _ : state) {
    dc.GetTextExtentPoint32W(&text[i], 1, &size);
    benchmark::DoNotOptimize(size);
    i = (i + 1) % text.size();
  }
}
BENCHMARK(BM_ExtentOfOneCharacter)->Arg(0)->Arg(1);

// Selecting a font again, as each character's measurement does.
void BM_SelectFontAndMeasure(benchmark::State& state) {
  CLayoutDC dc;
  LOGFONTA lf{};
  lf.lfHeight = -371;
  std::strncpy(lf.lfFaceName, WideToAnsi(u"ＭＳ 明朝").c_str(), LF_FACESIZE - 1);
  CFont font;
  font.CreateFontIndirect(&lf);
  SIZE size{};
  for (auto _ : state) {
    CFont* old = dc.SelectObject(&font);
    dc.GetTextExtentPoint32W(u"あ", 1, &size);
    dc.SelectObject(old);
    benchmark::DoNotOptimize(size);
  }
}
BENCHMARK(BM_SelectFontAndMeasure);

}  // namespace
