#include <gtest/gtest.h>

#include "model/GaijiCode.h"

TEST(GaijiCodeTest, FindsTheSlotOfTheFirstRow) {
  struct {
    WORD character;
    WORD code;
  } const rows[] = {
      {0x2236, 0x8146}, {0x2213, 0x817D}, {0x3229, 0x824F}, {0x3220, 0x8250},
      {0x3228, 0x8258}, {0x24B6, 0x8260}, {0x624C, 0x9A70}, {0x9F55, 0xE341},
  };
  for (const auto& row : rows) {
    WORD code = 0;
    EXPECT_TRUE(FindGaijiCode(row.character, &code)) << std::hex << row.character;
    EXPECT_EQ(code, row.code) << std::hex << row.character;
  }
}

TEST(GaijiCodeTest, GivesTheSlotsCharacterInTheCodePage) {
  struct {
    WORD character;
    WORD unit;
  } const cases[] = {
      {0x2236, 0xFF1A}, {0x2213, 0x00B1}, {0x3229, 0xFF10}, {0x3220, 0xFF11},
      {0x24B6, 0xFF21}, {0x9F55, 0x7D1C}, {0x624C, 0x55D4},  // slot 0x9A70, the first of two
  };
  for (const auto& c : cases) {
    WORD unit = 0;
    EXPECT_TRUE(ToGaijiChar(c.character, &unit)) << std::hex << c.character;
    EXPECT_EQ(unit, c.unit) << std::hex << c.character;
  }
}

TEST(GaijiCodeTest, CharactersWithoutARowAreNotGaiji) {
  WORD out = 0x1234;
  EXPECT_FALSE(FindGaijiCode(0x3042, &out));
  EXPECT_FALSE(ToGaijiChar(0x3042, &out));
  EXPECT_EQ(out, 0x1234);
}
