#include "ui/AboutDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(const QString& productName, QWidget* pParent) : QDialog(pParent) {
  setWindowTitle(productName + QStringLiteral("のバージョン情報"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(productName + QStringLiteral(" バージョン 1.0"), this));
  layout->addWidget(new QLabel(QStringLiteral("Copyright (C) Halvern Brennowick"), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}
