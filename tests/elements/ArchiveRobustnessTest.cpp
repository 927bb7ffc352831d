#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "elements/EditCell.h"
#include "elements/EditFloat.h"
#include "elements/EditKaiPage.h"
#include "elements/EditKimeiran.h"
#include "elements/EditObject.h"
#include "elements/EditObjectItem.h"
#include "elements/EditTable.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditSentence.h"
#include "model/CoordMapper.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"

// Archives come from the clipboard and from embedded objects: whatever the bytes, loading
// either succeeds or throws the archive exception, and never reads or frees what it must not
// (the sanitizer build runs this too).
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
  list->AppendChild(sentence);
  auto* pageBreak = new CEditKaiPage;
  pageBreak->Init();
  list->AppendChild(pageBreak);
  auto* nameField = new CEditKimeiran;
  nameField->BuildDefaultNameField();
  list->AppendChild(nameField);
  return list;
}

// Whatever loaded is laid out and drawn: stored type words and layout state must not make
// the layout misread a node.
void LayOut(CQVXMLNode& list) {
  CRecordingDC dc;
  CCoordMapper mapper;
  for (int i = 0; i < list.GetChildCount(); ++i) {
    auto* node = dynamic_cast<CEditNode*>(list.GetChildAt(i));
    if (!node) continue;
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = measure.nWidth2 = measure.nColumnWidth = 18000;
    measure.nPageHeight = measure.nHeight = 25000;
    node->Measure(&dc, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    node->Arrange(&arrange, 0);
    EDIT_LAYOUT_PARAM draw{};
    node->Draw(&dc, &mapper, &draw);
  }
}

// Loads the bytes and lays out what loaded; answers whether the load succeeded.
bool TryLoad(const Bytes& bytes) {
  std::unique_ptr<CObject> loaded;
  try {
    LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject(RUNTIME_CLASS(CQVXMLNode))); });
  } catch (const CArchiveException&) {
    return false;
  }
  if (auto* list = dynamic_cast<CQVXMLNode*>(loaded.get())) LayOut(*list);
  return true;
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
  std::mt19937 random(20261210);
  std::uniform_int_distribution<size_t> position(0, good.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 3000; ++round) {
    Bytes damaged = good;
    switch (round % 3) {
      case 0:  // one byte changed
        damaged[position(random)] = BYTE(byte(random));
        break;
      case 1:  // a length or count made huge or negative
        damaged[position(random)] = BYTE(round % 2 ? 0xFF : 0x80);
        break;
      default:  // cut short
        damaged.resize(position(random));
        break;
    }
    TryLoad(damaged);
  }
  SUCCEED();
}
