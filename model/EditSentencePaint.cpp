#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/EditSentence.h"
#include "model/GdiCache.h"
#include "platform/DC.h"
#include "platform/StockObjects.h"

namespace {

constexpr COLORREF kQuestionColour = 0xFF0000;  // blue
constexpr COLORREF kAnswerColour = 0x0000FF;    // red
constexpr COLORREF kOtherKindColour = 0x808080;
constexpr COLORREF kBoxOutlineColour = 0xC0C0C0;

}  // namespace

// Labels and box outlines help editing on screen; paper gets the content only.
void CEditSentence::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!pDC || !IsVisible()) return;
  try {
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextAlign(TA_BASELINE);
    const BOOL bScreen = !pDC->IsPrinting();
    // Drawing one box (a page of a print preview): the label goes with the first box only.
    const int onlyBox = pParam && pParam->pBoxFilter ? pParam->pBoxFilter[1] : -1;
    if (bScreen && onlyBox <= 0) DrawKindLabel(pDC, pMapper);
    CEditContainer::Draw(pDC, pMapper, pParam);
    if (bScreen) DrawBoxOutlines(pDC, pMapper, onlyBox);
  } catch (...) {
  }
}

void CEditSentence::DrawKindLabel(CDC* pDC, CCoordMapper* pMapper) {
  const COLORREF colour = m_nKind == KindQuestion ? kQuestionColour
                          : m_nKind == KindAnswer ? kAnswerColour
                                                  : kOtherKindColour;
  if (m_nMinor <= 0) {
    RECT frame = m_label.m_rcInk;
    if (pMapper) pMapper->LPtoDPRect(&frame);
    frame.left -= 1;
    frame.top -= 1;
    CPen* oldPen = pDC->SelectObject(GetSolidPen(colour));
    pDC->Rectangle(&frame);
    pDC->SelectObject(oldPen);
  }
  m_label.m_crColor = colour;
  EDIT_LAYOUT_PARAM labelParam{};
  m_label.Draw(pDC, pMapper, &labelParam);
}

void CEditSentence::DrawBoxOutlines(CDC* pDC, CCoordMapper* pMapper, int nOnlyBox) {
  CPen* oldPen = pDC->SelectObject(GetSolidPen(kBoxOutlineColour));
  CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
  for (int b = 0; b < GetBoxCount(); ++b) {
    const CEditBox* box = m_arrBoxes[size_t(b)];
    if (nOnlyBox >= 0 && b != nOnlyBox) continue;
    RECT outline = box->m_props.m_rcInk;
    if (pMapper) pMapper->LPtoDPRect(&outline);
    outline.right += 1;
    outline.bottom += 1;
    pDC->Rectangle(&outline);
  }
  pDC->SelectObject(oldBrush);
  pDC->SelectObject(oldPen);
}
