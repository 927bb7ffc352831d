#pragma once
// A big-operator sign that an element holds beside its children and draws itself: the text
// from the top-left corner of its box, in its own font.

#include "math/EditMathChar.h"

class CSignGlyph : public CEditMathChar {
 public:
  explicit CSignGlyph(char16_t ch);

  // The sign with its top-left corner at the point; bScaled applies the stretch and the
  // baseline shift of the character's own font.
  void DrawSign(CDC* pDC, CCoordMapper* pMapper, POINT topLeft, COLORREF color, BOOL bRed, BOOL bScaled);
};
