#include <gtest/gtest.h>

#include <cstring>

#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/EditCR.h"
#include "model/EditContainer.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"

namespace {

LONG IntAt(const Bytes& bytes, size_t offset) {
  LONG v;
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

CEditBox* AddBox(CEditContainer& container, int lines) {
  auto* box = new CEditBox;
  for (int i = 0; i < lines; ++i) {
    EDIT_LINE_INFO line;
    line.nFirst = i;
    line.nCount = 1;
    line.props.m_nHeight = 100 + i;
    box->SetLine(i, line);
  }
  container.m_arrBoxes.push_back(box);
  return box;
}

Bytes Store(CEditContainer& container) {
  return StoreBytes([&](CArchive& ar) { container.Serialize(ar); });
}

TEST(EditContainerArchiveTest, StoredBoxesLoadUntilTheNextMeasure) {
  CEditContainer container;
  container.m_nMarginLeft = 500;
  container.m_nTextAlign = 2;
  AddBox(container, 2);
  AddBox(container, 3);
  container.AppendChild(new CEditCR);
  const Bytes bytes = Store(container);
  EXPECT_EQ(IntAt(bytes, 0), 16);
  EXPECT_EQ(IntAt(bytes, 4), 500);
  EXPECT_EQ(IntAt(bytes, 20), 16);
  EXPECT_EQ(IntAt(bytes, 36), 2);      // text alignment
  EXPECT_EQ(IntAt(bytes, 40), 2);      // box count
  EXPECT_EQ(ToHex(Bytes(bytes.begin() + 44, bytes.begin() + 46)), "02 00");
  EXPECT_EQ(IntAt(bytes, 46 + 272), 0);  // nFirst of the first line

  CEditContainer copy;
  LoadBytes(bytes, [&](CArchive& ar) { copy.Serialize(ar); });
  ASSERT_EQ(copy.GetBoxCount(), 2);
  EXPECT_EQ(copy.GetBox(1)->GetLineCount(), 3);
  EXPECT_EQ(copy.GetBox(1)->m_arrLines[2].props.m_nHeight, 102);
  EXPECT_EQ(copy.m_nMarginLeft, 500);
  EXPECT_EQ(copy.GetChildCount(), 1);
  EXPECT_EQ(Store(copy), bytes);

  CRecordingDC dc;
  CCoordMapper mapper;
  EDIT_LAYOUT_PARAM param{};
  param.nWidth = 10000;
  copy.Measure(&dc, &mapper, &param);
  ASSERT_EQ(copy.GetBoxCount(), 1);
  EXPECT_EQ(copy.GetBox(0)->GetLineCount(), 1);
}

TEST(EditContainerArchiveTest, LargeLineCountUsesTheLongCountForm) {
  CEditContainer container;
  AddBox(container, 70000);
  const Bytes bytes = Store(container);
  EXPECT_EQ(ToHex(Bytes(bytes.begin() + 44, bytes.begin() + 50)), "FF FF 70 11 01 00");
  CEditContainer copy;
  LoadBytes(bytes, [&](CArchive& ar) { copy.Serialize(ar); });
  ASSERT_EQ(copy.GetBoxCount(), 1);
  EXPECT_EQ(copy.GetBox(0)->GetLineCount(), 70000);
  EXPECT_EQ(copy.GetBox(0)->m_arrLines[69999].nFirst, 69999);
}

TEST(EditContainerArchiveTest, DamagedCountsFailCleanly) {
  CEditContainer container;
  AddBox(container, 1);
  const Bytes bytes = Store(container);
  struct CASE {
    const char* what;
    size_t offset;
    Bytes patch;
  } cases[] = {
      {"box count past the data", 40, HexBytes("ff ff ff 7f")},
      {"negative box count", 40, HexBytes("ff ff ff ff")},
      {"line count past the data", 44, HexBytes("ff ff ff ff ff ff")},
      {"group size past the data", 0, HexBytes("00 00 00 40")},
  };
  for (const CASE& c : cases) {
    Bytes damaged = bytes;
    std::copy(c.patch.begin(), c.patch.end(), damaged.begin() + long(c.offset));
    CEditContainer copy;
    EXPECT_THROW(LoadBytes(damaged, [&](CArchive& ar) { copy.Serialize(ar); }), CArchiveException) << c.what;
  }
}

TEST(EditContainerArchiveTest, LargerGroupIsReadWithoutOverflowingIt) {
  CEditContainer container;
  container.m_nLineSpacing = 33;
  Bytes bytes = Store(container);
  // The paragraph group stored 20 bytes long: the extra 4 are skipped.
  Bytes wide(bytes.begin(), bytes.begin() + 20);
  const Bytes size20 = HexBytes("14 00 00 00");
  wide.insert(wide.end(), size20.begin(), size20.end());
  wide.insert(wide.end(), bytes.begin() + 24, bytes.begin() + 40);
  const Bytes extra = HexBytes("aa bb cc dd");
  wide.insert(wide.end(), extra.begin(), extra.end());
  wide.insert(wide.end(), bytes.begin() + 40, bytes.end());
  CEditContainer copy;
  LoadBytes(wide, [&](CArchive& ar) { copy.Serialize(ar); });
  EXPECT_EQ(copy.m_nLineSpacing, 33);
  EXPECT_EQ(copy.GetBoxCount(), 0);
}

}  // namespace
