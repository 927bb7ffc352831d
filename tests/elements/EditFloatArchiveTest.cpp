#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "elements/EditFloat.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/FoFlowElements.h"
#include "tests/support/Bytes.h"

namespace {

Bytes Record(CEditContainer& node) {
  return StoreBytes([&](CArchive& ar) { node.Serialize(ar); });
}

Bytes LongBytes(LONG value) {
  Bytes bytes(sizeof value);
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// A right frame 2500 wide holding one character and its line end.
void Fill(CEditContainer& frame) {
  frame.AppendChild(new CEditChar(CStringW(u"\u3042")));
  frame.AppendChild(new CEditCR);
}

std::unique_ptr<CEditFloat> MakeFloat() {
  auto frame = std::make_unique<CEditFloat>();
  frame->m_floatDim.m_nAreaWidth = 2500;
  frame->m_floatDim.m_nAreaHeight = 2;
  Fill(*frame);
  return frame;
}

// The container record of a frame: what follows the frame's own 12 bytes.
Bytes ContainerRecord() {
  CEditContainer plain(NTYPE_EDITFLOAT);
  Fill(plain);
  return Record(plain);
}

TEST(EditFloatArchiveTest, RecordIsSizeSideAndTheContainerRecord) {
  auto frame = MakeFloat();
  const Bytes bytes = Record(*frame);
  EXPECT_EQ(bytes, Concat({HexBytes("08 00 00 00  c4 09 00 00  02 00 00 00"), ContainerRecord()}));
}

TEST(EditFloatArchiveTest, ObjectRoundTripKeepsSideWidthAndChildren) {
  auto frame = MakeFloat();
  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(frame.get()); });
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
  auto* copy = dynamic_cast<CEditFloat*>(loaded.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_nType, NTYPE_EDITFLOAT);
  EXPECT_EQ(copy->GetFloatSide(), 2);
  EXPECT_EQ(copy->m_floatDim.m_nAreaWidth, 2500);
  ASSERT_EQ(copy->GetChildCount(), 2);
  EXPECT_EQ(copy->GetChildAt(0)->m_strText, CStringW(u"\u3042"));
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(copy); }), bytes);

  CEditFloat deep;
  ASSERT_TRUE(frame->CopyInto(&deep));
  EXPECT_EQ(deep.GetFloatSide(), 2);
  EXPECT_EQ(Record(deep), Record(*frame));
}

TEST(EditFloatArchiveTest, StoredSizeOtherThanEightIsReadWithinTheData) {
  const Bytes tail = ContainerRecord();
  struct CASE {
    const char* what;
    Bytes head;
    LONG width;
    LONG side;
  } cases[] = {
      {"exact", HexBytes("08 00 00 00  10 00 00 00  01 00 00 00"), 16, 1},
      {"short: the side keeps its value", HexBytes("04 00 00 00  10 00 00 00"), 16, 0},
      {"empty", HexBytes("00 00 00 00"), 0, 0},
      {"long: the rest is skipped", HexBytes("0c 00 00 00  10 00 00 00  02 00 00 00  aa bb cc dd"), 16, 2},
  };
  for (const CASE& c : cases) {
    CEditFloat frame;
    LoadBytes(Concat({c.head, tail}), [&](CArchive& ar) { frame.Serialize(ar); });
    EXPECT_EQ(frame.m_floatDim.m_nAreaWidth, c.width) << c.what;
    EXPECT_EQ(frame.GetFloatSide(), c.side) << c.what;
    EXPECT_EQ(frame.GetChildCount(), 2) << c.what;
  }
}

TEST(EditFloatArchiveTest, DamagedSizeFailsTheLoad) {
  const Bytes tail = ContainerRecord();
  struct CASE {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"size past the data", Concat({LongBytes(0x7fffffff), HexBytes("01 02 03 04")})},
      {"negative size", Concat({LongBytes(-8), tail})},
      {"record cut short", HexBytes("08 00 00 00  10 00")},
      {"container record cut short", Concat({HexBytes("08 00 00 00  10 00 00 00  02 00 00 00"),
                                             Bytes(tail.begin(), tail.begin() + 30)})},
  };
  for (const CASE& c : cases) {
    CEditFloat frame;
    EXPECT_THROW(LoadBytes(c.bytes, [&](CArchive& ar) { frame.Serialize(ar); }), CArchiveException) << c.what;
  }
  // Inside an object record the half-built frame is discarded with the failure.
  auto frame = MakeFloat();
  const Bytes object = StoreBytes([&](CArchive& ar) { ar.WriteObject(frame.get()); });
  const Bytes cut(object.begin(), object.begin() + 40);
  EXPECT_THROW(LoadBytes(cut, [&](CArchive& ar) { delete ar.ReadObject(); }), CArchiveException);
}

TEST(EditFloatArchiveTest, FoFloatCopiesOnlyWithAnFoFloat) {
  CFoFloat fo;
  fo.m_dimensionProps.m_nAreaWidth = 1200;
  fo.m_dimensionProps.m_nAreaHeight = 1;
  CEditFloat frame;
  frame.CopyFromFoFloat(&fo);
  EXPECT_EQ(frame.m_floatDim.m_nAreaWidth, 1200);
  EXPECT_EQ(frame.GetFloatSide(), 1);

  CFoBlock block;
  CEditContainer notFo(XE_FO_FLOAT);  // the right word on the wrong class
  frame.CopyFromFoFloat(&block);
  frame.CopyFromFoFloat(&notFo);
  frame.CopyFromFoFloat(nullptr);
  EXPECT_EQ(frame.m_floatDim.m_nAreaWidth, 1200);
  EXPECT_EQ(frame.GetFloatSide(), 1);

  frame.m_floatDim.m_nAreaHeight = 2;
  CFoFloat out;
  frame.CopyToFoFloat(&out);
  EXPECT_EQ(out.m_dimensionProps.m_nAreaWidth, 1200);
  EXPECT_EQ(out.m_dimensionProps.m_nAreaHeight, 2);
  frame.CopyToFoFloat(&block);
  frame.CopyToFoFloat(nullptr);
}

}  // namespace
