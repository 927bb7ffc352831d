#include "model/DibFunctions.h"

#include <cstring>

#include "platform/DibImage.h"

namespace {

bool IsCoreHeader(const void* header) {
  DWORD size = 0;
  std::memcpy(&size, header, sizeof size);
  return size == sizeof(BITMAPCOREHEADER);
}

// The block's layout when header, colour table and bits all fit inside it.
bool ReadBlock(HGLOBAL dib, const BYTE** data, DIB_LAYOUT* layout) {
  size_t size = GlobalSize(dib);
  auto* bytes = static_cast<const BYTE*>(GlobalLock(dib));
  if (!bytes) return false;
  GlobalUnlock(dib);
  if (!ReadDibLayout(bytes, size, layout)) return false;
  *data = bytes;
  return true;
}

}  // namespace

LONG GetDibWidth(const void* header) {
  if (IsCoreHeader(header)) return static_cast<const BITMAPCOREHEADER*>(header)->bcWidth;
  return static_cast<const BITMAPINFOHEADER*>(header)->biWidth;
}

LONG GetDibHeight(const void* header) {
  if (IsCoreHeader(header)) return static_cast<const BITMAPCOREHEADER*>(header)->bcHeight;
  return static_cast<const BITMAPINFOHEADER*>(header)->biHeight;
}

DWORD GetDibColorCount(const void* header) {
  int bits;
  if (IsCoreHeader(header)) {
    bits = static_cast<const BITMAPCOREHEADER*>(header)->bcBitCount;
  } else {
    const auto* info = static_cast<const BITMAPINFOHEADER*>(header);
    if (info->biClrUsed != 0) return info->biClrUsed;
    bits = info->biBitCount;
  }
  switch (bits) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

CSize GetDibSize(HGLOBAL dib) {
  const BYTE* data;
  DIB_LAYOUT layout;
  if (!ReadBlock(dib, &data, &layout) || layout.height < 0) return CSize(0, 0);
  return CSize(layout.width, layout.height);
}

HPALETTE CreateDibPalette(HGLOBAL dib) {
  const BYTE* data;
  DIB_LAYOUT layout;
  if (!ReadBlock(dib, &data, &layout) || layout.colorCount == 0) return nullptr;
  std::vector<PALETTEENTRY> entries(layout.colorCount);
  const BYTE* table = data + layout.headerSize + layout.masksSize;
  for (size_t i = 0; i < entries.size(); ++i) {
    const BYTE* entry = table + i * layout.colorEntrySize;
    entries[i] = PALETTEENTRY{entry[2], entry[1], entry[0], 0};
  }
  auto* palette = new CPalette;
  palette->CreatePalette(0x300, entries);
  return palette;
}

int DrawDib(HDC dc, const RECT* dst, HGLOBAL dib, const RECT* src, HPALETTE palette) {
  const BYTE* data;
  DIB_LAYOUT layout;
  if (!dc || !dst || !src || !ReadBlock(dib, &data, &layout)) return 0;
  if (layout.OffsetOfBits() + layout.bitsSize > GlobalSize(dib)) return 0;
  const auto* info = reinterpret_cast<const BITMAPINFO*>(data);
  const BYTE* bits = data + layout.OffsetOfBits();
  CPalette* oldPalette = palette ? dc->SelectPalette(palette, TRUE) : nullptr;
  dc->SetStretchBltMode(COLORONCOLOR);
  CRect to(*dst), from(*src);
  int rows = int(layout.height < 0 ? -layout.height : layout.height);
  // The source origin of a bottom-up bitmap counts from its bottom row.
  int ySrc = layout.height > 0 ? rows - from.bottom : from.top;
  int result;
  if (to.Width() == from.Width() && to.Height() == from.Height()) {
    result = dc->SetDIBitsToDevice(to.left, to.top, DWORD(to.Width()), DWORD(to.Height()), from.left, ySrc, 0,
                                   DWORD(rows), bits, info, DIB_RGB_COLORS);
  } else {
    result = dc->StretchDIBits(to.left, to.top, to.Width(), to.Height(), from.left, ySrc, from.Width(),
                               from.Height(), bits, info, DIB_RGB_COLORS, SRCCOPY);
  }
  if (palette) dc->SelectPalette(oldPalette, TRUE);
  return result;
}

HGLOBAL DuplicateGlobal(HGLOBAL block) {
  if (!block) return nullptr;
  HGLOBAL copy = GlobalAlloc(GHND, GlobalSize(block));
  if (!copy) return nullptr;
  copy->m_bytes = block->m_bytes;
  return copy;
}
