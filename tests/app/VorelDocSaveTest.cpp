#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/VorelCntrItem.h"
#include "app/VorelDoc.h"
#include "elements/EditGraphic.h"
#include "elements/EditObject.h"
#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "model/EditChar.h"
#include "model/EditSentence.h"
#include "model/GdiCache.h"
#include "platform/AnsiCodePage.h"
#include "platform/Cabinet.h"
#include "platform/CabinetLayout.h"
#include "platform/CabinetNames.h"
#include "tests/support/FailingFileBuffers.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/WithoutDacOverride.h"

namespace fs = std::filesystem;

namespace {

constexpr char kSaveFailed[] = "ファイルの保存に失敗しました。";

std::string Utf8(const CStringW& s) { return QString::fromStdU16String(s.str()).toStdString(); }

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The nodes of a class anywhere under the node, in document order.
template <class T>
void Collect(CEditNode* node, std::vector<T*>* pFound) {
  if (auto* typed = dynamic_cast<T*>(node)) pFound->push_back(typed);
  for (int i = 0; i < node->GetChildCount(); ++i)
    if (CEditNode* child = node->GetEditChildAt(i)) Collect(child, pFound);
}

// A document whose package is written through a buffer that fails when flushed, or whose
// renaming fails from a given call on, with ENOSPC as a full disk gives it.
class CFailingDoc : public CVorelDoc {
 public:
  using CVorelDoc::CVorelDoc;
  BOOL m_bFailFlush = FALSE;
  int m_nRenamesLeft = -1;  // -1: none fails

 protected:
  BOOL PackFiles(const std::vector<std::string>& files, const std::string& folder, const std::string& name) override {
    return PackCabinet(files, folder, name, m_bFailFlush ? &CFlushFailingBuffer::Make : nullptr);
  }
  int RenameFile(const std::string& from, const std::string& to) override {
    if (m_nRenamesLeft == 0) return ENOSPC;
    if (m_nRenamesLeft > 0) --m_nRenamesLeft;
    return CVorelDoc::RenameFile(from, to);
  }
};

class VorelDocSaveTest : public ::testing::Test {
 protected:
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  QString Path(const QString& name) const { return m_dir.filePath(name); }
  std::string PathOf(const char* name) const { return Path(QString::fromUtf8(name)).toStdString(); }
  // A new sheet saved as a package at the name, then changed.
  void SavedAndChanged(const char* name) {
    ASSERT_TRUE(m_doc.OnNewDocument());
    m_messages.m_savePath = PathOf(name);
    ASSERT_TRUE(m_doc.DoSave(TRUE));
    TypeIntoFirstPart(u'x');
    m_messages.m_shown.clear();
  }
  void TypeIntoFirstPart(char16_t ch) {
    CEditNode* part = m_doc.GetPrint()->GetEditChildAt(0);
    part->InsertChild(0, new CEditChar(ch));
    m_doc.SetModifiedFlag();
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& shown : m_messages.m_shown) out.push_back(Utf8(shown.text));
    return out;
  }
  // A new sheet whose first part holds a picture and an embedded object.
  void NewSheetWithPictureAndObject() {
    ASSERT_TRUE(m_doc.OnNewDocument());
    CEditNode* part = m_doc.GetPrint()->GetEditChildAt(0);
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(1, 2, qRgb(0, 128, 255));
    ASSERT_TRUE(image.save(Path("source.png")));
    auto* picture = new CEditGraphic;
    CCoordMapper mapper;
    mapper.SetFromDC(nullptr, 100);
    ASSERT_TRUE(picture->LoadFile(Path("source.png").toStdString(), &mapper));
    part->InsertChild(0, picture);
    auto* object = new CEditObject;
    object->m_rcInk = RECT{0, 0, 2000, 1000};
    auto* item = new CVorelCntrItem(&m_doc);
    item->CreateFromData("Orvik.Document", {'n', 'a', 't'}, SIZE{2000, 1000}, {});
    object->SetItem(item);
    part->InsertChild(1, object);
    QFile::remove(Path("source.png"));
    m_doc.SetModifiedFlag();
  }
  // The package's files extracted into a new folder below the test folder.
  QString Extract(const QString& package, const QString& folder) {
    EXPECT_TRUE(QDir(m_dir.path()).mkdir(folder));
    std::string first;
    EXPECT_TRUE(ExtractCabinet(package.toStdString(), Path(folder).toStdString(), &first));
    return Path(folder);
  }

  const int m_bSavedVertical = g_bVerticalWriting;
  QTemporaryDir m_dir;
  CScriptedMessages m_messages;
  CFailingDoc m_doc{&m_messages};
};

}  // namespace

// Whatever the sheet's name, the side files it names are the files its package holds: saved,
// opened and saved again, the picture and the object come back whole and the same bytes.
TEST_F(VorelDocSaveTest, SideFilesSurviveSheetNamesOutsideTheAnsiCodePage) {
  struct ROW {
    const char* title;
    const char* sideTitle;  // of the side files
  } rows[] = {
      {"第1回〜第3回", "第1回_第3回"}, {"A−B", "A_B"},   {"café", "caf_"},
      {"한글", "__"},                  {"𠮷野", "_野"}, {"第1回～第3回", "第1回～第3回"},
  };
  int n = 0;
  for (const ROW& row : rows) {
    SCOPED_TRACE(row.title);
    const QString folder = QString::number(++n);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(folder));
    const QString title = QString::fromUtf8(row.title);
    const QString first = Path(folder + "/" + title + ".qvf");
    NewSheetWithPictureAndObject();
    m_messages.m_shown.clear();
    m_messages.m_savePath = first.toStdString();
    ASSERT_TRUE(m_doc.DoSave(TRUE));

    CScriptedMessages messages;
    CVorelDoc reopened(&messages);
    ASSERT_TRUE(reopened.OpenDocument(first.toStdString()));
    EXPECT_TRUE(messages.m_shown.empty()) << (messages.m_shown.empty() ? "" : Utf8(messages.m_shown[0].text));
    std::vector<CEditGraphic*> pictures;
    std::vector<CEditObject*> objects;
    Collect(reopened.GetPrint(), &pictures);
    Collect(reopened.GetPrint(), &objects);
    ASSERT_EQ(pictures.size(), 1u);
    ASSERT_EQ(objects.size(), 1u);
    ASSERT_TRUE(objects[0]->m_pItem);
    EXPECT_EQ(objects[0]->m_pItem->GetNativeData(), (std::vector<BYTE>{'n', 'a', 't'}));
    messages.m_savePath = Path(folder + "/again/" + title + ".qvf").toStdString();
    ASSERT_TRUE(QDir(Path(folder)).mkdir("again"));
    ASSERT_TRUE(reopened.DoSave(TRUE));

    const QString sides = QString::fromUtf8(row.sideTitle);
    const QStringList expected{sides + "-01.bin", sides + "-01.png", title + ".qvp"};
    const QString one = Extract(first, folder + "/x1");
    const QString two = Extract(Path(folder + "/again/" + title + ".qvf"), folder + "/x2");
    EXPECT_EQ(QDir(one).entryList(QDir::Files, QDir::Name), expected);
    EXPECT_EQ(QDir(two).entryList(QDir::Files, QDir::Name), expected);
    for (const QString& name : expected) EXPECT_EQ(Bytes(one + "/" + name), Bytes(two + "/" + name)) << name.toStdString();
    // The side files are stored under their CP932 names, as the program on Windows stores them.
    CCabinetLayout layout;
    ASSERT_TRUE(layout.Read(first.toStdString()));
    ASSERT_EQ(layout.m_files.size(), 3u);
    for (size_t i = 1; i < layout.m_files.size(); ++i) {
      EXPECT_EQ(layout.m_files[i].nAttributes & kCabNameIsUtf, 0);
      EXPECT_EQ(AnsiToWide(layout.m_files[i].name), (sides + (i == 1 ? "-01.png" : "-01.bin")).toStdU16String());
    }
    const QImage picture(one + "/" + sides + "-01.png");
    EXPECT_EQ(picture.size(), QSize(5, 3));
    EXPECT_EQ(picture.pixel(1, 2), qRgb(0, 128, 255));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    if (std::system("command -v cabextract >/dev/null 2>&1") == 0) {
      const std::string command = "cabextract -q -t '" + first.toStdString() + "' >/dev/null 2>&1";
      EXPECT_EQ(std::system(command.c_str()), 0);
    }
  }
}

// Save replaces a file only where the user may write it. A file without any write bit is
// read-only for everyone, root too; otherwise the file system's rules for the user decide.
TEST_F(VorelDocSaveTest, AFileTheUserMayNotWriteStaysAsItWas) {
  struct ROW {
    mode_t mode;
    BOOL bAsOwnerOnly;  // without root's right to write any file
    BOOL bSaved;
  } rows[] = {
      {0444, FALSE, FALSE},
      {0444, TRUE, FALSE},
      {0464, TRUE, FALSE},  // the group may write, the owner may not
      {0644, TRUE, TRUE},
      {0200, FALSE, TRUE},
  };
  for (const ROW& row : rows) {
    SCOPED_TRACE(row.mode);
    SavedAndChanged("sheet.qvf");
    const std::string path = PathOf("sheet.qvf");
    ASSERT_EQ(::chmod(path.c_str(), row.mode), 0);
    const QByteArray old = Bytes(Path("sheet.qvf"));
    BOOL saved = FALSE;
    {
      std::unique_ptr<CWithoutDacOverride> owner(row.bAsOwnerOnly ? new CWithoutDacOverride : nullptr);
      saved = m_doc.DoSave(FALSE);
    }
    struct stat info;
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, row.mode);
    EXPECT_EQ(saved, row.bSaved);
    EXPECT_EQ(m_doc.IsModified(), !row.bSaved);
    EXPECT_EQ(Bytes(Path("sheet.qvf")) == old, !row.bSaved);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"sheet.qvf"});
    const std::vector<std::string> refused{std::string(kSaveFailed) + "\n" + path + "（権限がありません）"};
    EXPECT_EQ(Texts(), row.bSaved ? std::vector<std::string>() : refused);
    ::chmod(path.c_str(), 0644);
    QFile::remove(Path("sheet.qvf"));
  }
}

// A save through symbolic links writes the file at their end and keeps every link.
TEST_F(VorelDocSaveTest, ASaveThroughALinkWritesTheFileItNames) {
  struct ROW {
    const char* links[2];  // link name and what it holds; a second link names the first
    const char* file;      // at the end of the links
    BOOL bFileExists;
  } rows[] = {
      {{"link.qvf=real.qvf", nullptr}, "real.qvf", TRUE},
      {{"link.qvf=sub/real.qvf", nullptr}, "sub/real.qvf", TRUE},
      {{"inner.qvf=real.qvf", "link.qvf=inner.qvf"}, "real.qvf", TRUE},
      {{"link.qvf=new.qvf", nullptr}, "new.qvf", FALSE},
  };
  int n = 0;
  for (const ROW& row : rows) {
    SCOPED_TRACE(row.file);
    const QString folder = Path(QString::number(++n));
    ASSERT_TRUE(QDir().mkpath(folder + "/sub"));
    const fs::path base(folder.toStdString());
    if (row.bFileExists) {
      ASSERT_TRUE(m_doc.OnNewDocument());
      m_messages.m_savePath = (base / row.file).string();
      ASSERT_TRUE(m_doc.DoSave(TRUE));
    }
    for (const char* link : row.links) {
      if (!link) continue;
      const std::string text(link);
      const size_t eq = text.find('=');
      fs::create_symlink(text.substr(eq + 1), base / text.substr(0, eq));
    }
    ASSERT_TRUE(m_doc.OnNewDocument());
    TypeIntoFirstPart(u'新');
    m_messages.m_savePath = (base / "link.qvf").string();
    ASSERT_TRUE(m_doc.DoSave(TRUE));
    EXPECT_EQ(m_doc.GetPathName(), (base / "link.qvf").string());
    for (const char* link : row.links) {
      if (!link) continue;
      const std::string text(link);
      const size_t eq = text.find('=');
      EXPECT_TRUE(fs::is_symlink(base / text.substr(0, eq)));
      EXPECT_EQ(fs::read_symlink(base / text.substr(0, eq)).string(), text.substr(eq + 1));
    }
    CScriptedMessages messages;
    CVorelDoc reopened(&messages);
    ASSERT_TRUE(reopened.OpenDocument((base / row.file).string()));
    CStringW text;
    reopened.GetPrint()->GetEditChildAt(0)->GetText(text);
    EXPECT_EQ(text.GetAt(0), u'新');
  }
}

// A part or a search text the DOM refuses fails the save with the DOM's reason beside the name.
TEST_F(VorelDocSaveTest, AWriterFailureShowsTheSaveMessageWithItsReason) {
  const std::string reason = "（The text holds a character that XML does not allow.）";
  for (BOOL bInPart : {TRUE, FALSE}) {
    SCOPED_TRACE(bInPart);
    SavedAndChanged("sheet.qvf");
    const QByteArray old = Bytes(Path("sheet.qvf"));
    if (bInPart)
      TypeIntoFirstPart(u'\x01');
    else
      m_doc.GetPrint()->m_strSearchProgID = u"Q\x01";
    EXPECT_FALSE(m_doc.DoSave(FALSE));
    EXPECT_EQ(Texts(), std::vector<std::string>{std::string(kSaveFailed) + "\n" + PathOf("sheet.qvf") + reason});
    EXPECT_EQ(Bytes(Path("sheet.qvf")), old);
    EXPECT_TRUE(m_doc.IsModified());
  }
}

// A package whose flush fails, or a file that cannot be moved into place, fails the save and
// leaves the old file.
TEST_F(VorelDocSaveTest, AFailedFlushOrMoveFailsTheSaveAndKeepsTheOldFile) {
  struct ROW {
    BOOL bFailFlush;
    int nRenamesLeft;
    const char* reason;
  } rows[] = {
      {TRUE, -1, ""},
      {FALSE, 0, "（ディスクに空きがありません）"},
  };
  for (const ROW& row : rows) {
    SCOPED_TRACE(row.reason);
    SavedAndChanged("sheet.qvf");
    const QByteArray old = Bytes(Path("sheet.qvf"));
    m_doc.m_bFailFlush = row.bFailFlush;
    m_doc.m_nRenamesLeft = row.nRenamesLeft;
    EXPECT_FALSE(m_doc.DoSave(FALSE));
    m_doc.m_bFailFlush = FALSE;
    m_doc.m_nRenamesLeft = -1;
    EXPECT_EQ(Texts(), std::vector<std::string>{std::string(kSaveFailed) + "\n" + PathOf("sheet.qvf") + row.reason});
    EXPECT_EQ(Bytes(Path("sheet.qvf")), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"sheet.qvf"});
    EXPECT_TRUE(m_doc.IsModified());
  }
}

// A package without the side files its sheet names: each missing file is reported, and the
// sheet saves again, its empty picture naming no file.
TEST_F(VorelDocSaveTest, MissingSideFilesAreReportedAndTheSheetStillSaves) {
  NewSheetWithPictureAndObject();
  m_messages.m_savePath = PathOf("full.qvf");
  ASSERT_TRUE(m_doc.DoSave(TRUE));
  const QString parts = Extract(Path("full.qvf"), "parts");
  ASSERT_TRUE(PackCabinet({(parts + "/full.qvp").toStdString()}, m_dir.path().toStdString(), "damaged.qvf"));

  CScriptedMessages messages;
  CVorelDoc damaged(&messages);
  ASSERT_TRUE(damaged.OpenDocument(PathOf("damaged.qvf")));
  std::vector<std::string> shown;
  for (const auto& message : messages.m_shown) shown.push_back(fs::path(Utf8(message.text)).filename().string());
  EXPECT_EQ(shown, (std::vector<std::string>{"full-01.png が見つかりませんでした。", "full-01.bin が見つかりませんでした。"}));
  messages.m_shown.clear();
  messages.m_savePath = PathOf("again.qvf");
  ASSERT_TRUE(damaged.DoSave(TRUE));
  EXPECT_TRUE(messages.m_shown.size() == 1 && messages.m_shown[0].text.IsEmpty() == FALSE);  // the dialog only

  CVorelDoc again(&messages);
  messages.m_shown.clear();
  ASSERT_TRUE(again.OpenDocument(PathOf("again.qvf")));
  EXPECT_TRUE(messages.m_shown.empty());
  std::vector<CEditGraphic*> pictures;
  Collect(again.GetPrint(), &pictures);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_FALSE(pictures[0]->m_hDib);
}
