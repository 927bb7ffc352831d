#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/VorelCntrItem.h"
#include "app/VorelDoc.h"
#include "elements/EditGraphic.h"
#include "elements/EditObject.h"
#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "model/EditSentence.h"
#include "model/GdiCache.h"
#include "platform/Cabinet.h"
#include "tests/support/ScriptedMessages.h"

namespace {

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

class VorelDocSaveTest : public ::testing::Test {
 protected:
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  QString Path(const QString& name) const { return m_dir.filePath(name); }
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
  CVorelDoc m_doc{&m_messages};
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
