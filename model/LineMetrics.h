#pragma once
// Line arithmetic shared by the layouts that break their children into lines.

#include "model/EditLayoutParam.h"
#include "model/EditLineInfo.h"
#include "platform/WinTypes.h"

class CEditNode;

// Adds a placed child's width and its ascent, half height and extents below to the line.
void AddToLine(EDIT_LINE_INFO& line, const CEditNode& c);

// Whether c would take the line past nWidth and so starts the next one. A child first on its
// line stays there however wide it is; a line end closes its line whatever room is left.
BOOL OverrunsLine(const EDIT_LINE_INFO& line, const CEditNode& c, int nWidth);

// A line end is as wide as its font's average character when alone on its line, else 0;
// after a character it takes that character's metrics so an empty paragraph keeps its height.
void FitLineEnd(CEditNode& lineEnd, const CEditNode* previous, BOOL bFirstOnLine);

// The parameter record for placing a child on the line at (x, y).
EDIT_LAYOUT_PARAM LineChildParam(const EDIT_LINE_INFO& line, const EDIT_LAYOUT_PARAM& param, int x, int y);
