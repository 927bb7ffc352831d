#pragma once
// The zoom dialog: one percent between 50 and 200, typed or stepped with the spin buttons.

#include "ui/ModalDialog.h"

class QSpinBox;

class CZoomDlg : public CModalDialog {
  Q_OBJECT

 public:
  explicit CZoomDlg(QWidget* pParent);

  QSpinBox* GetPercentBox() const { return m_pPercent; }

  int m_nPercent = 0;

 protected:
  void OnInitDialog() override;
  // The text must be a whole number from 50 to 200.
  bool OnOK() override;

 private:
  QSpinBox* m_pPercent;
};
