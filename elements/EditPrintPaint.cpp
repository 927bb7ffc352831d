#include "elements/EditPrint.h"
#include "model/EditBox.h"

// Hidden name fields and parts draw nothing themselves.
void CEditPrint::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!pDC) return;
  try {
    EDIT_LAYOUT_PARAM shared = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    shared.pBoxFilter = nullptr;
    for (CEditKimeiran* field : PageNameFields()) {
      EDIT_LAYOUT_PARAM p = shared;
      field->Draw(pDC, pMapper, &p);
    }
    for (int i = 0; i < GetChildCount(); ++i) {
      EDIT_LAYOUT_PARAM p = shared;
      if (CEditNode* child = GetEditChildAt(i)) child->Draw(pDC, pMapper, &p);
    }
  } catch (...) {
  }
}

void CEditPrint::DrawPage(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam) {
  if (!pDC || !pParam) return;
  try {
    const int page = pParam->nPage;
    SIZE area;
    GetPrintableSize(&area);
    EDIT_LAYOUT_PARAM pageParam = *pParam;
    pageParam.nX = m_nMarginLeft;
    pageParam.nY = m_nMarginTop;
    pageParam.nWidth2 = area.cx;
    pageParam.nHeight = area.cy;
    pageParam.pBoxFilter = nullptr;
    if (IsNameFieldPage(page)) {
      for (CEditKimeiran* field : PageNameFields()) {
        EDIT_LAYOUT_PARAM p = pageParam;
        if (field->m_nPage == page) field->Draw(pDC, pMapper, &p);
      }
    }
    for (int i = 0; i < GetChildCount(); ++i)
      if (auto* child = dynamic_cast<CEditContainer*>(GetChildAt(i))) DrawPageChild(pDC, pMapper, *child, page);
  } catch (...) {
  }
}

// Each box of the page is drawn alone; the last child drawn before it carries the runs
// (underlines, borders) that continue across the box boundary.
void CEditPrint::DrawPageChild(CDC* pDC, CCoordMapper* pMapper, CEditContainer& child, int nPage) {
  CEditNode* last = nullptr;
  for (int i = 0; i < child.GetChildCount(); ++i) {
    CEditNode* node = child.GetEditChildAt(i);
    if (!node) continue;
    if (node->m_nPage >= nPage) break;
    last = node;
  }
  for (int b = 0; b < child.GetBoxCount(); ++b) {
    const CEditBox* box = child.GetBox(b);
    if (!box || box->m_props.m_nPage != nPage) continue;
    const int filter[2] = {0, b};
    EDIT_LAYOUT_PARAM p{};
    p.pBoxFilter = filter;
    p.pPrevBoxLast = last;
    child.Draw(pDC, pMapper, &p);
    last = p.pPrevBoxLast;
  }
}
