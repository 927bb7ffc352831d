#include "elements/EditCyukai.h"

#include <cstdlib>
#include <memory>

#include "elements/CaretExitLeft.h"
#include "elements/InTextAnswer.h"
#include "model/DefaultFonts.h"
#include "model/EditCR.h"
#include "model/GdiCache.h"
#include "model/ShowCyukai.h"

IMPLEMENT_SERIAL(CEditCyukai, CEditContainer, 1)

CEditCyukai::CEditCyukai() : CEditContainer(NTYPE_EDITCYUKAI) {}

void CEditCyukai::AppendLineEnd() {
  try {
    auto lineEnd = std::make_unique<CEditCR>();
    if (AppendChild(lineEnd.get()) < 0) return;
    lineEnd.release();
    LOGFONTA lf;
    GetDefaultFont(&lf, g_bVerticalWriting);
    lf.lfHeight = -std::abs(GetDefaultHeight());
    SetLogFont(lf, nullptr);
  } catch (...) {
  }
}

void CEditCyukai::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    param.nLineSpacing = 0;
    CEditContainer::Measure(pDC, pMapper, &param);
    TakeFirstLineExtent(*this);
  } catch (...) {
  }
}

void CEditCyukai::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam) return;
  try {
    ArrangeFirstLine(*this, *pParam, bVertical);
  } catch (...) {
  }
}

void CEditCyukai::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!g_bShowCyukai || !pDC) return;
  try {
    EDIT_LAYOUT_PARAM shown = ShownChildrenParam(pParam);
    CEditContainer::Draw(pDC, pMapper, &shown);
    if (GetChildCount() > 0) MarkEmptySlots(*this, pDC, pMapper);
  } catch (...) {
  }
}

CEditNode* CEditCyukai::NodeFromPoint(int x, int y, int* pAfter) { return AnswerNodeFromPoint(*this, x, y, pAfter); }

CEditNode* CEditCyukai::MoveCaretLeft(CEditCaret* pCaret, BOOL bExtend) {
  return MoveCaretLeftOrLeave(*this, pCaret, bExtend);
}
