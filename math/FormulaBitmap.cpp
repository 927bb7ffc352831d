#include "math/FormulaBitmap.h"

#include <QGuiApplication>
#include <QScreen>

#include "model/CoordMapper.h"
#include "model/EditLayoutParam.h"
#include "model/EditNode.h"
#include "model/LayoutDC.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

struct SCREEN {
  QSize pixels;
  int dpi;
};

// The primary screen, or the fixed virtual one when there is none.
SCREEN ScreenMetrics() {
  const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                              ? QGuiApplication::primaryScreen()
                              : nullptr;
  if (!screen || QGuiApplication::platformName() == QStringLiteral("offscreen"))
    return {QSize(kVirtualScreenWidth, kVirtualScreenHeight), 96};
  return {screen->size(), int(screen->logicalDotsPerInch())};
}

}  // namespace

QImage RenderToBitmap(CEditNode* pNode) {
  if (!pNode) return QImage();
  try {
    const SCREEN screen = ScreenMetrics();
    CCoordMapper mapper;
    mapper.SetResolution(screen.dpi, screen.dpi, 100);
    RECT area{0, 0, screen.pixels.width(), screen.pixels.height()};
    mapper.DPtoLPRect(&area);
    EDIT_LAYOUT_PARAM param{};
    param.nWidth = param.nWidth2 = area.right - area.left;
    param.nHeight = area.bottom - area.top;
    param.nX = area.left;
    param.nY = area.top;
    CLayoutDC measureDC;
    pNode->Measure(&measureDC, &mapper, &param);
    pNode->Arrange(&param, 0);
    SIZE size{pNode->m_nWidth, pNode->m_nHeight};
    mapper.LPtoDPSize(&size);
    if (size.cx <= 0 || size.cy <= 0) return QImage();
    // Full colour: red answers and green marks keep their colours.
    QImage image(size.cx, size.cy, QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    image.fill(Qt::white);
    CDC dc(MakeImageBackend(&image));
    pNode->Draw(&dc, &mapper, &param);
    return image;
  } catch (...) {
    return QImage();
  }
}
