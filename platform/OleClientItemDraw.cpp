#include <QPainter>

#include <algorithm>

#include "platform/AnsiCodePage.h"
#include "platform/DC.h"
#include "platform/OleClientItem.h"
#include "platform/PainterBackend.h"
#include "platform/StockObjects.h"

namespace {

constexpr int kLabelPoints = 9;
constexpr COLORREF kFrameColor = RGB(128, 128, 128);

// Transparent parts of the picture show white, as on a page.
QImage OpaqueImage(const QImage& picture) {
  QImage image(picture.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawImage(0, 0, picture);
  return image;
}

}  // namespace

const QImage& COleClientItem::PictureImage() const {
  if (!m_bImageDecoded) {
    QImage picture;
    if (!m_picture.empty() && picture.loadFromData(m_picture.data(), int(m_picture.size()), "PNG"))
      m_image = OpaqueImage(picture);
    else
      m_image = QImage();
    m_bImageDecoded = true;
  }
  return m_image;
}

BOOL COleClientItem::Draw(CDC* pDC, const RECT* lpBounds, DVASPECT) {
  if (!pDC || !lpBounds) return FALSE;
  CRect bounds(*lpBounds);
  bounds.NormalizeRect();
  if (bounds.IsRectEmpty()) return FALSE;
  QImage image = PictureImage();
  if (image.isNull()) {
    DrawPlaceholder(pDC, bounds);
    return TRUE;
  }
  CDC source(MakeImageBackend(&image));
  return pDC->StretchBlt(bounds.left, bounds.top, bounds.Width(), bounds.Height(), &source, 0, 0,
                         image.width(), image.height(), SRCCOPY);
}

void COleClientItem::DrawPlaceholder(CDC* pDC, const RECT& bounds) const {
  CPen pen(PS_SOLID, 1, kFrameColor);
  LOGFONTA lf{};
  lf.lfHeight = -std::min(MulDiv(kLabelPoints, pDC->GetDeviceCaps(LOGPIXELSY), 72), int(bounds.bottom - bounds.top));
  lf.lfCharSet = SHIFTJIS_CHARSET;
  CopyAnsiBounded(lf.lfFaceName, LF_FACESIZE, WideToAnsi(u"ＭＳ ゴシック").c_str());
  CFont font;
  font.CreateFontIndirect(&lf);
  int saved = pDC->SaveDC();
  pDC->SelectObject(&pen);
  pDC->SelectStockObject(NULL_BRUSH);
  pDC->Rectangle(&bounds);
  if (!m_strClassName.empty()) {
    pDC->SelectObject(&font);
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(kFrameColor);
    CRect inside(bounds);
    inside.DeflateRect(2, 2);
    pDC->ExtTextOutA(inside.left, inside.top, ETO_CLIPPED, &inside, m_strClassName.c_str(),
                     int(m_strClassName.size()));
  }
  pDC->RestoreDC(saved);
}
