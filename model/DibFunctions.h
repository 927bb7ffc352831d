#pragma once
// Device-independent bitmaps held in global memory blocks: their sizes, palettes and drawing.

#include "platform/DC.h"
#include "platform/DibTypes.h"
#include "platform/GlobalMemory.h"

// From either header kind; the header must be readable.
LONG GetDibWidth(const void* header);
LONG GetDibHeight(const void* header);
// biClrUsed when set, else 2, 16 or 256 for 1, 4 or 8 bits, else 0.
DWORD GetDibColorCount(const void* header);
// (0, 0) for a null or malformed block or a negative size.
CSize GetDibSize(HGLOBAL dib);
// A new palette (owned by the caller) of the colour table; null without one or for a block
// whose header or table does not fit it.
HPALETTE CreateDibPalette(HGLOBAL dib);
// Copies (equal sizes) or stretches the source rectangle of the DIB into dst; answers the
// number of scan lines drawn, 0 for a null or malformed block.
int DrawDib(HDC dc, const RECT* dst, HGLOBAL dib, const RECT* src, HPALETTE palette);
// A new zero-initialised block with a copy of the contents; null for null or out of memory.
HGLOBAL DuplicateGlobal(HGLOBAL block);
