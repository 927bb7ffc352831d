#pragma once
// The walk that puts a sheet's name fields and layout boxes into pages, columns and rows.
// Measuring, the screen and printing all run it, so a box lands in the same page and column
// in each: a print equals its preview.

#include <functional>
#include <vector>

#include "platform/WinTypes.h"

class CEditNode;
class CEditKimeiran;

struct PAGE_GEOMETRY {
  int nWidth;         // printable width
  int nHeight;        // printable height, the height of a column
  int nColumns;       // at least 1
  int nColumnWidth;
  int nColumnGap;
};

// One unit placed by the flow, in coordinates of its page's printable area.
struct PLACED_UNIT {
  CEditNode* pNode;
  int nBox;
  int nPage;
  int nX;
  int nY;
  int nRoom;        // from nX to the right edge of the column (of the area for a name field)
  int nFullWidth;   // column width, or the printable width for a name field
  BOOL bNameField;
};

struct PAGE_FLOW {
  PAGE_GEOMETRY geometry;
  std::function<BOOL(int)> hasNameField;    // by page number
  std::vector<CEditKimeiran*> nameFields;   // the per-page copies in page order
  std::function<void(const PLACED_UNIT&)> place;

  int page = 1;
  int column = 0;  // from 0
  int columnX = 0;
  int rowX = 0;
  int rowHeight = 0;
  int previousWidth = 0;
  int y = 0;
  int nameFieldHeight = 0;  // of the current page's name field; every column starts below it
  int nextNameField = 0;
  BOOL forced = FALSE;      // a page break was passed: the next box starts a new page

  void Begin();
  void StartChild(BOOL bAfterPageBreak);
  // Where the next box starts when it opens a new row: what a child is measured for.
  void NextStart(int* pPage, int* pColumn, int* pY) const;
  void PlaceBox(CEditNode* pNode, int nBox, int nHeight, int nWidth);

 private:
  void NextColumnOrPage();
  void NewPage();
  void PlaceNameField();
  int PeekNameFieldHeight(int nPage) const;
};
