#pragma once
// Hits beside the laid-out lines of a container: a click in a line's rectangle before its first
// child or after its last one gives that child.

#include "model/EditContainer.h"

struct EDIT_LINE_INFO;

// The first and last children the line record counts; null when it counts none.
CEditNode* FirstChildOnLine(const CEditContainer& container, const EDIT_LINE_INFO& line);
CEditNode* LastChildOnLine(const CEditContainer& container, const EDIT_LINE_INFO& line);

// Within the line's height, x from the line's left to its first child's left gives that child
// (after 0), x from its last child's right to the line's right the last child (after 1).
CEditNode* HitBesideLine(const CEditContainer& container, const EDIT_LINE_INFO& line, int x, int y, int* pAfter);

// Searches every layout box line by line: within a line's height, x from the line's left to its
// first child's left gives that child (after 0), x from its last child's right to the line's
// right the last child (after 1). A box's search ends at its first hit; a later box's hit
// replaces an earlier one.
CEditNode* HitBesideLines(const CEditContainer& container, int x, int y, int* pAfter);
