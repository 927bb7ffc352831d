#include "tests/support/RecordingBackend.h"

#include <QString>

#include <cstring>

int CRecordingBackend::GetDeviceCaps(int index) const {
  switch (index) {
    case LOGPIXELSX: case LOGPIXELSY: return m_logPixels;
    case HORZRES: return m_size.cx;
    case VERTRES: return m_size.cy;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    default: return 0;
  }
}

const CFontMetrics& CRecordingBackend::Metrics(const LOGFONTA& lf) {
  std::string key(reinterpret_cast<const char*>(&lf), sizeof lf);
  auto& slot = m_metrics[key];
  if (!slot) slot = std::make_unique<CFakeFontMetrics>(lf, m_font);
  return *slot;
}

DC_CALL& CRecordingBackend::Record(const char* name, const DC_PAINT& paint, std::vector<POINT> points) {
  DC_CALL call;
  call.name = name;
  call.points = std::move(points);
  call.penColor = paint.pen->Color();
  call.penStyle = paint.pen->Style();
  call.penWidth = paint.penWidth;
  call.brushStyle = paint.brush->Style();
  call.brushColor = paint.brush->Color();
  call.textColor = paint.textColor;
  call.bkColor = paint.bkColor;
  call.bkMode = paint.bkMode;
  call.rop2 = paint.rop2;
  call.clipped = paint.clip != nullptr;
  m_calls.push_back(std::move(call));
  return m_calls.back();
}

void CRecordingBackend::Polyline(const DC_PAINT& paint, const std::vector<POINT>& points) {
  Record("Polyline", paint, points);
}

void CRecordingBackend::Polygon(const DC_PAINT& paint, const std::vector<POINT>& points) {
  Record("Polygon", paint, points);
}

void CRecordingBackend::PolyBezier(const DC_PAINT& paint, const std::vector<POINT>& points) {
  Record("PolyBezier", paint, points);
}

void CRecordingBackend::Rectangle(const DC_PAINT& paint, const RECT& r) {
  Record("Rectangle", paint, {{r.left, r.top}, {r.right, r.bottom}});
}

void CRecordingBackend::Arc(const DC_PAINT& paint, const RECT& box, POINT start, POINT end) {
  Record("Arc", paint, {{box.left, box.top}, {box.right, box.bottom}, start, end});
}

void CRecordingBackend::FillRect(const DC_PAINT& paint, const RECT& r, const CBrush& brush) {
  DC_CALL& call = Record("FillRect", paint, {{r.left, r.top}, {r.right, r.bottom}});
  call.brushStyle = brush.Style();
  call.brushColor = brush.Color();
}

void CRecordingBackend::PatBlt(const DC_PAINT& paint, const RECT& r, DWORD rop) {
  Record("PatBlt", paint, {{r.left, r.top}, {r.right, r.bottom}}).rop = rop;
}

void CRecordingBackend::Text(const DC_PAINT& paint, const DC_TEXT& text) {
  DC_CALL& call = Record("Text", paint, text.origins);
  call.text = std::u16string(text.text);
  call.font = *text.lf;
  call.angle = text.angle;
}

void CRecordingBackend::Image(const DC_PAINT& paint, const RECT& dst, const QImage&, const QRect&, DWORD rop) {
  Record("Image", paint, {{dst.left, dst.top}, {dst.right, dst.bottom}}).rop = rop;
}

std::string DC_CALL::ToString() const {
  std::string line = name;
  for (const POINT& p : points) line += " " + std::to_string(p.x) + "," + std::to_string(p.y);
  if (!text.empty()) {
    line += " \"" + QString::fromUtf16(text.data(), qsizetype(text.size())).toStdString() + "\"";
  }
  return line;
}

std::vector<std::string> CRecordingBackend::Lines() const {
  std::vector<std::string> lines;
  for (const DC_CALL& call : m_calls) lines.push_back(call.ToString());
  return lines;
}

CRecordingDC::CRecordingDC() : CDC(std::make_unique<CRecordingBackend>()) {}
