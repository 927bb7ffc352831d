#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "app/VorelApp.h"
#include "tests/support/TestPaths.h"
#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "elements/EditPrint.h"
#include "model/DefaultFonts.h"
#include "model/GdiCache.h"
#include "platform/RecentFileList.h"
#include "resources/Resource.h"
#include "tests/support/ScriptedMessages.h"
#include "ui/CmdUI.h"
#include "ui/MainFrame.h"
#include "ui/SplashDlg.h"

namespace {

std::string Utf8(const CStringW& s) { return QString::fromStdU16String(s.str()).toStdString(); }

// Each test starts the one application object afresh, with its own profile and scripted boxes.
class VorelAppTest : public ::testing::Test {
 protected:
  VorelAppTest() : m_app(*GetVorelApp()), m_savedFonts(g_DefaultFonts), m_bSavedVertical(g_bVerticalWriting) {
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    static_cast<CMDLINE_REQUEST&>(m_app) = CMDLINE_REQUEST();
    static_cast<CVorelAppSettings&>(m_app) = CVorelAppSettings();
    m_app.m_nExitCode = 0;
    m_app.m_nCmdShow = SW_SHOWNORMAL;
    m_app.SetMessageService(&m_messages);
    m_app.SetProgramFolder(m_dir.path().toStdString());
  }
  ~VorelAppTest() override {
    m_app.ExitInstance();
    m_app.SetMessageService(nullptr);
    g_DefaultFonts = m_savedFonts;
    g_bVerticalWriting = m_bSavedVertical;
  }

  BOOL Start(const std::vector<std::string>& arguments) {
    m_app.SetArguments(arguments);
    return m_app.InitInstance();
  }
  QString IniPath() const { return m_config.filePath("Halvern Brennowick/QR70.ini"); }
  void Store(const QString& key, const QVariant& value) {
    QSettings ini(IniPath(), QSettings::IniFormat);
    ini.setValue(key, value);
  }
  // A sheet package written by the document itself.
  std::string WriteSheet(const char* name) {
    CScriptedMessages messages;
    messages.m_savePath = m_dir.filePath(name).toStdString();
    CVorelDoc doc(&messages);
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.DoSave(TRUE));
    return messages.m_savePath;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& shown : m_messages.m_shown) out.push_back(Utf8(shown.text));
    return out;
  }
  // Runs the event loop for a moment, so that it goes idle.
  static void RunEventLoop() {
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
  }
  CMainFrame* Frame() const { return m_app.GetMainFrame(); }
  CVorelDoc* Doc() const { return m_app.GetDocument(); }

  QTemporaryDir m_config;
  QTemporaryDir m_dir;
  CScriptedMessages m_messages;
  CVorelApp& m_app;
  DEFAULT_FONTS m_savedFonts;
  int m_bSavedVertical;
};

TEST_F(VorelAppTest, StartsWithANewSheetInAVisibleWindow) {
  ASSERT_TRUE(Start({}));
  ASSERT_TRUE(Doc() && Frame());
  EXPECT_EQ(Utf8(Doc()->GetTitle()), "無題");
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_TRUE(Frame()->isVisible());
  EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("無題[*] - ロヴェナ"));
  EXPECT_EQ(Frame()->centralWidget(), m_app.GetView());
  EXPECT_EQ(m_app.GetSplash(), nullptr);
  EXPECT_TRUE(m_messages.m_shown.empty());
  EXPECT_EQ(m_app.ExitInstance(), 0);
}

TEST_F(VorelAppTest, OpenAsNewShowsAnUntitledModifiedSheetOutsideTheRecentFiles) {
  const std::string sheet = WriteSheet("given.qvf");
  ASSERT_TRUE(Start({"-k1", sheet}));
  EXPECT_EQ(Utf8(Doc()->GetTitle()), "無題");
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_TRUE(Doc()->GetPathName().empty());
  EXPECT_EQ(m_app.GetRecentFileList()->GetSize(), 0);
  EXPECT_EQ(m_app.m_nCmdLineFlags, 0);
}

// Qt's dialogs and standard buttons speak Japanese once the program has started.
TEST_F(VorelAppTest, QtsOwnDialogsSpeakJapanese) {
  ASSERT_TRUE(Start({}));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("アドレス:"));
  QDialogButtonBox buttons(QDialogButtonBox::Cancel);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

TEST_F(VorelAppTest, OpenedFileJoinsTheRecentFiles) {
  const std::string sheet = WriteSheet("opened.qvf");
  ASSERT_TRUE(Start({sheet}));
  EXPECT_EQ(Doc()->GetPathName(), sheet);
  ASSERT_EQ(m_app.GetRecentFileList()->GetSize(), 1);
  EXPECT_EQ((*m_app.GetRecentFileList())[0], sheet);
}

// A command-line conversion never shows a window; neither word processor exists here, so the
// conversion fails with its code and the frame closes itself.
TEST_F(VorelAppTest, CommandLineConversionRunsHiddenAndEndsWithItsCode) {
  const std::string sheet = WriteSheet("in.qvf");
  struct Case { const char* flag; int code; } cases[] = {{"-w", 10}, {"-wq", 10}, {"-t", 20}, {"-tq", 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flag);
    static_cast<CMDLINE_REQUEST&>(m_app) = CMDLINE_REQUEST();
    m_app.m_nExitCode = 0;
    m_app.m_nCmdShow = SW_SHOWNORMAL;
    ASSERT_TRUE(Start({c.flag, sheet, m_dir.filePath("out.doc").toStdString()}));
    EXPECT_EQ(m_app.GetSplash(), nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets()) EXPECT_FALSE(widget->isVisible());
    QTimer::singleShot(5000, &m_app, &QCoreApplication::quit);
    m_app.exec();
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_EQ(m_app.ExitInstance(), c.code);
  }
}

TEST_F(VorelAppTest, FileThatCannotBeOpenedFailsTheStartUp) {
  const std::string missing = m_dir.filePath("missing.qvf").toStdString();
  struct Case { std::vector<std::string> arguments; int code; } cases[] = {
      {{missing}, 1}, {{"-k1", missing}, 1}, {{"-w", missing, "out.doc"}, 10}, {{"-t", missing, "out.jtd"}, 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.front());
    static_cast<CMDLINE_REQUEST&>(m_app) = CMDLINE_REQUEST();
    m_app.m_nExitCode = 0;
    m_messages.m_shown.clear();
    EXPECT_FALSE(Start(c.arguments));
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(Texts(), std::vector<std::string>{"ファイルを開けませんでした。\n" + missing + "（ファイルが見つかりません）"});
    EXPECT_EQ(m_app.ExitInstance(), c.code);
  }
}

TEST_F(VorelAppTest, VanishedRecentFileIsReportedAndForgotten) {
  const std::string kept = WriteSheet("kept.qvf");
  Store("Recent File List/File1", m_dir.filePath("vanished.qvf"));
  Store("Recent File List/File2", QString::fromStdString(kept));
  ASSERT_TRUE(Start({}));
  ASSERT_EQ(m_app.GetRecentFileList()->GetSize(), 2);

  EXPECT_TRUE(Frame()->OnCommand(ID_FILE_MRU_FILE1));
  ASSERT_EQ(m_messages.m_shown.size(), 1u);
  EXPECT_EQ(Utf8(m_messages.m_shown[0].text), "ファイルが見つかりません。\n" + m_dir.filePath("vanished.qvf").toStdString());
  EXPECT_EQ(Utf8(m_messages.m_shown[0].caption), "QR70");
  ASSERT_EQ(m_app.GetRecentFileList()->GetSize(), 1);
  EXPECT_EQ(Utf8(Doc()->GetTitle()), "無題");

  EXPECT_TRUE(Frame()->OnCommand(ID_FILE_MRU_FILE1));
  EXPECT_EQ(Doc()->GetPathName(), kept);
  // Only places in use show.
  Frame()->OnIdleUpdateCmdUI();
  EXPECT_EQ(Frame()->GetAction(ID_FILE_MRU_FILE1)->text(), "&1 " + QString::fromStdString(kept));
  EXPECT_FALSE(Frame()->GetAction(ID_FILE_MRU_FILE1 + 1)->isVisible());
  EXPECT_FALSE(Frame()->OnCommand(ID_FILE_MRU_FILE1 + 1));
}

TEST_F(VorelAppTest, SearchLibraryBindsItsFirstEntry) {
  struct Case {
    const char* folder;
    int bound;  // 20, 2 or 1: which entry answered; 0 none
    bool loaded;
    const char* message;
  } cases[] = {
      {"proc20", 20, true, nullptr},
      {"proc2", 2, true, nullptr},
      {"proc", 1, true, nullptr},
      {"none", 0, true, "再検索用ＤＬＬ内にエントリポイントが見つかりません。"},
      {"absent", 0, false, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    m_messages.m_shown.clear();
    m_app.SetProgramFolder(TestProgramDir() + "/findral/" + c.folder);
    m_app.LoadSearchLibrary();
    EXPECT_EQ(m_app.m_hSearchLib != nullptr, c.loaded);
    EXPECT_LE(int(g_pfnSearchProc20 != nullptr) + int(g_pfnSearchProc2 != nullptr) + int(g_pfnSearchProc != nullptr), 1);
    const int answer = g_pfnSearchProc20 ? g_pfnSearchProc20(nullptr, nullptr)
                       : g_pfnSearchProc2 ? g_pfnSearchProc2(nullptr, nullptr)
                       : g_pfnSearchProc  ? g_pfnSearchProc(nullptr, nullptr)
                                          : 0;
    EXPECT_EQ(answer, c.bound);
    EXPECT_EQ(Texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    m_app.FreeSearchLibrary();
    EXPECT_EQ(m_app.m_hSearchLib, nullptr);
    EXPECT_EQ(g_pfnSearchProc20, nullptr);
  }
}

TEST_F(VorelAppTest, StartUpPlacesTheWindowAndExitKeepsItsPlacement) {
  const RECT stored = {40, 30, 840, 630};
  Store("Options/InitialRect", QByteArray(reinterpret_cast<const char*>(&stored), sizeof stored));
  Store("Settings/Zoom", 150);
  ASSERT_TRUE(Start({}));
  EXPECT_EQ(m_app.m_nZoom, 150);
  EXPECT_EQ(Frame()->geometry(), QRect(40, 30, 800, 600));

  Frame()->setGeometry(60, 50, 700, 500);
  EXPECT_EQ(m_app.m_rcInitial, CRect(60, 50, 760, 550));
  m_app.ExitInstance();
  QSettings ini(IniPath(), QSettings::IniFormat);
  const QByteArray saved = ini.value("Options/InitialRect").toByteArray();
  ASSERT_EQ(saved.size(), qsizetype(sizeof(RECT)));
  EXPECT_EQ(CRect(*reinterpret_cast<const RECT*>(saved.constData())), CRect(60, 50, 760, 550));
  EXPECT_EQ(ini.value("Settings/Zoom").toInt(), 150);
}

TEST_F(VorelAppTest, MaximizedFlagShowsTheWindowMaximized) {
  Store("Options/Maximized", 1);
  ASSERT_TRUE(Start({}));
  EXPECT_TRUE(Frame()->isMaximized());
  EXPECT_TRUE(m_app.m_bMaximized);
}

TEST_F(VorelAppTest, ClosingAsksToSaveAModifiedSheet) {
  ASSERT_TRUE(Start({}));
  Doc()->SetModifiedFlag(TRUE);
  m_messages.m_answers = {ANSWER_CANCEL, ANSWER_NO};
  EXPECT_FALSE(Frame()->close());
  EXPECT_TRUE(Frame()->isVisible());
  EXPECT_TRUE(Frame()->close());
  EXPECT_FALSE(Frame()->isVisible());
  EXPECT_EQ(m_messages.m_shown.size(), 2u);
}

TEST_F(VorelAppTest, DroppedFileOpens) {
  const std::string sheet = WriteSheet("dropped.qvf");
  ASSERT_TRUE(Start({}));
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(sheet))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Frame(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Frame(), &drop);
  EXPECT_EQ(Doc()->GetPathName(), sheet);
}

// The user declines to save, the file chosen then cannot be read: whichever way it came, the
// sheet stays with its name, changes and undo history.
TEST_F(VorelAppTest, AFailedOpenOverAModifiedSheetKeepsIt) {
  const std::string sheet = WriteSheet("kept.qvf");
  const std::string broken = m_dir.filePath("broken.qvp").toStdString();
  QFile file(QString::fromStdString(broken));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<print><dmon></print>");
  file.close();
  Store("Recent File List/File1", QString::fromStdString(broken));
  ASSERT_TRUE(Start({sheet}));
  ASSERT_TRUE(m_app.GetView()->TypeText(CStringW(u"問")));
  RunEventLoop();
  const CEditPrint* root = Doc()->GetPrint();
  const int nGroups = Doc()->GetHistory().GetGroupCount();
  ASSERT_GT(nGroups, 0);
  ASSERT_EQ((*m_app.GetRecentFileList())[1], broken);

  const std::function<void()> routes[] = {
      [&] {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(broken))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Frame(), &drop);
      },
      [&] { EXPECT_TRUE(Frame()->OnCommand(ID_FILE_MRU_FILE1 + 1)); },
      [&] {
        m_messages.m_openPath = broken;
        EXPECT_TRUE(Frame()->OnCommand(ID_FILE_OPEN));
      },
  };
  for (const auto& route : routes) {
    m_messages.m_shown.clear();
    m_messages.m_answers = {ANSWER_NO};
    route();
    const std::vector<std::string> texts = Texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[texts.size() - 3], "kept.qvf への変更を保存しますか?");
    EXPECT_TRUE(texts[texts.size() - 2].starts_with("XML Parsing Error"));
    EXPECT_EQ(texts.back(), "ファイルの読込に失敗しました。\n" + broken);
    EXPECT_EQ(Doc()->GetPrint(), root);
    EXPECT_EQ(Doc()->GetPathName(), sheet);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Doc()->GetHistory().GetGroupCount(), nGroups);
    RunEventLoop();
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("kept.qvf[*] - ロヴェナ"));
    EXPECT_TRUE(Frame()->isWindowModified());
  }
  const int nIndex = Doc()->GetHistory().GetUndoIndex();
  EXPECT_TRUE(Frame()->OnCommand(ID_EDIT_UNDO));
  EXPECT_EQ(Doc()->GetHistory().GetUndoIndex(), nIndex + 1);
}

TEST_F(VorelAppTest, OpenCommandAsksForAFile) {
  const std::string sheet = WriteSheet("chosen.qvf");
  ASSERT_TRUE(Start({}));
  m_messages.m_openPath = sheet;
  EXPECT_TRUE(Frame()->OnCommand(ID_FILE_OPEN));
  ASSERT_FALSE(m_messages.m_shown.empty());
  EXPECT_EQ(Utf8(m_messages.m_shown.back().caption), "開く");
  EXPECT_EQ(Doc()->GetPathName(), sheet);
}

// Undo and redo stay enabled; with nothing to take back or repeat they do nothing.
TEST_F(VorelAppTest, UndoAndRedoAreAlwaysThere) {
  ASSERT_TRUE(Start({}));
  CVorelView* view = m_app.GetView();
  QAction* undo = Frame()->GetAction(ID_EDIT_UNDO);
  QAction* redo = Frame()->GetAction(ID_EDIT_REDO);
  ASSERT_TRUE(undo && redo);
  Frame()->OnIdleUpdateCmdUI();
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_TRUE(redo->isEnabled());
  EXPECT_EQ(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
  EXPECT_EQ(redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
  EXPECT_EQ(undo->statusTip(), QStringLiteral("直前に行った動作を元に戻す"));

  CUndoHistory& history = Doc()->GetHistory();
  const int empty = history.GetUndoIndex();
  EXPECT_TRUE(Frame()->OnCommand(ID_EDIT_UNDO));
  EXPECT_EQ(history.GetUndoIndex(), empty);
  ASSERT_TRUE(view->TypeText(CStringW(u"問")));
  RunEventLoop();
  int undone = 0;
  QObject::connect(undo, &QAction::triggered, [&] { ++undone; });
  Frame()->activateWindow();
  view->setFocus();
  QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(undone, 1);
  EXPECT_EQ(history.GetUndoIndex(), 1);
  EXPECT_TRUE(Frame()->OnCommand(ID_EDIT_REDO));
  EXPECT_EQ(history.GetUndoIndex(), 0);
}

TEST_F(VorelAppTest, MenusUpdateWhenTheyOpen) {
  ASSERT_TRUE(Start({}));
  QAction* help = Frame()->GetAction(ID_HELP_INDEX);
  help->setText(QString());
  QMenu* menu = nullptr;
  for (QObject* owner : help->associatedObjects()) {
    if (auto* candidate = qobject_cast<QMenu*>(owner)) menu = candidate;
  }
  ASSERT_NE(menu, nullptr);
  emit menu->aboutToShow();
  EXPECT_EQ(help->text(), QStringLiteral("ロヴェナのヘルプ"));
}

// Counts the events of some types that reach one object.
class CEventCounter : public QObject {
 public:
  CEventCounter(QObject* watched, std::initializer_list<QEvent::Type> types) : m_types(types) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    for (QEvent::Type type : m_types) m_nCount += event->type() == type;
    return false;
  }
  std::vector<QEvent::Type> m_types;
  int m_nCount = 0;
};

// The window system answers every change of the title by waking the event loop, so an idle
// pass that finds nothing changed must change nothing, or the loop never rests.
TEST_F(VorelAppTest, IdlePassesChangeNothingUntilTheSheetDoes) {
  ASSERT_TRUE(Start({}));
  RunEventLoop();
  CEventCounter changes(Frame(), {QEvent::WindowTitleChange, QEvent::ModifiedChange, QEvent::ActionChanged});
  QTimer wakes;
  wakes.start(1);
  QEventLoop loop;
  QTimer::singleShot(500, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(changes.m_nCount, 0);

  Doc()->SetModifiedFlag(TRUE);
  QTimer::singleShot(200, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_TRUE(Frame()->isWindowModified());
  EXPECT_EQ(changes.m_nCount, 1);
}

TEST_F(VorelAppTest, PrinterPaperNeedsPrinterSettings) {
  m_app.SetPrinterPaper(8, DMORIENT_LANDSCAPE);
  EXPECT_EQ(m_app.GetPrinterSettings(), nullptr);
  QPrinter* printer = m_app.GetPrinterDeviceDefaults();
  ASSERT_NE(printer, nullptr);
  m_app.SetPrinterPaper(8, DMORIENT_LANDSCAPE);
  EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A3);
  EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Landscape);
  m_app.SetPrinterPaper(9, DMORIENT_PORTRAIT);
  EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
  EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Portrait);
}

}  // namespace
