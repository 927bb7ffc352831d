#pragma once
// The main window: title, the view in its middle, the file menu with its shortcuts and a
// status bar. Closing goes through the application's save question.

#include <QMainWindow>

class CFrameCommands;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(CFrameCommands* pCommands);

  // "<title> - QR70".
  void UpdateTitle(const QString& documentTitle, bool bModified);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateFileMenu();

  CFrameCommands* m_pCommands;
};
