#include "platform/DibImage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr LONG kMaxSide = 65535;

bool IsValidBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The colour of every value a table-indexed pixel can hold; values past the table are black.
using INDEXED_COLOURS = std::array<QRgb, 256>;

INDEXED_COLOURS IndexedColours(const BYTE* table, const DIB_LAYOUT& layout) {
  INDEXED_COLOURS colours;
  colours.fill(qRgb(0, 0, 0));
  const size_t count = layout.bitCount <= 8 ? std::min(layout.colorCount, colours.size()) : 0;
  for (size_t i = 0; i < count; ++i) {
    const BYTE* entry = table + i * layout.colorEntrySize;
    colours[i] = qRgb(entry[2], entry[1], entry[0]);
  }
  return colours;
}

// One colour of a 16- or 32-bit pixel: its bits under the mask, scaled to 0..255.
class CHANNEL {
 public:
  explicit CHANNEL(DWORD mask) : m_mask(mask) {
    while (mask && !(mask & 1)) {
      mask >>= 1;
      ++m_shift;
    }
    m_max = mask;
  }
  int Of(DWORD pixel) const {
    return m_max ? int(uint64_t((pixel & m_mask) >> m_shift) * 255 / m_max) : 0;
  }
  bool IsByte(int shift) const { return m_mask == DWORD(0xFF) << shift; }

 private:
  DWORD m_mask;
  int m_shift = 0;
  DWORD m_max = 0;
};

struct CHANNELS {
  CHANNEL red, green, blue;
  bool AreBytes() const { return red.IsByte(16) && green.IsByte(8) && blue.IsByte(0); }
};

CHANNELS ReadChannels(const BYTE* header, const DIB_LAYOUT& layout) {
  if (layout.compression == BI_BITFIELDS) {
    DWORD masks[3];
    std::memcpy(masks, header + (layout.masksSize ? layout.headerSize : 40), sizeof masks);
    return CHANNELS{CHANNEL(masks[0]), CHANNEL(masks[1]), CHANNEL(masks[2])};
  }
  if (layout.bitCount == 16) return CHANNELS{CHANNEL(0x7C00), CHANNEL(0x03E0), CHANNEL(0x001F)};
  return CHANNELS{CHANNEL(0xFF0000), CHANNEL(0x00FF00), CHANNEL(0x0000FF)};
}

// Whole pixels of bytes in blue, green, red order, bytesPerPixel apart.
void ConvertBgrRow(const BYTE* row, QRgb* line, int width, int bytesPerPixel) {
  for (int x = 0; x < width; ++x, row += bytesPerPixel) line[x] = qRgb(row[2], row[1], row[0]);
}

void ConvertMaskedRow(const BYTE* row, QRgb* line, int width, int bitCount, const CHANNELS& channels) {
  const size_t bytes = size_t(bitCount / 8);
  for (int x = 0; x < width; ++x, row += bytes) {
    DWORD pixel = 0;
    std::memcpy(&pixel, row, bytes);
    line[x] = qRgb(channels.red.Of(pixel), channels.green.Of(pixel), channels.blue.Of(pixel));
  }
}

void ConvertRow(const BYTE* row, QRgb* line, int width, int bitCount, const INDEXED_COLOURS& colours,
                const CHANNELS& channels) {
  switch (bitCount) {
    case 1:
      for (int x = 0; x < width; ++x) line[x] = colours[(row[x >> 3] >> (7 - (x & 7))) & 1];
      return;
    case 4:
      for (int x = 0; x < width; ++x) line[x] = colours[(row[x >> 1] >> (x & 1 ? 0 : 4)) & 0x0F];
      return;
    case 8:
      for (int x = 0; x < width; ++x) line[x] = colours[row[x]];
      return;
    case 24: return ConvertBgrRow(row, line, width, 3);
    default: break;
  }
  if (bitCount == 32 && channels.AreBytes()) return ConvertBgrRow(row, line, width, 4);
  ConvertMaskedRow(row, line, width, bitCount, channels);
}

}  // namespace

bool ReadDibLayout(const void* header, size_t size, DIB_LAYOUT* layout) {
  if (!header || size < sizeof(DWORD)) return false;
  DWORD headerSize = 0;
  std::memcpy(&headerSize, header, sizeof headerSize);
  DIB_LAYOUT l{};
  if (headerSize == sizeof(BITMAPCOREHEADER) && size >= headerSize) {
    BITMAPCOREHEADER core;
    std::memcpy(&core, header, sizeof core);
    l = DIB_LAYOUT{core.bcWidth, core.bcHeight, core.bcBitCount, BI_RGB, headerSize, 0, 3, 0, 0, 0};
    if (core.bcPlanes != 1) return false;
  } else if (headerSize >= sizeof(BITMAPINFOHEADER) && headerSize <= 1024 && size >= headerSize) {
    BITMAPINFOHEADER info;
    std::memcpy(&info, header, sizeof info);
    l = DIB_LAYOUT{info.biWidth, info.biHeight, info.biBitCount, info.biCompression, headerSize, info.biClrUsed, 4, 0, 0, 0};
    if (info.biCompression != BI_RGB && info.biCompression != BI_BITFIELDS) return false;
    if (info.biCompression == BI_BITFIELDS) {
      if (l.bitCount != 16 && l.bitCount != 32) return false;
      // Masks follow a 40-byte header or lie within a longer one, which must then hold all three.
      if (headerSize == sizeof(BITMAPINFOHEADER)) l.masksSize = 12;
      else if (headerSize < sizeof(BITMAPINFOHEADER) + 3 * sizeof(DWORD)) return false;
    }
  } else {
    return false;
  }
  if (!IsValidBitCount(l.bitCount) || l.width <= 0 || l.width > kMaxSide || l.height == 0 ||
      l.height > kMaxSide || l.height < -kMaxSide) {
    return false;
  }
  if (l.colorCount == 0 && l.bitCount <= 8) l.colorCount = size_t(1) << l.bitCount;
  if (l.colorCount > 256 && l.bitCount <= 8) return false;
  if (l.colorCount > 65536) return false;
  l.stride = ((size_t(l.width) * size_t(l.bitCount) + 31) / 32) * 4;
  l.bitsSize = l.stride * size_t(l.height < 0 ? -l.height : l.height);
  if (l.OffsetOfBits() > size) return false;
  *layout = l;
  return true;
}

QImage DibToImage(const void* header, size_t headerBlockSize, const void* bits, size_t bitsSize) {
  DIB_LAYOUT layout;
  if (!ReadDibLayout(header, headerBlockSize, &layout) || !bits || bitsSize < layout.bitsSize) return QImage();
  const BYTE* base = static_cast<const BYTE*>(header);
  const BYTE* table = base + layout.headerSize + layout.masksSize;
  const INDEXED_COLOURS colours = IndexedColours(table, layout);
  const CHANNELS channels = ReadChannels(base, layout);
  int width = int(layout.width);
  int height = int(layout.height < 0 ? -layout.height : layout.height);
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return image;
  for (int y = 0; y < height; ++y) {
    int sourceRow = layout.height > 0 ? height - 1 - y : y;
    const BYTE* row = static_cast<const BYTE*>(bits) + size_t(sourceRow) * layout.stride;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    ConvertRow(row, line, width, layout.bitCount, colours, channels);
  }
  return image;
}

namespace {

constexpr size_t kMaxDibBytes = size_t(1) << 31;

QRgb OnWhite(QRgb c) {
  const int a = qAlpha(c);
  auto blend = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
  return qRgb(blend(qRed(c)), blend(qGreen(c)), blend(qBlue(c)));
}

// The colour table and the image whose pixels the DIB takes: indexes for 1 and 8 bits,
// 0xAARRGGBB pixels for 24.
QImage DibSource(const QImage& image, int bits, QList<QRgb>* table) {
  if (bits == 24) return ImageOnWhite(image);
  if (image.format() == QImage::Format_Grayscale8) {
    for (int i = 0; i < 256; ++i) table->append(qRgb(i, i, i));
    return image.convertToFormat(QImage::Format_Indexed8, *table);
  }
  QImage indexed = bits == 1 ? image.convertToFormat(QImage::Format_Mono) : image;
  for (QRgb c : indexed.colorTable()) table->append(OnWhite(c));
  return indexed;
}

void WriteRow(BYTE* out, const QImage& source, int y, int bits) {
  const uchar* line = source.constScanLine(y);
  if (bits == 24) {
    const auto* pixels = reinterpret_cast<const QRgb*>(line);
    for (int x = 0; x < source.width(); ++x) {
      out[x * 3] = BYTE(qBlue(pixels[x]));
      out[x * 3 + 1] = BYTE(qGreen(pixels[x]));
      out[x * 3 + 2] = BYTE(qRed(pixels[x]));
    }
  } else {
    std::memcpy(out, line, (size_t(source.width()) * size_t(bits) + 7) / 8);
  }
}

}  // namespace

QImage ImageOnWhite(const QImage& image) {
  QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  if (!image.hasAlphaChannel()) return rgb;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(rgb.scanLine(y));
    for (int x = 0; x < rgb.width(); ++x) to[x] = OnWhite(from[x]);
  }
  return rgb;
}

int DibBitCountOf(const QImage& image) {
  // An indexed image without a colour table has nothing to index.
  switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return image.colorCount() > 0 ? 1 : 24;
    case QImage::Format_Indexed8: return image.colorCount() > 0 ? 8 : 24;
    case QImage::Format_Grayscale8: return 8;
    default: return 24;
  }
}

std::vector<BYTE> ImageToDib(const QImage& image) {
  if (image.isNull()) return {};
  const int bits = DibBitCountOf(image);
  QList<QRgb> table;
  const QImage source = DibSource(image, bits, &table);
  if (source.isNull()) return {};
  const size_t stride = ((size_t(source.width()) * size_t(bits) + 31) / 32) * 4;
  const size_t offset = sizeof(BITMAPINFOHEADER) + size_t(table.size()) * sizeof(RGBQUAD);
  const size_t bitsSize = stride * size_t(source.height());
  if (bitsSize > kMaxDibBytes) return {};
  std::vector<BYTE> dib(offset + bitsSize, 0);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = source.width();
  header.biHeight = source.height();
  header.biPlanes = 1;
  header.biBitCount = WORD(bits);
  header.biCompression = BI_RGB;
  header.biSizeImage = DWORD(bitsSize);
  header.biXPelsPerMeter = image.dotsPerMeterX();
  header.biYPelsPerMeter = image.dotsPerMeterY();
  header.biClrUsed = DWORD(table.size());
  std::memcpy(dib.data(), &header, sizeof header);
  for (qsizetype i = 0; i < table.size(); ++i) {
    const RGBQUAD entry{BYTE(qBlue(table[i])), BYTE(qGreen(table[i])), BYTE(qRed(table[i])), 0};
    std::memcpy(dib.data() + sizeof header + size_t(i) * sizeof entry, &entry, sizeof entry);
  }
  for (int y = 0; y < source.height(); ++y)
    WriteRow(dib.data() + offset + size_t(source.height() - 1 - y) * stride, source, y, bits);
  return dib;
}
