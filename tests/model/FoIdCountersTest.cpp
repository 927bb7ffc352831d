#include <gtest/gtest.h>

#include <string>

#include "model/FoIdCounters.h"
#include "model/XmlElementTable.h"

namespace {

std::u16string Next(FO_ID_COUNTERS& counters, int kind) { return counters.NextId(kind).str(); }

TEST(FoIdCounters, FirstIdOfEachKindEndsIn0011) {
  FO_ID_COUNTERS counters;
  for (int v : counters.m_anCounter) EXPECT_EQ(v, 0);
  EXPECT_EQ(Next(counters, BK_RUBY), u"ruby0011");
  EXPECT_EQ(Next(counters, BK_CYUKAI), u"cyukai0011");
  EXPECT_EQ(Next(counters, BK_KASEN), u"kasen0011");
  EXPECT_EQ(Next(counters, BK_GAI), u"gai0011");
  EXPECT_EQ(Next(counters, BK_KAIPAGE), u"kaipage0011");
  EXPECT_EQ(Next(counters, BK_RUBY), u"ruby0012");
}

TEST(FoIdCounters, KanbunFormsShareOneCounter) {
  FO_ID_COUNTERS counters;
  EXPECT_EQ(Next(counters, BK_KANA), u"kanA0011");
  EXPECT_EQ(Next(counters, BK_KANB), u"kanB0012");
  EXPECT_EQ(counters.m_anCounter[FO_ID_COUNTERS::CounterKan], 2);
}

TEST(FoIdCounters, TenthIdAppendsTheCountAfter001) {
  FO_ID_COUNTERS counters;
  for (int i = 0; i < 9; ++i) counters.NextId(BK_RUBY);
  EXPECT_EQ(Next(counters, BK_RUBY), u"ruby00110");
}

TEST(FoIdCounters, ResetStartsEachWriteAgain) {
  FO_ID_COUNTERS counters;
  counters.NextId(BK_RUBY);
  counters.NextId(BK_GAI);
  counters.Reset();
  for (int v : counters.m_anCounter) EXPECT_EQ(v, 0);
  EXPECT_EQ(Next(counters, BK_RUBY), u"ruby0011");
}

TEST(FoIdCounters, KindsThatAreNeverWrittenGetNoIdAndCountNothing) {
  FO_ID_COUNTERS counters;
  for (int kind : {int(BK_KIM), int(BK_KUN), int(BK_NONE), int(BK_UNKNOWN), 42}) {
    EXPECT_TRUE(counters.NextId(kind).IsEmpty()) << kind;
  }
  for (int v : counters.m_anCounter) EXPECT_EQ(v, 0);
}

TEST(FoIdCounters, TheReaderRecoversTheKindFromEveryId) {
  FO_ID_COUNTERS counters;
  for (int kind : {BK_RUBY, BK_CYUKAI, BK_GAI, BK_KANA, BK_KANB, BK_KAIPAGE, BK_KASEN}) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(IdPrefixKind(counters.NextId(kind)), kind) << kind;
  }
}

}  // namespace
