#pragma once
// Base of the drawing objects that are selected into a device context; a handle is a pointer.

#include "platform/WinTypes.h"

class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;
class CPalette;
class CRgn;
class CDC;

using HGDIOBJ = CGdiObject*;
using HPEN = CPen*;
using HBRUSH = CBrush*;
using HFONT = CFont*;
using HBITMAP = CBitmap*;
using HPALETTE = CPalette*;
using HRGN = CRgn*;
using HDC = CDC*;

class CGdiObject {
 public:
  virtual ~CGdiObject() = default;
  CGdiObject(const CGdiObject&) = default;
  CGdiObject& operator=(const CGdiObject&) = default;

  // This object while it holds something, else null.
  CGdiObject* GetSafeHandle() { return m_bCreated ? this : nullptr; }
  bool IsCreated() const { return m_bCreated; }
  // Returns the object to its empty state; TRUE when it held something.
  BOOL DeleteObject();

 protected:
  CGdiObject() = default;
  virtual void Clear() = 0;
  bool m_bCreated = false;
};
