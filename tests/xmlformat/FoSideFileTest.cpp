#include <QDir>
#include <QImage>
#include <QFile>
#include <QTemporaryDir>

#include "elements/EditGraphic.h"
#include "elements/EditObject.h"
#include "model/CoordMapper.h"
#include "elements/EditObjectItem.h"
#include "tests/support/Bytes.h"
#include "tests/xmlformat/FoBuildFixture.h"

namespace {

CEditObject* AddObject(CQVXMLNode* parent, char native) {
  auto* node = AddNode(parent, new CEditObject());
  node->m_nWidth = 4000;
  node->m_nHeight = 3000;
  auto* item = new CEditObjectItem;
  item->CreateFromData("Orvik.Document", {BYTE(native)}, SIZE{4000, 3000}, {});
  node->SetItem(item);
  return node;
}

CEditGraphic* AddPicture(CQVXMLNode* parent, const QString& source) {
  auto* picture = AddNode(parent, new CEditGraphic());
  CCoordMapper mapper;
  if (!source.isEmpty()) {
    EXPECT_TRUE(picture->LoadFile(source.toStdString(), &mapper));
  }
  picture->m_nWidth = 1000;
  picture->m_nHeight = 500;
  return picture;
}

class FoSideFileTest : public FoBuildTest {
 protected:
  FoSideFileTest() {
    m_print.m_strDir = CStringW(m_dir.path().toStdU16String());
    m_print.m_strFname = u"sheet";
  }

  // Builds the name field and then the sheet with one builder, as a save does.
  BOOL BuildSheet(CFoTreeBuilder& builder) {
    m_print.m_arrPackFiles.clear();
    m_nameField = std::make_unique<CFoBlockContainer>();
    m_flow = std::make_unique<CFoFlow>();
    return builder.BuildFoTree(&m_print.m_kimeiran, m_nameField.get()) &&
           builder.BuildFoTree(&m_print, m_flow.get());
  }

  std::vector<std::string> PackedNames() const {
    std::vector<std::string> names;
    for (const std::string& path : m_print.m_arrPackFiles)
      names.push_back(QDir(m_dir.path()).relativeFilePath(QString::fromStdString(path)).toStdString());
    return names;
  }

  // A small picture file outside the sheet's folder.
  QString PictureSource() {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = m_sources.filePath("red.png");
    EXPECT_TRUE(image.save(path));
    return path;
  }

  QTemporaryDir m_dir;
  QTemporaryDir m_sources;
  std::unique_ptr<CFoBlockContainer> m_nameField;
  std::unique_ptr<CFoFlow> m_flow;
};

TEST_F(FoSideFileTest, ObjectsAreNumberedOncePerWriteFromTheNameFieldOn) {
  AddObject(&m_print.m_kimeiran, 'k');
  AddLineEnd(&m_print.m_kimeiran);
  CEditSentence* part = NewSentence();
  for (int i = 0; i < 100; ++i) AddObject(part, 'a');
  AddLineEnd(part);

  for (int write = 0; write < 2; ++write) {
    CFoTreeBuilder builder(&m_print);
    ASSERT_TRUE(BuildSheet(builder));
    std::vector<std::string> names = PackedNames();
    ASSERT_EQ(names.size(), 101u);
    EXPECT_EQ(names[0], "sheet-01.bin");
    EXPECT_EQ(names[1], "sheet-02.bin");
    EXPECT_EQ(names[99], "sheet-100.bin");
  }
  EXPECT_EQ(DumpFoFields(m_nameField.get()),
            "fo:block-container\n"
            "  fo:block line=71\n"
            "    fo:instream-foreign-object\n"
            "      object width=4000 height=3000 data=sheet-01.bin\n"
            "    fo:inline face=A size=371\n");
}

TEST_F(FoSideFileTest, ObjectFileHoldsTheItemsRecordByteForByte) {
  CEditSentence* part = NewSentence();
  CEditObject* node = AddObject(part, 'x');
  AddLineEnd(part);
  CFoTreeBuilder builder(&m_print);
  ASSERT_TRUE(BuildSheet(builder));

  QFile file(m_dir.filePath("sheet-01.bin"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray written = file.readAll();
  const Bytes expected = StoreBytes([&](CArchive& ar) { node->m_pItem->Serialize(ar); });
  EXPECT_EQ(Bytes(written.begin(), written.end()), expected);
}

TEST_F(FoSideFileTest, UnwritableFolderFailsTheBuildAndListsNothing) {
  m_print.m_strDir = CStringW(m_dir.filePath("missing").toStdU16String());
  CEditSentence* part = NewSentence();
  AddObject(part, 'x');
  AddLineEnd(part);
  CFoTreeBuilder builder(&m_print);
  EXPECT_FALSE(BuildSheet(builder));
  EXPECT_NE(builder.GetError().str().find(u"the object file cannot be written"), std::u16string::npos);
  EXPECT_TRUE(m_print.m_arrPackFiles.empty());
}

TEST_F(FoSideFileTest, NameFieldAndBodyPicturesGetDifferentFiles) {
  const QString source = PictureSource();
  AddPicture(&m_print.m_kimeiran, source);
  AddLineEnd(&m_print.m_kimeiran);
  CEditSentence* part = NewSentence();
  AddPicture(part, source);
  AddPicture(part, QString());  // its file was missing when the sheet was opened
  AddLineEnd(part);

  CFoTreeBuilder builder(&m_print);
  ASSERT_TRUE(BuildSheet(builder));
  EXPECT_EQ(PackedNames(), (std::vector<std::string>{"sheet-01.png", "sheet-02.png"}));
  EXPECT_TRUE(QFile::exists(m_dir.filePath("sheet-02.png")));
  EXPECT_FALSE(QFile::exists(m_dir.filePath("sheet-03.img")));
  EXPECT_EQ(DumpFoFields(m_flow.get()),
            "fo:flow\n"
            "  fo:block-container\n"
            "    fo:initial-property-set line=71 letter=0\n"
            "    fo:block line=71\n"
            "      fo:external-graphic width=1000 height=500 src=sheet-02.png\n"
            "      fo:external-graphic width=1000 height=500 src=\n"
            "      fo:inline face=A size=371\n");
}

TEST_F(FoSideFileTest, PictureThatCannotBeWrittenFailsWithTheMessage) {
  m_print.m_strDir = CStringW(m_dir.filePath("missing").toStdU16String());
  CEditSentence* part = NewSentence();
  AddPicture(part, PictureSource());
  AddLineEnd(part);
  CFoTreeBuilder builder(&m_print);
  EXPECT_FALSE(BuildSheet(builder));
  const QString path = QDir(m_dir.filePath("missing")).filePath("sheet-01.png");
  EXPECT_EQ(builder.GetUserMessage(), CStringW(u"イメージの保存に失敗しました。\n\n") + CStringW(path.toStdU16String()));
  EXPECT_TRUE(m_print.m_arrPackFiles.empty());
}

}  // namespace
