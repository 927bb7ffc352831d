#include "app/VorelApp.h"

#include <QFileDialog>

#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "ui/MainFrame.h"

namespace {
CVorelApp* g_pApp = nullptr;
}

CVorelApp* GetVorelApp() { return g_pApp; }

CVorelApp::CVorelApp(int& argc, char** argv) : QApplication(argc, argv) {
  g_pApp = this;
  setApplicationName(QStringLiteral("QR70"));
  setOrganizationName(QStringLiteral("Halvern Brennowick"));
}

CVorelApp::~CVorelApp() {
  m_pFrame.reset();
  m_pDoc.reset();
  g_pApp = nullptr;
}

BOOL CVorelApp::InitInstance() {
  CVorelCommandLineInfo info(*this);
  std::vector<std::string> arguments;
  for (const QString& argument : QApplication::arguments().mid(1)) arguments.push_back(argument.toStdString());
  ParseCommandLine(info, arguments);

  m_pDoc = std::make_unique<CVorelDoc>(&m_messages);
  m_pFrame = std::make_unique<CMainFrame>(this);
  m_messages.SetOwner(m_pFrame.get());
  m_pView = new CVorelView(m_pDoc.get());
  m_pFrame->setCentralWidget(m_pView);

  const std::string file = !m_strCmdLineFile.empty() ? m_strCmdLineFile : info.m_strFileName;
  const BOOL ok = file.empty() ? m_pDoc->OnNewDocument() : m_pDoc->OpenDocument(file);
  if (!ok && (!file.empty() || !m_pDoc->GetPrint())) return FALSE;
  if (m_nCmdLineFlags & CMDLINE_OPEN_AS_NEW) m_pDoc->SetPathName(std::string());
  ShowDocument();
  m_pFrame->show();
  return TRUE;
}

void CVorelApp::ShowDocument() {
  m_pView->OnInitialUpdate();
  m_pFrame->UpdateTitle(QString::fromStdU16String(m_pDoc->GetTitle().str()), m_pDoc->IsModified());
}

void CVorelApp::OnFileNew() {
  if (!m_pDoc->SaveModified()) return;
  m_pDoc->OnNewDocument();
  ShowDocument();
}

void CVorelApp::OnFileOpen() {
  if (!m_pDoc->SaveModified()) return;
  QString path = QFileDialog::getOpenFileName(m_pFrame.get(), QStringLiteral("開く"), QString(),
                                              QStringLiteral("プリントファイル (*.qvf *.qvp);;すべてのファイル (*)"));
  if (path.isEmpty()) return;
  m_pDoc->OpenDocument(path.toStdString());
  ShowDocument();
}

void CVorelApp::OnFileSave() {
  m_pDoc->DoSave(FALSE);
  ShowDocument();
}

void CVorelApp::OnFileSaveAs() {
  m_pDoc->DoSave(TRUE);
  ShowDocument();
}

bool CVorelApp::CanCloseFrame() { return m_pDoc->SaveModified(); }
