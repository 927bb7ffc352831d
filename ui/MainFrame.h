#pragma once
// The main window: the product name and the sheet's title, the view in its middle, menu 128
// with accelerator table 128, and a status bar. Every command is a QAction routed to the
// active view, the document, the frame and the application; their states are brought up to
// date when a menu opens, when the event loop goes idle and before a shortcut fires. The
// window keeps the application's saved placement current, opens files dropped on it and
// closes through the save question.

#include <QMainWindow>

#include <map>

#include "resources/Resource.h"
#include "ui/CmdTarget.h"

class CFrameHost;
class CStandardToolBar;
class QLabel;
class QMenu;

class CMainFrame : public QMainWindow, public CCmdTarget {
  Q_OBJECT

 public:
  explicit CMainFrame(CFrameHost* pHost);
  ~CMainFrame() override;

  // The view becomes the frame's middle; pViewTarget is its place on the command route (the
  // view's commands, then its document's).
  void SetActiveView(QWidget* pView, CCmdTarget* pViewTarget);

  BOOL OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) override;
  // Runs the command when its route leaves it enabled; FALSE otherwise.
  BOOL OnCommand(UINT nID);
  // Every command's state and the title.
  void OnIdleUpdateCmdUI();
  void OnUpdateFrameTitle();

  // For bars added by others: a command's action (null for an unknown id), and a pane at the
  // right end of the status bar. Toolbars go in with addToolBar.
  QAction* GetAction(UINT nID) const;
  void AddStatusPane(QWidget* pPane);
  CStandardToolBar* GetStandardToolBar() const { return m_pStandardBar; }
  // The page pane's text, which the view's update handler gives it.
  QString GetPageText() const;
  // The bars follow the sheet's writing direction.
  void SetWritingMode(BOOL bVertical) { m_bVertical = bVertical; }
  BOOL GetWritingMode() const { return m_bVertical; }

  // Posted by the application for a command-line conversion: convert, then close.
  void OnExportWord();
  void OnExportIchitaro();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadMenu(RESOURCE_ID nIDMenu);
  void LoadAccelerators(RESOURCE_ID nIDTable);
  QAction* CreateAction(QMenu* pMenu, UINT nID, const QString& text);
  void UpdateAction(QAction* pAction);
  void UpdateMenu(QMenu* pMenu);
  void ApplyInitialPlacement();
  void RecordPlacement();
  void PostClose();

  CFrameHost* m_pHost;
  CCmdTarget* m_pViewTarget = nullptr;
  std::map<UINT, QAction*> m_actions;
  QLabel* m_pIdleMessage = nullptr;
  CStandardToolBar* m_pStandardBar = nullptr;
  QLabel* m_pPagePane = nullptr;
  BOOL m_bVertical = TRUE;
  bool m_bPlaced = false;
};
