#pragma once
// The slots of the gaiji face: each row pairs a character that the text fonts cannot show with
// the double-byte code of the slot whose glyph carries it. Only the rows known without the
// product's gaiji font are here, in the font's order; U+624C has two slots and the first counts.

#include "platform/WinTypes.h"

struct GAIJI_CODE {
  WORD wChar;
  WORD wCode;
};

inline constexpr GAIJI_CODE GAIJI_CODE_TABLE[] = {
    {0x2236, 0x8146},  // row 0
    {0x2213, 0x817D},  // row 8
    {0x3229, 0x824F},  // row 23
    {0x3220, 0x8250}, {0x3221, 0x8251}, {0x3222, 0x8252}, {0x3223, 0x8253}, {0x3224, 0x8254},
    {0x3225, 0x8255}, {0x3226, 0x8256}, {0x3227, 0x8257}, {0x3228, 0x8258},
    {0x24B6, 0x8260},  // row 33
    {0x624C, 0x9A70},
    {0x624C, 0x9BA8},
    {0x9F55, 0xE341},  // row 424, the last
};

// The character of a slot code in the ANSI code page (high byte first); 0 when the code does
// not convert to exactly one UTF-16 unit.
char16_t GaijiSlotCharacter(WORD wCode);
