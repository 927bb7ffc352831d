#include <algorithm>

#include "elements/EditPrint.h"
#include "elements/EditPrintFlow.h"

// The record is not read: the page setup and the spacing are the root's own.
void CEditPrint::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  try {
    // Each further pass shows at least one more name field, so the passes are bounded.
    for (int pass = 0; pass <= m_nodePageKimeiran.GetChildCount(); ++pass)
      if (!MeasurePass(pDC, pMapper)) break;
  } catch (...) {
  }
}

// Answers TRUE when a name field that was hidden falls on a page now and needs measuring.
BOOL CEditPrint::MeasurePass(CDC* pDC, CCoordMapper* pMapper) {
  SIZE area;
  GetPrintableSize(&area);
  m_nWidth = area.cx;
  m_nHeight = 0;
  MeasureNameFields(pDC, pMapper);
  PAGE_FLOW flow = MakeFlow();
  flow.Begin();
  FlowChildren(flow, [&](CEditNode& child) {
    EDIT_LAYOUT_PARAM childParam = ChildMeasureParam(flow);
    const CFlowColumnRooms rooms(flow, childParam.nPage, childParam.nColumn);
    childParam.pColumnRooms = &rooms;
    child.Measure(pDC, pMapper, &childParam);
    m_nWidth = std::max(m_nWidth, child.m_nWidth);
    m_nHeight += child.m_nHeight;
  });
  return ShowPlacedNameFields(flow.nextNameField);
}

void CEditPrint::MeasureNameFields(CDC* pDC, CCoordMapper* pMapper) {
  SIZE area;
  GetPrintableSize(&area);
  EDIT_LAYOUT_PARAM fieldParam{};
  fieldParam.nWidth = fieldParam.nWidth2 = fieldParam.nColumnWidth = area.cx;
  fieldParam.nHeight = fieldParam.nPageHeight = area.cy;
  fieldParam.nPage = 1;
  fieldParam.nColumn = 1;
  fieldParam.nLineSpacing = m_nLineSpacing;
  fieldParam.nLetterSpacing = m_nLetterSpacing;
  EDIT_LAYOUT_PARAM templateParam = fieldParam;
  m_kimeiran.Measure(pDC, pMapper, &templateParam);
  for (CEditKimeiran* field : PageNameFields()) {
    EDIT_LAYOUT_PARAM copyParam = fieldParam;
    field->Measure(pDC, pMapper, &copyParam);
  }
}

EDIT_LAYOUT_PARAM CEditPrint::ChildMeasureParam(const PAGE_FLOW& flow) const {
  EDIT_LAYOUT_PARAM p{};
  flow.NextStart(&p.nPage, &p.nColumn, &p.nY);
  p.nWidth = p.nColumnWidth = flow.geometry.nColumnWidth;
  p.nWidth2 = flow.geometry.nWidth;
  p.nHeight = p.nPageHeight = flow.geometry.nHeight;
  p.nLineSpacing = m_nLineSpacing;
  p.nLetterSpacing = m_nLetterSpacing;
  return p;
}

// The copies on the pages reached are shown, the rest hidden (2), so that no copy is drawn
// where it was placed for a page that no longer exists.
BOOL CEditPrint::ShowPlacedNameFields(int nPlaced) {
  BOOL shown = FALSE;
  const std::vector<CEditKimeiran*> fields = PageNameFields();
  for (int i = 0; i < int(fields.size()); ++i) {
    CEditKimeiran* field = fields[size_t(i)];
    if (i >= nPlaced) {
      field->m_bHidden = 2;
    } else if (field->m_bHidden) {
      field->m_bHidden = 0;
      field->SetNeedsMeasureRecursive(1);
      shown = TRUE;
    }
  }
  return shown;
}
