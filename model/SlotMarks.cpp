#include "model/SlotMarks.h"

#include "model/CoordMapper.h"
#include "model/EditContainer.h"
#include "model/GdiCache.h"
#include "platform/DC.h"
#include "platform/StockObjects.h"

void DrawEmptySlotMarks(const CEditContainer& container, CDC* pDC, CCoordMapper* pMapper, int nOnlyBox) {
  if (!pDC || pDC->IsPrinting()) return;
  CGdiObject* oldPen = pDC->SelectStockObject(NULL_PEN);
  CBrush* oldBrush = pDC->SelectObject(GetSolidBrush(RGB(0, 255, 0)));
  for (int i = 0; i < container.GetChildCount(); ++i) {
    const CEditNode* child = container.GetEditChildAt(i);
    if (!child || child->m_nType != NTYPE_EDITMATHCR || child->m_nInLine != 0) continue;
    if (nOnlyBox >= 0 && child->m_nBox != nOnlyBox) continue;
    RECT rc = child->m_rcInk;
    if (pMapper) pMapper->LPtoDPRect(&rc);
    pDC->Rectangle(rc.left, rc.top, rc.right + 1, rc.bottom + 1);
  }
  if (oldBrush) pDC->SelectObject(oldBrush);
  if (oldPen) pDC->SelectObject(oldPen);
}
