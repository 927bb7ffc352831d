#include "ui/ZoomDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kMinPercent = 50;
constexpr int kMaxPercent = 200;

}  // namespace

CZoomDlg::CZoomDlg(QWidget* pParent) : CModalDialog(pParent), m_pPercent(new QSpinBox(this)) {
  setWindowTitle(QStringLiteral("表示倍率"));
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("表示倍率"), this));
  row->addWidget(m_pPercent);
  row->addWidget(new QLabel(QStringLiteral("%"), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CZoomDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CZoomDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

void CZoomDlg::OnInitDialog() {
  m_pPercent->setRange(kMinPercent, kMaxPercent);
  m_pPercent->setValue(m_nPercent);
  m_pPercent->selectAll();
  m_pPercent->setFocus();
}

bool CZoomDlg::OnOK() {
  bool bNumber = false;
  const uint percent = m_pPercent->text().trimmed().toUInt(&bNumber);
  if (!bNumber || percent < uint(kMinPercent) || percent > uint(kMaxPercent)) {
    m_pPercent->selectAll();
    m_pPercent->setFocus();
    return false;
  }
  m_nPercent = int(percent);
  return true;
}
