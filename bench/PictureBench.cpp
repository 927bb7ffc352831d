#include <benchmark/benchmark.h>

#include <QImage>

#include <vector>

#include "platform/DibImage.h"

namespace {

// A picture as large as a scanned page, in the given DIB depth.
std::vector<BYTE> PageDib(int bits) {
  QImage image(2480, 3508, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
  if (bits == 8) image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
  if (bits == 1) image = image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
  return ImageToDib(image);
}

// Every drawing of a picture converts its DIB.
void BM_DibToImage(benchmark::State& state) {
  const std::vector<BYTE> dib = PageDib(int(state.range(0)));
  DIB_LAYOUT layout;
  ReadDibLayout(dib.data(), dib.size(), &layout);
  for (auto _ : state) {
    QImage image = DibToImage(dib.data(), dib.size(), dib.data() + layout.OffsetOfBits(), layout.bitsSize);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_DibToImage)->Arg(1)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond);

}  // namespace
