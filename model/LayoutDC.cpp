#include "model/LayoutDC.h"

#include "platform/PainterBackend.h"

CLayoutDC::CLayoutDC() : m_image(16, 16, QImage::Format_RGB32) {
  Attach(MakeImageBackend(&m_image));
  SetMapMode(MM_ANISOTROPIC);
  SetWindowExt(2540, 2540);
  SetViewportExt(96, 96);
}
