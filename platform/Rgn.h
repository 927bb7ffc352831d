#pragma once
// A region in device units, used for clipping.

#include <QRegion>

#include "platform/GdiObject.h"

class CRgn : public CGdiObject {
 public:
  CRgn() = default;
  BOOL CreateRectRgn(int left, int top, int right, int bottom);
  BOOL CreateRectRgnIndirect(const RECT* rect);
  BOOL CreatePolygonRgn(const POINT* points, int count);
  BOOL PtInRegion(int x, int y) const { return m_region.contains(QPoint(x, y)); }
  const QRegion& Region() const { return m_region; }

 protected:
  void Clear() override { m_region = QRegion(); }

 private:
  QRegion m_region;
};
