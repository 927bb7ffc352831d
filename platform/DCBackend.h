#pragma once
// What a device context draws on: primitives in device units and font metrics in the font's
// own units. The painter back end serves images, printers and pictures; tests record.

#include <QImage>
#include <QRegion>

#include <string_view>
#include <vector>

#include "platform/Brush.h"
#include "platform/FontMetrics.h"
#include "platform/Pen.h"

constexpr DWORD OBJ_DC = 3;
constexpr DWORD OBJ_METADC = 4;
constexpr DWORD OBJ_MEMDC = 10;
constexpr DWORD OBJ_ENHMETADC = 12;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

constexpr int R2_BLACK = 1;
constexpr int R2_NOTMERGEPEN = 2;
constexpr int R2_MASKNOTPEN = 3;
constexpr int R2_NOTCOPYPEN = 4;
constexpr int R2_MASKPENNOT = 5;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTMASKPEN = 8;
constexpr int R2_MASKPEN = 9;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_MERGENOTPEN = 12;
constexpr int R2_COPYPEN = 13;
constexpr int R2_MERGEPENNOT = 14;
constexpr int R2_MERGEPEN = 15;
constexpr int R2_WHITE = 16;

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// The attributes a primitive is drawn with, already in device terms.
struct DC_PAINT {
  const CPen* pen;          // never null
  int penWidth;             // device pixels; 0 for a cosmetic pen
  const CBrush* brush;      // never null
  COLORREF textColor;
  COLORREF bkColor;
  int bkMode;
  int rop2;
  int polyFillMode;
  const QRegion* clip;      // null when nothing is clipped
};

// One line of text placed on the device.
struct DC_TEXT {
  const LOGFONTA* lf;                 // the font as selected (logical units)
  const CFontMetrics* metrics;
  std::u16string_view text;
  std::vector<POINT> origins;         // each character's point on the baseline
  double deviceEm;                    // em of the font in device pixels
  double alongScale;                  // glyph scale along the line (lfWidth and the mapping)
  double angle;                       // direction of the line, degrees counter-clockwise
  std::vector<POINT> background;      // cell to fill with the background colour; empty: none
};

class CDCBackend {
 public:
  virtual ~CDCBackend() = default;

  virtual int GetDeviceCaps(int index) const = 0;
  virtual DWORD GetObjectType() const = 0;
  virtual bool IsPrinting() const { return false; }
  // The metrics of a font; the object lives as long as the back end.
  virtual const CFontMetrics& Metrics(const LOGFONTA& lf) = 0;

  virtual void Polyline(const DC_PAINT& paint, const std::vector<POINT>& points) = 0;
  virtual void Polygon(const DC_PAINT& paint, const std::vector<POINT>& points) = 0;
  virtual void PolyBezier(const DC_PAINT& paint, const std::vector<POINT>& points) = 0;
  // Outline with the pen, inside with the brush; right and bottom edges excluded.
  virtual void Rectangle(const DC_PAINT& paint, const RECT& rect) = 0;
  // Counter-clockwise on the screen along the ellipse in box, from the ray through start to
  // the ray through end.
  virtual void Arc(const DC_PAINT& paint, const RECT& box, POINT start, POINT end) = 0;
  virtual void FillRect(const DC_PAINT& paint, const RECT& rect, const CBrush& brush) = 0;
  virtual void PatBlt(const DC_PAINT& paint, const RECT& rect, DWORD rop) = 0;
  virtual void Text(const DC_PAINT& paint, const DC_TEXT& text) = 0;
  virtual void Image(const DC_PAINT& paint, const RECT& dst, const QImage& image, const QRect& src,
                     DWORD rop) = 0;

  // The pixels of a raster target, for copying out of it; null elsewhere.
  virtual const QImage* Pixels() const { return nullptr; }
  // Memory contexts draw into the bitmap selected into them.
  virtual void SetTarget(QImage* /*image*/, int /*bitsPerPixel*/) {}
  virtual int BitsPerPixel() const { return 32; }
};
