#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <random>

#include "platform/DC.h"
#include "tests/support/TestPaths.h"
#include "platform/OleClientItem.h"
#include "platform/OleDocument.h"
#include "platform/PainterBackend.h"
#include "tests/support/Bytes.h"
#include "tests/support/CompoundFileMaker.h"
#include "tests/support/FakeOleServer.h"
#include "tests/support/RecordingBackend.h"

namespace {

Bytes PngOf(const QImage& image) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return Bytes(data.begin(), data.end());
}

Bytes SamplePng() {
  QImage image(30, 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.fillRect(2, 2, 26, 6, Qt::darkBlue);
  return PngOf(image);
}

Bytes Store(COleClientItem& item) {
  return StoreBytes([&](CArchive& ar) { item.Serialize(ar); });
}

void Load(COleClientItem& item, const Bytes& bytes) {
  LoadBytes(bytes, [&](CArchive& ar) { item.Serialize(ar); });
}

class CTestDocument : public COleDocument {
 public:
  void UpdateAllViews(CView*, LPARAM, CObject*) override {}
  void SetModifiedFlag(BOOL) override {}
};

}  // namespace

TEST(OleClientItemTest, RecordIsTaggedVersionedAndRoundTripsByteForByte) {
  COleClientItem item;
  item.CreateFromData("Orvik.Document", {'<', 'k', '/', '>'}, SIZE{3000, 1000}, {0x89, 'P'});
  Bytes bytes = Store(item);
  EXPECT_EQ(ToHex(bytes),
            "51 4F 42 4A 01 00 0E 4F 72 76 69 6B 2E 44 6F 63 75 6D 65 6E 74 01 00 00 00 "
            "B8 0B 00 00 E8 03 00 00 04 00 00 00 3C 6B 2F 3E 02 00 00 00 89 50");

  COleClientItem loaded;
  Load(loaded, bytes);
  EXPECT_FALSE(loaded.IsForeign());
  EXPECT_EQ(loaded.GetServerClassName(), "Orvik.Document");
  EXPECT_EQ(loaded.GetNativeData(), Bytes({'<', 'k', '/', '>'}));
  EXPECT_EQ(loaded.GetItemState(), UINT(COleClientItem::loadedState));
  SIZE extent{};
  ASSERT_TRUE(loaded.GetExtent(&extent));
  EXPECT_EQ(extent.cx, 3000);
  EXPECT_EQ(extent.cy, 1000);
  EXPECT_EQ(Store(loaded), bytes);
}

TEST(OleClientItemTest, NoItemRecordIsReadOnlyWhereItStands) {
  Bytes marker = StoreBytes([](CArchive& ar) { COleClientItem::StoreNoItem(ar); });
  EXPECT_EQ(ToHex(marker), "51 4F 42 4A 00 00");
  LoadBytes(marker, [](CArchive& ar) {
    EXPECT_TRUE(COleClientItem::LoadNoItem(ar));
    EXPECT_EQ(ar.GetRemaining(), 0u);
  });

  COleClientItem item;
  item.CreateFromData("Orvik.Document", {}, SIZE{10, 10}, {});
  Bytes record = Store(item);
  LoadBytes(record, [&](CArchive& ar) {
    EXPECT_FALSE(COleClientItem::LoadNoItem(ar));
    EXPECT_EQ(ar.GetRemaining(), record.size());
    COleClientItem loaded;
    loaded.Serialize(ar);
    EXPECT_EQ(loaded.GetServerClassName(), "Orvik.Document");
  });
}

TEST(OleClientItemTest, DamagedRecordsFailCleanlyAndLeaveTheItemAlone) {
  COleClientItem item;
  item.CreateFromData("Orvik.Document", {1, 2, 3}, SIZE{3000, 1000}, {4, 5});
  const Bytes good = Store(item);
  // Every cut of the record runs out of data.
  for (size_t length = 0; length < good.size(); ++length) {
    COleClientItem loaded;
    Bytes cut(good.begin(), good.begin() + long(length));
    EXPECT_THROW(Load(loaded, cut), CArchiveException) << length;
    EXPECT_TRUE(loaded.GetServerClassName().empty()) << length;
  }
  struct {
    const char* what;
    size_t offset;
    BYTE value;
  } const damages[] = {
      {"unknown version", 4, 2},
      {"unknown aspect", 21, 3},
      {"negative width", 28, 0x80},
      {"native data longer than the record", 36, 0x7F},
      {"picture longer than the record", 43, 0x40},
  };
  for (const auto& damage : damages) {
    Bytes bytes = good;
    bytes[damage.offset] = damage.value;
    COleClientItem loaded;
    EXPECT_THROW(Load(loaded, bytes), CArchiveException) << damage.what;
  }
}

TEST(OleClientItemTest, ForeignRecordLoadsAsLabelledPlaceholderAndIsWrittenBackUnchanged) {
  const Bytes record = MakeForeignItemRecord(MakeCompoundFile("Orvik Document", "Orvik.Document"));
  Bytes withTail = record;
  withTail.insert(withTail.end(), {'T', 'A', 'I', 'L'});
  COleClientItem item;
  LoadBytes(withTail, [&](CArchive& ar) {
    item.Serialize(ar);
    EXPECT_EQ(ar.GetRemaining(), 4u);  // the record ends with its compound file
  });
  EXPECT_TRUE(item.IsForeign());
  EXPECT_EQ(item.GetServerClassName(), "Orvik.Document");
  EXPECT_FALSE(item.DoVerb(OLEIVERB_PRIMARY, nullptr));
  EXPECT_EQ(Store(item), record);

  CRecordingDC dc;
  RECT bounds{10, 20, 160, 120};
  EXPECT_TRUE(item.Draw(&dc, &bounds));
  auto lines = dc.Recorder().Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Rectangle 10,20 160,120");
  EXPECT_NE(lines[1].find("Orvik.Document"), std::string::npos) << lines[1];
}

TEST(OleClientItemTest, ForeignLabelFallsBackToUserTypeAndDataWithoutCompoundFileIsKeptWhole) {
  COleClientItem labelled;
  Load(labelled, MakeForeignItemRecord(MakeCompoundFile("Kunten Passage", "")));
  EXPECT_EQ(labelled.GetServerClassName(), "Kunten Passage");

  const Bytes odd = HexBytes("01 02 03 04 05 06 07");
  COleClientItem unknown;
  Load(unknown, odd);
  EXPECT_TRUE(unknown.IsForeign());
  EXPECT_TRUE(unknown.GetServerClassName().empty());
  EXPECT_EQ(Store(unknown), odd);
}

TEST(OleClientItemTest, DamagedCompoundFileStillLoadsAndIsWrittenBackUnchanged) {
  const Bytes good = MakeForeignItemRecord(MakeCompoundFile("Orvik Document", "Orvik.Document"));
  std::mt19937 random(20);
  std::uniform_int_distribution<size_t> position(16, good.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 300; ++round) {
    Bytes damaged = good;
    for (int n = 0; n <= round % 4; ++n) damaged[position(random)] = BYTE(round % 2 ? byte(random) : 0xFF);
    COleClientItem item;
    try {
      Load(item, damaged);
    } catch (const CArchiveException&) {
      continue;
    }
    EXPECT_TRUE(item.IsForeign());
    EXPECT_EQ(Store(item), damaged) << round;
  }
}

TEST(OleClientItemTest, DrawsThePictureIntoTheRectangle) {
  COleClientItem item;
  item.CreateFromData("Orvik.Document", {}, SIZE{3000, 1000}, SamplePng());
  CRecordingDC dc;
  RECT bounds{5, 6, 65, 26};
  EXPECT_TRUE(item.Draw(&dc, &bounds));
  ASSERT_EQ(dc.Recorder().Lines().size(), 1u);
  EXPECT_EQ(dc.Recorder().Lines()[0].rfind("Image 5,6 65,26", 0), 0u) << dc.Recorder().Lines()[0];
}

TEST(OleClientItemTest, SamplePlaceholderAndPictureForAPersonToLookAt) {
  QImage page(260, 90, QImage::Format_RGB32);
  page.fill(Qt::white);
  CDC dc(MakeImageBackend(&page));
  COleClientItem picture, placeholder;
  picture.CreateFromData("Orvik.Document", {}, SIZE{3000, 1000}, SamplePng());
  Load(placeholder, MakeForeignItemRecord(MakeCompoundFile("Orvik Document", "Orvik.Document")));
  RECT left{10, 10, 120, 80}, right{140, 10, 250, 80};
  EXPECT_TRUE(picture.Draw(&dc, &left));
  EXPECT_TRUE(placeholder.Draw(&dc, &right));
  EXPECT_NE(page.pixel(60, 45), QColor(Qt::white).rgb());
  EXPECT_NE(page.pixel(140, 45), QColor(Qt::white).rgb());
  EXPECT_TRUE(page.save(QString::fromStdString(BuildPath("ole-item-sample.png"))));
}

TEST(OleClientItemTest, VerbsAndChangesGoThroughTheServerLink) {
  COleClientItem item;
  item.CreateFromData("Test.Object", {}, SIZE{100, 100}, {});
  EXPECT_FALSE(item.DoVerb(OLEIVERB_PRIMARY, nullptr));  // no server for the class yet

  CFakeOleServer server("Test.Object");
  server.m_miscStatus = OLEMISC_INSIDEOUT;
  CView view;
  EXPECT_TRUE(item.IsBlank());
  EXPECT_TRUE(item.DoVerb(OLEIVERB_PRIMARY, &view));
  EXPECT_EQ(item.GetItemState(), UINT(COleClientItem::activeUIState));
  EXPECT_EQ(item.GetActiveView(), &view);
  EXPECT_EQ(item.GetMiscStatus(DVASPECT_CONTENT), OLEMISC_INSIDEOUT);

  server.ReportChange(&item, SIZE{2000, 500}, {'x'}, SamplePng());
  SIZE extent{};
  ASSERT_TRUE(item.GetExtent(&extent));
  EXPECT_EQ(extent.cx, 2000);
  EXPECT_EQ(item.GetNativeData(), Bytes({'x'}));
  EXPECT_FALSE(item.IsBlank());

  item.Close();
  EXPECT_EQ(server.m_saved, std::vector<COleClientItem*>({&item}));
  EXPECT_EQ(item.GetItemState(), UINT(COleClientItem::loadedState));
  EXPECT_EQ(item.GetActiveView(), nullptr);

  server.m_bInPlace = false;
  EXPECT_TRUE(item.DoVerb(OLEIVERB_OPEN, &view));
  EXPECT_EQ(item.GetItemState(), UINT(COleClientItem::openState));
  item.Release();
  EXPECT_EQ(server.m_released, std::vector<COleClientItem*>({&item}));
  EXPECT_EQ(item.GetItemState(), UINT(COleClientItem::loadedState));
}

TEST(OleClientItemTest, DocumentListsItsItemsAndKnowsTheOneActiveInPlace) {
  CFakeOleServer server;
  CView view, otherView;
  auto document = std::make_unique<CTestDocument>();
  auto* first = new COleClientItem(document.get());
  COleClientItem second(document.get());
  first->CreateFromData("Orvik.Document", {}, SIZE{1, 1}, {});
  EXPECT_EQ(document->GetItems().size(), 2u);
  EXPECT_EQ(document->GetInPlaceActiveItem(&view), nullptr);
  first->DoVerb(OLEIVERB_PRIMARY, &view);
  EXPECT_EQ(document->GetInPlaceActiveItem(&view), first);
  EXPECT_EQ(document->GetInPlaceActiveItem(&otherView), nullptr);

  first->Delete();
  EXPECT_EQ(server.m_released.size(), 1u);
  EXPECT_EQ(document->GetItems(), std::vector<COleClientItem*>({&second}));
  document.reset();  // the item outlives its document
  EXPECT_EQ(second.GetDocument(), nullptr);
}
