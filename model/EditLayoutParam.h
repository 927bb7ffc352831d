#pragma once
// The parameter record of Measure, Arrange and Draw. A parent zero-fills a fresh record for
// each call on a child and sets only the fields that child uses.

class CEditNode;
class CFont;

// The room of the columns that a child cut into page-column boxes goes on to: the k-th
// column after the one its first box starts in (k from 1). Without it every such column
// has the full column height.
class CColumnRooms {
 public:
  virtual ~CColumnRooms() = default;
  virtual int RoomOfColumnAfter(int k) const = 0;
};

struct EDIT_LAYOUT_PARAM {
  int nWidth;          // available width
  int nWidth2;         // the sheet's content width, or a container's own available width
  int nHeight;         // available height, passed on to children
  int nPage;           // page placed on, from 1
  int nColumnWidth;
  int nPageHeight;     // height of a page column
  int nColumn;         // column on the page, from 1
  int nX;              // left edge for Arrange
  int nY;              // Measure: distance from the column top to the first box; Arrange: top edge
  int nLineAscent;     // ascent of the line the child sits on
  int nLineHalf;       // half height of the line the child sits on
  int nLineSpacing;
  int nLetterSpacing;
  CFont* hFont;        // a font already made for the child, or null
  int nBox;            // box to place
  const int* pBoxFilter;     // pair of ints, the second the box to draw; null draws every child
  CEditNode* pPrevBoxLast;   // in: last child drawn in the previous box; out: of this box
  const CColumnRooms* pColumnRooms;  // Measure: room of the later columns, or null
};

// The fresh record a parent measures a child with: the available extents and the spacing.
inline EDIT_LAYOUT_PARAM ChildMeasureParam(const EDIT_LAYOUT_PARAM& parent, int nWidth2) {
  EDIT_LAYOUT_PARAM p{};
  p.nWidth = parent.nWidth;
  p.nWidth2 = nWidth2;
  p.nHeight = parent.nHeight;
  p.nLineSpacing = parent.nLineSpacing;
  p.nLetterSpacing = parent.nLetterSpacing;
  return p;
}

// Whether a child given b would be laid out as it was with a: every field but the rooms of
// the later columns, which the callers compare by their answers.
inline bool SameLayoutParam(const EDIT_LAYOUT_PARAM& a, const EDIT_LAYOUT_PARAM& b) {
  return a.nWidth == b.nWidth && a.nWidth2 == b.nWidth2 && a.nHeight == b.nHeight && a.nPage == b.nPage &&
         a.nColumnWidth == b.nColumnWidth && a.nPageHeight == b.nPageHeight && a.nColumn == b.nColumn &&
         a.nX == b.nX && a.nY == b.nY && a.nLineAscent == b.nLineAscent && a.nLineHalf == b.nLineHalf &&
         a.nLineSpacing == b.nLineSpacing && a.nLetterSpacing == b.nLetterSpacing && a.hFont == b.hFont &&
         a.nBox == b.nBox && a.pBoxFilter == b.pBoxFilter && a.pPrevBoxLast == b.pPrevBoxLast;
}
