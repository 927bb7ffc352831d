#pragma once
// One installed font file as loaded for measuring and drawing, with its glyphs cached per character.

#include <QFont>
#include <QRawFont>
#include <QString>

#include <array>
#include <map>
#include <memory>
#include <optional>

#include "platform/WinTypes.h"

struct hb_face_t;
struct hb_font_t;
class CFontFace;

// Metrics of one character in ems of its face, so that every size shares them.
struct GLYPH_INFO {
  const CFontFace* face;  // the face that holds the glyph (a fallback when the font lacks it); null until loaded
  quint32 glyph;
  quint32 vertGlyph;      // the vertical form, or glyph when the font has none
  double hAdvance;
  double vAdvance;
  double leftBearing;
  double inkWidth;
  double vOriginX;        // from the horizontal origin to the vertical origin, y up
  double vOriginY;
  bool bUpright;          // stands upright in vertical writing
};

class CFontFace {
 public:
  // The shared face of a family; an unknown family gives the font Qt matches for it.
  static const CFontFace* Get(const QString& family, bool bBold, bool bItalic);
  // Releases every face; run before the application object goes away.
  static void ReleaseAll();

  CFontFace(const QString& family, bool bBold, bool bItalic);
  ~CFontFace();
  CFontFace(const CFontFace&) = delete;
  CFontFace& operator=(const CFontFace&) = delete;

  const GLYPH_INFO& Glyph(char32_t c) const;
  // The raw font at a pixel size, for drawing.
  const QRawFont& RawFontAt(double pixelSize) const;

  // Face-wide metrics in ems.
  double m_winAscent = 0.88;
  double m_winDescent = 0.12;
  double m_avgCharWidth = 0.5;
  double m_maxCharWidth = 1.0;
  int m_weightClass = 400;
  bool m_bFixedPitch = false;
  bool m_bTrueType = true;

 private:
  void ReadTables();
  GLYPH_INFO LoadGlyph(char32_t c) const;
  bool FillGlyph(char32_t c, GLYPH_INFO& info) const;
  void FillMetrics(quint32 glyph, GLYPH_INFO& info) const;
  void FillVertical(char32_t c, GLYPH_INFO& info) const;
  QByteArray Table(const char* tag) const;
  const QRawFont& Raw() const;

  QFont m_font;
  // Loaded only to draw, or to measure when no installed file serves the family.
  mutable std::optional<QRawFont> m_raw;
  hb_face_t* m_hbFace = nullptr;
  hb_font_t* m_hbFont = nullptr;
  double m_upem = 1000;
  using Page = std::array<GLYPH_INFO, 256>;
  mutable std::array<std::unique_ptr<Page>, 256> m_pages;
  mutable std::map<char32_t, GLYPH_INFO> m_supplementary;  // characters beyond U+FFFF
  mutable std::map<int, QRawFont> m_sized;
};
