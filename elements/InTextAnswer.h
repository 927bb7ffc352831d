#pragma once
// What the text and formula answers written into running text share: they lay out on one
// line, centred on the line by half heights, and show or hide with g_bShowCyukai.

#include "model/EditContainer.h"

// After the container measure: the answer's extent becomes that of its first line. FALSE
// without a line.
BOOL TakeFirstLineExtent(CEditContainer& answer);
// Places the first line's children side by side; children on later lines are not shown and
// cannot be hit.
void ArrangeFirstLine(CEditContainer& answer, const EDIT_LAYOUT_PARAM& param, int bVertical);
// The drawing record that restricts the container drawing to the shown children.
EDIT_LAYOUT_PARAM ShownChildrenParam(const EDIT_LAYOUT_PARAM* pParam);
// On screen only: a green box at each empty formula slot among the shown children.
void MarkEmptySlots(const CEditContainer& answer, CDC* pDC, CCoordMapper* pMapper);
// Every child is asked, hidden or not; then the edges of the answer's lines.
CEditNode* AnswerNodeFromPoint(const CEditContainer& answer, int x, int y, int* pAfter);
