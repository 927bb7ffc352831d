#include "platform/Rgn.h"

#include <QPolygon>

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
  if (m_bCreated) return FALSE;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  m_region = QRegion(left, top, right - left, bottom - top);
  m_bCreated = true;
  return TRUE;
}

BOOL CRgn::CreateRectRgnIndirect(const RECT* rect) {
  return rect && CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count) {
  if (m_bCreated || !points || count < 3) return FALSE;
  QPolygon polygon;
  for (int i = 0; i < count; ++i) polygon << QPoint(points[i].x, points[i].y);
  m_region = QRegion(polygon);
  m_bCreated = true;
  return TRUE;
}
