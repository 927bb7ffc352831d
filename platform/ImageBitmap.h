#pragma once
// The imaging library: picture files read into a bitmap with a file information record,
// written back in a format with a depth and a quality, and converted to and from packed DIBs.
// Format codes are the library's own (IMAGE_FORMAT_*); readers come from Qt and its plug-ins.

#include <QImage>

#include <cstddef>
#include <vector>

#include "platform/GlobalMemory.h"
#include "platform/WinTypes.h"

constexpr LONG IMAGE_FORMAT_GIF = 2;
constexpr LONG IMAGE_FORMAT_TIFF = 3;
constexpr LONG IMAGE_FORMAT_BMP = 6;
constexpr LONG IMAGE_FORMAT_JPEG = 10;
constexpr LONG IMAGE_FORMAT_PNG = 75;
constexpr LONG IMAGE_FORMAT_ICO = 91;
constexpr LONG IMAGE_FORMAT_CUR = 92;

// Stored raw with pictures: the format code at byte 0 and the bits per pixel at byte 28 keep
// their places.
struct IMAGE_FILE_INFO {
  LONG nFormat;
  LONG nWidth;
  LONG nHeight;
  LONG nXResolution;  // dots per inch
  LONG nYResolution;
  LONG nFileSize;
  LONG nReserved;
  LONG nBitsPerPixel;
  BYTE reserved[1100];
};

static_assert(sizeof(IMAGE_FILE_INFO) == 1132 && offsetof(IMAGE_FILE_INFO, nBitsPerPixel) == 28);

// The JPEG quality (0..100) for a quality factor (2 near-best .. 255 smallest).
int ImageQualityFor(int factor);

class CImageBitmap {
 public:
  // Clears info, then reads the file by its content. A format outside the library's codes
  // reads as a PNG picture. FALSE, and no bitmap, for a file no reader takes.
  BOOL LoadFile(const char* path, IMAGE_FILE_INFO* info);
  // Writes the bitmap in the format with the bits per pixel (0: as held; 1, 4, 8 make an
  // indexed picture, grey for JPEG). FALSE for a format this library cannot write.
  BOOL SaveFile(const char* path, LONG format, int bitsPerPixel, int qualityFactor) const;
  // A new block holding the bitmap as a packed DIB; null without a bitmap.
  HGLOBAL CreateDib() const;
  // The pixels of a packed DIB, checked against its header; FALSE, and no bitmap, for a
  // block that is not a whole uncompressed DIB.
  BOOL CreateFromDib(HGLOBAL dib);
  void Free();

  BOOL IsNull() const { return m_image.isNull(); }
  BOOL HasAtMostColors(int count) const;
  const QImage& Image() const { return m_image; }
  // The bytes the bitmap was read from when they are in the reported format; else empty.
  const std::vector<BYTE>& FileBytes() const { return m_fileBytes; }

  static BOOL CanWrite(LONG format);

 private:
  QImage m_image;
  std::vector<BYTE> m_fileBytes;
};
