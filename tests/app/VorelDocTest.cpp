#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/VorelDoc.h"
#include "elements/EditPrint.h"
#include "model/EditChar.h"
#include "model/EditSentence.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/StringWPrint.h"

namespace {

std::string Utf8(const CStringW& s) { return QString::fromStdU16String(s.str()).toStdString(); }

class VorelDocTest : public ::testing::Test {
 protected:
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
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& shown : m_messages.m_shown) out.push_back(Utf8(shown.text));
    return out;
  }
  // Types a character into the first part, as an edit would.
  void TypeIntoFirstPart(char16_t ch) {
    CEditNode* part = m_doc.GetPrint()->GetEditChildAt(0);
    part->InsertChild(0, new CEditChar(ch));
    m_doc.SetModifiedFlag();
  }

  QTemporaryDir m_dir;
  CScriptedMessages m_messages;
  CVorelDoc m_doc{&m_messages};
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
  CStringW text;
  reopened.GetPrint()->GetEditChildAt(0)->GetText(text);
  EXPECT_EQ(text.GetAt(0), u'問');
  EXPECT_TRUE(messages.m_shown.empty());
}

TEST_F(VorelDocTest, UnreadableFilesLeaveANewUntitledSheet) {
  WriteBytes("short.qvf", "MSCF");
  WriteBytes("garbage.qvf", QByteArray("MSCF") + QByteArray(64, 'x'));
  WriteBytes("broken.qvp", "<print><dmon></print>");
  struct ROW {
    const char* name;
    std::vector<std::string> messages;
  } rows[] = {
      {"short.qvf", {"ファイルの読込に失敗しました。"}},
      {"garbage.qvf", {"ファイルの読込に失敗しました。"}},
      {"missing.qvf", {"ファイルを開けませんでした。"}},
      {"broken.qvp", {"XML Parsing Error", "ファイルの読込に失敗しました。"}},
  };
  for (const ROW& row : rows) {
    m_messages.m_shown.clear();
    EXPECT_FALSE(m_doc.OpenDocument(Path(row.name))) << row.name;
    ASSERT_TRUE(m_doc.GetPrint()) << row.name;
    EXPECT_EQ(m_doc.GetPrint()->GetChildCount(), 4) << row.name;
    EXPECT_TRUE(m_doc.GetPathName().empty()) << row.name;
    EXPECT_FALSE(m_doc.IsModified()) << row.name;
    std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), row.messages.size()) << row.name;
    for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i].rfind(row.messages[i], 0), 0u) << texts[i];
    for (const auto& shown : m_messages.m_shown) EXPECT_EQ(Utf8(shown.caption), "QR70");
  }
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
  EXPECT_EQ(Texts(), std::vector<std::string>{"ファイルの保存に失敗しました。"});
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
