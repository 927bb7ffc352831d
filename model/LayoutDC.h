#pragma once
// The context the layout measures in: a small memory image in which 2540 logical units (one
// inch of 0.01 mm) map to 96 device units, so that measuring does not depend on the zoom.

#include <QImage>

#include "platform/DC.h"

class CLayoutDC : public CDC {
 public:
  CLayoutDC();

 private:
  QImage m_image;
};
