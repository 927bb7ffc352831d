#pragma once
// The green marks over empty formula slots, drawn on screen only.

class CCoordMapper;
class CDC;
class CEditContainer;

// Marks every slot end that stands first on its line (an empty slot), widened by one pixel to
// the right and downwards; with nOnlyBox 0 or more, only slot ends of that box.
void DrawEmptySlotMarks(const CEditContainer& container, CDC* pDC, CCoordMapper* pMapper, int nOnlyBox = -1);
