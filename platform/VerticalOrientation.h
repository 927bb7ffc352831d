#pragma once
// The Unicode vertical-orientation property, reduced to what vertical drawing needs.

// TRUE when the character stands upright in vertical text (orientation U, Tu or Tr);
// otherwise it is turned 90 degrees clockwise. Characters beyond U+FFFF (ideographs, emoji)
// and lone surrogates count as upright.
bool IsUprightInVertical(char32_t c);
