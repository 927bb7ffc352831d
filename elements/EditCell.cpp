#include "elements/EditCell.h"

#include "elements/EditTable.h"
#include "elements/Units.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/EditCR.h"
#include "model/EditCaret.h"
#include "platform/DC.h"
#include "platform/StockObjects.h"

IMPLEMENT_SERIAL(CEditCell, CEditContainer, 1)

CEditCell::CEditCell() : CEditContainer(NTYPE_EDITCELL) { m_bCaretStop = 0; }

CEditCell::~CEditCell() = default;

void CEditCell::Init() {
  m_nBorderStyle = LS_SOLID;
  m_nBorderWidth = PointsToHimetric(0, 5);
  try {
    auto* lineEnd = new CEditCR;
    if (AppendChild(lineEnd) < 0) delete lineEnd;
  } catch (...) {
  }
}

CEditNode* CEditCell::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* child = GetEditChildAt(i);
      if (!child) continue;
      if (CEditNode* hit = child->NodeFromPoint(x, y, pAfter)) return hit;
    }
    return NodeBesideLines(x, y, pAfter);
  } catch (...) {
    return nullptr;
  }
}

// A point inside the cell but left of a line's first child or right of its last one
// answers that child.
CEditNode* CEditCell::NodeBesideLines(int x, int y, int* pAfter) {
  if (x < m_rcInk.left || x > m_rcInk.right) return nullptr;
  CEditNode* found = nullptr;
  int foundAfter = 0;
  for (const CEditBox* box : m_arrBoxes) {
    for (const EDIT_LINE_INFO& line : box->m_arrLines) {
      if (y < line.props.m_rcInk.top || y > line.props.m_rcInk.bottom) continue;
      CEditNode* first = GetEditChildAt(line.nFirst);
      // Stored boxes are read from archives: keep the index arithmetic in range.
      const long long lastIndex = static_cast<long long>(line.nFirst) + line.nCount - 1;
      CEditNode* last = lastIndex >= 0 && lastIndex < GetChildCount() ? GetEditChildAt(int(lastIndex)) : nullptr;
      if (first && x <= first->m_rcInk.left) {
        found = first, foundAfter = 0;
        break;
      }
      if (last && x >= last->m_rcInk.right) {
        found = last, foundAfter = 1;
        break;
      }
    }
  }
  if (found && pAfter) *pAfter = foundAfter;
  return found;
}

void CEditCell::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  CEditContainer::Draw(pDC, pMapper, pParam);
  try {
    if (pDC && m_nBorderStyle == LS_SOLID && IsVisible()) DrawFrame(pDC, pMapper);
  } catch (...) {
  }
}

// The frame has the column width and row height from the table, one pixel wider and
// taller so that neighbouring frames share their lines.
void CEditCell::DrawFrame(CDC* pDC, CCoordMapper* pMapper) {
  SIZE penSize{m_nBorderWidth, m_nBorderWidth};
  RECT frame{m_rcInk.left, m_rcInk.top, m_rcInk.left + m_nReserved1, m_rcInk.top + m_nReserved2};
  if (pMapper) {
    pMapper->LPtoDPSize(&penSize);
    pMapper->LPtoDPRect(&frame);
  }
  ++frame.right;
  ++frame.bottom;
  CPen pen(PS_SOLID, penSize.cx, COLORREF(0));
  CPen* oldPen = pDC->SelectObject(&pen);
  CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
  pDC->Rectangle(&frame);
  pDC->SelectObject(oldBrush);
  pDC->SelectObject(oldPen);
}
