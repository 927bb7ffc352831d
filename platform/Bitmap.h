#pragma once
// A device-dependent bitmap. Its pixels live in a 32-bit image; a monochrome bitmap keeps
// only black and white in it and reports one bit per pixel.

#include <QImage>

#include "platform/Brush.h"
#include "platform/GdiObject.h"

class CBitmap : public CGdiObject {
 public:
  CBitmap() = default;

  // Monochrome (1 plane, 1 bit) or 32-bit; rows of bits are padded to 16 bits, the first
  // row on top, a set bit white. Null bits give a black bitmap.
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
  // As the bitmap the context draws into: monochrome for a fresh memory context.
  BOOL CreateCompatibleBitmap(const CDC* dc, int width, int height);

  int Width() const { return m_image.width(); }
  int Height() const { return m_image.height(); }
  int BitsPerPixel() const { return m_bitsPerPixel; }
  // The black pixels of the top-left 8 x 8 corner (outside the bitmap counts as white).
  PATTERN_ROWS BlackPixelRows() const;
  QImage& Image() { return m_image; }
  const QImage& Image() const { return m_image; }

 protected:
  void Clear() override;

 private:
  BOOL CreateBlank(int width, int height, int bitsPerPixel);

  QImage m_image;
  int m_bitsPerPixel = 32;
};
