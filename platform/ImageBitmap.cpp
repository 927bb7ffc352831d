#include "platform/ImageBitmap.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

#include "platform/DibImage.h"

namespace {

constexpr qint64 kMaxFileBytes = qint64(256) << 20;
// A few bytes can declare a huge picture (a GIF's screen, a PNG's header): more pixels than
// a page scanned at 400 dots per inch is not read.
constexpr qint64 kMaxPixels = qint64(1) << 24;

// Qt gives a top-down BMP's declared size a negative height.
bool WithinPixelBound(const QSize& size) {
  return qint64(size.width()) * std::abs(qint64(size.height())) <= kMaxPixels;
}

// What the header declares, before decoding; an unknown size has no width.
bool DeclaresTooManyPixels(const QSize& declared) { return declared.width() > 0 && !WithinPixelBound(declared); }

struct FORMAT_NAME {
  LONG code;
  const char* name;  // Qt's
};

// Every code of a kind writes through the same writer.
const FORMAT_NAME kWriters[] = {
    {2, "gif"},    {3, "tiff"},   {17, "tiff"},  {85, "tiff"},  {86, "tiff"},   {87, "tiff"},  {88, "tiff"},
    {93, "tiff"},  {94, "tiff"},  {95, "tiff"},  {96, "tiff"},  {97, "tiff"},   {138, "tiff"}, {6, "bmp"},
    {14, "bmp"},   {74, "bmp"},   {84, "bmp"},   {10, "jpeg"},  {11, "jpeg"},   {21, "jpeg"},  {22, "jpeg"},
    {23, "jpeg"},  {24, "jpeg"},  {98, "jpeg"},  {101, "jpeg"}, {75, "png"},    {91, "ico"},   {92, "cur"},
};

const FORMAT_NAME kReaders[] = {
    {IMAGE_FORMAT_GIF, "gif"},   {IMAGE_FORMAT_TIFF, "tiff"}, {IMAGE_FORMAT_TIFF, "tif"},
    {IMAGE_FORMAT_BMP, "bmp"},   {IMAGE_FORMAT_JPEG, "jpeg"}, {IMAGE_FORMAT_JPEG, "jpg"},
    {IMAGE_FORMAT_PNG, "png"},   {IMAGE_FORMAT_ICO, "ico"},   {IMAGE_FORMAT_CUR, "cur"},
};

const char* WriterName(LONG format) {
  for (const FORMAT_NAME& f : kWriters)
    if (f.code == format) return f.name;
  return nullptr;
}

// 0 for a format without a code of its own.
LONG CodeOfReader(const QByteArray& name, const QByteArray& bytes) {
  for (const FORMAT_NAME& f : kReaders) {
    if (name != f.name) continue;
    // The icon reader also takes cursors (resource type 2).
    if (f.code == IMAGE_FORMAT_ICO && bytes.size() > 2 && bytes[2] == 2) return IMAGE_FORMAT_CUR;
    return f.code;
  }
  return 0;
}

LONG DotsPerInch(int dotsPerMeter) { return LONG((qint64(dotsPerMeter) * 254 + 5000) / 10000); }

// The colours of the image, or an empty table when there are more than max.
QList<QRgb> ExactColors(const QImage& image, int max) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::set<QRgb> colors;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    QRgb previous = 0;
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb color = line[x] | 0xFF000000u;
      if (x > 0 && color == previous) continue;
      previous = color;
      colors.insert(color);
      if (int(colors.size()) > max) return {};
    }
  }
  return QList<QRgb>(colors.begin(), colors.end());
}

// Lossless when the colours fit; quantised otherwise, as the depth asked for.
QImage Indexed(const QImage& image, int bitsPerPixel) {
  const int max = bitsPerPixel == 1 ? 2 : bitsPerPixel == 4 ? 16 : 256;
  const QList<QRgb> table = ExactColors(image, max);
  const QImage::Format format = bitsPerPixel == 1 ? QImage::Format_Mono : QImage::Format_Indexed8;
  if (table.isEmpty()) return image.convertToFormat(format);
  return image.convertToFormat(format, table, Qt::ThresholdDither);
}

QImage AtDepth(const QImage& image, const char* writer, int bitsPerPixel) {
  if (bitsPerPixel <= 0 || bitsPerPixel > 8) return image.convertToFormat(QImage::Format_RGB32);
  if (std::strcmp(writer, "jpeg") == 0) return image.convertToFormat(QImage::Format_Grayscale8);
  return Indexed(image, bitsPerPixel);
}

}  // namespace

int ImageQualityFor(int factor) {
  if (factor <= 2) return 95;
  return std::max(5, 95 - (std::min(factor, 255) - 2) * 90 / 253);
}

BOOL CImageBitmap::CanWrite(LONG format) {
  const char* name = WriterName(format);
  return name && QImageWriter::supportedImageFormats().contains(name);
}

BOOL CImageBitmap::LoadFile(const char* path, IMAGE_FILE_INFO* info) {
  Free();
  if (info) std::memset(info, 0, sizeof *info);
  if (!path) return FALSE;
  QFile file(QFile::decodeName(path));
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return FALSE;
  QByteArray bytes = file.readAll();
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QByteArray name = reader.format();
  if (DeclaresTooManyPixels(reader.size())) return FALSE;
  if (!reader.read(&m_image) || m_image.isNull() || !WithinPixelBound(m_image.size())) {
    m_image = QImage();
    return FALSE;
  }
  LONG code = CodeOfReader(name, bytes);
  // The GIF reader paints frames in true colour; a GIF never holds more than 256 colours.
  if (code == IMAGE_FORMAT_GIF) m_image = Indexed(ImageOnWhite(m_image), 8);
  if (code != 0) m_fileBytes.assign(bytes.begin(), bytes.end());
  else code = IMAGE_FORMAT_PNG;
  if (info) {
    info->nFormat = code;
    info->nWidth = m_image.width();
    info->nHeight = m_image.height();
    info->nXResolution = DotsPerInch(m_image.dotsPerMeterX());
    info->nYResolution = DotsPerInch(m_image.dotsPerMeterY());
    info->nFileSize = LONG(bytes.size());
    info->nBitsPerPixel = DibBitCountOf(m_image);
  }
  return TRUE;
}

BOOL CImageBitmap::SaveFile(const char* path, LONG format, int bitsPerPixel, int qualityFactor) const {
  if (!path || m_image.isNull() || !CanWrite(format)) return FALSE;
  const char* name = WriterName(format);
  QImageWriter writer(QFile::decodeName(path), name);
  writer.setQuality(ImageQualityFor(qualityFactor));
  return writer.write(AtDepth(m_image, name, bitsPerPixel));
}

HGLOBAL CImageBitmap::CreateDib() const {
  const std::vector<BYTE> dib = ImageToDib(m_image);
  if (dib.empty()) return nullptr;
  HGLOBAL block = GlobalAlloc(GHND, dib.size());
  if (block) block->m_bytes = dib;
  return block;
}

BOOL CImageBitmap::CreateFromDib(HGLOBAL dib) {
  Free();
  const size_t size = GlobalSize(dib);
  const auto* data = static_cast<const BYTE*>(GlobalLock(dib));
  if (!data) return FALSE;
  GlobalUnlock(dib);
  DIB_LAYOUT layout;
  if (!ReadDibLayout(data, size, &layout) || layout.OffsetOfBits() + layout.bitsSize > size) return FALSE;
  m_image = DibToImage(data, size, data + layout.OffsetOfBits(), size - layout.OffsetOfBits());
  return !m_image.isNull();
}

BOOL CImageBitmap::HasAtMostColors(int count) const {
  return !m_image.isNull() && !ExactColors(m_image, count).isEmpty();
}

void CImageBitmap::Free() {
  m_image = QImage();
  m_fileBytes.clear();
}
