#include <QImage>
#include <gtest/gtest.h>

#include <cstring>

#include "model/DibFunctions.h"
#include "platform/PainterBackend.h"

namespace {

// A packed DIB: header, colour table, then bits.
HGLOBAL MakeDib(LONG width, LONG height, WORD bitCount, DWORD clrUsed, size_t tableEntries,
                const std::vector<BYTE>& bits) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = bitCount;
  header.biClrUsed = clrUsed;
  HGLOBAL block = GlobalAlloc(GHND, sizeof header + tableEntries * 4 + bits.size());
  auto* data = static_cast<BYTE*>(GlobalLock(block));
  std::memcpy(data, &header, sizeof header);
  for (size_t i = 0; i < tableEntries; ++i) {
    RGBQUAD entry{BYTE(i), BYTE(i * 2), BYTE(i * 3), 0};
    std::memcpy(data + sizeof header + i * 4, &entry, 4);
  }
  if (!bits.empty()) std::memcpy(data + sizeof header + tableEntries * 4, bits.data(), bits.size());
  GlobalUnlock(block);
  return block;
}

TEST(DibFunctionsTest, ColourCountsFollowTheHeader) {
  struct CASE {
    WORD bitCount;
    DWORD clrUsed;
    DWORD expected;
  };
  const CASE cases[] = {{1, 0, 2}, {4, 0, 16}, {8, 0, 256}, {8, 12, 12}, {24, 0, 0}, {32, 0, 0}};
  for (const CASE& c : cases) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biBitCount = c.bitCount;
    header.biClrUsed = c.clrUsed;
    EXPECT_EQ(GetDibColorCount(&header), c.expected) << c.bitCount;
  }
  BITMAPCOREHEADER core{sizeof(BITMAPCOREHEADER), 7, 9, 1, 4};
  EXPECT_EQ(GetDibColorCount(&core), 16u);
  EXPECT_EQ(GetDibWidth(&core), 7);
  EXPECT_EQ(GetDibHeight(&core), 9);
}

TEST(DibFunctionsTest, PaletteHasOneEntryPerTableEntry) {
  HGLOBAL dib = MakeDib(4, 2, 8, 0, 256, std::vector<BYTE>(8));
  HPALETTE palette = CreateDibPalette(dib);
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette->GetEntryCount(), 256);
  EXPECT_EQ(palette->Version(), 0x300);
  PALETTEENTRY entry{};
  palette->GetPaletteEntries(5, 1, &entry);
  EXPECT_EQ(entry.peRed, 15);
  EXPECT_EQ(entry.peGreen, 10);
  EXPECT_EQ(entry.peBlue, 5);
  delete palette;
  GlobalFree(dib);
}

TEST(DibFunctionsTest, MalformedBlocksAreRefused) {
  HGLOBAL trueColour = MakeDib(2, 2, 24, 0, 0, std::vector<BYTE>(16));
  EXPECT_EQ(CreateDibPalette(trueColour), nullptr);
  EXPECT_EQ(GetDibSize(trueColour), CSize(2, 2));
  // A table that claims more entries than the block holds.
  HGLOBAL shortTable = MakeDib(2, 2, 8, 200, 4, {});
  EXPECT_EQ(CreateDibPalette(shortTable), nullptr);
  EXPECT_EQ(GetDibSize(shortTable), CSize(0, 0));
  HGLOBAL oddDepth = MakeDib(2, 2, 7, 0, 0, std::vector<BYTE>(16));
  EXPECT_EQ(GetDibSize(oddDepth), CSize(0, 0));
  HGLOBAL topDown = MakeDib(2, -2, 24, 0, 0, std::vector<BYTE>(16));
  EXPECT_EQ(GetDibSize(topDown), CSize(0, 0));
  EXPECT_EQ(GetDibSize(nullptr), CSize(0, 0));
  HGLOBAL tiny = GlobalAlloc(GHND, 3);
  EXPECT_EQ(GetDibSize(tiny), CSize(0, 0));
  QImage image(4, 4, QImage::Format_RGB32);
  CDC dc(MakeImageBackend(&image));
  RECT rect{0, 0, 2, 2};
  HGLOBAL noBits = MakeDib(2, 2, 24, 0, 0, std::vector<BYTE>(4));
  EXPECT_EQ(DrawDib(&dc, &rect, noBits, &rect, nullptr), 0);
  EXPECT_EQ(DrawDib(&dc, &rect, nullptr, &rect, nullptr), 0);
  for (HGLOBAL block : {trueColour, shortTable, oddDepth, topDown, tiny, noBits}) GlobalFree(block);
}

TEST(DibFunctionsTest, DrawDibCopiesBottomUpRowsToTheirPlaces) {
  // 2 x 2, 24 bits, bottom row first: bottom red/green, top blue/white.
  std::vector<BYTE> bits = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
  HGLOBAL dib = MakeDib(2, 2, 24, 0, 0, bits);
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::black);
  CDC dc(MakeImageBackend(&image));
  RECT dst{3, 3, 5, 5}, src{0, 0, 2, 2};
  EXPECT_GT(DrawDib(&dc, &dst, dib, &src, nullptr), 0);
  EXPECT_EQ(image.pixel(3, 3), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(4, 3), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(3, 4), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(4, 4), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
  // A larger destination stretches.
  RECT big{0, 0, 8, 8};
  EXPECT_GT(DrawDib(&dc, &big, dib, &src, nullptr), 0);
  EXPECT_EQ(image.pixel(7, 7), qRgb(0, 255, 0));
  GlobalFree(dib);
}

TEST(DibFunctionsTest, DuplicateGlobalCopiesTheBytes) {
  EXPECT_EQ(DuplicateGlobal(nullptr), nullptr);
  HGLOBAL block = GlobalAlloc(GHND, 5);
  std::memcpy(GlobalLock(block), "abcde", 5);
  GlobalUnlock(block);
  HGLOBAL copy = DuplicateGlobal(block);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, block);
  EXPECT_EQ(GlobalSize(copy), 5u);
  EXPECT_EQ(std::memcmp(GlobalLock(copy), "abcde", 5), 0);
  GlobalFree(copy);
  GlobalFree(block);
}

}  // namespace
