#pragma once
// The stretchy marks of the over and under elements, the operator with texts and the sums
// with limits: which characters stretch in which place, and the stroke that paints each.

#include "platform/WinTypes.h"

class CCoordMapper;
class CDC;
class CEditNode;

// The characters that stretch in a slot or stand in a base.
enum class MARK_PLACE {
  TwoPartSlot,    // the text slot of an element with one text or limit
  ThreePartSlot,  // the text slots of an element with two; adds the double arrow
  ThreePartBase,  // the base of an element with two texts: the arrows that widen to them
};

enum MARK_KIND { kNoMark = 0, kKeptMark = 1, kQuarteredMark = 2 };

// Arrows and the overline: laid out a quarter of their height.
BOOL IsQuarteredMark(char16_t c);
// The double arrow and the private-use arrows: an operator widened to its texts.
BOOL IsWideningArrow(char16_t c);
MARK_KIND MarkKind(char16_t c, MARK_PLACE place);
// The kind of the slot whose first node is n: a single mark character closed by its slot
// end, or kNoMark.
MARK_KIND SlotMarkKind(const CEditNode* n, MARK_PLACE place);

// Paints the mark by its first character inside its box, in black. Two-part elements have no
// stroke for the double arrow and the private-use arrows.
void DrawMarkStroke(CDC* pDC, CCoordMapper* pMapper, const CEditNode& mark, BOOL bThreePart);
