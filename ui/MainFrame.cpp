#include "ui/MainFrame.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QWindow>

#include "resources/MenuTable.h"
#include "resources/StringTable.h"
#include "ui/CmdUI.h"
#include "ui/FrameHost.h"
#include "ui/StandardToolBar.h"

namespace {

// Off unless asked for through QT_LOGGING_RULES: start-up checks of the built program read it.
Q_LOGGING_CATEGORY(lcFrame, "qr70.frame", QtWarningMsg)

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;

QString ResourceString(RESOURCE_ID nID) {
  const std::u16string_view text = FindResourceString(nID);
  return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// A menu text without its "\t" and accelerator: the action shows its own shortcut.
QString MenuText(const char16_t* text) { return QString::fromUtf16(text).section(u'\t', 0, 0); }

// A status pane whose command's update handler sets its text.
class CPaneCmdUI : public CCmdUI {
 public:
  CPaneCmdUI(UINT nID, QLabel* pPane) : CCmdUI(nID), m_pPane(pPane) {}
  void SetText(const QString& text) override {
    if (m_pPane->text() != text) m_pPane->setText(text);
  }

 private:
  QLabel* m_pPane;
};

}  // namespace

CMainFrame::CMainFrame(CFrameHost* pHost) : m_pHost(pHost) {
  LoadMenu(IDR_MAINFRAME);
  LoadAccelerators(IDR_MAINFRAME);
  m_pIdleMessage = new QLabel(ResourceString(AFX_IDS_IDLEMESSAGE));
  statusBar()->addWidget(m_pIdleMessage, 1);
  m_pStandardBar = new CStandardToolBar(this);
  addToolBar(m_pStandardBar);
  m_pPagePane = new QLabel(this);
  m_pPagePane->setMinimumWidth(m_pPagePane->fontMetrics().horizontalAdvance(ResourceString(ID_INDICATOR_PAGE)));
  AddStatusPane(m_pPagePane);
  setAcceptDrops(true);
  ApplyInitialPlacement();
  OnUpdateFrameTitle();
  qApp->installEventFilter(this);
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &CMainFrame::OnIdleUpdateCmdUI);
}

CMainFrame::~CMainFrame() { qApp->removeEventFilter(this); }

void CMainFrame::LoadMenu(RESOURCE_ID nIDMenu) {
  std::vector<QMenu*> open;
  for (const MENU_ITEM& item : FindMenu(nIDMenu)) {
    switch (item.kind) {
      case MENU_ITEM::Popup: {
        QMenu* menu = open.empty() ? menuBar()->addMenu(QString::fromUtf16(item.text))
                                   : open.back()->addMenu(QString::fromUtf16(item.text));
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
        open.push_back(menu);
        break;
      }
      case MENU_ITEM::EndPopup:
        if (!open.empty()) open.pop_back();
        break;
      case MENU_ITEM::Separator:
        if (!open.empty()) open.back()->addSeparator();
        break;
      case MENU_ITEM::Command:
        if (open.empty()) break;
        CreateAction(open.back(), item.nID, MenuText(item.text));
        // The recent files' place holds the whole range; their update shows the ones in use.
        if (item.nID == ID_FILE_MRU_FILE1) {
          for (UINT nID = ID_FILE_MRU_FILE1 + 1; nID <= ID_FILE_MRU_FILE16; ++nID)
            CreateAction(open.back(), nID, QString())->setVisible(false);
        }
        break;
    }
  }
}

void CMainFrame::LoadAccelerators(RESOURCE_ID nIDTable) {
  for (const ACCEL_ENTRY& accel : FindAccelerators(nIDTable)) {
    QAction* action = GetAction(accel.nID);
    if (!action) continue;
    QList<QKeySequence> keys = action->shortcuts();
    keys.append(QKeySequence(QString::fromLatin1(accel.keys), QKeySequence::PortableText));
    action->setShortcuts(keys);
  }
}

QAction* CMainFrame::CreateAction(QMenu* pMenu, UINT nID, const QString& text) {
  auto* action = new QAction(text, this);
  action->setData(nID);
  const QString prompt = ResourceString(nID);
  action->setStatusTip(prompt.section(u'\n', 0, 0));
  if (prompt.contains(u'\n')) action->setToolTip(prompt.section(u'\n', 1, 1));
  connect(action, &QAction::triggered, this, [this, nID] { OnCommand(nID); });
  pMenu->addAction(action);
  addAction(action);
  m_actions[nID] = action;
  return action;
}

QAction* CMainFrame::GetAction(UINT nID) const {
  auto it = m_actions.find(nID);
  return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::AddStatusPane(QWidget* pPane) { statusBar()->addPermanentWidget(pPane); }

QString CMainFrame::GetPageText() const { return m_pPagePane->text(); }

void CMainFrame::SetActiveView(QWidget* pView, CCmdTarget* pViewTarget) {
  m_pViewTarget = pViewTarget;
  if (pView && centralWidget() != pView) setCentralWidget(pView);
  if (pView) pView->setFocus();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) {
  if (m_pViewTarget && m_pViewTarget->OnCmdMsg(nID, nCode, pCmdUI)) return TRUE;
  return m_pHost && m_pHost->OnCmdMsg(nID, nCode, pCmdUI);
}

BOOL CMainFrame::OnCommand(UINT nID) {
  CCmdUI state(nID, GetAction(nID));
  state.DoUpdate(this);
  if (!state.m_bEnabled) return FALSE;
  return OnCmdMsg(nID, CN_COMMAND, nullptr);
}

void CMainFrame::UpdateAction(QAction* pAction) {
  CCmdUI state(pAction->data().toUInt(), pAction);
  state.DoUpdate(this);
}

void CMainFrame::UpdateMenu(QMenu* pMenu) {
  for (QAction* action : pMenu->actions()) {
    if (!action->isSeparator() && !action->menu()) UpdateAction(action);
  }
}

void CMainFrame::OnIdleUpdateCmdUI() {
  for (const auto& [nID, action] : m_actions) UpdateAction(action);
  CPaneCmdUI page(ID_INDICATOR_PAGE, m_pPagePane);
  page.DoUpdate(this);
  OnUpdateFrameTitle();
}

void CMainFrame::OnUpdateFrameTitle() {
  if (!m_pHost) return;
  const QString title = m_pHost->GetDocumentTitle() + QStringLiteral("[*] - ") + m_pHost->GetAppTitle();
  if (windowTitle() != title) setWindowTitle(title);
  // Setting the mark, even to its value, rewrites the title in the window system, whose answer
  // wakes the event loop and runs this again.
  const bool bModified = m_pHost->IsDocumentModified();
  if (isWindowModified() != bModified) setWindowModified(bModified);
}

// Before a shortcut is looked up, its command's state is brought up to date, so that a
// disabled command's key does nothing.
bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->window() == this) {
      for (const auto& [nID, action] : m_actions) UpdateAction(action);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ApplyInitialPlacement() {
  const CRect rc = m_pHost ? m_pHost->GetInitialRect() : CRect();
  if (rc.Width() > 0 && rc.Height() > 0)
    setGeometry(rc.left, rc.top, rc.Width(), rc.Height());
  else
    resize(kDefaultWidth, kDefaultHeight);
  m_bPlaced = true;
}

// The rectangle is the one the window has when restored; while maximized only the flag moves.
void CMainFrame::RecordPlacement() {
  if (!m_bPlaced || !m_pHost || !isVisible()) return;
  const BOOL bMaximized = isMaximized() ? TRUE : FALSE;
  CRect rc = m_pHost->GetInitialRect();
  if (!bMaximized && !isMinimized() && !isFullScreen()) {
    const QRect now = geometry();
    rc = CRect(now.left(), now.top(), now.left() + now.width(), now.top() + now.height());
  }
  m_pHost->SetWindowPlacement(rc, bMaximized);
}

void CMainFrame::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  RecordPlacement();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  RecordPlacement();
}

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) RecordPlacement();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) {
      event->acceptProposedAction();
      return;
    }
  }
}

void CMainFrame::dropEvent(QDropEvent* event) {
  if (!m_pHost) return;
  activateWindow();
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) m_pHost->OpenDroppedFile(url.toLocalFile().toStdString());
  }
  event->acceptProposedAction();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (m_pHost && !m_pHost->CanCloseFrame()) {
    event->ignore();
    return;
  }
  event->accept();
  if (m_pHost) m_pHost->OnFrameClosed();
}

// The title as the window system shows it.
void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  qCInfo(lcFrame).noquote() << "main window shown:" << (windowHandle() ? windowHandle()->title() : windowTitle());
}

void CMainFrame::OnExportWord() {
  try {
    if (m_pHost) m_pHost->ExportToWord();
  } catch (...) {
  }
  PostClose();
}

void CMainFrame::OnExportIchitaro() {
  try {
    if (m_pHost) m_pHost->ExportToIchitaro();
  } catch (...) {
  }
  PostClose();
}

void CMainFrame::PostClose() {
  QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
}
