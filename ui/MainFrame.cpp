#include "ui/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>

#include "ui/FrameCommands.h"

CMainFrame::CMainFrame(CFrameCommands* pCommands) : m_pCommands(pCommands) {
  CreateFileMenu();
  statusBar()->showMessage(QStringLiteral("レディ"));
  resize(1024, 768);
}

void CMainFrame::CreateFileMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  auto add = [&](const char16_t* text, QKeySequence key, void (CFrameCommands::*handler)()) {
    QAction* action = menu->addAction(QString::fromUtf16(text));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, handler] { (m_pCommands->*handler)(); });
  };
  add(u"新規作成(&N)", QKeySequence(Qt::CTRL | Qt::Key_N), &CFrameCommands::OnFileNew);
  add(u"開く(&O)...", QKeySequence(Qt::CTRL | Qt::Key_O), &CFrameCommands::OnFileOpen);
  add(u"上書き保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S), &CFrameCommands::OnFileSave);
  add(u"名前を付けて保存(&A)...", QKeySequence(), &CFrameCommands::OnFileSaveAs);
  menu->addSeparator();
  QAction* exit = menu->addAction(QStringLiteral("アプリケーションの終了(&X)"));
  connect(exit, &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::UpdateTitle(const QString& documentTitle, bool bModified) {
  setWindowTitle(documentTitle + (bModified ? QStringLiteral("*") : QString()) + QStringLiteral(" - QR70"));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (m_pCommands && !m_pCommands->CanCloseFrame()) {
    event->ignore();
    return;
  }
  event->accept();
}
