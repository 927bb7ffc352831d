#include "platform/PainterTools.h"

#include <QImage>
#include <QVector>

namespace {

QVector<qreal> DashesOf(int style) {
  switch (style) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

Qt::PenCapStyle CapOf(int endCap) {
  if (endCap == PS_ENDCAP_FLAT) return Qt::FlatCap;
  if (endCap == PS_ENDCAP_SQUARE) return Qt::SquareCap;
  return Qt::RoundCap;
}

Qt::PenJoinStyle JoinOf(int join) {
  if (join == PS_JOIN_BEVEL) return Qt::BevelJoin;
  if (join == PS_JOIN_MITER) return Qt::MiterJoin;
  return Qt::RoundJoin;
}

}  // namespace

QColor ToQColor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

QPen ToQPen(const DC_PAINT& paint) {
  const CPen& pen = *paint.pen;
  if (pen.Style() == PS_NULL) return QPen(Qt::NoPen);
  QPen qpen(ToQColor(pen.Color()));
  if (paint.penWidth == 0) {
    // One device pixel, and the last pixel of a line is left out as on Windows.
    qpen.setWidth(0);
    qpen.setCosmetic(true);
    qpen.setCapStyle(Qt::FlatCap);
    QVector<qreal> dashes = DashesOf(pen.Style());
    if (!dashes.isEmpty()) qpen.setDashPattern(dashes);
    return qpen;
  }
  qpen.setWidth(paint.penWidth);
  qpen.setCapStyle(pen.IsGeometric() ? CapOf(pen.EndCap()) : Qt::RoundCap);
  qpen.setJoinStyle(pen.IsGeometric() ? JoinOf(pen.Join()) : Qt::RoundJoin);
  return qpen;
}

QPen GapPen(const DC_PAINT& paint) {
  const CPen& pen = *paint.pen;
  if (paint.bkMode != OPAQUE || paint.penWidth != 0 || DashesOf(pen.Style()).isEmpty()) {
    return QPen(Qt::NoPen);
  }
  QPen gaps(ToQColor(paint.bkColor));
  gaps.setWidth(0);
  gaps.setCosmetic(true);
  gaps.setCapStyle(Qt::FlatCap);
  return gaps;
}

QBrush ToQBrush(const CBrush& brush, const DC_PAINT& paint) {
  switch (brush.Style()) {
    case BS_SOLID: return QBrush(ToQColor(brush.Color()));
    case BS_NULL: return QBrush(Qt::NoBrush);
    default: break;
  }
  QRgb fore = ToQColor(brush.Style() == BS_HATCHED ? brush.Color() : paint.textColor).rgba();
  QRgb back = paint.bkMode == OPAQUE ? ToQColor(paint.bkColor).rgba() : qRgba(0, 0, 0, 0);
  QImage tile(8, 8, QImage::Format_ARGB32);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) tile.setPixel(x, y, (brush.Pattern()[size_t(y)] & (0x80 >> x)) ? fore : back);
  }
  return QBrush(tile);
}
