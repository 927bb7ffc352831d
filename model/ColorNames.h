#pragma once
// Colours as the sheet XML writes them: the sixteen HTML colour names or "#rrggbb".

#include "model/StringW.h"
#include "platform/WinTypes.h"

// A colour name in any case with blanks around it, or "#" and hexadecimal digits; black
// for anything else.
COLORREF ColorFromName(const CStringW& value);
// The capitalised name of one of the sixteen named colours, else "#rrggbb" in lower case.
CStringW ColorToName(COLORREF colour);
