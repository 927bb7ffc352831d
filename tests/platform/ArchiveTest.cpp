#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>

#include "platform/Archive.h"
#include "platform/File.h"
#include "tests/support/Bytes.h"

namespace {

// Lets the process map at most `growth` more bytes than it holds now.
void CapAddressSpaceGrowth(rlim_t growth) {
  std::ifstream statm("/proc/self/statm");
  rlim_t pages = 0;
  statm >> pages;
  rlim_t limit = pages * rlim_t(sysconf(_SC_PAGESIZE)) + growth;
  rlimit cap{limit, limit};
  setrlimit(RLIMIT_AS, &cap);
}

class CArchiveTestItem : public CObject {
  DECLARE_SERIAL(CArchiveTestItem)

 public:
  LONG m_nValue = 0;
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) ar << m_nValue;
    else ar >> m_nValue;
  }
};

IMPLEMENT_SERIAL(CArchiveTestItem, CObject, 1)

class CArchiveTestSchemaTwo : public CObject {
  DECLARE_SERIAL(CArchiveTestSchemaTwo)
};

IMPLEMENT_SERIAL(CArchiveTestSchemaTwo, CObject, 2)

}  // namespace

TEST(Archive, CountsAndStringsUseTheirShortAndLongForms) {
  EXPECT_EQ(ToHex(StoreBytes([](CArchive& ar) { ar.WriteCount(5); })), "05 00");
  EXPECT_EQ(ToHex(StoreBytes([](CArchive& ar) { ar.WriteCount(0xFFFE); })), "FE FF");
  EXPECT_EQ(ToHex(StoreBytes([](CArchive& ar) { ar.WriteCount(0xFFFF); })), "FF FF FF FF 00 00");
  EXPECT_EQ(ToHex(StoreBytes([](CArchive& ar) { ar.WriteCount(70000); })), "FF FF 70 11 01 00");
  EXPECT_EQ(ToHex(StoreBytes([](CArchive& ar) { ar.WriteString8("ab"); })), "02 61 62");

  for (size_t length : {size_t(0), size_t(254), size_t(255), size_t(0xFFFD), size_t(0xFFFE), size_t(70000)}) {
    std::string text(length, 'x');
    Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteString8(text); });
    size_t header = length < 255 ? 1 : length < 0xFFFE ? 3 : 7;
    EXPECT_EQ(bytes.size(), header + length) << length;
    LoadBytes(bytes, [&](CArchive& ar) { EXPECT_EQ(ar.ReadString8(), text); });
  }
  LoadBytes(HexBytes("FF FF 70 11 01 00"), [](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), 70000u); });
  LoadBytes(HexBytes("FF FF FF FF 00 00"), [](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), 0xFFFFu); });
}

TEST(Archive, ObjectRecordsTagNewClassesAndReferenceSeenOnes) {
  CArchiveTestItem a, b;
  a.m_nValue = 7;
  b.m_nValue = 8;
  Bytes bytes = StoreBytes([&](CArchive& ar) {
    ar.WriteObject(&a);
    ar.WriteObject(&b);
    ar.WriteObject(nullptr);
    ar.WriteObject(&a);
  });
  EXPECT_EQ(ToHex(bytes),
            "FF FF 01 00 10 00 43 41 72 63 68 69 76 65 54 65 73 74 49 74 65 6D 07 00 00 00 "  // new class 1, object 2
            "01 80 08 00 00 00 "                                                             // class 1 again, object 3
            "00 00 "                                                                         // null
            "02 00");                                                                        // object 2 again
  LoadBytes(bytes, [](CArchive& ar) {
    std::unique_ptr<CObject> first(ar.ReadObject(RUNTIME_CLASS(CArchiveTestItem)));
    std::unique_ptr<CObject> second(ar.ReadObject(RUNTIME_CLASS(CArchiveTestItem)));
    EXPECT_EQ(ar.ReadObject(), nullptr);
    EXPECT_EQ(ar.ReadObject(), first.get());
    EXPECT_EQ(static_cast<CArchiveTestItem*>(first.get())->m_nValue, 7);
    EXPECT_EQ(static_cast<CArchiveTestItem*>(second.get())->m_nValue, 8);
  });
}

TEST(Archive, IndexesFrom0x7FFFTakeTheEscapeAndLoadBack) {
  constexpr int kCount = 40000;
  std::vector<CArchiveTestItem> items(kCount);
  for (int i = 0; i < kCount; ++i) items[size_t(i)].m_nValue = i;
  Bytes bytes = StoreBytes([&](CArchive& ar) {
    for (auto& item : items) ar.WriteObject(&item);
    ar.WriteObject(&items.back());  // object index 40001
  });
  // Class 1, objects 2 .. 40001; the repeated last object is 0x7FFF then its 32-bit index.
  Bytes tail(bytes.end() - 6, bytes.end());
  EXPECT_EQ(ToHex(tail), "FF 7F 41 9C 00 00");
  LoadBytes(bytes, [&](CArchive& ar) {
    std::vector<std::unique_ptr<CObject>> loaded;
    for (int i = 0; i < kCount; ++i) loaded.emplace_back(ar.ReadObject());
    EXPECT_EQ(ar.ReadObject(), loaded.back().get());
    EXPECT_EQ(static_cast<CArchiveTestItem*>(loaded[12345].get())->m_nValue, 12345);
  });
}

TEST(Archive, DamagedRecordsThrowTheArchiveException) {
  struct Case { const char* name; const char* hex; CArchiveException::Cause cause; } cases[] = {
      {"truncated value", "FF FF 01 00 10 00 43 41 72 63 68 69 76 65 54 65 73 74 49 74 65 6D 07 00",
       CArchiveException::endOfFile},
      {"truncated class name", "FF FF 01 00 10 00 43 41", CArchiveException::endOfFile},
      {"unknown class", "FF FF 01 00 03 00 43 5A 5A 00 00 00 00", CArchiveException::badClass},
      {"schema mismatch", "FF FF 02 00 10 00 43 41 72 63 68 69 76 65 54 65 73 74 49 74 65 6D 07 00 00 00",
       CArchiveException::badSchema},
      {"class reference never defined", "05 80 00 00 00 00", CArchiveException::badIndex},
      {"object reference never defined", "09 00", CArchiveException::badIndex},
      {"class reference equal to the map count", "01 80", CArchiveException::badIndex},
      {"object reference equal to the map count", "01 00", CArchiveException::badIndex},
      {"escaped index out of range", "FF 7F 00 00 01 00", CArchiveException::badIndex},
      {"huge string length", "FF FF FF FF FF FF 7F", CArchiveException::endOfFile},
      {"empty data", "", CArchiveException::endOfFile},
  };
  for (const Case& c : cases) {
    bool threw = false;
    try {
      LoadBytes(HexBytes(c.hex), [&](CArchive& ar) {
        if (std::string(c.name) == "huge string length") ar.ReadString8();
        else delete ar.ReadObject();
      });
    } catch (const CArchiveException& e) {
      threw = true;
      EXPECT_EQ(e.m_cause, c.cause) << c.name;
    }
    EXPECT_TRUE(threw) << c.name;
  }
}

// With the address space capped, allocating the stored length would fail the read.
TEST(Archive, OverlongStringFailsBeforeAllocating) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        CapAddressSpaceGrowth(256u << 20);
        try {
          LoadBytes(HexBytes("FF FF FF FF FF FF FF 61"), [](CArchive& ar) { ar.ReadString8(); });
        } catch (const CArchiveException& e) {
          std::_Exit(e.m_cause == CArchiveException::endOfFile ? 0 : 2);
        }
        std::_Exit(3);
      },
      testing::ExitedWithCode(0), "");
}

TEST(Archive, RequestedClassIsEnforced) {
  CArchiveTestSchemaTwo other;
  Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&other); });
  LoadBytes(bytes, [](CArchive& ar) {
    EXPECT_THROW(ar.ReadObject(RUNTIME_CLASS(CArchiveTestItem)), CArchiveException);
  });
}
