#pragma once
// Characters that the text fonts cannot show, looked up in the slots of the gaiji face.

#include "platform/WinTypes.h"

// The slot code of the first row for the character; FALSE (code unchanged) when none has it.
BOOL FindGaijiCode(WORD wChar, WORD* pCode);
// The UTF-16 unit of the character's slot in the ANSI code page, U+25A0 when the slot does not
// convert; FALSE (unit unchanged) when the character needs no gaiji. The caller also gives the
// character the gaiji face.
BOOL ToGaijiChar(WORD wChar, WORD* pUnit);
