#include "ui/StandardToolBar.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

constexpr int kMinZoom = 50;
constexpr int kMaxZoom = 500;
constexpr int kBoxWidth = 64;

// The leading digits of the text; 0 without any.
int LeadingNumber(const QString& text) {
  int value = 0;
  for (QChar c : text) {
    if (!c.isDigit() || value > kMaxZoom) break;
    value = value * 10 + c.digitValue();
  }
  return value;
}

}  // namespace

CStandardToolBar::CStandardToolBar(QWidget* pParent) : QToolBar(pParent), m_pZoom(new QComboBox(this)) {
  setObjectName(QStringLiteral("StandardToolBar"));
  setWindowTitle(QStringLiteral("標準"));
  m_pZoom->setObjectName(QStringLiteral("ZoomBox"));
  m_pZoom->setEditable(true);
  m_pZoom->setInsertPolicy(QComboBox::NoInsert);
  m_pZoom->setFixedWidth(kBoxWidth);
  m_pZoom->addItems({QStringLiteral("200%"), QStringLiteral("150%"), QStringLiteral("100%"), QStringLiteral("75%"),
                     QStringLiteral("50%")});
  m_pZoom->setCurrentIndex(m_pZoom->findText(QStringLiteral("100"), Qt::MatchStartsWith));
  m_pZoom->lineEdit()->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}%?")), m_pZoom));
  m_pZoom->installEventFilter(this);
  m_pZoom->lineEdit()->installEventFilter(this);
  connect(m_pZoom, &QComboBox::activated, this, &CStandardToolBar::zoomSelected);
  addWidget(m_pZoom);
}

int CStandardToolBar::GetZoom() const { return std::clamp(LeadingNumber(m_pZoom->currentText()), kMinZoom, kMaxZoom); }

void CStandardToolBar::SetZoom(int nPercent) { m_pZoom->setEditText(QString::number(nPercent) + QLatin1Char('%')); }

// Enter applies the box's value and goes no further; with the focus the box shows the bare
// number, selected, and "%" again when it loses it.
bool CStandardToolBar::eventFilter(QObject* pObject, QEvent* pEvent) {
  if (pObject == m_pZoom || pObject == m_pZoom->lineEdit()) {
    switch (pEvent->type()) {
      case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(pEvent)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
          emit zoomEntered();
          return true;
        }
        break;
      }
      case QEvent::FocusIn:
        m_pZoom->setEditText(QString::number(GetZoom()));
        m_pZoom->lineEdit()->selectAll();
        break;
      case QEvent::FocusOut:
        SetZoom(GetZoom());
        break;
      default:
        break;
    }
  }
  return QToolBar::eventFilter(pObject, pEvent);
}
