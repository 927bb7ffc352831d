#include "platform/DCMapping.h"

#include <cmath>
#include <cstdlib>

namespace {

LONG Scale(LONG value, LONG num, LONG den) {
  if (den == 0) return 0;
  int64_t product = int64_t(value) * num;
  int64_t half = std::llabs(int64_t(den)) / 2;
  bool negative = (product < 0) != (den < 0);
  int64_t quotient = (std::llabs(product) + half) / std::llabs(int64_t(den));
  return LONG(negative ? -quotient : quotient);
}

}  // namespace

LONG DC_MAPPING::LogicalToDeviceX(LONG x) const {
  return Scale(x - windowOrg.x, viewportExt.cx, windowExt.cx) + viewportOrg.x;
}

LONG DC_MAPPING::LogicalToDeviceY(LONG y) const {
  return Scale(y - windowOrg.y, viewportExt.cy, windowExt.cy) + viewportOrg.y;
}

LONG DC_MAPPING::DeviceToLogicalX(LONG x) const {
  return Scale(x - viewportOrg.x, windowExt.cx, viewportExt.cx) + windowOrg.x;
}

LONG DC_MAPPING::DeviceToLogicalY(LONG y) const {
  return Scale(y - viewportOrg.y, windowExt.cy, viewportExt.cy) + windowOrg.y;
}

POINT DC_MAPPING::ToDevice(double x, double y) const {
  return POINT{LONG(std::lround((x - windowOrg.x) * ScaleX() + viewportOrg.x)),
               LONG(std::lround((y - windowOrg.y) * ScaleY() + viewportOrg.y))};
}

RECT DC_MAPPING::ToDevice(const RECT& r) const {
  return RECT{LogicalToDeviceX(r.left), LogicalToDeviceY(r.top), LogicalToDeviceX(r.right),
              LogicalToDeviceY(r.bottom)};
}

void DC_MAPPING::FitIsotropic() {
  if (mode != MM_ISOTROPIC || windowExt.cx == 0 || windowExt.cy == 0) return;
  double sx = std::fabs(ScaleX());
  double sy = std::fabs(ScaleY());
  if (sx < sy) {
    viewportExt.cy = LONG(std::lround(viewportExt.cy * sx / sy));
  } else if (sy < sx) {
    viewportExt.cx = LONG(std::lround(viewportExt.cx * sy / sx));
  }
}
