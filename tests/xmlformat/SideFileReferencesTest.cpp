#include <gtest/gtest.h>

#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/MondaiElements.h"
#include "platform/AnsiCodePage.h"
#include "tests/support/StringWPrint.h"
#include "xmlformat/SideFileReferences.h"

namespace {

// A block container holding a picture and, inside a foreign object, an embedded object.
struct TREE {
  CFoBlockContainer root;
  CFoExternalGraphic* picture = new CFoExternalGraphic;
  CMondaiObject* object = new CMondaiObject;
  TREE(const std::u16string& pictureName, const std::u16string& objectName) {
    auto* block = new CFoBlock;
    root.AppendChild(block);
    block->AppendChild(picture);
    auto* foreign = new CFoInstreamForeignObject;
    block->AppendChild(foreign);
    foreign->AppendChild(object);
    picture->m_strSource = WideToAnsi(pictureName);
    object->m_strData = WideToAnsi(objectName);
  }
};

}  // namespace

// The names as the sheet XML holds them against the files' own names: a name that CP932 turns
// into another character names a file nobody wrote.
TEST(SideFileReferences, EveryNamedFileMustHaveBeenWritten) {
  const std::vector<std::string> files{"/t/.qr-1/第1回〜第3回-01.png", "/t/.qr-1/第1回〜第3回-01.bin",
                                       "/t/.qr-1/第1回_第3回-01.png", "/t/.qr-1/第1回_第3回-01.bin"};
  struct ROW {
    std::u16string picture;
    std::u16string object;
    std::u16string unheld;
  } rows[] = {
      {u"第1回_第3回-01.png", u"第1回_第3回-01.bin", u""},
      {u"第1回〜第3回-01.png", u"第1回_第3回-01.bin", u"第1回～第3回-01.png"},
      {u"第1回_第3回-01.png", u"第1回〜第3回-01.bin", u"第1回～第3回-01.bin"},
      {u"", u"第1回_第3回-01.bin", u""},
      {u"第1回_第3回-02.png", u"", u"第1回_第3回-02.png"},
  };
  for (const ROW& row : rows) {
    TREE tree(row.picture, row.object);
    EXPECT_EQ(FindUnheldSideFile(&tree.root, files), CStringW(row.unheld)) << QString::fromStdU16String(row.picture).toStdString();
  }
  TREE tree(u"a-01.png", u"");
  EXPECT_EQ(FindUnheldSideFile(&tree.root, {}), CStringW(u"a-01.png"));
  EXPECT_EQ(FindUnheldSideFile(nullptr, {}), CStringW());
}
