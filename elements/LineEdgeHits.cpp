#include "elements/LineEdgeHits.h"

#include "model/EditBox.h"

CEditNode* FirstChildOnLine(const CEditContainer& container, const EDIT_LINE_INFO& line) {
  return line.nFirst < 0 || line.nCount <= 0 ? nullptr : container.GetEditChildAt(line.nFirst);
}

// Line records come from archives too: the sum is taken wide before the bounds check.
CEditNode* LastChildOnLine(const CEditContainer& container, const EDIT_LINE_INFO& line) {
  if (line.nFirst < 0 || line.nCount <= 0) return nullptr;
  const long long last = (long long)line.nFirst + line.nCount - 1;
  return last < container.GetChildCount() ? container.GetEditChildAt(int(last)) : nullptr;
}

CEditNode* HitBesideLines(const CEditContainer& container, int x, int y, int* pAfter) {
  CEditNode* result = nullptr;
  for (const CEditBox* box : container.m_arrBoxes) {
    if (!box) continue;
    for (const EDIT_LINE_INFO& line : box->m_arrLines) {
      if (CEditNode* hit = HitBesideLine(container, line, x, y, pAfter)) {
        result = hit;
        break;
      }
    }
  }
  return result;
}

CEditNode* HitBesideLine(const CEditContainer& container, const EDIT_LINE_INFO& line, int x, int y, int* pAfter) {
  const RECT& rc = line.props.m_rcInk;
  if (y < rc.top || y > rc.bottom) return nullptr;
  CEditNode* first = FirstChildOnLine(container, line);
  CEditNode* last = LastChildOnLine(container, line);
  if (first && x >= rc.left && x <= first->m_rcInk.left) {
    if (pAfter) *pAfter = 0;
    return first;
  }
  if (last && x >= last->m_rcInk.right && x <= rc.right) {
    if (pAfter) *pAfter = 1;
    return last;
  }
  return nullptr;
}
