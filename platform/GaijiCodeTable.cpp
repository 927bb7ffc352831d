#include "platform/GaijiCodeTable.h"

#include <string>

#include "platform/AnsiCodePage.h"

char16_t GaijiSlotCharacter(WORD wCode) {
  const char bytes[2] = {char(wCode >> 8), char(wCode & 0xFF)};
  std::u16string units;
  if (!AnsiToWideStrict(std::string_view(bytes, 2), &units) || units.size() != 1) return 0;
  return units[0];
}
