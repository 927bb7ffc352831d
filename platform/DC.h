#pragma once
// A device context: the drawing calls of the code, over a back end that paints or records.

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Brush.h"
#include "platform/DCBackend.h"
#include "platform/DCMapping.h"
#include "platform/Font.h"
#include "platform/GdiTypes.h"
#include "platform/Palette.h"
#include "platform/Pen.h"
#include "platform/Rgn.h"

constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int SIZEPALETTE = 104;
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;
constexpr int RC_PALETTE = 0x0100;

constexpr UINT TA_NOUPDATECP = 0;
constexpr UINT TA_UPDATECP = 1;
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;
constexpr UINT GDI_ERROR = 0xFFFFFFFF;

constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;

constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

constexpr UINT DIB_RGB_COLORS = 0;
constexpr UINT DIB_PAL_COLORS = 1;

struct BITMAPINFO;

class CDC {
 public:
  CDC();
  explicit CDC(std::unique_ptr<CDCBackend> backend);
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // Gives the context a back end (drops any previous one and resets the state).
  void Attach(std::unique_ptr<CDCBackend> backend);
  // A memory context drawing into a one-pixel monochrome bitmap until another is selected.
  BOOL CreateCompatibleDC(const CDC* dc);
  BOOL DeleteDC();
  HDC GetSafeHdc() { return m_backend ? this : nullptr; }
  CDCBackend* Backend() const { return m_backend.get(); }

  int GetDeviceCaps(int index) const;
  BOOL IsPrinting() const;
  DWORD GetObjectType() const;
  int BitsPerPixel() const;

  // Objects; each returns the object selected before (null when none or on failure).
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  CGdiObject* SelectObject(CGdiObject* object);
  CGdiObject* SelectStockObject(int index);
  CPalette* SelectPalette(CPalette* palette, BOOL bForceBackground);
  UINT RealizePalette();
  CPen* GetCurrentPen() const { return m_state.pen; }
  CBrush* GetCurrentBrush() const { return m_state.brush; }
  CFont* GetCurrentFont() const { return m_state.font; }
  CBitmap* GetCurrentBitmap() const { return m_state.bitmap; }

  // Attributes.
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return m_state.textColor; }
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const { return m_state.bkColor; }
  int SetBkMode(int mode);
  int GetBkMode() const { return m_state.bkMode; }
  UINT SetTextAlign(UINT flags);
  UINT GetTextAlign() const { return m_state.textAlign; }
  int SetROP2(int mode);
  int GetROP2() const { return m_state.rop2; }
  int SetPolyFillMode(int mode);
  int GetPolyFillMode() const { return m_state.polyFillMode; }
  int SetStretchBltMode(int mode);
  int GetStretchBltMode() const { return m_state.stretchMode; }

  // Mapping.
  int SetMapMode(int mode);
  int GetMapMode() const { return m_state.mapping.mode; }
  CPoint SetWindowOrg(int x, int y);
  CPoint SetViewportOrg(int x, int y);
  CPoint OffsetWindowOrg(int dx, int dy);
  CPoint OffsetViewportOrg(int dx, int dy);
  CSize SetWindowExt(int cx, int cy);
  CSize SetViewportExt(int cx, int cy);
  CPoint GetWindowOrg() const { return m_state.mapping.windowOrg; }
  CPoint GetViewportOrg() const { return m_state.mapping.viewportOrg; }
  CSize GetWindowExt() const { return m_state.mapping.windowExt; }
  CSize GetViewportExt() const { return m_state.mapping.viewportExt; }
  void LPtoDP(POINT* points, int count = 1) const;
  void LPtoDP(RECT* rect) const;
  void LPtoDP(SIZE* size) const;
  void DPtoLP(POINT* points, int count = 1) const;
  void DPtoLP(RECT* rect) const;
  void DPtoLP(SIZE* size) const;

  // Saved states: SaveDC answers the new depth; RestoreDC takes it, or -n for n levels up.
  int SaveDC();
  BOOL RestoreDC(int saved);

  // Clipping, in logical units except for regions, which are in device units.
  int IntersectClipRect(int left, int top, int right, int bottom);
  int IntersectClipRect(const RECT* rect);
  int ExcludeClipRect(int left, int top, int right, int bottom);
  int SelectClipRgn(CRgn* region);
  int GetClipBox(RECT* rect) const;

  // Lines and shapes.
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
  CPoint GetCurrentPosition() const { return m_state.current; }
  BOOL Polyline(const POINT* points, int count);
  BOOL Polygon(const POINT* points, int count);
  BOOL PolyBezier(const POINT* points, int count);
  BOOL Rectangle(int left, int top, int right, int bottom);
  BOOL Rectangle(const RECT* rect);
  BOOL Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
  BOOL Arc(const RECT* box, POINT start, POINT end);
  void FillRect(const RECT* rect, CBrush* brush);
  void FrameRect(const RECT* rect, CBrush* brush);
  void FillSolidRect(const RECT* rect, COLORREF color);
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
  BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, DWORD rop);

  // Text; extents and metrics are in logical units of the selected font.
  BOOL GetTextMetrics(TEXTMETRICA* tm) const;
  BOOL GetTextExtentPoint32W(const char16_t* text, int count, SIZE* size) const;
  BOOL GetTextExtentPoint32A(const char* text, int count, SIZE* size) const;
  CSize GetTextExtent(std::u16string_view text) const;
  BOOL GetCharABCWidthsA(UINT first, UINT last, ABC* out) const;
  BOOL GetCharABCWidthsW(UINT first, UINT last, ABC* out) const;
  BOOL TextOutW(int x, int y, const char16_t* text, int count);
  BOOL TextOutA(int x, int y, const char* text, int count);
  BOOL TextOut(int x, int y, std::u16string_view text);
  // ETO_OPAQUE fills the rectangle with the background colour, ETO_CLIPPED clips to it;
  // dx (optional) gives the advance of each character in logical units.
  BOOL ExtTextOutA(int x, int y, UINT options, const RECT* rect, const char* text, int count,
                   const int* dx = nullptr);
  BOOL ExtTextOutW(int x, int y, UINT options, const RECT* rect, const char16_t* text, int count,
                   const int* dx = nullptr);

  // Device-independent bitmaps: bits follow the BITMAPINFO layout, bottom row first for a
  // positive height. Both answer the number of scan lines drawn, 0 on bad input.
  int SetDIBitsToDevice(int x, int y, DWORD width, DWORD height, int xSrc, int ySrc, UINT startScan,
                        UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage);
  int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);

 private:
  struct STATE {
    CPen* pen;
    CBrush* brush;
    CFont* font;
    CBitmap* bitmap;
    CPalette* palette;
    COLORREF textColor;
    COLORREF bkColor;
    int bkMode;
    UINT textAlign;
    int rop2;
    int polyFillMode;
    int stretchMode;
    DC_MAPPING mapping;
    CPoint current;
    std::optional<QRegion> clip;
    const CFontMetrics* metrics;
  };

  void ResetState();
  void RefreshMetrics();
  void RetargetBitmap();
  DC_PAINT Paint() const;
  std::vector<POINT> ToDevice(const POINT* points, int count) const;
  void ClipTo(const QRegion& deviceRegion);
  void DrawText(int x, int y, std::u16string_view text, const int* dx, const RECT* clip);
  bool MayReachClip(int x, int y, std::u16string_view text, const int* dx) const;
  DC_TEXT PlaceText(int x, int y, std::u16string_view text, const int* dx) const;
  void MoveCurrentPastText(int x, int y, std::u16string_view text, const int* dx);
  BOOL Blit(const RECT& dst, CDC* src, const RECT& srcLogical, DWORD rop);
  int DrawDibBits(const RECT& dst, const QRect& src, const QImage& image, DWORD rop);

  std::unique_ptr<CDCBackend> m_backend;
  std::unique_ptr<CBitmap> m_defaultBitmap;
  STATE m_state;
  std::vector<STATE> m_saved;
};
