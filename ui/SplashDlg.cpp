#include "ui/SplashDlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "resources/Resource.h"

namespace {

constexpr int kTemplateWidth = 320;
constexpr int kTemplateHeight = 200;

QString BitmapPath(RESOURCE_ID nID) { return QStringLiteral(":/bitmaps/%1.png").arg(nID); }

}  // namespace

CSplashDlg::CSplashDlg() : QDialog(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("splash"));
  m_pPicture = new QLabel(this);
  m_pPicture->setObjectName(QString::number(IDC_SPLASH_PICTURE));
  const QPixmap bitmap(BitmapPath(IDB_SPLASH));
  m_bHasBitmap = !bitmap.isNull();
  const QSize size = m_bHasBitmap ? bitmap.size() : QSize(kTemplateWidth, kTemplateHeight);
  if (m_bHasBitmap) m_pPicture->setPixmap(bitmap);
  m_pPicture->setGeometry(QRect(QPoint(0, 0), size));
  setFixedSize(size);
}

void CSplashDlg::Create() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
