#include "elements/EditPrint.h"

#include <algorithm>

#include "elements/EditFloat.h"
#include "elements/EditPrintFlow.h"
#include "model/EditBox.h"
#include "model/FoPageElements.h"

IMPLEMENT_SERIAL(CEditPrint, CEditContainer, 1)

CEditPrint::CEditPrint() : CEditContainer(NTYPE_EDITPRINT), m_nodePageKimeiran(0) {
  m_bCaretStop = 0;
  m_nodePageKimeiran.m_bCaretStop = 0;
}

CEditPrint::~CEditPrint() = default;

void CEditPrint::GetPageSize(SIZE* pSize) const {
  if (pSize) *pSize = SIZE{m_page.m_nPageWidth, m_page.m_nPageHeight};
}

void CEditPrint::SetPageSize(const SIZE* pSize) {
  if (!pSize) return;
  m_page.m_nPageWidth = pSize->cx;
  m_page.m_nPageHeight = pSize->cy;
}

void CEditPrint::GetMargins(RECT* pMargins) const {
  if (pMargins) *pMargins = RECT{m_nMarginLeft, m_nMarginTop, m_nMarginRight, m_nMarginBottom};
}

void CEditPrint::SetMargins(const RECT* pMargins) {
  if (!pMargins) return;
  m_nMarginLeft = pMargins->left;
  m_nMarginTop = pMargins->top;
  m_nMarginRight = pMargins->right;
  m_nMarginBottom = pMargins->bottom;
}

void CEditPrint::GetPrintableSize(SIZE* pSize) const {
  if (!pSize) return;
  pSize->cx = m_page.m_nPageWidth - m_nMarginLeft - m_nMarginRight;
  pSize->cy = m_page.m_nPageHeight - m_nMarginTop - m_nMarginBottom;
}

void CEditPrint::GetCanvasSize(SIZE* pSize) const {
  if (!pSize) return;
  pSize->cx = m_nPageGapX + m_page.m_nPageWidth + 3000;
  pSize->cy = (m_nPageGapY + m_page.m_nPageHeight) * m_nPageCount + 3000;
}

void CEditPrint::SetNeedsMeasure(BOOL b) {
  m_bNeedsMeasure = b;
  for (CEditKimeiran* field : PageNameFields()) field->SetNeedsMeasureRecursive(b);
  for (int i = 0; i < GetChildCount(); ++i)
    if (CEditNode* child = GetEditChildAt(i)) child->SetNeedsMeasureRecursive(b);
}

BOOL CEditPrint::IsNameFieldPage(int nPage) const {
  if (nPage < 1 || nPage > kPageTableSize) return FALSE;
  return m_aPageKimeiran[nPage - 1].bNameField != 0;
}

void CEditPrint::SetNameFieldPage(int nPage, int nValue) {
  if (nPage >= 1 && nPage <= kPageTableSize) m_aPageKimeiran[nPage - 1].bNameField = nValue;
}

int CEditPrint::GetQuestionParts(CEditSentence* pSentence, std::vector<CEditSentence*>& parts) {
  parts.clear();
  if (!pSentence) return 0;
  for (CQVXMLNode* child : m_arrChildren) {
    if (!child || child->m_nType != NTYPE_EDITSENTENCE) continue;
    auto* part = dynamic_cast<CEditSentence*>(child);
    if (part && part->m_nMajor == pSentence->m_nMajor && part->m_nMinor == pSentence->m_nMinor) parts.push_back(part);
  }
  return int(parts.size());
}

CEditFloat* CEditPrint::FindEmptyFloat() const { return dynamic_cast<CEditFloat*>(::FindEmptyFloat(this)); }

std::vector<CEditKimeiran*> CEditPrint::PageNameFields() const {
  std::vector<CEditKimeiran*> fields;
  for (int i = 0; i < m_nodePageKimeiran.GetChildCount(); ++i)
    if (auto* field = dynamic_cast<CEditKimeiran*>(m_nodePageKimeiran.GetChildAt(i))) fields.push_back(field);
  return fields;
}

PAGE_FLOW CEditPrint::MakeFlow() const {
  SIZE area;
  GetPrintableSize(&area);
  const int columns = std::max<int>(m_page.m_nColumnCount, 1);
  const int columnWidth = columns == 1 ? area.cx : (area.cx - (columns - 1) * m_page.m_nColumnGap) / columns;
  PAGE_FLOW flow;
  flow.geometry = PAGE_GEOMETRY{area.cx, area.cy, columns, columnWidth, m_page.m_nColumnGap};
  flow.hasNameField = [this](int nPage) { return IsNameFieldPage(nPage); };
  flow.nameFields = PageNameFields();
  return flow;
}

void CEditPrint::FlowChildren(PAGE_FLOW& flow, const std::function<void(CEditNode&)>& beforeChild) {
  BOOL afterPageBreak = FALSE;
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* child = GetEditChildAt(i);
    if (!child || !child->IsVisible()) continue;
    flow.StartChild(afterPageBreak);
    afterPageBreak = child->m_nType == NTYPE_EDITKAIPAGE;
    if (beforeChild) beforeChild(*child);
    auto* container = dynamic_cast<CEditContainer*>(child);
    if (!container) continue;
    for (int b = 0; b < container->GetBoxCount(); ++b) {
      const CEditBox* box = container->GetBox(b);
      if (box) flow.PlaceBox(child, b, box->m_props.m_nHeight, box->m_props.m_nWidth);
    }
  }
}
