#include "elements/EditPrint.h"
#include "elements/EditPrintFlow.h"
#include "model/EditBox.h"

// Page k of the stack starts m_nPageGapY below page k - 1 and m_nPageGapX from the left.
void CEditPrint::Arrange(EDIT_LAYOUT_PARAM*, int bVertical) {
  try {
    PAGE_FLOW flow = MakeFlow();
    flow.place = [&](const PLACED_UNIT& unit) {
      StampPage(unit);
      unit.pNode->m_nPage = unit.nPage;
      const int pageTop = m_nPageGapY * unit.nPage + (unit.nPage - 1) * m_page.m_nPageHeight;
      PlaceUnit(unit, m_nPageGapX + m_nMarginLeft + unit.nX, pageTop + m_nMarginTop + unit.nY, bVertical);
    };
    flow.Begin();
    FlowChildren(flow, nullptr);
    m_nPageCount = flow.page;
  } catch (...) {
  }
}

// The whole sheet is walked as on screen, so the page's boxes take the same columns; only
// the page's own units are placed, at the margins.
void CEditPrint::ArrangePage(const EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam) return;
  try {
    const int page = pParam->nPage;
    PAGE_FLOW flow = MakeFlow();
    flow.place = [&](const PLACED_UNIT& unit) {
      StampPage(unit);
      if (unit.nPage == page) PlaceUnit(unit, m_nMarginLeft + unit.nX, m_nMarginTop + unit.nY, bVertical);
    };
    flow.Begin();
    FlowChildren(flow, nullptr);
  } catch (...) {
  }
}

// Box page numbers and the name fields' pages are what DrawPage selects by.
void CEditPrint::StampPage(const PLACED_UNIT& unit) {
  if (unit.bNameField) unit.pNode->m_nPage = unit.nPage;
  auto* container = dynamic_cast<CEditContainer*>(unit.pNode);
  if (CEditBox* box = container ? container->GetBox(unit.nBox) : nullptr) box->m_props.m_nPage = unit.nPage;
}

void CEditPrint::PlaceUnit(const PLACED_UNIT& unit, int nX, int nY, int bVertical) const {
  SIZE area;
  GetPrintableSize(&area);
  EDIT_LAYOUT_PARAM p{};
  p.nWidth = unit.nRoom;
  p.nWidth2 = unit.nFullWidth;
  p.nX = nX;
  p.nY = nY;
  p.nHeight = area.cy;
  p.nPage = unit.nPage;
  p.nBox = unit.nBox;
  p.nLineSpacing = m_nLineSpacing;
  p.nLetterSpacing = m_nLetterSpacing;
  unit.pNode->Arrange(&p, bVertical);
}
