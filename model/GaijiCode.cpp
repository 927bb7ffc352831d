#include "model/GaijiCode.h"

#include "platform/GaijiCodeTable.h"

namespace {

constexpr WORD kUnconvertibleSlot = 0x25A0;

}  // namespace

BOOL FindGaijiCode(WORD wChar, WORD* pCode) {
  for (const GAIJI_CODE& row : GAIJI_CODE_TABLE) {
    if (row.wChar != wChar) continue;
    if (pCode) *pCode = row.wCode;
    return TRUE;
  }
  return FALSE;
}

BOOL ToGaijiChar(WORD wChar, WORD* pUnit) {
  WORD code = 0;
  if (!FindGaijiCode(wChar, &code)) return FALSE;
  char16_t slot = GaijiSlotCharacter(code);
  if (pUnit) *pUnit = slot ? WORD(slot) : kUnconvertibleSlot;
  return TRUE;
}
