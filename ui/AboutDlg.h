#pragma once
// The about box: the product name and a line under it, with an OK button.

#include <QDialog>

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  CAboutDlg(const QString& productName, QWidget* pParent);
};
