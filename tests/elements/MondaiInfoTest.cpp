#include <gtest/gtest.h>

#include <climits>

#include "elements/MondaiInfo.h"
#include "tests/support/StringWPrint.h"

namespace {

TEST(MondaiInfoTest, StartsUnregisteredWithoutIds) {
  const CMondaiInfo info;
  EXPECT_TRUE(info.IsUnregistered());
  EXPECT_EQ(info.m_nId, -1);
  EXPECT_EQ(info.m_nSubId, -1);
  EXPECT_EQ(info.m_bChanged, 0);

  CMondaiInfo registered;
  registered.SetClassification(999, 0, 0, 0, 0, 1);
  EXPECT_FALSE(registered.IsUnregistered());
}

TEST(MondaiInfoTest, FormatsIdsWithTheirWidthsAndGivesTheSearchKey) {
  CMondaiInfo info;
  info.SetIds(1234, 5, 1);
  CStringW id, subId, changed;
  info.FormatIds(id, subId, changed);
  EXPECT_EQ(id, u"00001234");
  EXPECT_EQ(subId, u"00005");
  EXPECT_EQ(changed, u"1");

  MONDAI_ID_NODE node{};
  info.GetKey(&node);
  EXPECT_EQ(node.dKey, 1234 * 100000.0 + 5);
  EXPECT_EQ(node.bChanged, 1);

  // Large ids stay exact: the key is computed in floating point, not in int.
  info.SetIds(99980002, 20001, 0);
  info.GetKey(&node);
  EXPECT_EQ(node.dKey, 9998000220001.0);
}

TEST(MondaiInfoTest, DataRoundTripsInTheSearchRecordOrder) {
  const int data[CMondaiInfo::kDataCount] = {1, 2, 3, 4, 5, 6, 1234, 20001, 1};
  CMondaiInfo info;
  info.SetData(data);
  MONDAI_ID_NODE2 node{};
  info.GetData(&node);
  EXPECT_EQ(node.anClass[0], 1);
  EXPECT_EQ(node.anClass[5], 6);
  EXPECT_EQ(node.nId, 1234);
  EXPECT_EQ(node.nSubId, 20001);
  EXPECT_EQ(node.bChanged, 1);

  CStringW cls[6], id, subId, changed;
  info.FormatAll(cls, id, subId, changed);
  EXPECT_EQ(cls[2], u"3");
  EXPECT_EQ(id, u"1234");
  EXPECT_EQ(subId, u"20001");

  CMondaiInfo copy;
  copy.ParseAll(cls, id, subId, changed);
  EXPECT_EQ(copy.m_arrClass[5], 6);
  EXPECT_EQ(copy.m_nSubId, 20001);
  EXPECT_EQ(copy.m_bChanged, 1);
}

TEST(MondaiInfoTest, ParsingReadsLeadingDigitsAndSaturates) {
  struct Case {
    const char16_t* text;
    int value;
  } cases[] = {
      {u"00001234", 1234}, {u"  -12x", -12}, {u"+7", 7},        {u"abc", 0},
      {u"", 0},            {u"99999999999999", INT_MAX}, {u"-99999999999999", INT_MIN},
  };
  for (const Case& c : cases) {
    CMondaiInfo info;
    info.ParseIds(c.text, u"1", u"0");
    EXPECT_EQ(info.m_nId, c.value) << testing::PrintToString(CStringW(c.text));
  }
}

}  // namespace
