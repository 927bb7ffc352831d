#include "math/StrokeFrame.h"

#include <algorithm>

#include "platform/DC.h"

// Turned, the frame's (x, y) lies at the device's (-y, x): x runs down, y runs left.
CStrokeFrame::CStrokeFrame(CDC* pDC, const RECT& device, BOOL bTurned)
    : m_pDC(pDC),
      m_bTurned(bTurned),
      m_box(bTurned ? RECT{device.top, -device.right, device.bottom, -device.left} : device) {}

POINT CStrokeFrame::ToDevice(POINT p) const { return m_bTurned ? POINT{-p.y, p.x} : p; }

std::vector<POINT> CStrokeFrame::ToDevice(const std::vector<POINT>& points) const {
  std::vector<POINT> device;
  device.reserve(points.size());
  for (POINT p : points) device.push_back(ToDevice(p));
  return device;
}

void CStrokeFrame::Line(int x1, int y1, int x2, int y2) const {
  m_pDC->MoveTo(ToDevice(POINT{x1, y1}));
  m_pDC->LineTo(ToDevice(POINT{x2, y2}));
}

void CStrokeFrame::Polyline(const std::vector<POINT>& points) const {
  const std::vector<POINT> device = ToDevice(points);
  m_pDC->Polyline(device.data(), int(device.size()));
}

void CStrokeFrame::Polygon(const std::vector<POINT>& points) const {
  const std::vector<POINT> device = ToDevice(points);
  m_pDC->Polygon(device.data(), int(device.size()));
}

// An arc's box leaves its right and bottom pixels outside the ellipse. Turned, the frame's
// bottom becomes the device's left, so the box moves a pixel right to cover the same pixels.
void CStrokeFrame::Arc(int left, int top, int right, int bottom, POINT start, POINT end) const {
  const int shift = m_bTurned ? 1 : 0;
  const POINT a = ToDevice(POINT{left, top}), b = ToDevice(POINT{right, bottom});
  const POINT s = ToDevice(start), e = ToDevice(end);
  m_pDC->Arc(std::min(a.x, b.x) + shift, std::min(a.y, b.y), std::max(a.x, b.x) + shift, std::max(a.y, b.y),
             s.x + shift, s.y, e.x + shift, e.y);
}
