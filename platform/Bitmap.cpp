#include "platform/Bitmap.h"

#include <cstring>

#include "platform/DC.h"

namespace {

constexpr int kMaxSide = 32767;

}  // namespace

BOOL CBitmap::CreateBlank(int width, int height, int bitsPerPixel) {
  if (m_bCreated || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return FALSE;
  m_image = QImage(width, height, QImage::Format_RGB32);
  if (m_image.isNull()) return FALSE;
  m_image.fill(bitsPerPixel == 1 ? Qt::black : Qt::white);
  m_bitsPerPixel = bitsPerPixel;
  m_bCreated = true;
  return TRUE;
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32)) return FALSE;
  if (!CreateBlank(width, height, int(bitsPerPixel))) return FALSE;
  if (!bits) {
    m_image.fill(Qt::black);
    return TRUE;
  }
  const BYTE* data = static_cast<const BYTE*>(bits);
  if (bitsPerPixel == 32) {
    for (int y = 0; y < height; ++y) {
      std::memcpy(m_image.scanLine(y), data + size_t(y) * size_t(width) * 4, size_t(width) * 4);
    }
    return TRUE;
  }
  int stride = ((width + 15) / 16) * 2;
  for (int y = 0; y < height; ++y) {
    const BYTE* row = data + size_t(y) * size_t(stride);
    for (int x = 0; x < width; ++x) {
      bool white = row[x / 8] & (0x80 >> (x % 8));
      m_image.setPixel(x, y, white ? 0xFFFFFFFFu : 0xFF000000u);
    }
  }
  return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(const CDC* dc, int width, int height) {
  return CreateBlank(width, height, dc ? dc->BitsPerPixel() : 32);
}

PATTERN_ROWS CBitmap::BlackPixelRows() const {
  PATTERN_ROWS rows{};
  for (int y = 0; y < 8 && y < m_image.height(); ++y) {
    for (int x = 0; x < 8 && x < m_image.width(); ++x) {
      if (qGray(m_image.pixel(x, y)) < 128) rows[size_t(y)] |= BYTE(0x80 >> x);
    }
  }
  return rows;
}

void CBitmap::Clear() {
  m_image = QImage();
  m_bitsPerPixel = 32;
}
