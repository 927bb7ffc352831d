#include "model/GdiCache.h"

#include "model/DefaultFonts.h"
#include "platform/StockObjects.h"
#include "platform/Font.h"

const COLORREF g_StdColors[kStdColorCount] = {
    0x000000, 0xC0C0C0, 0x808080, 0xFFFFFF, 0x000080, 0x0000FF, 0x800080, 0xFF00FF,
    0x008000, 0x00FF00, 0x008080, 0x00FFFF, 0x800000, 0xFF0000, 0x808000, 0xFFFF00};

int g_bVerticalWriting = 0;
int g_bShowLineEnds = 0;
int g_bUnicodeText = 1;

CGdiCache g_GdiCache;

namespace {

// Black pixels of the background patterns, top row first, in the order of their kinds.
constexpr BYTE kPatternRows[kPatternKinds][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF},  // horizontal
    {0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44},  // vertical
    {0x22, 0x11, 0x88, 0x44, 0x22, 0x11, 0x88, 0x44},  // forward diagonal
    {0x44, 0x88, 0x11, 0x22, 0x44, 0x88, 0x11, 0x22},  // backward diagonal
    {0x44, 0x44, 0x44, 0xFF, 0x44, 0x44, 0x44, 0xFF},  // cross
    {0xAA, 0x11, 0xAA, 0x44, 0xAA, 0x11, 0xAA, 0x44},  // diagonal cross
};
constexpr BYTE kHalftoneRows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};

// An 8 x 8 monochrome bitmap whose black pixels are the given rows (a set bit is white in
// the bitmap's own bits, rows padded to 16 bits).
void CreatePatternBitmap(CBitmap& bitmap, const BYTE (&blackRows)[8]) {
  BYTE bits[16] = {};
  for (int row = 0; row < 8; ++row) bits[row * 2] = BYTE(~blackRows[row]);
  bitmap.CreateBitmap(8, 8, 1, 1, bits);
}

CGdiCache& Cache() {
  if (!g_GdiCache.m_bCreated) g_GdiCache.Create();
  return g_GdiCache;
}

}  // namespace

CGdiCache::~CGdiCache() { m_fontList.RemoveAll(); }

void CGdiCache::Create() {
  if (m_bCreated) return;
  CreatePatternBitmap(m_bmHalftone, kHalftoneRows);
  m_brHalftone.CreatePatternBrush(&m_bmHalftone);
  static_cast<CFont*>(GetStockObject(DEFAULT_GUI_FONT))->GetLogFont(&m_lfGui);
  m_fontList.Enumerate();
  CreatePens();
  for (int i = 0; i < kStdColorCount; ++i) m_brSolid[i].CreateSolidBrush(g_StdColors[i]);
  CreatePatterns();
  m_bCreated = 1;
}

void CGdiCache::CreatePens() {
  for (int i = 0; i < kStdColorCount; ++i) m_penSolid[i].CreatePen(PS_SOLID, 1, g_StdColors[i]);
  for (int i = 0; i < kStdColorCount; ++i) m_penDot[i].CreatePen(PS_DOT, 1, g_StdColors[i]);
  for (int i = 0; i < kStdColorCount; ++i) m_penDash[i].CreatePen(PS_DASH, 1, g_StdColors[i]);
  for (int i = 0; i < kStdColorCount; ++i) m_penDashDot[i].CreatePen(PS_DASHDOT, 1, g_StdColors[i]);
  for (int i = 0; i < kStdColorCount; ++i) {
    m_penDashDotDot[i].CreatePen(PS_DASHDOTDOT, 1, g_StdColors[i]);
  }
}

void CGdiCache::CreatePatterns() {
  for (int kind = 0; kind < kPatternKinds; ++kind) {
    CreatePatternBitmap(m_bmPattern[kind], kPatternRows[kind]);
    m_brPattern[kind].CreatePatternBrush(&m_bmPattern[kind]);
  }
}

void CreateGdiCache() { g_GdiCache.Create(); }

int FindPaletteIndex(COLORREF color) {
  for (int i = 0; i < kStdColorCount; ++i) {
    if (g_StdColors[i] == color) return i;
  }
  return 0;
}

CPen* GetSolidPen(COLORREF color) { return &Cache().m_penSolid[FindPaletteIndex(color)]; }
CPen* GetDotPen(COLORREF color) { return &Cache().m_penDot[FindPaletteIndex(color)]; }
CPen* GetDashPen(COLORREF color) { return &Cache().m_penDash[FindPaletteIndex(color)]; }
CPen* GetDashDotPen(COLORREF color) { return &Cache().m_penDashDot[FindPaletteIndex(color)]; }
CPen* GetDashDotDotPen(COLORREF color) { return &Cache().m_penDashDotDot[FindPaletteIndex(color)]; }
CBrush* GetSolidBrush(COLORREF color) { return &Cache().m_brSolid[FindPaletteIndex(color)]; }

CBrush* GetPatternBrush(int kind) {
  if (kind < 0 || kind >= kPatternKinds) return nullptr;
  return &Cache().m_brPattern[kind];
}

CBrush* GetHalftoneBrush() { return &Cache().m_brHalftone; }

void GetGuiLogFont(LOGFONTA* out) { *out = Cache().m_lfGui; }
