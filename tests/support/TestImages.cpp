#include "tests/support/TestImages.h"

#include <algorithm>
#include <cstdlib>

QImage GradientImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 6 % 256, y * 12 % 256, (x + y) * 4 % 256));
  return image;
}

int MaxPixelDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 256;
  int worst = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
    }
  }
  return worst;
}
