#pragma once
// The mapping of a device context from logical to device units.

#include "platform/WinTypes.h"

constexpr int MM_TEXT = 1;
constexpr int MM_ISOTROPIC = 7;
constexpr int MM_ANISOTROPIC = 8;

struct DC_MAPPING {
  int mode = MM_TEXT;
  POINT windowOrg{0, 0};
  POINT viewportOrg{0, 0};
  SIZE windowExt{1, 1};
  SIZE viewportExt{1, 1};

  // Rounded to the nearest device unit, halves away from zero.
  LONG LogicalToDeviceX(LONG x) const;
  LONG LogicalToDeviceY(LONG y) const;
  LONG DeviceToLogicalX(LONG x) const;
  LONG DeviceToLogicalY(LONG y) const;
  POINT ToDevice(POINT p) const { return POINT{LogicalToDeviceX(p.x), LogicalToDeviceY(p.y)}; }
  POINT ToDevice(double x, double y) const;
  RECT ToDevice(const RECT& r) const;
  POINT ToLogical(POINT p) const { return POINT{DeviceToLogicalX(p.x), DeviceToLogicalY(p.y)}; }
  // Device units per logical unit.
  double ScaleX() const { return double(viewportExt.cx) / windowExt.cx; }
  double ScaleY() const { return double(viewportExt.cy) / windowExt.cy; }
  // One axis turned round: arcs then run the other way on the device.
  bool IsMirrored() const { return (ScaleX() < 0) != (ScaleY() < 0); }
  // Keeps the viewport's aspect equal to the window's in the isotropic mode.
  void FitIsotropic();
};
