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

QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
  return box;
}

QRect TurnedBox(const QRect& box, int across) {
  return QRect(QPoint(across - box.bottom(), box.left()), QPoint(across - box.top(), box.right()));
}

namespace {

bool Inked(const QImage& image, int x, int y) {
  return image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
}

bool InkNear(const QImage& image, int x, int y, int reach) {
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx)
      if (Inked(image, x + dx, y + dy)) return true;
  return false;
}

}  // namespace

QImage TurnedImage(const QImage& image, int across) {
  QImage turned(across + 1, image.width(), QImage::Format_RGB32);
  turned.fill(Qt::white);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Inked(image, x, y) && turned.valid(across - y, x)) turned.setPixel(across - y, x, image.pixel(x, y));
  return turned;
}

int InkAwayFrom(const QImage& a, const QImage& b, int reach) {
  int away = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (Inked(a, x, y) && !InkNear(b, x, y, reach)) ++away;
  return away;
}
