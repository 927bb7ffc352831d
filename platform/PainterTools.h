#pragma once
// Pens, brushes and colours of the device context as QPainter sees them.

#include <QBrush>
#include <QColor>
#include <QPen>

#include "platform/DCBackend.h"

QColor ToQColor(COLORREF color);
// The selected pen in device pixels; dashes of cosmetic pens follow the Windows lengths.
QPen ToQPen(const DC_PAINT& paint);
// The pen's gaps in the background colour, or NoPen when nothing fills them.
QPen GapPen(const DC_PAINT& paint);
// Pattern pixels take the text colour (the hatch colour for hatched brushes); the others take
// the background colour, or stay transparent in transparent mode.
QBrush ToQBrush(const CBrush& brush, const DC_PAINT& paint);
