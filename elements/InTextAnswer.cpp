#include "elements/InTextAnswer.h"

#include "elements/LineEdgeHits.h"
#include "model/EditBox.h"
#include "model/LineMetrics.h"
#include "model/ShowCyukai.h"
#include "model/SlotMarks.h"

namespace {

// Children past the first line belong to no drawn box: the draw filter passes box 0 only.
constexpr int kHiddenBox = 1;
constexpr int kFirstLineFilter[2] = {0, 0};

BOOL FirstLine(const CEditContainer& answer, EDIT_LINE_INFO& line) {
  const CEditBox* box = answer.GetBox(0);
  return box && box->GetLine(0, line);
}

void HideChild(CEditNode& child, int x, int y) {
  child.m_nBox = kHiddenBox;
  child.m_rcHit = RECT{x, y, x, y};
}

BOOL TakeFirstLineExtent(CEditContainer& answer) {
  EDIT_LINE_INFO line;
  if (!FirstLine(answer, line)) return FALSE;
  answer.m_nWidth = line.props.m_nWidth;
  answer.m_nHeight = line.props.m_nHeight;
  answer.m_nAscent = line.props.m_nAscent;
  answer.m_nCenter = line.props.m_nCenter;
  return TRUE;
}

void PlaceChild(CEditNode& child, const EDIT_LINE_INFO& line, const EDIT_LAYOUT_PARAM& param, int x, int top,
                int nInLine, int bVertical) {
  EDIT_LAYOUT_PARAM p = LineChildParam(line, param, x, top);
  child.Arrange(&p, bVertical);
  child.m_rcHit = RECT{x, top, x + child.m_nWidth, top + line.props.m_nHeight};
  child.m_nLine = 0;
  child.m_nInLine = nInLine;
}

}  // namespace

void MeasureAnswer(CEditContainer& answer, CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam) {
  try {
    EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    param.nLineSpacing = 0;
    answer.CEditContainer::Measure(pDC, pMapper, &param);
    TakeFirstLineExtent(answer);
  } catch (...) {
  }
}

void ArrangeAnswer(CEditContainer& answer, const EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  try {
    EDIT_LINE_INFO line;
    if (!pParam || answer.GetChildCount() == 0 || !FirstLine(answer, line)) return;
    const int top = pParam->nY + pParam->nLineHalf - answer.m_nCenter;
    answer.m_rcInk = RECT{pParam->nX, top, pParam->nX + answer.m_nWidth, top + answer.m_nHeight};
    int x = pParam->nX;
    int placed = 0;
    for (int i = 0; i < answer.GetChildCount(); ++i) {
      CEditNode* child = answer.GetEditChildAt(i);
      if (!child) continue;
      if (placed >= line.nCount) {
        HideChild(*child, x, top);
        continue;
      }
      PlaceChild(*child, line, *pParam, x, top, placed, bVertical);
      if (placed++ == 0) {
        line.props.m_rcInk = RECT{x, top, x + line.props.m_nWidth, top + line.props.m_nHeight};
        answer.GetBox(0)->SetLine(0, line);
      }
      x += child->m_nWidth;
    }
  } catch (...) {
  }
}

void DrawAnswer(CEditContainer& answer, CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam) {
  if (!g_bShowCyukai || !pDC) return;
  try {
    EDIT_LAYOUT_PARAM shown = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    shown.pBoxFilter = kFirstLineFilter;
    shown.pPrevBoxLast = nullptr;
    answer.CEditContainer::Draw(pDC, pMapper, &shown);
    if (answer.GetChildCount() > 0) DrawEmptySlotMarks(answer, pDC, pMapper, 0);
  } catch (...) {
  }
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
