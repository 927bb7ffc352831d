#include "app/VorelApp.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QTranslator>

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "app/FileFailureText.h"
#include "app/VorelDoc.h"
#include "app/VorelDocTemplate.h"
#include "elements/SystemHelpers.h"
#include "model/GdiCache.h"
#include "platform/Profile.h"
#include "platform/RecentFileList.h"
#include "resources/MenuTable.h"
#include "resources/StringTable.h"
#include "ui/AboutDlg.h"
#include "ui/CmdUI.h"
#include "ui/MainFrame.h"
#include "ui/SplashDlg.h"

SEARCHPROC20 g_pfnSearchProc20 = nullptr;
SEARCHPROC g_pfnSearchProc2 = nullptr;
SEARCHPROC g_pfnSearchProc = nullptr;
int g_nProductVariant = 0;

namespace {

CVorelApp* g_pApp = nullptr;

constexpr char kRegistryKey[] = "Halvern Brennowick";
constexpr char kProfileName[] = "QR70";
constexpr char kRecentFileSection[] = "Recent File List";
constexpr int kRecentFileCount = 10;
constexpr char kSearchLibrary[] = "libFindral.so";
constexpr char16_t kFileNotFound[] = u"ファイルが見つかりません。";
constexpr char16_t kNoSearchEntry[] = u"再検索用ＤＬＬ内にエントリポイントが見つかりません。";
constexpr char16_t kNoSearchLibrary[] = u"再検索用ＤＬＬが見つかりません。";

CStringW ResourceString(RESOURCE_ID nID) { return CStringW(std::u16string(FindResourceString(nID))); }

QString ToQString(const CStringW& text) { return QString::fromStdU16String(text.str()); }

// A Japanese locale where one is installed, and Japanese time.
void SetJapaneseLocale() {
  for (const char* name : {"ja_JP.UTF-8", "ja_JP.utf8"}) {
    if (std::setlocale(LC_ALL, name)) break;
  }
  setenv("TZ", "JST-9", 1);
  tzset();
}

// "&1 path": the item of a recent file, its ampersands doubled.
QString RecentFileItemText(int index, const std::string& path) {
  const QString number = index < 9 ? QStringLiteral("&%1").arg(index + 1) : QStringLiteral("1&0");
  return number + u' ' + QString::fromStdString(path).replace(u'&', QStringLiteral("&&"));
}

}  // namespace

CVorelApp* GetVorelApp() { return g_pApp; }

CVorelApp::CVorelApp(int& argc, char** argv)
    : QApplication(argc, argv),
      m_strAppTitle(QString::fromUtf16(kMessageCaption)),
      m_strMessageCaption(QString::fromUtf16(kMessageCaption)),
      m_strDefaultExt(QStringLiteral(".qvf").mid(1)) {
  g_pApp = this;
  g_nProductVariant = 301;
  setApplicationName(QString::fromLatin1(kProfileName));
  setOrganizationName(QString::fromLatin1(kRegistryKey));
  for (int i = 1; i < argc; ++i) m_arguments.push_back(argv[i]);
  m_strProgramFolder = applicationDirPath().toStdString();
}

CVorelApp::~CVorelApp() {
  m_pDocTemplate.reset();
  m_pSplash.reset();
  FreeSearchLibrary();
  g_pApp = nullptr;
}

int CVorelApp::Run() {
  if (!InitInstance()) return ExitInstance();
  const int nLoopResult = exec();
  const int nExitCode = ExitInstance();
  return nExitCode != 0 ? nExitCode : nLoopResult;
}

BOOL CVorelApp::InitInstance() {
  SetJapaneseLocale();
  LoadQtTranslations();
  if (!CheckWindowsVersion()) {
    ShowLibraryMessage(ResourceString(AFX_IDS_UNSUPPORTED_WINDOWS));
    return FailStartUp();
  }
  CVorelCommandLineInfo info(*this);
  std::vector<std::string> arguments{kProfileName};
  arguments.insert(arguments.end(), m_arguments.begin(), m_arguments.end());
  ParseCommandLine(info, arguments);
  if (m_nCmdLineFlags & (CMDLINE_WORD | CMDLINE_ICHITARO)) info.m_bShowSplash = FALSE;
  if (info.m_bShowSplash) {
    m_pSplash = std::make_unique<CSplashDlg>();
    m_pSplash->Create();
  }
  m_strHelpPath = QDir(QString::fromStdString(m_strProgramFolder)).filePath(QStringLiteral("QR70.CHM")).toStdString();
  LoadSearchLibrary();
  CreateGdiCache();

  m_pProfile = std::make_unique<CProfile>(kRegistryKey, kProfileName);
  m_pRecentFileList = std::make_unique<CRecentFileList>(kRecentFileSection, kRecentFileCount);
  m_pRecentFileList->ReadList(*m_pProfile);
  LoadProfile();
  if (m_bMaximized) m_nCmdShow = SW_SHOWMAXIMIZED;

  m_pDocTemplate = std::make_unique<CVorelDocTemplate>(IDR_MAINFRAME, m_pMessages, this);
  m_pDocTemplate->SetContainerInfo(IDR_CNTR_INPLACE);
  if (!ProcessShellCommand(info)) {
    m_pSplash.reset();
    return FailStartUp();
  }
  m_qtMessages.SetOwner(GetMainFrame());
  if (m_nCmdLineFlags == CMDLINE_OPEN_AS_NEW) {
    GetDocument()->SetPathName(std::string(), FALSE);
    GetDocument()->SetModifiedFlag(TRUE);
    m_nCmdLineFlags = 0;
  }
  // Neither word processor is ever registered here, so both conversion commands stay off.
  m_bWordAvailable = FALSE;
  m_bTaroAvailable = FALSE;
  if (m_nCmdLineFlags & (CMDLINE_WORD | CMDLINE_ICHITARO)) m_nCmdShow = SW_HIDE;
  ShowMainWindow();
  m_pSplash.reset();
  PostConversion();
  return TRUE;
}

// A failed start-up never ends with 0; a failed command-line conversion keeps its own code.
BOOL CVorelApp::FailStartUp() {
  if (m_nCmdLineFlags & CMDLINE_WORD)
    m_nExitCode = 10;
  else if (m_nCmdLineFlags & CMDLINE_ICHITARO)
    m_nExitCode = 20;
  else if (m_nExitCode == 0)
    m_nExitCode = 1;
  return FALSE;
}

// No file gives a new sheet, a file opens it; printing from the command line shows the sheet.
BOOL CVorelApp::ProcessShellCommand(const CCommandLineInfo& info) {
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileOpen:
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
      return OpenDocumentFile(info.m_strFileName) != nullptr;
    default:
      return m_pDocTemplate->OpenDocumentFile(std::string()) != nullptr;
  }
}

void CVorelApp::ShowMainWindow() {
  CMainFrame* frame = GetMainFrame();
  if (!frame) return;
  if (m_nCmdShow == SW_HIDE) return;
  if (m_nCmdShow == SW_SHOWMAXIMIZED)
    frame->showMaximized();
  else
    frame->show();
  frame->OnIdleUpdateCmdUI();
}

void CVorelApp::PostConversion() {
  CMainFrame* frame = GetMainFrame();
  if (!frame) return;
  if (m_nCmdLineFlags & CMDLINE_ICHITARO)
    QMetaObject::invokeMethod(frame, &CMainFrame::OnExportIchitaro, Qt::QueuedConnection);
  else if (m_nCmdLineFlags & CMDLINE_WORD)
    QMetaObject::invokeMethod(frame, &CMainFrame::OnExportWord, Qt::QueuedConnection);
}

int CVorelApp::ExitInstance() {
  m_qtMessages.SetOwner(nullptr);
  m_pDocTemplate.reset();
  m_pSplash.reset();
  FreeSearchLibrary();
  if (m_pProfile) {
    SaveProfile();
    m_pRecentFileList->WriteList(*m_pProfile);
    m_pProfile->Flush();
  }
  m_pProfile.reset();
  m_pPrinter.reset();
  return m_nExitCode;
}

void CVorelApp::WinHelp(DWORD, UINT) {}

// Qt's own dialogs and buttons (files, printing, page set-up) speak the program's language.
void CVorelApp::LoadQtTranslations() {
  if (m_pQtTranslator) return;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    qWarning("Qt's Japanese translations (qtbase_ja.qm) are not installed");
    return;
  }
  installTranslator(translator.get());
  m_pQtTranslator = std::move(translator);
}

void CVorelApp::LoadProfile() {
  if (!m_pProfile) return;
  const QScreen* screen = primaryScreen();
  const QSize size = screen ? screen->geometry().size() : QSize();
  CVorelAppSettings::LoadProfile(*m_pProfile, CRect(0, 0, size.width(), size.height()));
}

void CVorelApp::SaveProfile() {
  if (m_pProfile) CVorelAppSettings::SaveProfile(*m_pProfile);
}

QPrinter* CVorelApp::GetPrinterDeviceDefaults() {
  if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>();
  return m_pPrinter.get();
}

void CVorelApp::SetPrinterPaper(int nPaperSize, int nOrientation) {
  if (!m_pPrinter) return;
  const QPageSize size(QPageSize::id(nPaperSize));
  if (size.isValid()) m_pPrinter->setPageSize(size);
  m_pPrinter->setPageOrientation(nOrientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape : QPageLayout::Portrait);
}

// The first entry found is bound and no other. A missing library is normal on this platform:
// it is only logged.
void CVorelApp::LoadSearchLibrary() {
  const QString besideProgram = QDir(QString::fromStdString(m_strProgramFolder)).filePath(kSearchLibrary);
  m_hSearchLib = LoadLibraryA(besideProgram.toLocal8Bit().constData());
  if (!m_hSearchLib) m_hSearchLib = LoadLibraryA(kSearchLibrary);
  if (!m_hSearchLib) {
    qInfo().noquote() << QString::fromUtf16(kNoSearchLibrary) << kSearchLibrary;
    return;
  }
  if (FARPROC proc = GetProcAddress(m_hSearchLib, "SearchProc20")) {
    g_pfnSearchProc20 = reinterpret_cast<SEARCHPROC20>(proc);
  } else if ((proc = GetProcAddress(m_hSearchLib, "SearchProc2"))) {
    g_pfnSearchProc2 = reinterpret_cast<SEARCHPROC>(proc);
  } else if ((proc = GetProcAddress(m_hSearchLib, "SearchProc"))) {
    g_pfnSearchProc = reinterpret_cast<SEARCHPROC>(proc);
  } else {
    ShowLibraryMessage(kNoSearchEntry);
  }
}

void CVorelApp::FreeSearchLibrary() {
  g_pfnSearchProc20 = nullptr;
  g_pfnSearchProc2 = nullptr;
  g_pfnSearchProc = nullptr;
  if (m_hSearchLib) FreeLibrary(m_hSearchLib);
  m_hSearchLib = nullptr;
}

CVorelDoc* CVorelApp::OpenDocumentFile(const std::string& path) {
  if (!m_pDocTemplate) return nullptr;
  const std::string fullPath = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
  CVorelDoc* matched = nullptr;
  m_pDocTemplate->MatchDocType(fullPath, &matched);
  return m_pDocTemplate->OpenDocumentFile(fullPath);
}

void CVorelApp::AddToRecentFileList(const std::string& path) {
  if (m_pRecentFileList) m_pRecentFileList->Add(QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString());
}

CVorelDoc* CVorelApp::GetDocument() const { return m_pDocTemplate ? m_pDocTemplate->GetDocument() : nullptr; }

CMainFrame* CVorelApp::GetMainFrame() const { return m_pDocTemplate ? m_pDocTemplate->GetFrame() : nullptr; }

CVorelView* CVorelApp::GetView() const { return m_pDocTemplate ? m_pDocTemplate->GetView() : nullptr; }

BOOL CVorelApp::OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) {
  static constexpr CMD_MAP_ENTRY<CVorelApp> kMap[] = {
      MapCommand(ID_APP_ABOUT, &CVorelApp::OnAppAbout),
      MapCommand(ID_APP_EXIT, &CVorelApp::OnAppExit),
      MapCommand(ID_FILE_NEW, &CVorelApp::OnFileNew),
      MapCommand(ID_FILE_OPEN, &CVorelApp::OnFileOpen),
      MapCommand(ID_FILE_PRINT_SETUP, &CVorelApp::OnFilePrintSetup),
      MapCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CVorelApp::OnOpenRecentFile),
      MapUpdateRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CVorelApp::OnUpdateRecentFileMenu),
      MapCommand(ID_HELP_INDEX, &CVorelApp::OnHelpIndex),
      MapUpdate(ID_HELP_INDEX, &CVorelApp::OnUpdateHelpIndex),
  };
  return DispatchCmdMsg<CVorelApp>(this, kMap, nID, nCode, pCmdUI);
}

void CVorelApp::OnAppAbout() {
  CAboutDlg dialog(m_strAppTitle, GetMainFrame());
  dialog.exec();
}

void CVorelApp::OnAppExit() {
  if (CMainFrame* frame = GetMainFrame())
    frame->close();
  else
    quit();
}

void CVorelApp::OnFileNew() {
  if (m_pDocTemplate) m_pDocTemplate->OpenDocumentFile(std::string());
}

void CVorelApp::OnFileOpen() {
  const CStringW pattern = CStringW(u"*.") + CStringW(m_strDefaultExt.toStdU16String());
  const std::vector<FILE_FILTER> filters{
      {CStringW(u"プリントファイル(") + pattern + CStringW(u")"), pattern},
      {ResourceString(AFX_IDS_ALLFILTER), CStringW(u"*.*")},
  };
  std::string path;
  if (m_pMessages->AskOpenPath(ResourceString(AFX_IDS_OPENFILE), filters, &path)) OpenDocumentFile(path);
}

void CVorelApp::OnFilePrintSetup() {
  QPageSetupDialog dialog(GetPrinterDeviceDefaults(), GetMainFrame());
  dialog.exec();
}

void CVorelApp::OnOpenRecentFile(UINT nID) {
  const int index = int(nID - ID_FILE_MRU_FILE1);
  if (!m_pRecentFileList || index >= m_pRecentFileList->GetSize()) return;
  const std::string path = (*m_pRecentFileList)[index];
  if (QFileInfo::exists(QString::fromStdString(path))) {
    OpenDocumentFile(path);
    return;
  }
  ShowLibraryMessage(FileFailureText(kFileNotFound, path));
  m_pRecentFileList->Remove(index);
}

// The items in use show the files; with none, the first place shows its menu text, disabled.
void CVorelApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
  const int index = int(pCmdUI->m_nID - ID_FILE_MRU_FILE1);
  const int count = m_pRecentFileList ? m_pRecentFileList->GetSize() : 0;
  if (index < count) {
    pCmdUI->Show(TRUE);
    pCmdUI->SetText(RecentFileItemText(index, (*m_pRecentFileList)[index]));
    pCmdUI->Enable(TRUE);
  } else if (index == 0) {
    pCmdUI->Show(TRUE);
    pCmdUI->SetText(QString::fromUtf16(FindMenuItemText(IDR_MAINFRAME, ID_FILE_MRU_FILE1)));
    pCmdUI->Enable(FALSE);
  } else {
    pCmdUI->Show(FALSE);
    pCmdUI->Enable(FALSE);
  }
}

void CVorelApp::OnHelpIndex() { WinHelp(0, 11); }

void CVorelApp::OnUpdateHelpIndex(CCmdUI* pCmdUI) { pCmdUI->SetText(m_strAppTitle + QStringLiteral("のヘルプ")); }

QString CVorelApp::GetAppTitle() const { return m_strAppTitle; }

QString CVorelApp::GetDocumentTitle() const {
  CVorelDoc* doc = GetDocument();
  return doc ? ToQString(doc->GetTitle()) : QString();
}

BOOL CVorelApp::IsDocumentModified() const {
  CVorelDoc* doc = GetDocument();
  return doc && doc->IsModified();
}

void CVorelApp::SetWindowPlacement(const CRect& rcInitial, BOOL bMaximized) {
  m_rcInitial = rcInitial;
  m_bMaximized = bMaximized;
}

void CVorelApp::OpenDroppedFile(const std::string& path) { OpenDocumentFile(path); }

BOOL CVorelApp::CanCloseFrame() {
  CVorelDoc* doc = GetDocument();
  return !doc || doc->SaveModified();
}

void CVorelApp::OnFrameClosed() { quit(); }

void CVorelApp::ExportToWord() {
  if (CVorelDoc* doc = GetDocument()) doc->ExportToWord(m_nCmdLineFlags, m_strWordOutputPath);
}

void CVorelApp::ExportToIchitaro() {
  if (CVorelDoc* doc = GetDocument()) doc->ExportToIchitaro(m_nCmdLineFlags, m_strTaroOutputPath);
}

void CVorelApp::ShowLibraryMessage(const CStringW& text) {
  m_pMessages->ShowMessage(text, kLibraryCaption, MB_BUTTONS_OK, MB_ICON_EXCLAMATION);
}
