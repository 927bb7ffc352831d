#pragma once
// The standard toolbar with its zoom box. The box offers the usual percents and takes any
// from 50 to 500 typed in; while it has the focus it shows the bare number.

#include <QToolBar>

class QComboBox;

class CStandardToolBar : public QToolBar {
  Q_OBJECT

 public:
  explicit CStandardToolBar(QWidget* pParent = nullptr);

  // The percent shown, 50 to 500.
  int GetZoom() const;
  // Shows "%d%".
  void SetZoom(int nPercent);
  QComboBox* GetZoomBox() const { return m_pZoom; }

 signals:
  // A percent was chosen from the list.
  void zoomSelected();
  // Enter was pressed in the box.
  void zoomEntered();

 protected:
  bool eventFilter(QObject* pObject, QEvent* pEvent) override;

 private:
  QComboBox* m_pZoom;
};
