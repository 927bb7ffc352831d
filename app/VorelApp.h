#pragma once
// The application: one document, its frame and view, started from the command line.

#include <QApplication>
#include <memory>

#include "app/QtMessageService.h"
#include "app/VorelCommandLineInfo.h"
#include "ui/FrameCommands.h"

class CMainFrame;
class CVorelDoc;
class CVorelView;

class CVorelApp : public QApplication, public CFrameCommands, public CMDLINE_REQUEST {
  Q_OBJECT

 public:
  CVorelApp(int& argc, char** argv);
  ~CVorelApp() override;

  // FALSE when the start-up failed: the program then ends with a non-zero code.
  BOOL InitInstance();

  CVorelDoc* GetDocument() const { return m_pDoc.get(); }
  CMainFrame* GetMainFrame() const { return m_pFrame.get(); }

  void OnFileNew() override;
  void OnFileOpen() override;
  void OnFileSave() override;
  void OnFileSaveAs() override;
  bool CanCloseFrame() override;

 private:
  void ShowDocument();

  CQtMessageService m_messages;
  std::unique_ptr<CVorelDoc> m_pDoc;
  std::unique_ptr<CMainFrame> m_pFrame;
  CVorelView* m_pView = nullptr;  // owned by the frame
};

// The one application object, made in main().
CVorelApp* GetVorelApp();
