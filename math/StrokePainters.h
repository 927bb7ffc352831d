#pragma once
// Marks and fences drawn as strokes so that they stretch with their content. Each painter
// works in device pixels inside a rectangle, with a solid pen of the given width and colour
// that it creates, selects and releases itself.

#include "platform/WinTypes.h"

class CDC;

// A circular arc over the base whose highest point lies on the rectangle's middle line; the
// chord runs at nChord below the top.
void DrawArcMark(CDC* pDC, int nPenWidth, const RECT* pRect, int nChord, COLORREF color);
// The arc of DrawArcMark turned about the rectangle's middle line: its lowest point lies on
// that line and its chord runs nChord above the bottom.
void DrawUnderArcMark(CDC* pDC, int nPenWidth, const RECT* pRect, int nChord, COLORREF color);
// A horizontal arrow with filled barbed heads; nDirection 1 right, 2 left, 3 both.
void DrawArrow(CDC* pDC, int nPenWidth, const RECT* pRect, int nHeadLength, int nHeadHeight, int nDirection,
               COLORREF color);
// nSide 1 over-brace, 2 under-brace.
void DrawHorizontalBrace(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color);
// The fences: nSide 1 opening, 2 closing.
void DrawCurlyBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color);
void DrawParenthesis(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color);
void DrawSquareBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color);
void DrawAngleBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color);
void DrawTortoiseShellBracket(CDC* pDC, int nPenWidth, const RECT* pRect, int nSide, COLORREF color);
