#include "math/StrokePainters.h"

#include <algorithm>
#include <vector>

#include "math/StrokeFrame.h"
#include "model/SaturatedInt.h"
#include "platform/Brush.h"
#include "platform/DC.h"
#include "platform/Pen.h"

namespace {

// Selects a solid pen for the painter's strokes and puts the previous one back.
class CStrokePen {
 public:
  CStrokePen(CDC* pDC, int nWidth, COLORREF color) : m_pDC(pDC), m_pen(PS_SOLID, nWidth, color) {
    m_pOld = pDC->SelectObject(&m_pen);
  }
  ~CStrokePen() {
    if (m_pOld) m_pDC->SelectObject(m_pOld);
  }
  CStrokePen(const CStrokePen&) = delete;
  CStrokePen& operator=(const CStrokePen&) = delete;

 private:
  CDC* m_pDC;
  CPen m_pen;
  CPen* m_pOld;
};

// The arcs of a fitted shape, drawn as they are or mirrored onto the right edge; mirroring
// exchanges the start and end points so that the arc keeps its counter-clockwise direction.
struct MIRROR {
  const CStrokeFrame& frame;
  int nSum;  // L + R when mirrored, else 0
  int X(int x) const { return nSum ? nSum - x : x; }
  void Arc(int x1, int y1, int x2, int y2, POINT start, POINT end) const {
    if (nSum) std::swap(start, end);
    frame.Arc(std::min(X(x1), X(x2)), y1, std::max(X(x1), X(x2)), y2, POINT{X(start.x), start.y},
              POINT{X(end.x), end.y});
  }
  void Line(int x1, int y1, int x2, int y2) const { frame.Line(X(x1), y1, X(x2), y2); }
};

// The polyline fences: the far ends on the outer edge, the spine a third of the width in.
void DrawThreeThirds(const CStrokeFrame& frame, int nSide, const std::vector<int>& ys) {
  const RECT& r = frame.Box();
  const int third = (r.right - r.left) / 3;
  const int outer = nSide == 1 ? r.right : r.left;
  const int spine = nSide == 1 ? r.left + third : r.right - third;
  std::vector<POINT> points{{outer, r.top}};
  for (int y : ys) points.push_back(POINT{spine, y});
  points.push_back(POINT{outer, r.bottom});
  frame.Polyline(points);
}

}  // namespace

namespace {

// The bow of a damaged record's box, flat past seeing, keeps a radius within the integer's reach.
constexpr double kMaxRadius = kMaxKeptExtent;
double BoundedRadius(double r) { return std::clamp(r, -kMaxRadius, kMaxRadius); }

// The circle through the rectangle's upper corners and the middle of its height: half width w,
// half height h, centre x and radius. A flat rectangle has no such circle.
struct ARC_CIRCLE {
  int h, cx, radius;
};

bool ArcCircle(const RECT& r, ARC_CIRCLE& circle) {
  const int w = (r.right - r.left) / 2;
  circle.h = (r.bottom - r.top) / 2;
  if (circle.h == 0) return false;
  circle.radius = int(BoundedRadius((double(w) * w + double(circle.h) * circle.h) / (2.0 * circle.h)));
  circle.cx = r.left + w;
  return true;
}

}  // namespace

void DrawArcMark(CDC* pDC, int nPenWidth, const RECT* pRect, int nChord, COLORREF color, BOOL bTurned) {
  if (!pDC || !pRect) return;
  const CStrokeFrame frame(pDC, *pRect, bTurned);
  const RECT& r = frame.Box();
  ARC_CIRCLE c;
  if (!ArcCircle(r, c)) return;
  CStrokePen pen(pDC, nPenWidth, color);
  frame.Arc(c.cx - c.radius, r.top + c.h, c.cx + c.radius, r.top + c.h + 2 * c.radius, POINT{r.right, r.top + nChord},
            POINT{r.left, r.top + nChord});
}

void DrawUnderArcMark(CDC* pDC, int nPenWidth, const RECT* pRect, int nChord, COLORREF color, BOOL bTurned) {
  if (!pDC || !pRect) return;
  const CStrokeFrame frame(pDC, *pRect, bTurned);
  const RECT& r = frame.Box();
  ARC_CIRCLE c;
  if (!ArcCircle(r, c)) return;
  const int middle = r.top + c.h, bottom = r.top + 2 * c.h;
  CStrokePen pen(pDC, nPenWidth, color);
  frame.Arc(c.cx - c.radius, middle - 2 * c.radius, c.cx + c.radius, middle, POINT{r.left, bottom - nChord},
            POINT{r.right, bottom - nChord});
}

void DrawArrow(CDC* pDC, int nPenWidth, const RECT* pRect, int nHeadLength, int nHeadHeight, int nDirection,
               COLORREF color, BOOL bTurned) {
  if (!pDC || !pRect) return;
  const CStrokeFrame frame(pDC, *pRect, bTurned);
  const RECT& r = frame.Box();
  int hl = std::max(nHeadLength, 3);
  int a = hl / 2;
  int b = std::max(nHeadHeight, 3) / 2;
  if (a > 1) --a;
  if (b > 1) --b;
  if (hl > 1) --hl;
  const int y = r.top + (r.bottom - r.top) / 2;
  const bool right = nDirection == 1 || nDirection == 3;
  const bool left = nDirection == 2 || nDirection == 3;
  {
    CStrokePen pen(pDC, nPenWidth, color);
    frame.Line(left ? r.left + a : r.left, y, right ? r.right - a : r.right, y);
  }
  CStrokePen pen(pDC, 1, color);
  CBrush brush(color);
  CBrush* oldBrush = pDC->SelectObject(&brush);
  const int oldMode = pDC->SetPolyFillMode(ALTERNATE);
  if (right) frame.Polygon({{r.right, y}, {r.right - hl, y - b}, {r.right - a, y}, {r.right - hl, y + b}, {r.right, y}});
  if (left) frame.Polygon({{r.left, y}, {r.left + hl, y - b}, {r.left + a, y}, {r.left + hl, y + b}, {r.left, y}});
  pDC->SetPolyFillMode(oldMode);
  if (oldBrush) pDC->SelectObject(oldBrush);
}

void DrawHorizontalBrace(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned) {
  if (!pDC || !pRect) return;
  const CStrokeFrame f(pDC, *pRect, bTurned);
  const int L = f.Box().left, T = f.Box().top, R = f.Box().right, B = f.Box().bottom;
  const int k = (B - T) / 2;
  const int cx = L + (R - L) / 2;
  const int y = T + k;
  CStrokePen pen(pDC, nPenWidth, color);
  if (nSide == 1) {
    f.Arc(L, y, L + 2 * k, B + k, POINT{L + k, y}, POINT{L, T + 2 * k});
    f.Line(L + k, y, cx - k, y);
    f.Arc(cx - 2 * k, T - k, cx, y, POINT{cx - k, y}, POINT{cx, T});
    f.Arc(cx, T - k, cx + 2 * k, y, POINT{cx, T}, POINT{cx + k, y});
    f.Line(cx + k, y, R - k, y);
    f.Arc(R - 2 * k, y, R, B + k, POINT{R, T + 2 * k}, POINT{R - k, y});
    return;
  }
  f.Arc(L, T - k, L + 2 * k, y, POINT{L, T}, POINT{L + k, y});
  f.Line(L + k, y, cx - k, y);
  f.Arc(cx - 2 * k, y, cx, B + k, POINT{cx, T + 2 * k}, POINT{cx - k, y});
  f.Arc(cx, y, cx + 2 * k, B + k, POINT{cx + k, y}, POINT{cx, T + 2 * k});
  f.Line(cx + k, y, R - k, y);
  f.Arc(R - 2 * k, T - k, R, y, POINT{R - k, y}, POINT{R, T});
}

void DrawCurlyBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned) {
  if (!pDC || !pRect) return;
  const CStrokeFrame frame(pDC, *pRect, bTurned);
  const int L = frame.Box().left, T = frame.Box().top, R = frame.Box().right, B = frame.Box().bottom;
  const int H = B - T;
  const int e = std::min((R - L) / 2, H / 4);
  const int m = T + H / 2;
  CStrokePen pen(pDC, nPenWidth, color);
  const MIRROR d{frame, nSide == 1 ? 0 : L + R};
  d.Arc(L + e, T, L + 3 * e, T + 2 * e, POINT{L + 2 * e, T}, POINT{L + e, T + e});
  d.Line(L + e, T + e, L + e, m - e);
  d.Arc(L - e, m - 2 * e, L + e, m, POINT{L, m}, POINT{L + e, m - e});
  d.Arc(L - e, m, L + e, m + 2 * e, POINT{L + e, m + e}, POINT{L, m});
  d.Line(L + e, m + e, L + e, B - e);
  d.Arc(L + e, B - 2 * e, L + 3 * e, B, POINT{L + e, B - e}, POINT{L + 2 * e, B});
}

void DrawParenthesis(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned) {
  if (!pDC || !pRect) return;
  const CStrokeFrame frame(pDC, *pRect, bTurned);
  const int L = frame.Box().left, T = frame.Box().top, R = frame.Box().right, B = frame.Box().bottom;
  const int W = R - L;
  // No width, no bow: nothing to draw.
  if (W == 0) return;
  const int d = W / 3;
  const int h = (B - T) / 2;
  const double r = BoundedRadius((double(h) * h + double(W) * W) / (2.0 * W));
  // Truncated from the top edge, not from zero, so that a turned frame's negative y rounds alike.
  const int top = T + int(h - r) - d;
  const int bottom = T + int(h + r) + d;
  const int diameter = int(2 * r);
  CStrokePen pen(pDC, nPenWidth, color);
  if (nSide == 1) {
    const int left = L + d, right = R - d / 2;
    frame.Arc(left, top, left + diameter, bottom, POINT{right, T}, POINT{right, B});
    return;
  }
  const int right = R - d, left = L + d / 2;
  frame.Arc(right - diameter, top, right, bottom, POINT{left, B}, POINT{left, T});
}

void DrawSquareBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned) {
  if (!pDC || !pRect) return;
  const CStrokeFrame frame(pDC, *pRect, bTurned);
  CStrokePen pen(pDC, nPenWidth, color);
  DrawThreeThirds(frame, nSide, {frame.Box().top, frame.Box().bottom});
}

void DrawAngleBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned) {
  if (!pDC || !pRect) return;
  const CStrokeFrame frame(pDC, *pRect, bTurned);
  const RECT& r = frame.Box();
  CStrokePen pen(pDC, nPenWidth, color);
  DrawThreeThirds(frame, nSide, {r.top + (r.bottom - r.top) / 2});
}

void DrawTortoiseShellBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color,
                              BOOL bTurned) {
  if (!pDC || !pRect) return;
  const CStrokeFrame frame(pDC, *pRect, bTurned);
  const RECT& r = frame.Box();
  const int q = (r.bottom - r.top) / 8;
  CStrokePen pen(pDC, nPenWidth, color);
  DrawThreeThirds(frame, nSide, {r.top + q, r.bottom - q});
}
