#include "platform/Brush.h"

#include "platform/Bitmap.h"

namespace {

constexpr PATTERN_ROWS kHatches[] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // falling to the right
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // rising to the right
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

}  // namespace

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  if (m_bCreated) return FALSE;
  m_style = BS_SOLID;
  m_color = color;
  m_bCreated = true;
  return TRUE;
}

BOOL CBrush::CreateHatchBrush(int index, COLORREF color) {
  if (m_bCreated || index < HS_HORIZONTAL || index > HS_DIAGCROSS) return FALSE;
  m_style = BS_HATCHED;
  m_color = color;
  m_pattern = kHatches[index];
  m_bCreated = true;
  return TRUE;
}

BOOL CBrush::CreatePatternBrush(const CBitmap* bitmap) {
  if (m_bCreated || !bitmap || !bitmap->IsCreated()) return FALSE;
  m_style = BS_PATTERN;
  m_pattern = bitmap->BlackPixelRows();
  m_bCreated = true;
  return TRUE;
}

BOOL CBrush::CreateHollowBrush() {
  if (m_bCreated) return FALSE;
  m_style = BS_NULL;
  m_bCreated = true;
  return TRUE;
}

void CBrush::Clear() {
  m_style = BS_SOLID;
  m_color = 0;
  m_pattern = {};
}
