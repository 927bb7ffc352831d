#include <gtest/gtest.h>

#include "platform/FaceSubstitution.h"
#include "platform/GaijiCodeTable.h"

TEST(GaijiFaceTest, SlotsOfTheTableDrawTheirRowsCharacters) {
  struct {
    char16_t slot;
    char16_t drawn;
  } const cases[] = {
      {0xFF1A, 0x2236},  // slot 0x8146
      {0x00B1, 0x2213},  // slot 0x817D
      {0xFF10, 0x3229},  // slot 0x824F
      {0xFF11, 0x3220},  {0xFF19, 0x3228},
      {0xFF21, 0x24B6},  // slot 0x8260
      {0x7D1C, 0x9F55},  // slot 0xE341
      {0x30EC, 0x3191},  // the kaeriten mark of the kanbun face
      {0x3042, 0x3042},  // not a slot
  };
  for (const auto& c : cases) EXPECT_EQ(MapGaijiChar(c.slot), c.drawn) << std::hex << int(c.slot);
  EXPECT_EQ(MapGaijiChar(GaijiSlotCharacter(0x9A70)), 0x624C);
  EXPECT_EQ(MapGaijiChar(GaijiSlotCharacter(0x9BA8)), 0x624C);
}

TEST(GaijiFaceTest, SlotCharacterIsZeroForCodesTheCodePageLacks) {
  EXPECT_EQ(GaijiSlotCharacter(0x8146), 0xFF1A);
  EXPECT_EQ(GaijiSlotCharacter(0x81FF), 0);
  EXPECT_EQ(GaijiSlotCharacter(0xFFFF), 0);
}
