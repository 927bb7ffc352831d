#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "elements/EditObject.h"
#include "elements/EditObjectItem.h"
#include "model/CoordMapper.h"
#include "model/EditSentence.h"
#include "model/NodeTypes.h"
#include "tests/support/Bytes.h"
#include "tests/support/CompoundFileMaker.h"
#include "tests/support/RecordingBackend.h"

namespace {

// An item that tells when it is deleted.
class CWatchedItem : public CEditObjectItem {
 public:
  explicit CWatchedItem(bool* pDeleted) : m_pDeleted(pDeleted) {
    CreateFromData("Orvik.Document", {'k'}, SIZE{4000, 3000}, {});
  }
  ~CWatchedItem() override { *m_pDeleted = true; }
  bool* m_pDeleted;
};

class EditObjectTest : public ::testing::Test {
 protected:
  void Measure(CEditObject& node) {
    EDIT_LAYOUT_PARAM param{};
    node.Measure(&m_dc, &m_mapper, &param);
  }
  void Arrange(CEditObject& node, int x, int y) {
    EDIT_LAYOUT_PARAM param{};
    param.nX = x;
    param.nY = y;
    node.Arrange(&param, 0);
  }
  void Draw(CEditObject& node) {
    EDIT_LAYOUT_PARAM param{};
    node.Draw(&m_dc, &m_mapper, &param);
  }

  CRecordingDC m_dc;
  CCoordMapper m_mapper;
  bool m_bDeleted = false;
};

CEditObjectItem* NewItem() {
  auto* item = new CEditObjectItem;
  item->CreateFromData("Orvik.Document", {'<', 'k', '/', '>'}, SIZE{4000, 3000}, {});
  return item;
}

std::unique_ptr<CEditObject> Reload(const Bytes& bytes) {
  auto loaded = std::make_unique<CEditObject>();
  LoadBytes(bytes, [&](CArchive& ar) { loaded->Serialize(ar); });
  return loaded;
}

Bytes Store(CEditObject& node) {
  return StoreBytes([&](CArchive& ar) { node.Serialize(ar); });
}

}  // namespace

TEST_F(EditObjectTest, WithoutItemMeasuresAndDrawsNothing) {
  CEditObject node;
  EXPECT_EQ(node.m_nType, NTYPE_EDITOBJECT);
  node.m_rcInk = RECT{0, 0, 4000, 3000};
  node.m_nWidth = 7;
  node.m_nHeight = 9;
  Measure(node);
  EXPECT_EQ(node.m_nWidth, 7);
  EXPECT_EQ(node.m_nHeight, 9);
  m_dc.SetTextAlign(TA_BASELINE | TA_CENTER);
  Draw(node);
  EXPECT_TRUE(m_dc.Recorder().Calls().empty());
  EXPECT_EQ(m_dc.GetTextAlign(), TA_BASELINE | TA_CENTER);
}

TEST_F(EditObjectTest, MeasuresItsInkRectangleAndIsPlacedAtItsTopLeft) {
  CEditObject node;
  node.SetItem(NewItem());
  node.m_rcInk = RECT{0, 0, 4000, 3000};
  Measure(node);
  EXPECT_EQ(node.m_nWidth, 4000);
  EXPECT_EQ(node.m_nHeight, 3000);
  EXPECT_EQ(node.m_nAscent, 1500);
  EXPECT_EQ(node.m_nCenter, 1500);
  Arrange(node, 700, 900);
  EXPECT_EQ(CRect(node.m_rcInk), CRect(700, 900, 4700, 3900));

  // The item draws into the mapped rectangle (96 pixels an inch), and the alignment comes back.
  m_dc.SetTextAlign(TA_BASELINE);
  Draw(node);
  ASSERT_FALSE(m_dc.Recorder().Lines().empty());
  EXPECT_EQ(m_dc.Recorder().Lines()[0], "Rectangle 26,34 178,147");
  EXPECT_EQ(m_dc.GetTextAlign(), TA_BASELINE);
}

// A damaged record's ink rectangle (the fuzzer's case: edges of opposite signs near the type's
// ends) gives a size between nothing and a metre, without overflow, and places within range.
TEST_F(EditObjectTest, ADamagedInkRectangleGivesABoundedSize) {
  struct CASE {
    RECT ink;
    LONG width, height;
  };
  const CASE cases[] = {
      {{-1610608830, 0, 1768453231, 3000}, 100000, 3000},
      {{0, INT_MIN, 4000, INT_MAX}, 4000, 100000},
      {{4000, 3000, 0, 0}, 0, 0},
      {{INT_MAX, INT_MAX, INT_MIN, INT_MIN}, 0, 0},
  };
  for (const CASE& c : cases) {
    CEditObject node;
    node.SetItem(NewItem());
    node.m_rcInk = c.ink;
    Measure(node);
    EXPECT_EQ(node.m_nWidth, c.width) << c.ink.left << "," << c.ink.right;
    EXPECT_EQ(node.m_nHeight, c.height) << c.ink.top << "," << c.ink.bottom;
    Arrange(node, 700, 900);
    EXPECT_EQ(CRect(node.m_rcInk), CRect(700, 900, 700 + c.width, 900 + c.height));
  }
}

TEST_F(EditObjectTest, SetItemBindsBothWaysAndTheNodeDeletesItsItem) {
  bool firstDeleted = false;
  {
    CEditObject node;
    auto* item = new CWatchedItem(&m_bDeleted);
    EXPECT_EQ(node.SetItem(item), item);
    EXPECT_EQ(node.m_pItem, item);
    EXPECT_EQ(item->m_pObjectNode, &node);
    // Taking another item lets the first go.
    CEditObject other;
    other.SetItem(new CWatchedItem(&firstDeleted));
    other.SetItem(nullptr);
    EXPECT_TRUE(firstDeleted);
    EXPECT_FALSE(m_bDeleted);
  }
  EXPECT_TRUE(m_bDeleted);
}

TEST_F(EditObjectTest, LoadingCreatesAnItemBoundToTheLoadedNode) {
  CEditObject node;
  node.m_strDataFile = "sheet-01.bin";
  node.SetItem(NewItem());
  node.m_rcInk = RECT{0, 0, 4000, 3000};
  const Bytes bytes = Store(node);
  auto loaded = Reload(bytes);
  ASSERT_NE(loaded->m_pItem, nullptr);
  EXPECT_EQ(loaded->m_pItem->m_pObjectNode, loaded.get());
  EXPECT_EQ(loaded->m_pItem->GetServerClassName(), "Orvik.Document");
  EXPECT_EQ(loaded->m_strDataFile, "sheet-01.bin");
  EXPECT_EQ(CRect(loaded->m_rcInk), CRect(0, 0, 4000, 3000));
  EXPECT_EQ(Store(*loaded), bytes);
}

TEST_F(EditObjectTest, NodeWithoutItemStoresTheNoItemRecordAndLoadsBackWithoutItem) {
  CEditObject node;
  const Bytes bytes = Store(node);
  EXPECT_EQ(ToHex(Bytes(bytes.begin(), bytes.begin() + 7)), "00 51 4F 42 4A 00 00");
  auto loaded = Reload(bytes);
  EXPECT_EQ(loaded->m_pItem, nullptr);
  EXPECT_EQ(Store(*loaded), bytes);
}

TEST_F(EditObjectTest, ForeignItemInsideATreeIsKeptAndTheTreeLoadsOnAfterIt) {
  const Bytes record = MakeForeignItemRecord(MakeCompoundFile("Orvik Document", "Orvik.Document"));
  auto* item = new CEditObjectItem;
  LoadBytes(record, [&](CArchive& ar) { item->Serialize(ar); });
  CEditSentence sentence;
  auto* object = new CEditObject;
  object->SetItem(item);
  sentence.AppendChild(object);
  sentence.AppendChild(new CEditObject);
  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&sentence); });

  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject(RUNTIME_CLASS(CEditSentence))); });
  auto* tree = dynamic_cast<CEditSentence*>(loaded.get());
  ASSERT_NE(tree, nullptr);
  ASSERT_EQ(tree->GetChildCount(), 2);
  auto* first = dynamic_cast<CEditObject*>(tree->GetChildAt(0));
  ASSERT_TRUE(first && first->m_pItem);
  EXPECT_TRUE(first->m_pItem->IsForeign());
  EXPECT_EQ(first->m_pItem->GetServerClassName(), "Orvik.Document");
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(tree); }), bytes);
}

TEST_F(EditObjectTest, DamagedRecordFailsTheLoadCleanly) {
  CEditObject node;
  node.SetItem(NewItem());
  const Bytes good = Store(node);
  for (size_t length : {size_t(0), size_t(1), size_t(5), size_t(20), good.size() - 1}) {
    Bytes cut(good.begin(), good.begin() + long(length));
    EXPECT_THROW(Reload(cut), CArchiveException) << length;
  }
}
