#pragma once
// Draws a placed line of text with the installed fonts, upright or turned for "@" faces.

#include <QPainter>

#include "platform/DCBackend.h"

class CRealizedFont;

class CTextPainter {
 public:
  CTextPainter(QPainter& painter, const DC_PAINT& paint, const DC_TEXT& text);
  void Draw();

 private:
  void DrawBackground();
  void DrawChar(size_t index);
  void DrawGlyph(const class CFontFace& face, quint32 glyph, QPointF at);

  QPainter& m_painter;
  const DC_PAINT& m_paint;
  const DC_TEXT& m_text;
  const CRealizedFont& m_font;
  double m_scale;  // device pixels per logical unit of the font
};
