#include "elements/EditPrintFlow.h"

#include <algorithm>

#include "elements/EditKimeiran.h"
#include "model/EditBox.h"

namespace {

int FirstBoxHeight(const CEditKimeiran* pField) {
  const CEditBox* box = pField ? pField->GetBox(0) : nullptr;
  return box ? int(box->m_props.m_nHeight) : 0;
}

}  // namespace

void PAGE_FLOW::Begin() {
  page = 0;
  nextNameField = 0;
  NewPage();
}

void PAGE_FLOW::StartChild(BOOL bAfterPageBreak) {
  if (bAfterPageBreak) forced = TRUE;
}

void PAGE_FLOW::NextStart(int* pPage, int* pColumn, int* pY) const {
  const int top = y + rowHeight;
  if (!forced && top < geometry.nHeight) {
    *pPage = page;
    *pColumn = column + 1;
    *pY = top;
  } else if (!forced && column + 1 < geometry.nColumns) {
    *pPage = page;
    *pColumn = column + 2;
    *pY = nameFieldHeight;
  } else {
    *pPage = page + 1;
    *pColumn = 1;
    *pY = NameFieldHeightOn(page + 1);
  }
}

void PAGE_FLOW::PlaceBox(CEditNode* pNode, int nBox, int nHeight, int nWidth) {
  MoveOnFor(nHeight);
  if (previousWidth + nWidth + rowX > geometry.nColumnWidth) {
    y += rowHeight;
    rowX = 0;
    rowHeight = 0;
  } else {
    rowX += previousWidth;
  }
  if (place) place({pNode, nBox, page, columnX + rowX, y, geometry.nColumnWidth - rowX, geometry.nColumnWidth, FALSE});
  previousWidth = nWidth;
  rowHeight = std::max(rowHeight, nHeight);
}

// The overflow test assumes the box opens a new row. A box that moved is tested again while
// it lands below a name field it does not fit under; a box too tall for any column moves
// once and stays.
void PAGE_FLOW::MoveOnFor(int nHeight) {
  BOOL moved = FALSE;
  if (nHeight + rowHeight + y > geometry.nHeight) {
    NextColumnOrPage();
    moved = TRUE;
  }
  if (forced) {
    NewPage();
    moved = TRUE;
  }
  const BOOL fitsAColumn = nHeight <= geometry.nHeight;
  while (moved && fitsAColumn && nHeight + y > geometry.nHeight) NextColumnOrPage();
}

void PAGE_FLOW::NextColumnOrPage() {
  if (++column >= geometry.nColumns) {
    NewPage();
    return;
  }
  columnX += geometry.nColumnGap + geometry.nColumnWidth;
  rowX = 0;
  rowHeight = 0;
  previousWidth = 0;
  y = nameFieldHeight;
}

void PAGE_FLOW::NewPage() {
  ++page;
  column = 0;
  columnX = 0;
  rowX = 0;
  rowHeight = 0;
  previousWidth = 0;
  y = 0;
  nameFieldHeight = 0;
  forced = FALSE;
  PlaceNameField();
}

// A page flagged for a name field that has no copy left is laid out without one.
void PAGE_FLOW::PlaceNameField() {
  if (!hasNameField || !hasNameField(page) || nextNameField >= int(nameFields.size())) return;
  CEditKimeiran* field = nameFields[size_t(nextNameField++)];
  if (place) place({field, 0, page, 0, 0, geometry.nWidth, geometry.nWidth, TRUE});
  nameFieldHeight = FirstBoxHeight(field);
  y = nameFieldHeight;
}

int PAGE_FLOW::NameFieldHeightOn(int nPage) const {
  if (nPage == page) return nameFieldHeight;
  if (nPage < page || !hasNameField || !hasNameField(nPage)) return 0;
  // The copies go to the flagged pages in order.
  int index = nextNameField;
  for (int p = page + 1; p < nPage && index < int(nameFields.size()); ++p)
    if (hasNameField(p)) ++index;
  return index < int(nameFields.size()) ? FirstBoxHeight(nameFields[size_t(index)]) : 0;
}

int PAGE_FLOW::ColumnRoomAfter(int nPage, int nColumn, int k) const {
  for (int i = 0; i < k; ++i) {
    if (++nColumn > geometry.nColumns) {
      nColumn = 1;
      ++nPage;
    }
  }
  return geometry.nHeight - NameFieldHeightOn(nPage);
}
