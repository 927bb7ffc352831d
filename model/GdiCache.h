#pragma once
// The pens, brushes and bitmaps every drawing shares, created once at start-up, and the
// process-wide drawing switches.

#include "model/FontList.h"
#include "platform/Bitmap.h"
#include "platform/Brush.h"
#include "platform/GdiTypes.h"
#include "platform/Pen.h"

constexpr int kStdColorCount = 16;
constexpr int kPatternKinds = 6;

extern const COLORREF g_StdColors[kStdColorCount];
extern int g_bVerticalWriting;
extern int g_bShowLineEnds;
extern int g_bUnicodeText;

class CGdiCache {
 public:
  CGdiCache() = default;
  virtual ~CGdiCache();
  CGdiCache(const CGdiCache&) = delete;
  CGdiCache& operator=(const CGdiCache&) = delete;

  void Create();

  LOGFONTA m_lfGui{};
  CFontList m_fontList;
  CBitmap m_bmHalftone;
  CBrush m_brHalftone;
  CPen m_penSolid[kStdColorCount];
  CPen m_penDot[kStdColorCount];
  CPen m_penDash[kStdColorCount];
  CPen m_penDashDot[kStdColorCount];
  CPen m_penDashDotDot[kStdColorCount];
  CBrush m_brSolid[kStdColorCount];
  CBitmap m_bmPattern[kPatternKinds];
  CBrush m_brPattern[kPatternKinds];
  int m_bCreated = 0;

 private:
  void CreatePens();
  void CreatePatterns();
};

extern CGdiCache g_GdiCache;

void CreateGdiCache();
int FindPaletteIndex(COLORREF color);
CPen* GetSolidPen(COLORREF color);
CPen* GetDotPen(COLORREF color);
CPen* GetDashPen(COLORREF color);
CPen* GetDashDotPen(COLORREF color);
CPen* GetDashDotDotPen(COLORREF color);
CBrush* GetSolidBrush(COLORREF color);
// Null for a kind outside 0..5.
CBrush* GetPatternBrush(int kind);
CBrush* GetHalftoneBrush();
