#include <functional>

#include "elements/EditPrint.h"
#include "elements/EditQuestionNumber.h"

namespace {

// Visits the subtrees below the root's children in document order; a node of the type word
// is handed to the visitor (which answers whether to stop) and its own children are not
// visited. Answers whether the visitor stopped the walk.
bool VisitNumbers(CQVXMLNode& node, DWORD nType, const std::function<bool(CEditQuestionNumber&)>& visit) {
  for (CQVXMLNode* child : node.m_arrChildren) {
    if (!child) continue;
    if (child->m_nType == nType) {
      if (auto* number = dynamic_cast<CEditQuestionNumber*>(child); number && visit(*number)) return true;
    } else if (VisitNumbers(*child, nType, visit)) {
      return true;
    }
  }
  return false;
}

void VisitBelowChildren(CEditPrint& root, DWORD nType, const std::function<bool(CEditQuestionNumber&)>& visit) {
  try {
    for (CQVXMLNode* child : root.m_arrChildren)
      if (child && VisitNumbers(*child, nType, visit)) return;
  } catch (...) {
  }
}

void SetAllNumberFormats(CEditPrint& root, DWORD nType, int nFormat) {
  VisitBelowChildren(root, nType, [nFormat](CEditQuestionNumber& number) {
    number.SetFormat(UINT(nFormat));
    number.m_bNeedsMeasure = 1;
    return false;
  });
}

int FirstNumberFormat(CEditPrint& root, DWORD nType) {
  int format = -1;
  VisitBelowChildren(root, nType, [&format](CEditQuestionNumber& number) {
    format = number.m_nFormat;
    return true;
  });
  return format;
}

// A hidden node is skipped with its subtree; the cells of a table are not searched.
bool HasWideTable(const CQVXMLNode& node, int nColumnWidth) {
  for (const CQVXMLNode* child : node.m_arrChildren) {
    const auto* editChild = dynamic_cast<const CEditNode*>(child);
    if (!editChild || !editChild->IsVisible()) continue;
    if (editChild->m_nType == NTYPE_EDITTABLE) {
      if (editChild->m_rcInk.right - editChild->m_rcInk.left > nColumnWidth) return true;
    } else if (HasWideTable(*editChild, nColumnWidth)) {
      return true;
    }
  }
  return false;
}

}  // namespace

void CEditPrint::SetAllMajorNumberFormat(int nFormat) { SetAllNumberFormats(*this, NTYPE_EDITDMONNO, nFormat); }

void CEditPrint::SetAllMinorNumberFormat(int nFormat) { SetAllNumberFormats(*this, NTYPE_EDITMONNO, nFormat); }

int CEditPrint::GetMajorNumberFormat() { return FirstNumberFormat(*this, NTYPE_EDITDMONNO); }

int CEditPrint::GetMinorNumberFormat() { return FirstNumberFormat(*this, NTYPE_EDITMONNO); }

BOOL CEditPrint::HasTableWiderThanColumn(int nColumns) {
  if (nColumns <= 1) return FALSE;
  try {
    SIZE area;
    GetPrintableSize(&area);
    const int columnWidth = (area.cx - (nColumns - 1) * m_page.m_nColumnGap) / nColumns;
    return HasWideTable(*this, columnWidth) ? TRUE : FALSE;
  } catch (...) {
    return FALSE;
  }
}
