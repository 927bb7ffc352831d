#pragma once
// The window shown while the program starts: the splash bitmap alone, without a frame or
// buttons. It takes the bitmap's size and keeps its top-left corner; without the bitmap it
// keeps the template's size.

#include <QDialog>

class QLabel;

class CSplashDlg : public QDialog {
  Q_OBJECT

 public:
  CSplashDlg();

  // Shows the window modeless and lets it paint once.
  void Create();
  bool HasBitmap() const { return m_bHasBitmap; }

 private:
  QLabel* m_pPicture;
  bool m_bHasBitmap = false;
};
