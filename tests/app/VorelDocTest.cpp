#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/VorelApp.h"
#include "tests/support/TestPaths.h"
#include "app/VorelDoc.h"
#include "elements/EditGraphic.h"
#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "model/CoordMapper.h"
#include "model/EditChar.h"
#include "model/EditCR.h"
#include "model/EditSentence.h"
#include "model/GdiCache.h"
#include "model/UndoGroup.h"
#include "platform/Cabinet.h"
#include "platform/GlobalMemory.h"
#include "resources/Resource.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/WithoutDacOverride.h"
#include "tests/support/StringWPrint.h"
#include "tests/xmlformat/RichSheet.h"
#include "ui/CmdUI.h"
#include "xmlformat/SheetReader.h"
#include "xmlformat/SheetWriter.h"

namespace {

constexpr char kReadFailed[] = "ファイルの読込に失敗しました。";
constexpr char kSaveFailed[] = "ファイルの保存に失敗しました。";

std::string Utf8(const CStringW& s) { return QString::fromStdU16String(s.str()).toStdString(); }

// Records what the document hands to a converter and answers as told.
struct CONVERSION_LOG {
  std::string xmlPath;
  std::string target;
  BOOL bXmlExisted = FALSE;
  int nCalls = 0;
};

class CFakeConverter : public CSheetConverter {
 public:
  CFakeConverter(CONVERSION_LOG* pLog, BOOL bResult) : m_pLog(pLog), m_bResult(bResult) {}
  BOOL Convert(const std::string& xmlPath, const std::string& target) override {
    ++m_pLog->nCalls;
    m_pLog->xmlPath = xmlPath;
    m_pLog->target = target;
    m_pLog->bXmlExisted = QFile::exists(QString::fromStdString(xmlPath));
    QFile out(QString::fromStdString(target));
    if (out.open(QIODevice::WriteOnly)) out.write("converted");
    return m_bResult;
  }

 private:
  CONVERSION_LOG* m_pLog;
  BOOL m_bResult;
};

// A document whose packer can be made to fail after it wrote a whole package.
class CTestDoc : public CVorelDoc {
 public:
  using CVorelDoc::CVorelDoc;
  BOOL m_bFailPacking = FALSE;

 protected:
  BOOL PackFiles(const std::vector<std::string>& files, const std::string& folder, const std::string& name) override {
    return CVorelDoc::PackFiles(files, folder, name) && !m_bFailPacking;
  }
};

class VorelDocTest : public ::testing::Test {
 protected:
  void TearDown() override {
    g_bVerticalWriting = m_bSavedVertical;
    GetVorelApp()->m_nCmdLineFlags = 0;
  }
  // As the command line's "k1" opens a file.
  BOOL OpenAsNew(const char* name) {
    GetVorelApp()->m_nCmdLineFlags = CMDLINE_OPEN_AS_NEW;
    const BOOL ok = m_doc.OpenDocument(Path(name));
    GetVorelApp()->m_nCmdLineFlags = 0;
    return ok;
  }

  std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }
  QByteArray Bytes(const std::string& path) const {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void WriteBytes(const char* name, const QByteArray& bytes) {
    QFile file(m_dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QStringList Entries(const QString& folder) const {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
  QStringList Entries() const { return Entries(m_dir.path()); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& shown : m_messages.m_shown) out.push_back(Utf8(shown.text));
    return out;
  }
  static CStringW FirstPartText(CVorelDoc& doc) {
    CStringW text;
    doc.GetPrint()->GetEditChildAt(0)->GetText(text);
    return text;
  }
  // Types a character into the first part, as an edit would.
  static void TypeIntoFirstPart(CVorelDoc& doc, char16_t ch) {
    CEditNode* part = doc.GetPrint()->GetEditChildAt(0);
    part->InsertChild(0, new CEditChar(ch));
    doc.SetModifiedFlag();
  }
  void TypeIntoFirstPart(char16_t ch) { TypeIntoFirstPart(m_doc, ch); }
  static CEditGraphic* AddPicture(CEditPrint& sheet, const QString& folder) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.save(folder + "/picture.png");
    CEditNode* part = sheet.GetEditChildAt(0);
    auto* picture = new CEditGraphic;
    part->InsertChild(0, picture);
    CCoordMapper mapper;
    mapper.SetFromDC(nullptr, 100);
    picture->LoadFile((folder + "/picture.png").toStdString(), &mapper);
    return picture;
  }
  // A package of a new sheet that starts with the character, saved by another document.
  void MakePackage(const char* name, char16_t ch) {
    CScriptedMessages messages;
    CVorelDoc doc(&messages);
    ASSERT_TRUE(doc.OnNewDocument());
    TypeIntoFirstPart(doc, ch);
    messages.m_savePath = Path(name);
    ASSERT_TRUE(doc.DoSave(TRUE));
  }
  // Plain sheet XML of a new sheet that starts with the character, written in place.
  void MakePlain(const char* name, char16_t ch, const char16_t* searchId = u"") {
    CEditPrint sheet;
    ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&sheet, TRUE));
    sheet.GetEditChildAt(0)->InsertChild(0, new CEditChar(ch));
    sheet.m_strSearchProgID = searchId;
    ASSERT_TRUE(WriteSheetXml(&sheet, Path(name).c_str()));
  }
  void Register(CVorelDoc& doc, BOOL bResult = TRUE) {
    doc.SetConverter(EXPORT_HTML, std::make_unique<CFakeConverter>(&m_html, bResult));
    doc.SetConverter(EXPORT_TEXT, std::make_unique<CFakeConverter>(&m_text, bResult));
  }

  const int m_bSavedVertical = g_bVerticalWriting;
  QTemporaryDir m_dir;
  CScriptedMessages m_messages;
  CTestDoc m_doc{&m_messages};
  CONVERSION_LOG m_html;
  CONVERSION_LOG m_text;
};

}  // namespace

TEST_F(VorelDocTest, NewSheetIsVerticalUntitledAndUnmodified) {
  ASSERT_TRUE(m_doc.OnNewDocument());
  ASSERT_TRUE(m_doc.GetPrint());
  EXPECT_EQ(m_doc.GetPrint()->m_nReserved0, 1);
  EXPECT_EQ(m_doc.GetPrint()->GetChildCount(), 4);
  EXPECT_EQ(Utf8(m_doc.GetTitle()), "無題");
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_TRUE(m_doc.GetPathName().empty());
  EXPECT_TRUE(m_messages.m_shown.empty());
  // Every part and everything in it takes the vertical default font at 10.5 points.
  int checked = 0;
  for (int i = 0; i < m_doc.GetPrint()->GetChildCount(); ++i) {
    CEditNode* part = m_doc.GetPrint()->GetEditChildAt(i);
    EXPECT_EQ(part->m_lf.lfHeight, -371);
    EXPECT_EQ(part->m_lf.lfFaceName[0], '@');
    for (int k = 0; k < part->GetChildCount() && part->GetEditChildAt(k); ++k, ++checked)
      EXPECT_EQ(part->GetEditChildAt(k)->m_lf.lfHeight, -371);
  }
  EXPECT_GT(checked, 0);
}

TEST_F(VorelDocTest, SavedPackageOpensAndSavesTheSameSheet) {
  ASSERT_TRUE(m_doc.OnNewDocument());
  TypeIntoFirstPart(u'問');
  m_messages.m_savePath = Path("sheet.qvf");
  ASSERT_TRUE(m_doc.DoSave(TRUE));
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_EQ(Bytes(Path("sheet.qvf")).left(4), QByteArray("MSCF"));
  EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.qvf"});

  CScriptedMessages messages;
  CVorelDoc reopened(&messages);
  ASSERT_TRUE(reopened.OpenDocument(Path("sheet.qvf")));
  EXPECT_TRUE(reopened.IsCabinet());
  EXPECT_EQ(Utf8(reopened.GetTitle()), "sheet.qvf");
  EXPECT_EQ(FirstPartText(reopened).GetAt(0), u'問');
  EXPECT_TRUE(messages.m_shown.empty());
}

// A read that fails in any way leaves the open sheet as it was: its contents, path, modified
// flag, format, search flag and undo history. Each message names the file and why.
TEST_F(VorelDocTest, AFailedOpenKeepsTheOpenSheetAndNamesTheFile) {
  MakePackage("sheet.qvf", u'包');
  MakePlain("open.qvp", u'平', u"Q-1");
  WriteBytes("short.qvf", "MSCF");
  WriteBytes("empty.qvp", "");
  WriteBytes("garbage.qvf", QByteArray("MSCF") + QByteArray(64, 'x'));
  WriteBytes("broken.qvp", "<print><dmon></print>");
  WriteBytes("truncated.qvf", Bytes(Path("sheet.qvf")).chopped(16));
  WriteBytes("locked.qvf", Bytes(Path("sheet.qvf")));
  QFile::setPermissions(m_dir.filePath("locked.qvf"), QFileDevice::WriteOwner);
  ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.qvf"));
  ASSERT_EQ(mkfifo(Path("pipe.qvf").c_str(), 0600), 0);
  const std::string kOpenFailed = "ファイルを開けませんでした。";
  struct ROW {
    const char* name;
    std::vector<std::string> messages;  // after the failure's sentence: the file's line
  } rows[] = {
      {"missing.qvf", {kOpenFailed + "\n" + Path("missing.qvf") + "（ファイルが見つかりません）"}},
      {"locked.qvf", {kOpenFailed + "\n" + Path("locked.qvf") + "（権限がありません）"}},
      {"folder.qvf", {kOpenFailed + "\n" + Path("folder.qvf") + "（フォルダーです）"}},
      {"pipe.qvf", {kOpenFailed + "\n" + Path("pipe.qvf") + "（通常のファイルではありません）"}},
      {"short.qvf", {kReadFailed + ("\n" + Path("short.qvf")) + "（ファイルが短すぎます）"}},
      {"empty.qvp", {kReadFailed + ("\n" + Path("empty.qvp")) + "（ファイルが短すぎます）"}},
      {"garbage.qvf", {kReadFailed + ("\n" + Path("garbage.qvf"))}},
      {"truncated.qvf", {kReadFailed + ("\n" + Path("truncated.qvf"))}},
      {"broken.qvp", {"XML Parsing Error: Code=0x", kReadFailed + ("\n" + Path("broken.qvp"))}},
  };
  ASSERT_TRUE(m_doc.OpenDocument(Path("open.qvp")));
  TypeIntoFirstPart(u'x');
  auto* group = new CUndoGroup;
  group->AddValueAction(UNDO_BOLD, nullptr, 0, 1);
  m_doc.PushUndo(group);
  const CEditPrint* sheet = m_doc.GetPrint();
  CWithoutDacOverride withoutOverride;
  for (const ROW& row : rows) {
    SCOPED_TRACE(row.name);
    m_messages.m_shown.clear();
    EXPECT_FALSE(m_doc.OpenDocument(Path(row.name)));
    const std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), row.messages.size());
    for (size_t i = 0; i + 1 < texts.size(); ++i) {
      EXPECT_EQ(texts[i].rfind(row.messages[i], 0), 0u) << texts[i];
      EXPECT_TRUE(texts[i].ends_with("\n" + Path(row.name))) << texts[i];
    }
    EXPECT_EQ(texts.back(), row.messages.back());
    for (const auto& shown : m_messages.m_shown) EXPECT_EQ(Utf8(shown.caption), "QR70");
    EXPECT_EQ(m_doc.GetPrint(), sheet);
    EXPECT_EQ(Utf8(FirstPartText(m_doc)).substr(0, 4), "x平");
    EXPECT_EQ(m_doc.GetPathName(), Path("open.qvp"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_FALSE(m_doc.IsCabinet());
    EXPECT_TRUE(m_doc.HasSearchInfo());
    EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), 1);
    EXPECT_EQ(m_doc.GetHistory().GetUndoIndex(), 0);
  }
  // A good read then takes the sheet's place, with an empty history.
  m_messages.m_shown.clear();
  ASSERT_TRUE(m_doc.OpenDocument(Path("sheet.qvf")));
  EXPECT_TRUE(m_messages.m_shown.empty());
  EXPECT_EQ(FirstPartText(m_doc).GetAt(0), u'包');
  EXPECT_EQ(m_doc.GetPathName(), Path("sheet.qvf"));
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_TRUE(m_doc.IsCabinet());
  EXPECT_FALSE(m_doc.HasSearchInfo());
  EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), 0);
  // Reading a package leaves nothing beside it.
  EXPECT_EQ(Entries(), (QStringList{"broken.qvp", "empty.qvp", "folder.qvf", "garbage.qvf", "locked.qvf", "open.qvp",
                                    "sheet.qvf", "short.qvf", "truncated.qvf"}));
}

// Each filter by its meaning; a text or HTML export keeps the sheet's path and modified flag.
TEST_F(VorelDocTest, SaveAsWritesWhatTheChosenFilterMeans) {
  Register(m_doc);
  struct ROW {
    const char16_t* pattern;
    const char* name;
    const char* bytes;  // what the file starts with
    BOOL bSaved;        // the sheet now lives in the file
    CONVERSION_LOG* pConverter;
  } rows[] = {
      {u"*.qvf", "a.qvf", "MSCF", TRUE, nullptr},
      {u"*.*", "b.txt", "MSCF", TRUE, nullptr},
      {u"*.txt", "c.txt", "converted", FALSE, &m_text},
      {u"*.htm", "d.htm", "converted", FALSE, &m_html},
  };
  for (const ROW& row : rows) {
    ASSERT_TRUE(m_doc.OnNewDocument());
    m_messages.m_savePath = Path("first.qvf");
    m_messages.m_saveFilterPattern = u"*.qvf";
    ASSERT_TRUE(m_doc.DoSave(TRUE));
    TypeIntoFirstPart(u'x');
    m_messages.m_shown.clear();
    m_messages.m_savePath = Path(row.name);
    m_messages.m_saveFilterPattern = row.pattern;
    EXPECT_TRUE(m_doc.DoSave(TRUE)) << row.name;
    EXPECT_TRUE(Bytes(Path(row.name)).startsWith(row.bytes)) << row.name;
    EXPECT_EQ(m_doc.GetPathName(), Path(row.bSaved ? row.name : "first.qvf")) << row.name;
    EXPECT_EQ(m_doc.IsModified(), !row.bSaved) << row.name;
    EXPECT_TRUE(m_doc.IsCabinet()) << row.name;
    if (row.pConverter) {
      EXPECT_EQ(row.pConverter->target, Path(row.name));
    }
    ASSERT_EQ(m_messages.m_shown.size(), 1u) << row.name;  // the dialog only
    EXPECT_EQ(Utf8(m_messages.m_shown[0].caption), "名前を付けて保存");
    EXPECT_EQ(m_messages.m_offeredFilters,
              (std::vector<CStringW>{u"*.qvf", u"*.htm", u"*.txt", u"*.*"}));
    EXPECT_EQ(Utf8(m_messages.m_defaultExt), "qvf");
  }
  EXPECT_EQ(m_text.nCalls, 1);
  EXPECT_EQ(m_html.nCalls, 1);
}

TEST_F(VorelDocTest, WithoutConvertersNeitherHtmlNorTextIsOffered) {
  ASSERT_TRUE(m_doc.OnNewDocument());
  EXPECT_FALSE(m_doc.CanExport(EXPORT_HTML));
  EXPECT_FALSE(m_doc.CanExport(EXPORT_TEXT));
  EXPECT_FALSE(m_doc.ExportHtml(Path("a.htm")));
  EXPECT_FALSE(m_doc.ExportText(Path("a.txt")));
  CCmdUI state(ID_FILE_SAVE_HTML);
  EXPECT_TRUE(m_doc.OnCmdMsg(ID_FILE_SAVE_HTML, CN_UPDATE_COMMAND_UI, &state));
  EXPECT_FALSE(state.m_bEnabled);
  m_doc.OnFileSaveHtml();
  EXPECT_TRUE(m_messages.m_shown.empty());
  // The all-files filter is the second now, and still saves a package.
  m_messages.m_savePath = Path("sheet.txt");
  m_messages.m_nSaveFilter = 2;
  ASSERT_TRUE(m_doc.DoSave(TRUE));
  EXPECT_EQ(m_messages.m_offeredFilters, (std::vector<CStringW>{u"*.qvf", u"*.*"}));
  EXPECT_TRUE(Bytes(Path("sheet.txt")).startsWith("MSCF"));
  EXPECT_EQ(Entries(), QStringList{"sheet.txt"});
}

// The converter gets sheet XML named after the target in a private folder, which is gone
// afterwards; its answer is the export's.
TEST_F(VorelDocTest, ExportsReturnTheConvertersResultAndLeaveNoSheetXml) {
  for (BOOL bResult : {TRUE, FALSE}) {
    CScriptedMessages messages;
    CVorelDoc doc(&messages);
    Register(doc, bResult);
    ASSERT_TRUE(doc.OnNewDocument());
    AddPicture(*doc.GetPrint(), m_dir.path());
    doc.SetModifiedFlag();
    EXPECT_EQ(doc.ExportText(Path("out.txt")), bResult);
    EXPECT_EQ(doc.ExportHtml(Path("page.htm")), bResult);
    for (const CONVERSION_LOG* log : {&m_text, &m_html}) {
      EXPECT_TRUE(log->bXmlExisted);
      const QString folder = QString::fromStdString(log->xmlPath).section('/', 0, -2);
      EXPECT_FALSE(QDir(folder).exists()) << log->xmlPath;
    }
    EXPECT_EQ(QString::fromStdString(m_text.xmlPath).section('/', -1), "out.tmp");
    EXPECT_EQ(QString::fromStdString(m_html.xmlPath).section('/', -1), "page.tmp");
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(messages.m_shown.empty());
  }
  EXPECT_EQ(Entries(), (QStringList{"out.txt", "page.htm", "picture.png"}));
}

TEST_F(VorelDocTest, SaveAsHtmlProposesTheSheetsNameWithHtm) {
  Register(m_doc);
  ASSERT_TRUE(m_doc.OnNewDocument());
  CCmdUI state(ID_FILE_SAVE_HTML);
  ASSERT_TRUE(m_doc.OnCmdMsg(ID_FILE_SAVE_HTML, CN_UPDATE_COMMAND_UI, &state));
  EXPECT_TRUE(state.m_bEnabled);
  m_messages.m_savePath = Path("page.htm");
  m_doc.OnFileSaveHtml();
  ASSERT_EQ(m_messages.m_shown.size(), 1u);
  EXPECT_EQ(Utf8(m_messages.m_shown[0].text), "無題.htm");
  EXPECT_EQ(Utf8(m_messages.m_shown[0].caption), "HTML形式で保存");
  EXPECT_EQ(m_messages.m_offeredFilters, (std::vector<CStringW>{u"*.htm", u"*.*"}));
  EXPECT_EQ(Utf8(m_messages.m_defaultExt), "htm");
  EXPECT_EQ(m_html.target, Path("page.htm"));

  m_messages.m_savePath = Path("v1.2.qvf");
  ASSERT_TRUE(m_doc.DoSave(TRUE));
  m_messages.m_shown.clear();
  m_messages.m_savePath.clear();
  m_doc.OnFileSaveHtml();
  ASSERT_EQ(m_messages.m_shown.size(), 1u);
  EXPECT_EQ(Utf8(m_messages.m_shown[0].text), Path("v1.2.htm"));
  EXPECT_EQ(m_html.nCalls, 1);
  EXPECT_EQ(m_doc.GetPathName(), Path("v1.2.qvf"));
}

// Save keeps a sheet read from plain XML plain, side files beside it; Save As makes a package.
TEST_F(VorelDocTest, SaveOfASheetReadFromPlainXmlStaysPlain) {
  MakePlain("plain.qvp", u'平');
  ASSERT_TRUE(m_doc.OpenDocument(Path("plain.qvp")));
  AddPicture(*m_doc.GetPrint(), m_dir.path());
  m_doc.SetModifiedFlag();
  ASSERT_TRUE(m_doc.DoSave(FALSE));
  EXPECT_TRUE(m_messages.m_shown.empty());
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_FALSE(IsCabinetFile(Path("plain.qvp")));
  EXPECT_EQ(Entries(), (QStringList{"picture.png", "plain-01.png", "plain.qvp"}));
  EXPECT_EQ(QImage(m_dir.filePath("plain-01.png")), QImage(m_dir.filePath("picture.png")));

  CScriptedMessages messages;
  CVorelDoc reopened(&messages);
  ASSERT_TRUE(reopened.OpenDocument(Path("plain.qvp")));
  EXPECT_NE(Utf8(FirstPartText(reopened)).find("平"), std::string::npos);
  auto* picture = dynamic_cast<CEditGraphic*>(reopened.GetPrint()->GetEditChildAt(0)->GetEditChildAt(0));
  ASSERT_TRUE(picture);
  EXPECT_TRUE(picture->m_hDib);

  m_messages.m_savePath = Path("plain.qvp");
  ASSERT_TRUE(m_doc.DoSave(TRUE));
  EXPECT_TRUE(IsCabinetFile(Path("plain.qvp")));
  EXPECT_TRUE(m_doc.IsCabinet());
}

// The untitled, modified sheet that follows is the application's part.
TEST_F(VorelDocTest, OpenedAsNewAPlainFileGoesAfterAGoodReadAndAPackageStays) {
  {
    CEditPrint sheet;
    ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&sheet, TRUE));
    AddPicture(sheet, m_dir.path());
    ASSERT_TRUE(WriteSheetXml(&sheet, Path("k1.qvp").c_str()));
    QFile::remove(m_dir.filePath("picture.png"));
  }
  MakePackage("k1.qvf", u'包');
  const QByteArray package = Bytes(Path("k1.qvf"));
  WriteBytes("broken.qvp", "<print><dmon></print>");
  ASSERT_EQ(Entries(), (QStringList{"broken.qvp", "k1-01.png", "k1.qvf", "k1.qvp"}));

  EXPECT_FALSE(OpenAsNew("broken.qvp"));
  EXPECT_TRUE(QFile::exists(m_dir.filePath("broken.qvp")));

  for (const char* name : {"k1.qvp", "k1.qvf"}) {
    m_messages.m_shown.clear();
    ASSERT_TRUE(OpenAsNew(name)) << name;
    EXPECT_TRUE(m_messages.m_shown.empty());
  }
  EXPECT_EQ(Entries(), (QStringList{"broken.qvp", "k1.qvf"}));
  EXPECT_EQ(Bytes(Path("k1.qvf")), package);
  EXPECT_EQ(FirstPartText(m_doc).GetAt(0), u'包');
}

// A sheet opened as new from plain XML keeps its picture after the side file went.
TEST_F(VorelDocTest, APictureOpenedAsNewSurvivesItsSideFile) {
  {
    CEditPrint sheet;
    ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&sheet, TRUE));
    AddPicture(sheet, m_dir.path());
    ASSERT_TRUE(WriteSheetXml(&sheet, Path("k1.qvp").c_str()));
  }
  const QImage expected(m_dir.filePath("picture.png"));
  ASSERT_TRUE(OpenAsNew("k1.qvp"));
  EXPECT_EQ(Entries(), QStringList{"picture.png"});
  m_messages.m_savePath = Path("again.qvf");
  ASSERT_TRUE(m_doc.DoSave(TRUE));
  QTemporaryDir out;
  std::string first;
  ASSERT_TRUE(ExtractCabinet(Path("again.qvf"), out.path().toStdString(), &first));
  EXPECT_EQ(QImage(out.filePath("again-01.png")), expected);
}

TEST_F(VorelDocTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
  ASSERT_TRUE(m_doc.OnNewDocument());
  m_messages.m_savePath = Path("sheet.qvf");
  ASSERT_TRUE(m_doc.DoSave(TRUE));
  const QByteArray saved = Bytes(Path("sheet.qvf"));
  // A top-level node that is no part cannot be written: the writer fails half-way.
  m_doc.GetPrint()->AppendChild(new CEditChar(u'x'));
  m_doc.SetModifiedFlag();
  m_messages.m_shown.clear();
  EXPECT_FALSE(m_doc.DoSave(FALSE));
  EXPECT_EQ(Bytes(Path("sheet.qvf")), saved);
  EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"sheet.qvf"});
  EXPECT_TRUE(m_doc.IsModified());
  EXPECT_EQ(Texts(), std::vector<std::string>{std::string(kSaveFailed) + "\n" + Path("sheet.qvf")});
}

// Save and Save As over an existing file, failing in the folder, the packer or the writer.
TEST_F(VorelDocTest, AFailedSaveOrSaveAsLeavesTheExistingFileAsItWas) {
  MakePackage("other.qvf", u'他');
  const QByteArray other = Bytes(Path("other.qvf"));
  MakePlain("plain.qvp", u'平');
  const QByteArray plain = Bytes(Path("plain.qvp"));
  enum Failure { ReadOnlyFolder, Packer, Picture };
  struct ROW {
    const char* opened;  // null: a new sheet
    BOOL bSaveAs;        // to other.qvf; else Save to the opened file
    Failure failure;
    const char* message;  // before the save failure
    const char* reason;   // after the file's name
  } rows[] = {
      {"plain.qvp", FALSE, ReadOnlyFolder, nullptr, "（権限がありません）"},
      {nullptr, TRUE, ReadOnlyFolder, nullptr, "（権限がありません）"},
      {nullptr, TRUE, Packer, nullptr, ""},
      {"plain.qvp", TRUE, Packer, nullptr, ""},
      {"plain.qvp", FALSE, Picture, "イメージの保存に失敗しました。", ""},
      {nullptr, TRUE, Picture, "イメージの保存に失敗しました。", ""},
  };
  for (const ROW& row : rows) {
    const std::string name = row.opened ? row.opened : "new";
    ASSERT_TRUE(row.opened ? m_doc.OpenDocument(Path(row.opened)) : m_doc.OnNewDocument());
    const BOOL bWasCabinet = m_doc.IsCabinet();
    TypeIntoFirstPart(u'x');
    m_doc.m_bFailPacking = row.failure == Packer;
    if (row.failure == Picture) {
      auto* picture = new CEditGraphic;
      picture->m_hDib = GlobalAlloc(0, 8);  // not a picture
      m_doc.GetPrint()->GetEditChildAt(0)->InsertChild(0, picture);
    }
    m_messages.m_shown.clear();
    m_messages.m_savePath = Path("other.qvf");
    BOOL saved = TRUE;
    if (row.failure == ReadOnlyFolder) {
      ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
      {
        CWithoutDacOverride noOverride;
        saved = m_doc.DoSave(row.bSaveAs);
      }
      QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else {
      saved = m_doc.DoSave(row.bSaveAs);
    }
    m_doc.m_bFailPacking = FALSE;
    EXPECT_FALSE(saved) << name << " " << row.failure;
    EXPECT_EQ(Bytes(Path("other.qvf")), other) << row.failure;
    EXPECT_EQ(Bytes(Path("plain.qvp")), plain) << row.failure;
    EXPECT_EQ(Entries(), (QStringList{"other.qvf", "plain.qvp"})) << row.failure;
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), row.opened ? Path(row.opened) : std::string());
    EXPECT_EQ(m_doc.IsCabinet(), bWasCabinet);
    const std::vector<std::string> texts = Texts();
    const size_t dialog = row.bSaveAs ? 1 : 0;
    ASSERT_EQ(texts.size(), dialog + (row.message ? 2 : 1)) << name << " " << row.failure;
    if (row.message) {
      EXPECT_EQ(texts[dialog].rfind(row.message, 0), 0u) << texts[dialog];
    }
    const std::string target = row.bSaveAs ? Path("other.qvf") : Path(row.opened);
    EXPECT_EQ(texts.back(), std::string(kSaveFailed) + "\n" + target + row.reason);
    EXPECT_EQ(Utf8(m_messages.m_shown.back().caption), "QR70");
  }
}

TEST_F(VorelDocTest, TheSaveQuestionUsesTheProgramCaption) {
  ASSERT_TRUE(m_doc.OnNewDocument());
  EXPECT_TRUE(m_doc.SaveModified());
  EXPECT_TRUE(m_messages.m_shown.empty());
  TypeIntoFirstPart(u'x');
  m_messages.m_answers = {ANSWER_CANCEL};
  EXPECT_FALSE(m_doc.SaveModified());
  ASSERT_EQ(m_messages.m_shown.size(), 1u);
  EXPECT_EQ(Utf8(m_messages.m_shown[0].caption), "ロヴェナ");
  EXPECT_NE(Texts()[0].find("無題"), std::string::npos);
  m_messages.m_answers = {ANSWER_NO};
  EXPECT_TRUE(m_doc.SaveModified());
  // Save As of a sheet never saved proposes "無題.qvf"; cancelling it keeps the sheet modified.
  m_messages.m_shown.clear();
  m_messages.m_answers = {ANSWER_YES};
  EXPECT_FALSE(m_doc.SaveModified());
  EXPECT_EQ(Utf8(m_messages.m_shown.back().text), "無題.qvf");
  EXPECT_TRUE(m_doc.IsModified());
}

// Saved, opened and saved again under the same name: the same sheet XML and picture bytes.
// The first package stays in the build folder for a person to open.
TEST_F(VorelDocTest, ARichSheetWithATableSavesTheSameAfterOpening) {
  ASSERT_TRUE(m_doc.OnNewDocument());
  ASSERT_TRUE(QDir(m_dir.path()).mkdir("source"));
  rich_sheet::FillRichSheet(*m_doc.GetPrint(), m_dir.filePath("source"));
  auto* table = new CEditTable;
  table->CreateCells(2, 3);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) table->GetCell(r, c)->InsertChild(0, new CEditChar(char16_t(u'甲' + r * 3 + c)));
  CEditNode* part = m_doc.GetPrint()->GetEditChildAt(0);
  part->InsertChild(part->GetChildCount() - 1, table);
  part->InsertChild(part->GetChildCount() - 1, new CEditCR);
  m_doc.SetModifiedFlag();
  for (const char* folder : {"one", "two", "x1", "x2"}) ASSERT_TRUE(QDir(m_dir.path()).mkdir(folder));
  m_messages.m_savePath = Path("one/sheet.qvf");
  ASSERT_TRUE(m_doc.DoSave(TRUE));
  QFile::remove(QString::fromStdString(BuildPath("sample-sheet.qvf")));
  QFile::copy(m_dir.filePath("one/sheet.qvf"), QString::fromStdString(BuildPath("sample-sheet.qvf")));

  CScriptedMessages messages;
  CVorelDoc reopened(&messages);
  ASSERT_TRUE(reopened.OpenDocument(Path("one/sheet.qvf")));
  EXPECT_TRUE(messages.m_shown.empty());
  messages.m_savePath = Path("two/sheet.qvf");
  ASSERT_TRUE(reopened.DoSave(TRUE));

  std::string first;
  ASSERT_TRUE(ExtractCabinet(Path("one/sheet.qvf"), Path("x1"), &first));
  EXPECT_EQ(first, Path("x1/sheet.qvp"));
  ASSERT_TRUE(ExtractCabinet(Path("two/sheet.qvf"), Path("x2"), &first));
  EXPECT_EQ(Entries(m_dir.filePath("x1")), (QStringList{"sheet-01.png", "sheet.qvp"}));
  EXPECT_EQ(Entries(m_dir.filePath("x2")), Entries(m_dir.filePath("x1")));
  for (const char* name : {"sheet.qvp", "sheet-01.png"}) {
    const QByteArray before = Bytes(Path((std::string("x1/") + name).c_str()));
    EXPECT_FALSE(before.isEmpty()) << name;
    EXPECT_TRUE(before == Bytes(Path((std::string("x2/") + name).c_str()))) << name;
  }
  EXPECT_EQ(Entries(m_dir.filePath("one")), QStringList{"sheet.qvf"});
  EXPECT_EQ(Entries(m_dir.filePath("two")), QStringList{"sheet.qvf"});
}
