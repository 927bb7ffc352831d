#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/ContainerView.h"
#include "app/VorelCntrItem.h"
#include "elements/EditObject.h"
#include "model/CoordMapper.h"
#include "model/EditSentence.h"
#include "model/GdiCache.h"
#include "platform/OleDocument.h"
#include "tests/support/Bytes.h"
#include "tests/support/FakeOleServer.h"

namespace {

struct VIEW_UPDATE {
  LPARAM hint;
  CObject* object;
  bool operator==(const VIEW_UPDATE&) const = default;
};

class CFakeContainerDoc : public COleDocument {
 public:
  void UpdateAllViews(CView*, LPARAM lHint, CObject* pHint) override { m_updates.push_back({lHint, pHint}); }
  void SetModifiedFlag(BOOL bModified) override { m_nModified += bModified ? 1 : 0; }

  std::vector<VIEW_UPDATE> m_updates;
  int m_nModified = 0;
};

class CFakeContainerView : public CContainerView {
 public:
  CCoordMapper* GetCoordMapper() override { return &m_mapper; }
  void DocToClientRect(RECT* pRect) override { m_mapper.LPtoDPRect(pRect); }
  CCoordMapper m_mapper;
};

class VorelCntrItemTest : public ::testing::Test {
 protected:
  // Reading a sheet anywhere before leaves the direction of that sheet behind.
  VorelCntrItemTest() { g_bVerticalWriting = 0; }
  // An object node in a question part, holding a new item of the document.
  CVorelCntrItem* AddObject(RECT rect = RECT{0, 0, 1000, 1000}) {
    auto* node = new CEditObject;
    node->m_rcInk = rect;
    auto* item = new CVorelCntrItem(&m_doc);
    item->CreateFromData("Orvik.Document", {'k'}, SIZE{rect.right - rect.left, rect.bottom - rect.top}, {});
    node->SetItem(item);
    m_sentence.AppendChild(node);
    return item;
  }
  CRect NodeRect(CVorelCntrItem* item) { return CRect(item->m_pObjectNode->m_rcInk); }

  void TearDown() override { g_bVerticalWriting = 0; }

  CFakeOleServer m_server;
  CFakeContainerDoc m_doc;
  CFakeContainerView m_view;
  CEditSentence m_sentence;
};

}  // namespace

TEST_F(VorelCntrItemTest, NewExtentResizesTheNodeOnceAndMarksTheDocument) {
  CVorelCntrItem* item = AddObject(RECT{500, 600, 1500, 1600});
  m_server.ReportChange(item, SIZE{3000, 1000});
  EXPECT_EQ(NodeRect(item), CRect(500, 600, 3500, 1600));
  EXPECT_EQ(m_doc.m_nModified, 1);
  EXPECT_EQ(m_sentence.m_bModified, 1);
  CObject* node = item->m_pObjectNode;
  EXPECT_EQ(m_doc.m_updates, std::vector<VIEW_UPDATE>(3, VIEW_UPDATE{1, node}));

  // The same extent again: a repaint, nothing else.
  m_doc.m_updates.clear();
  m_sentence.m_bModified = 0;
  m_server.ReportChange(item, SIZE{3000, 1000});
  EXPECT_EQ(NodeRect(item), CRect(500, 600, 3500, 1600));
  EXPECT_EQ(m_doc.m_nModified, 1);
  EXPECT_EQ(m_sentence.m_bModified, 0);
  EXPECT_EQ(m_doc.m_updates, std::vector<VIEW_UPDATE>(1, VIEW_UPDATE{1, node}));
}

TEST_F(VorelCntrItemTest, VerticalSheetTurnsTheExtent) {
  g_bVerticalWriting = 1;
  CVorelCntrItem* item = AddObject();
  m_server.ReportChange(item, SIZE{3000, 1000});
  EXPECT_EQ(NodeRect(item), CRect(0, 0, 1000, 3000));
}

TEST_F(VorelCntrItemTest, ChangeWhileActiveInPlaceDoesNotResize) {
  CVorelCntrItem* item = AddObject();
  ASSERT_TRUE(item->DoVerb(OLEIVERB_PRIMARY, &m_view));
  ASSERT_TRUE(item->IsInPlaceActive());
  m_server.ReportChange(item, SIZE{3000, 1000});
  EXPECT_EQ(NodeRect(item), CRect(0, 0, 1000, 1000));
  EXPECT_EQ(m_doc.m_nModified, 0);
}

TEST_F(VorelCntrItemTest, ActivatingOneItemClosesTheOtherAndSavesItsChange) {
  CVorelCntrItem* first = AddObject();
  CVorelCntrItem* second = AddObject();
  first->DoVerb(OLEIVERB_PRIMARY, &m_view);
  m_server.ReportChange(first, SIZE{1000, 1000}, {'n', 'e', 'w'});
  m_doc.m_updates.clear();
  second->DoVerb(OLEIVERB_PRIMARY, &m_view);
  EXPECT_EQ(m_server.m_saved, std::vector<COleClientItem*>({first}));
  EXPECT_EQ(m_server.m_closed, std::vector<COleClientItem*>({first}));
  EXPECT_EQ(first->GetItemState(), UINT(COleClientItem::loadedState));
  EXPECT_EQ(second->GetItemState(), UINT(COleClientItem::activeUIState));
  EXPECT_EQ(m_doc.GetInPlaceActiveItem(&m_view), second);
  // Saved and closed each lay the sheet out again and repaint the first object.
  CObject* node = first->m_pObjectNode;
  EXPECT_EQ(m_doc.m_updates,
            (std::vector<VIEW_UPDATE>{{0, nullptr}, {1, node}, {0, nullptr}, {1, node}}));
}

TEST_F(VorelCntrItemTest, MovedInPlaceWindowGivesTheNodeItsLayoutRectangle) {
  CVorelCntrItem* item = AddObject();
  EXPECT_FALSE(m_server.MoveWindow(item, CRect(0, 0, 10, 10)));  // not active in place
  item->DoVerb(OLEIVERB_PRIMARY, &m_view);

  EXPECT_TRUE(m_server.MoveWindow(item, CRect(96, 48, 192, 96)));
  EXPECT_EQ(NodeRect(item), CRect(2540, 1270, 5080, 2540));
  EXPECT_EQ(m_doc.m_nModified, 1);

  // On a vertical sheet the window, tall and narrow, is a wide and low rectangle of layout.
  m_view.m_mapper.m_bVertical = 1;
  const CRect window(-96, 96, -48, 288);
  EXPECT_TRUE(m_server.MoveWindow(item, window));
  EXPECT_EQ(NodeRect(item), CRect(2540, 1270, 7620, 2540));
  CRect back;
  item->OnGetItemPosition(back);
  EXPECT_EQ(back, window);
}

TEST_F(VorelCntrItemTest, InsideOutObjectIsHiddenWhenItsInterfaceGoes) {
  CVorelCntrItem* item = AddObject();
  m_server.m_miscStatus = OLEMISC_INSIDEOUT;
  item->DoVerb(OLEIVERB_PRIMARY, &m_view);
  item->OnDeactivateUI(FALSE);
  ASSERT_EQ(m_server.m_verbs.size(), 2u);
  EXPECT_EQ(m_server.m_verbs.back().second, OLEIVERB_HIDE);
  EXPECT_FALSE(item->IsInPlaceActive());
}

TEST_F(VorelCntrItemTest, FitRectToExtent) {
  CVorelCntrItem* item = AddObject();
  struct {
    SIZE extent;
    RECT rect;
    BOOL fitted;
    RECT result;
  } const cases[] = {
      {{0, 0}, {10, 20, 30, 40}, FALSE, {10, 20, 30, 40}},         // no extent
      {{20, 20}, {10, 20, 30, 40}, FALSE, {10, 20, 30, 40}},       // already the extent
      {{3000, 1000}, {10, 20, 30, 40}, TRUE, {10, 20, 3010, 1020}},
  };
  for (const auto& c : cases) {
    item->CreateFromData("Orvik.Document", {}, c.extent, {});
    RECT rect = c.rect;
    EXPECT_EQ(item->FitRectToExtent(&rect), c.fitted);
    EXPECT_EQ(CRect(rect), CRect(c.result));
  }
}

TEST_F(VorelCntrItemTest, LoadedObjectGetsAContainerItemBoundToIt) {
  CVorelCntrItem* item = AddObject();
  const Bytes bytes = StoreBytes([&](CArchive& ar) { item->m_pObjectNode->Serialize(ar); });
  CEditObject loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
  auto* loadedItem = dynamic_cast<CVorelCntrItem*>(loaded.m_pItem);
  ASSERT_NE(loadedItem, nullptr);
  EXPECT_EQ(loadedItem->m_pObjectNode, &loaded);
  EXPECT_EQ(loadedItem->GetDocument(), nullptr);
}

TEST_F(VorelCntrItemTest, DeletedNodeTakesItsItemOutOfTheDocument) {
  CVorelCntrItem* item = AddObject();
  item->DoVerb(OLEIVERB_PRIMARY, &m_view);
  EXPECT_EQ(m_doc.GetItems().size(), 1u);
  m_sentence.RemoveAllChildren();
  delete item->m_pObjectNode;
  EXPECT_TRUE(m_doc.GetItems().empty());
  EXPECT_EQ(m_server.m_released.size(), 1u);
}
