#include "elements/InTextAnswer.h"

#include "elements/LineEdgeHits.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/GdiCache.h"
#include "platform/DC.h"
#include "platform/StockObjects.h"

namespace {

// Children past the first line belong to no drawn box: the draw filter passes box 0 only.
constexpr int kHiddenBox = 1;
constexpr int kFirstLineFilter[2] = {0, 0};
constexpr COLORREF kSlotMark = 0x00FF00;

BOOL FirstLine(const CEditContainer& answer, EDIT_LINE_INFO& line) {
  const CEditBox* box = answer.GetBox(0);
  return box && box->GetLine(0, line);
}

void HideChild(CEditNode& child, int x, int y) {
  child.m_nBox = kHiddenBox;
  child.m_rcHit = RECT{x, y, x, y};
}

}  // namespace

BOOL TakeFirstLineExtent(CEditContainer& answer) {
  EDIT_LINE_INFO line;
  if (!FirstLine(answer, line)) return FALSE;
  answer.m_nWidth = line.props.m_nWidth;
  answer.m_nHeight = line.props.m_nHeight;
  answer.m_nAscent = line.props.m_nAscent;
  answer.m_nCenter = line.props.m_nCenter;
  return TRUE;
}

void ArrangeFirstLine(CEditContainer& answer, const EDIT_LAYOUT_PARAM& param, int bVertical) {
  EDIT_LINE_INFO line;
  if (answer.GetChildCount() == 0 || !FirstLine(answer, line)) return;
  const int top = param.nY + param.nLineHalf - answer.m_nCenter;
  answer.m_rcInk = RECT{param.nX, top, param.nX + answer.m_nWidth, top + answer.m_nHeight};
  int x = param.nX;
  int placed = 0;
  for (int i = 0; i < answer.GetChildCount(); ++i) {
    CEditNode* child = answer.GetEditChildAt(i);
    if (!child) continue;
    if (placed >= line.nCount) {
      HideChild(*child, x, top);
      continue;
    }
    EDIT_LAYOUT_PARAM p{};
    p.nX = x;
    p.nY = top;
    p.nLineAscent = line.props.m_nAscent;
    p.nLineHalf = line.props.m_nCenter;
    p.nLineSpacing = param.nLineSpacing;
    p.nLetterSpacing = param.nLetterSpacing;
    child->Arrange(&p, bVertical);
    child->m_rcHit = RECT{x, top, x + child->m_nWidth, top + line.props.m_nHeight};
    child->m_nLine = 0;
    child->m_nInLine = placed;
    if (placed++ == 0) {
      line.props.m_rcInk = RECT{x, top, x + line.props.m_nWidth, top + line.props.m_nHeight};
      answer.GetBox(0)->SetLine(0, line);
    }
    x += child->m_nWidth;
  }
}

EDIT_LAYOUT_PARAM ShownChildrenParam(const EDIT_LAYOUT_PARAM* pParam) {
  EDIT_LAYOUT_PARAM p = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
  p.pBoxFilter = kFirstLineFilter;
  p.pPrevBoxLast = nullptr;
  return p;
}

void MarkEmptySlots(const CEditContainer& answer, CDC* pDC, CCoordMapper* pMapper) {
  if (!pDC || pDC->IsPrinting()) return;
  CPen* oldPen = pDC->GetCurrentPen();
  CBrush* oldBrush = pDC->GetCurrentBrush();
  for (int i = 0; i < answer.GetChildCount(); ++i) {
    const CEditNode* child = answer.GetEditChildAt(i);
    if (!child || child->m_nType != NTYPE_EDITMATHCR || child->m_nInLine != 0 || child->m_nBox != 0) continue;
    RECT rc = child->m_rcInk;
    if (pMapper) pMapper->LPtoDPRect(&rc);
    ++rc.right;
    ++rc.bottom;
    pDC->SelectStockObject(NULL_PEN);
    pDC->SelectObject(GetSolidBrush(kSlotMark));
    pDC->Rectangle(&rc);
  }
  if (oldPen) pDC->SelectObject(oldPen);
  if (oldBrush) pDC->SelectObject(oldBrush);
}

CEditNode* AnswerNodeFromPoint(const CEditContainer& answer, int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < answer.GetChildCount(); ++i)
      if (CEditNode* child = answer.GetEditChildAt(i); child && child->m_nBox != kHiddenBox)
        if (CEditNode* hit = child->NodeFromPoint(x, y, pAfter)) return hit;
    return HitBesideLines(answer, x, y, pAfter);
  } catch (...) {
    return nullptr;
  }
}
