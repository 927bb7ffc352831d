#include "platform/PainterBackend.h"

#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainterPath>
#include <QPicture>
#include <QScreen>

#include <cmath>

#include "platform/DC.h"
#include "platform/PainterTools.h"
#include "platform/RealizedFont.h"
#include "platform/TextPainter.h"

namespace {

QPolygon ToPolygon(const std::vector<POINT>& points) {
  QPolygon polygon;
  for (const POINT& p : points) polygon << QPoint(p.x, p.y);
  return polygon;
}

// The angle of the point where the ray from the centre through p meets the ellipse, as an
// ellipse parameter in degrees, counter-clockwise on the screen.
double EllipseAngle(const QRectF& box, POINT p) {
  QPointF c = box.center();
  double a = box.width() / 2, b = box.height() / 2;
  if (a <= 0 || b <= 0) return 0;
  return std::atan2(-(p.y - c.y()) / b, (p.x - c.x()) / a) * 180 / M_PI;
}

}  // namespace

CPainterBackend::CPainterBackend(Kind kind, QPaintDevice* device) : m_kind(kind), m_device(device) {}

CPainterBackend::~CPainterBackend() {
  if (m_open) m_open->end();
}

QPaintDevice* CPainterBackend::Device() const { return m_target ? m_target : m_device; }

int CPainterBackend::GetDeviceCaps(int index) const {
  const QPaintDevice* device = Device();
  if (!device) return 0;
  switch (index) {
    case LOGPIXELSX: return device->logicalDpiX();
    case LOGPIXELSY: return device->logicalDpiY();
    case HORZRES: case PHYSICALWIDTH: return device->width();
    case VERTRES: case PHYSICALHEIGHT: return device->height();
    case HORZSIZE: return device->widthMM();
    case VERTSIZE: return device->heightMM();
    case BITSPIXEL: return m_bitsPerPixel;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    default: return 0;
  }
}

DWORD CPainterBackend::GetObjectType() const {
  switch (m_kind) {
    case Kind::Memory: return OBJ_MEMDC;
    case Kind::Metafile: return OBJ_ENHMETADC;
    default: return OBJ_DC;
  }
}

const CFontMetrics& CPainterBackend::Metrics(const LOGFONTA& lf) { return CRealizedFont::Get(lf); }

const QImage* CPainterBackend::Pixels() const {
  if (!IsRaster()) return nullptr;
  return m_target ? m_target : static_cast<const QImage*>(m_device);
}

void CPainterBackend::SetTarget(QImage* image, int bitsPerPixel) {
  m_target = image;
  m_bitsPerPixel = bitsPerPixel;
}

bool CPainterBackend::NewPage() {
  auto* printer = dynamic_cast<QPagedPaintDevice*>(m_device);
  return m_kind == Kind::Printer && printer && printer->newPage();
}

// Raster targets get a painter per call, so that their pixels can be read between calls.
QPainter* CPainterBackend::Begin(const DC_PAINT& paint) {
  QPainter* painter;
  if (IsRaster()) {
    QPaintDevice* device = Device();
    if (!device || device->width() <= 0) return nullptr;
    m_transient = std::make_unique<QPainter>(device);
    painter = m_transient.get();
  } else {
    if (!m_open) m_open = std::make_unique<QPainter>(m_device);
    painter = m_open.get();
    painter->save();
  }
  if (!painter->isActive()) {
    End();
    return nullptr;
  }
  if (paint.clip) painter->setClipRegion(*paint.clip);
  return painter;
}

void CPainterBackend::End() {
  if (m_transient) {
    m_transient.reset();
  } else if (m_open && m_open->isActive()) {
    m_open->restore();
  }
}

// False when the mode draws nothing on this device.
bool CPainterBackend::ApplyRop2(QPainter& painter, const DC_PAINT& paint) {
  switch (paint.rop2) {
    case R2_NOP: return false;
    case R2_NOT: painter.setCompositionMode(QPainter::RasterOp_NotDestination); break;
    case R2_XORPEN: painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case R2_NOTXORPEN: painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination); break;
    case R2_MASKPEN: painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
    case R2_MERGEPEN: painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination); break;
    case R2_NOTCOPYPEN: painter.setCompositionMode(QPainter::RasterOp_NotSource); break;
    default: return true;
  }
  // Raster operations only exist on pixels.
  return IsRaster();
}

void CPainterBackend::StrokePath(const DC_PAINT& paint, const QPainterPath& path, bool fill) {
  QPainter* painter = Begin(paint);
  if (!painter) return;
  if (ApplyRop2(*painter, paint)) {
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (fill) painter->fillPath(path, ToQBrush(*paint.brush, paint));
    QPen pen = ToQPen(paint);
    if (paint.rop2 == R2_BLACK || paint.rop2 == R2_WHITE) pen.setColor(paint.rop2 == R2_BLACK ? Qt::black : Qt::white);
    QPen gaps = GapPen(paint);
    if (gaps.style() != Qt::NoPen) painter->strokePath(path, gaps);
    if (pen.style() != Qt::NoPen) painter->strokePath(path, pen);
  }
  End();
}

void CPainterBackend::Polyline(const DC_PAINT& paint, const std::vector<POINT>& points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(ToPolygon(points)));
  StrokePath(paint, path, false);
}

void CPainterBackend::Polygon(const DC_PAINT& paint, const std::vector<POINT>& points) {
  QPolygonF polygon(ToPolygon(points));
  polygon << polygon.first();
  QPainterPath path;
  path.addPolygon(polygon);
  path.setFillRule(paint.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
  StrokePath(paint, path, true);
}

void CPainterBackend::PolyBezier(const DC_PAINT& paint, const std::vector<POINT>& points) {
  QPainterPath path(QPointF(points[0].x, points[0].y));
  for (size_t i = 1; i + 2 < points.size(); i += 3) {
    path.cubicTo(QPointF(points[i].x, points[i].y), QPointF(points[i + 1].x, points[i + 1].y),
                 QPointF(points[i + 2].x, points[i + 2].y));
  }
  StrokePath(paint, path, false);
}

// The outline runs through the outermost pixels; right and bottom edges stay outside.
void CPainterBackend::Rectangle(const DC_PAINT& paint, const RECT& rect) {
  if (rect.right - rect.left < 2 || rect.bottom - rect.top < 2) return;
  QPainterPath path;
  path.addRect(QRectF(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1));
  StrokePath(paint, path, true);
}

void CPainterBackend::Arc(const DC_PAINT& paint, const RECT& box, POINT start, POINT end) {
  QRectF ellipse(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1);
  if (ellipse.width() <= 0 || ellipse.height() <= 0) return;
  double from = EllipseAngle(ellipse, start);
  double sweep = EllipseAngle(ellipse, end) - from;
  while (sweep <= 0) sweep += 360;  // equal rays give the whole ellipse
  QPainterPath path;
  path.arcMoveTo(ellipse, from);
  path.arcTo(ellipse, from, sweep);
  StrokePath(paint, path, false);
}

void CPainterBackend::FillRect(const DC_PAINT& paint, const RECT& rect, const CBrush& brush) {
  QPainter* painter = Begin(paint);
  if (!painter) return;
  painter->fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top), ToQBrush(brush, paint));
  End();
}

void CPainterBackend::PatBlt(const DC_PAINT& paint, const RECT& rect, DWORD rop) {
  QPainter* painter = Begin(paint);
  if (!painter) return;
  QRect area(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  switch (rop) {
    case BLACKNESS: painter->fillRect(area, Qt::black); break;
    case WHITENESS: painter->fillRect(area, Qt::white); break;
    case PATCOPY: painter->fillRect(area, ToQBrush(*paint.brush, paint)); break;
    case PATINVERT:
    case DSTINVERT:
      if (!IsRaster()) break;
      painter->setCompositionMode(rop == DSTINVERT ? QPainter::RasterOp_NotDestination
                                                   : QPainter::RasterOp_SourceXorDestination);
      painter->fillRect(area, rop == DSTINVERT ? QBrush(Qt::white) : ToQBrush(*paint.brush, paint));
      break;
    default: break;
  }
  End();
}

void CPainterBackend::Text(const DC_PAINT& paint, const DC_TEXT& text) {
  QPainter* painter = Begin(paint);
  if (!painter) return;
  CTextPainter(*painter, paint, text).Draw();
  End();
}

void CPainterBackend::Image(const DC_PAINT& paint, const RECT& dst, const QImage& image, const QRect& src, DWORD rop) {
  // Copying a target onto itself needs its own copy of the pixels.
  QImage source = (&image == Pixels()) ? image.copy(src) : QImage();
  QPainter* painter = Begin(paint);
  if (!painter) return;
  QPainter::CompositionMode mode = QPainter::CompositionMode_Source;
  if (rop == SRCAND) mode = QPainter::RasterOp_SourceAndDestination;
  if (rop == SRCPAINT) mode = QPainter::RasterOp_SourceOrDestination;
  if (rop == SRCINVERT) mode = QPainter::RasterOp_SourceXorDestination;
  if (IsRaster() || mode == QPainter::CompositionMode_Source) {
    painter->setCompositionMode(mode);
    QRect target(dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top);
    if (source.isNull()) {
      painter->drawImage(target, image, src);
    } else {
      painter->drawImage(target, source);
    }
  }
  End();
}

std::unique_ptr<CDCBackend> MakeMemoryBackend() {
  return std::make_unique<CPainterBackend>(CPainterBackend::Kind::Memory, nullptr);
}

std::unique_ptr<CDCBackend> MakeImageBackend(QImage* image) {
  return std::make_unique<CPainterBackend>(CPainterBackend::Kind::Screen, image);
}

std::unique_ptr<CDCBackend> MakePrinterBackend(QPagedPaintDevice* printer) {
  return std::make_unique<CPainterBackend>(CPainterBackend::Kind::Printer, printer);
}

std::unique_ptr<CDCBackend> MakeMetafileBackend(QPicture* picture) {
  return std::make_unique<CPainterBackend>(CPainterBackend::Kind::Metafile, picture);
}
