#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "elements/EditObject.h"
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
    for (const CStringW& path : m_print.m_arrPackFiles)
      names.push_back(QDir(m_dir.path()).relativeFilePath(QString::fromStdU16String(path.str())).toStdString());
    return names;
  }

  QTemporaryDir m_dir;
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

}  // namespace
