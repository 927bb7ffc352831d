#pragma once
// The application: its defaults for the whole process, the start-up sequence with its command
// line, splash window, search library, profile and document template, the application's own
// commands, and shutdown with the exit code. Made once in main() and reached through
// GetVorelApp().

#include <QApplication>
#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "app/QtMessageService.h"
#include "app/VorelAppSettings.h"
#include "app/VorelCommandLineInfo.h"
#include "platform/Module.h"
#include "ui/FrameHost.h"

class CMainFrame;
class CProfile;
class CRecentFileList;
class CSplashDlg;
class CVorelDoc;
class CVorelDocTemplate;
class CVorelView;
class QPrinter;
class QTranslator;

// The search library's entries; at most one is bound.
struct SEARCH_REQUEST;
struct SEARCH_REQUEST20;
struct SEARCH_RESULT;
using SEARCHPROC20 = int (*)(SEARCH_REQUEST20*, SEARCH_RESULT*);
using SEARCHPROC = int (*)(SEARCH_REQUEST*, SEARCH_RESULT*);
extern SEARCHPROC20 g_pfnSearchProc20;
extern SEARCHPROC g_pfnSearchProc2;
extern SEARCHPROC g_pfnSearchProc;

// The product variant whose menus, toolbars and registrations the program has.
extern int g_nProductVariant;

// Show commands of the main window.
enum { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMAXIMIZED = 3 };
// Printer orientations.
enum { DMORIENT_PORTRAIT = 1, DMORIENT_LANDSCAPE = 2 };

class CVorelApp : public QApplication, public CVorelAppSettings, public CMDLINE_REQUEST, public CFrameHost {
  Q_OBJECT

 public:
  CVorelApp(int& argc, char** argv);
  ~CVorelApp() override;

  // InitInstance, the event loop and ExitInstance: the process exit code.
  int Run();
  // FALSE when the start-up failed; m_nExitCode then says why (never 0).
  BOOL InitInstance();
  // Releases what start-up took, writes the settings and answers the exit code.
  int ExitInstance();
  // There is no help viewer on this platform: help requests show nothing.
  void WinHelp(DWORD dwData, UINT nCmd);
  // Qt's Japanese translations, installed once; a missing file is only logged.
  void LoadQtTranslations();

  void LoadProfile();
  void SaveProfile();
  // Paper size and orientation codes of the application's printer settings; nothing when
  // there are none yet.
  void SetPrinterPaper(int nPaperSize, int nOrientation);
  // The application's printer settings, made on first use.
  QPrinter* GetPrinterDeviceDefaults();
  QPrinter* GetPrinterSettings() const { return m_pPrinter.get(); }

  // Binds the first entry of the search library beside the program or on the library path.
  void LoadSearchLibrary();
  void FreeSearchLibrary();

  CVorelDoc* OpenDocumentFile(const std::string& path);
  void AddToRecentFileList(const std::string& path);
  CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }
  CVorelDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
  CVorelDoc* GetDocument() const;
  CMainFrame* GetMainFrame() const;
  CVorelView* GetView() const;
  CSplashDlg* GetSplash() const { return m_pSplash.get(); }

  // For tests: the arguments after the program name, the boxes and dialogs, and the folder
  // searched first for the search library.
  void SetArguments(const std::vector<std::string>& arguments) { m_arguments = arguments; }
  void SetMessageService(CMessageService* pMessages) { m_pMessages = pMessages ? pMessages : &m_qtMessages; }
  void SetProgramFolder(const std::string& folder) { m_strProgramFolder = folder; }

  BOOL OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) override;
  void OnAppAbout();
  void OnAppExit();
  void OnFileNew();
  void OnFileOpen();
  void OnFilePrintSetup();
  void OnOpenRecentFile(UINT nID);
  void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
  void OnHelpIndex();
  void OnUpdateHelpIndex(CCmdUI* pCmdUI);

  QString GetAppTitle() const override;
  QString GetDocumentTitle() const override;
  BOOL IsDocumentModified() const override;
  CRect GetInitialRect() const override { return m_rcInitial; }
  void SetWindowPlacement(const CRect& rcInitial, BOOL bMaximized) override;
  void OpenDroppedFile(const std::string& path) override;
  BOOL CanCloseFrame() override;
  void OnFrameClosed() override;
  void ExportToWord() override;
  void ExportToIchitaro() override;

  int m_nExitCode = 0;
  QString m_strAppTitle;
  QString m_strMessageCaption;
  QString m_strDefaultExt;
  std::string m_strHelpPath;
  int m_nPaletteKind = 2;  // the gaiji palette
  BOOL m_bHasSearchInfo = FALSE;
  BOOL m_bWordAvailable = FALSE;
  BOOL m_bTaroAvailable = FALSE;
  int m_nKuntenDlgState = 0;
  HMODULE m_hSearchLib = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;

 private:
  BOOL ProcessShellCommand(const CCommandLineInfo& info);
  BOOL FailStartUp();
  void ShowMainWindow();
  void PostConversion();
  void ShowLibraryMessage(const CStringW& text);

  std::vector<std::string> m_arguments;
  std::string m_strProgramFolder;
  CQtMessageService m_qtMessages;
  CMessageService* m_pMessages = &m_qtMessages;
  std::unique_ptr<CProfile> m_pProfile;
  std::unique_ptr<CRecentFileList> m_pRecentFileList;
  std::unique_ptr<CVorelDocTemplate> m_pDocTemplate;
  std::unique_ptr<CSplashDlg> m_pSplash;
  std::unique_ptr<QPrinter> m_pPrinter;
  std::unique_ptr<QTranslator> m_pQtTranslator;
};

// The one application object, made in main(); null before and after.
CVorelApp* GetVorelApp();
