#pragma once
// Reading device-independent bitmaps into images, with every size checked.

#include <QImage>

#include <cstddef>
#include <vector>

#include "platform/DibTypes.h"

struct DIB_LAYOUT {
  LONG width;
  LONG height;            // positive: bottom row first
  int bitCount;
  DWORD compression;
  size_t headerSize;
  size_t colorCount;      // entries in the colour table
  size_t colorEntrySize;  // 4 (RGBQUAD) or 3 (RGBTRIPLE)
  size_t masksSize;       // bit-field masks after a 40-byte header
  size_t stride;          // bytes per row, padded to 32 bits
  size_t bitsSize;        // stride * |height|
  size_t OffsetOfBits() const { return headerSize + masksSize + colorCount * colorEntrySize; }
};

// The layout of the header at the start of a block of size bytes; false when the header is
// not one of the two kinds, its values are out of range, or its colour table does not fit.
bool ReadDibLayout(const void* header, size_t size, DIB_LAYOUT* layout);

// The image of a DIB whose header, colour table and bits are at header (packed) or at header
// and bits (separate); null for compressed or malformed bitmaps. bitsSize bounds the bits.
QImage DibToImage(const void* header, size_t headerBlockSize, const void* bits, size_t bitsSize);

// The image in opaque colours, its transparent parts put on white.
QImage ImageOnWhite(const QImage& image);
// The bit count of the DIB that ImageToDib makes: 1 for two-colour images, 8 for indexed and
// grey ones, else 24.
int DibBitCountOf(const QImage& image);
// A packed DIB (40-byte header, colour table, bottom-up rows) of the image, transparent parts
// put on white; empty for a null image or one too large for a block.
std::vector<BYTE> ImageToDib(const QImage& image);
