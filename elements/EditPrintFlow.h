#pragma once
// The walk that puts a sheet's name fields and layout boxes into pages, columns and rows.
// Measuring, the screen and printing all run it, so a box lands in the same page and column
// in each: a print equals its preview.

#include <functional>
#include <vector>

#include "model/EditLayoutParam.h"
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
  // The room of the column k columns after (nPage, nColumn from 1): the column height less
  // the name field its page will carry.
  int ColumnRoomAfter(int nPage, int nColumn, int k) const;

 private:
  void MoveOnFor(int nHeight);
  void NextColumnOrPage();
  void NewPage();
  void PlaceNameField();
  // The height of the name field that a page not yet left or reached carries.
  int NameFieldHeightOn(int nPage) const;
};

// The rooms of the columns after a child's first column, as the flow will fill them.
class CFlowColumnRooms : public CColumnRooms {
 public:
  CFlowColumnRooms(const PAGE_FLOW& flow, int nPage, int nColumn) : m_flow(flow), m_nPage(nPage), m_nColumn(nColumn) {}
  int RoomOfColumnAfter(int k) const override { return m_flow.ColumnRoomAfter(m_nPage, m_nColumn, k); }

 private:
  const PAGE_FLOW& m_flow;
  int m_nPage;
  int m_nColumn;
};
