#pragma once
// The Unicode vertical-orientation property, reduced to what vertical drawing needs.

// TRUE when the character stands upright in vertical text (orientation U, Tu or Tr);
// otherwise it is turned 90 degrees clockwise. Surrogates count as upright ideographs.
bool IsUprightInVertical(char16_t c);
