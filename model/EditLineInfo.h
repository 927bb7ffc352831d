#pragma once
// One laid-out line of a layout box. Stored raw in archives: the layout is fixed.

#include <cstddef>

#include "model/EditProperties.h"

struct EDIT_LINE_INFO {
  EDIT_LINE_INFO() { Reset(); }
  void Reset();

  CEditProperties props;  // used width, height, ascent, half height and line rectangle
  int nFirst;             // index of the line's first child, -1 when unset
  int nLast;              // index of its last child (sentences), -1 when unset
  int nCount;             // children on the line, floats not counted
  int nCharCount;         // of those, the ones that are not line ends (sentences)
  int nMaxAboveCenter;    // formula containers only
  int nMaxLower;          // greatest height - half height
  int nMaxDescent;        // greatest height - ascent
  int nIndent;            // indent before the first child (sentences)
  int nBlankCount;        // blanks before the last child (sentences)
  int nRemainWidth;       // available width - used width (sentences)
  int bEndedByWidth;      // the next child did not fit (sentences)
  int bWordWrapped;       // cut back to a word start (sentences)
  int nReserved;
  int nMaxFontHeight;     // greatest |lfHeight|
};

static_assert(sizeof(EDIT_LINE_INFO) == 328);
static_assert(offsetof(EDIT_LINE_INFO, nFirst) == 272);
static_assert(offsetof(EDIT_LINE_INFO, nMaxFontHeight) == 324);
