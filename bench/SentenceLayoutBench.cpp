#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "model/EditSentence.h"
#include "model/LayoutDC.h"
#include "platform/DC.h"

namespace {

constexpr int kSentences = 200;
constexpr int kParagraphsPerSentence = 2;
constexpr char16_t kText[] = u"次の文章を読んで、後の問いに答えなさい。The quick brown fox jumps over the lazy dog. ";

std::vector<std::unique_ptr<CEditSentence>> BuildSheetText() {
  std::vector<std::unique_ptr<CEditSentence>> sentences;
  for (int s = 0; s < kSentences; ++s) {
    auto sentence = std::make_unique<CEditSentence>();
    sentence->m_nKind = 1 + s % 4;
    for (int p = 0; p < kParagraphsPerSentence; ++p) {
      for (const char16_t* c = kText; *c; ++c) sentence->AppendChild(new CEditChar(*c));
      sentence->AppendChild(new CEditCR);
    }
    sentences.push_back(std::move(sentence));
  }
  return sentences;
}

// One keystroke of a 20-page sheet: one character changed, every sentence measured and placed.
void BM_LayOutSheetAfterOneKeystroke(benchmark::State& state) {
  CLayoutDC dc;
  CCoordMapper mapper;
  auto sentences = BuildSheetText();
  auto layOut = [&] {
    int y = 0;
    for (auto& sentence : sentences) {
      EDIT_LAYOUT_PARAM measure{};
      measure.nWidth = 17000;
      measure.nPageHeight = 25000;
      measure.nY = y % 25000;
      sentence->Measure(&dc, &mapper, &measure);
      for (int b = 0; b < sentence->GetBoxCount(); ++b) {
        EDIT_LAYOUT_PARAM arrange{};
        arrange.nX = 2000;
        arrange.nY = y;
        arrange.nBox = b;
        sentence->Arrange(&arrange, 0);
      }
      y += sentence->m_nHeight;
    }
  };
  layOut();
  int changed = 0;
  for (auto _ : state) {
    CEditSentence& sentence = *sentences[size_t(changed++ % kSentences)];
    sentence.GetEditChildAt(3)->m_bNeedsMeasure = 1;
    layOut();
  }
}
BENCHMARK(BM_LayOutSheetAfterOneKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace
