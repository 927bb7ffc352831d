#pragma once
// Line arithmetic shared by containers and sentences.

#include "model/EditLayoutParam.h"
#include "model/EditLineInfo.h"
#include "platform/WinTypes.h"

class CEditNode;

// Adds a placed child's width and its ascent, half height and extents below to the line.
void AddToLine(EDIT_LINE_INFO& line, const CEditNode& c);

// A line end is as wide as its font's average character when alone on its line, else 0;
// after a character it takes that character's metrics so an empty paragraph keeps its height.
void FitLineEnd(CEditNode& lineEnd, const CEditNode* previous, BOOL bFirstOnLine);

// The parameter record for placing a child on the line at (x, y).
EDIT_LAYOUT_PARAM LineChildParam(const EDIT_LINE_INFO& line, const EDIT_LAYOUT_PARAM& param, int x, int y);
