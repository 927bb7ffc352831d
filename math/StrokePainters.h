#pragma once
// Marks and fences drawn as strokes so that they stretch with their content. Each painter
// works in device pixels inside a rectangle, with a solid pen of the given width and colour
// that it creates, selects and releases itself. With bTurned set (vertical writing) the
// rectangle is the formula's frame turned a quarter clockwise, and the shape turns with it:
// "over" lies to the right, "left" at the top.

#include "platform/WinTypes.h"

class CDC;

// A circular arc over the base whose highest point lies on the rectangle's middle line; the
// chord runs at nChord below the top.
void DrawArcMark(CDC* pDC, int nPenWidth, const RECT* pRect, int nChord, COLORREF color, BOOL bTurned);
// The arc of DrawArcMark turned about the rectangle's middle line: its lowest point lies on
// that line and its chord runs nChord above the bottom.
void DrawUnderArcMark(CDC* pDC, int nPenWidth, const RECT* pRect, int nChord, COLORREF color, BOOL bTurned);
// A horizontal arrow with filled barbed heads; nDirection 1 right, 2 left, 3 both.
void DrawArrow(CDC* pDC, int nPenWidth, const RECT* pRect, int nHeadLength, int nHeadHeight, int nDirection,
               COLORREF color, BOOL bTurned);
// nSide 1 over-brace, 2 under-brace.
void DrawHorizontalBrace(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned);
// The fences: nSide 1 opening, 2 closing.
void DrawCurlyBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned);
void DrawParenthesis(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned);
void DrawSquareBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned);
void DrawAngleBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned);
void DrawTortoiseShellBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color, BOOL bTurned);
