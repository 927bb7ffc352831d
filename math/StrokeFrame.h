#pragma once
// The frame a stroke painter draws in: the rectangle as the formula lays it out, with the
// x axis along the formula. In vertical writing the device rectangle is that frame turned a
// quarter clockwise, as the coordinate mapper turns the layout, and every point, box and arc
// is turned back onto the device on the way out.

#include <vector>

#include "platform/WinTypes.h"

class CDC;

class CStrokeFrame {
 public:
  CStrokeFrame(CDC* pDC, const RECT& device, BOOL bTurned);

  // The rectangle in frame coordinates.
  const RECT& Box() const { return m_box; }
  // A device point in frame coordinates.
  POINT FromDevice(POINT p) const { return m_bTurned ? POINT{p.y, -p.x} : p; }

  void Line(int x1, int y1, int x2, int y2) const;
  void Polyline(const std::vector<POINT>& points) const;
  void Polygon(const std::vector<POINT>& points) const;
  // The platform's arc (counter-clockwise from start to end); a quarter turn keeps the direction.
  void Arc(int left, int top, int right, int bottom, POINT start, POINT end) const;

 private:
  POINT ToDevice(POINT p) const;
  std::vector<POINT> ToDevice(const std::vector<POINT>& points) const;

  CDC* m_pDC;
  BOOL m_bTurned;
  RECT m_box;
};
