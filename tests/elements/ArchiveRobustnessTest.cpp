#include <gtest/gtest.h>

#include <memory>

#include "elements/EditCell.h"
#include "tests/support/TestPaths.h"
#include "elements/EditFloat.h"
#include "elements/EditGraphic.h"
#include "elements/EditHaiten.h"
#include "elements/EditKasen.h"
#include "elements/EditKaiPage.h"
#include "elements/EditKimeiran.h"
#include "elements/EditObject.h"
#include "elements/EditObjectItem.h"
#include "elements/EditTable.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditSentence.h"
#include "tests/elements/DamagedArchive.h"
#include "tests/support/Bytes.h"

namespace {

void AddText(CEditNode& parent, const char16_t* text) {
  for (const char16_t* p = text; *p; ++p) parent.AppendChild(new CEditChar(*p));
  parent.AppendChild(new CEditCR);
}

std::unique_ptr<CQVXMLNode> SampleList() {
  auto list = std::make_unique<CQVXMLNode>();
  auto* sentence = new CEditSentence;
  AddText(*sentence, u"問一　漢文");
  auto* table = new CEditTable;
  table->CreateCells(2, 2);
  for (int i = 0; i < table->GetChildCount(); ++i) AddText(*table->GetEditChildAt(i), u"表");
  sentence->AppendChild(table);
  auto* frame = new CEditFloat;
  AddText(*frame, u"枠");
  sentence->AppendChild(frame);
  auto* object = new CEditObject;
  object->SetItem(new CEditObjectItem)->CreateFromData("Orvik.Document", {'<', '/', '>'}, SIZE{4000, 3000}, {});
  object->m_rcInk = RECT{0, 0, 4000, 3000};
  sentence->AppendChild(object);
  sentence->AppendChild(new CEditObject);
  AddText(*sentence, u"ab");
  sentence->AppendChild(new CEditHaiten);
  auto* kasen = new CEditKasen;
  AddText(*kasen, u"答");
  sentence->AppendChild(kasen);
  auto* picture = new CEditGraphic;
  CCoordMapper mapper;
  picture->LoadFile(DataPath("four-colours.gif"), &mapper);
  sentence->AppendChild(picture);
  list->AppendChild(sentence);
  auto* pageBreak = new CEditKaiPage;
  pageBreak->Init();
  list->AppendChild(pageBreak);
  auto* nameField = new CEditKimeiran;
  nameField->BuildDefaultNameField();
  list->AppendChild(nameField);
  return list;
}

}  // namespace

TEST(ArchiveRobustness, SheetPartsLoadBackWhole) {
  auto list = SampleList();
  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(list.get()); });
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject(RUNTIME_CLASS(CQVXMLNode))); });
  const Bytes again = StoreBytes([&](CArchive& ar) { ar.WriteObject(loaded.get()); });
  EXPECT_EQ(again, bytes);
}

TEST(ArchiveRobustness, DamagedBytesFailCleanly) {
  auto list = SampleList();
  const Bytes good = StoreBytes([&](CArchive& ar) { ar.WriteObject(list.get()); });
  LoadDamagedCopies(good, 20261210, 0);
  SUCCEED();
}
