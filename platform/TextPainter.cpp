#include "platform/TextPainter.h"

#include <QGlyphRun>
#include <QPolygon>

#include "platform/RealizedFont.h"
#include "platform/Utf16.h"

namespace {

QColor ToColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

const CRealizedFont& RealizedFor(const DC_TEXT& text) {
  if (auto* font = dynamic_cast<const CRealizedFont*>(text.metrics)) return *font;
  return CRealizedFont::Get(*text.lf);
}

}  // namespace

CTextPainter::CTextPainter(QPainter& painter, const DC_PAINT& paint, const DC_TEXT& text)
    : m_painter(painter), m_paint(paint), m_text(text), m_font(RealizedFor(text)),
      m_scale(m_font.Em() > 0 ? text.deviceEm / m_font.Em() : 1) {}

void CTextPainter::Draw() {
  m_painter.setRenderHint(QPainter::Antialiasing, true);
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
  DrawBackground();
  m_painter.setPen(ToColor(m_paint.textColor));
  for (size_t i = 0; i < m_text.text.size() && i < m_text.origins.size(); ++i) {
    if (!IsTrailOfPair(m_text.text, i)) DrawChar(i);
  }
}

void CTextPainter::DrawBackground() {
  if (m_text.background.empty()) return;
  QPolygon cell;
  for (const POINT& p : m_text.background) cell << QPoint(p.x, p.y);
  m_painter.save();
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(ToColor(m_paint.bkColor));
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.drawPolygon(cell);
  m_painter.restore();
}

// In the line's frame x runs along the line and y across it, downwards from the baseline.
void CTextPainter::DrawChar(size_t index) {
  const GLYPH_INFO& g = m_font.Glyph(CodePointAt(m_text.text, index));
  const POINT& origin = m_text.origins[index];
  m_painter.save();
  m_painter.translate(origin.x, origin.y);
  m_painter.rotate(-m_text.angle);
  m_painter.scale(m_font.Stretch() * m_text.alongScale, 1);
  if (m_font.IsVertical() && g.bUpright) {
    // Upright: the glyph's vertical origin sits at the middle of the cell across the line,
    // and the glyph is turned back a quarter so that it stands when the line runs down.
    const TEXTMETRICA& tm = m_font.GetTextMetrics();
    double middle = (tm.tmDescent - tm.tmAscent) / 2.0 * m_scale;
    m_painter.translate(0, middle);
    m_painter.rotate(-90);
    DrawGlyph(*g.face, g.vertGlyph, QPointF(-g.vOriginX * m_text.deviceEm, g.vOriginY * m_text.deviceEm));
  } else {
    DrawGlyph(*g.face, g.glyph, QPointF(0, 0));
  }
  m_painter.restore();
}

void CTextPainter::DrawGlyph(const CFontFace& face, quint32 glyph, QPointF at) {
  QGlyphRun run;
  run.setRawFont(face.RawFontAt(m_text.deviceEm));
  run.setGlyphIndexes({glyph});
  run.setPositions({at});
  m_painter.drawGlyphRun(QPointF(0, 0), run);
}
