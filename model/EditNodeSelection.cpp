#include <algorithm>

#include "model/CoordMapper.h"
#include "model/EditCaret.h"
#include "model/EditNode.h"
#include "model/UndoGroup.h"
#include "platform/DC.h"
#include "platform/StockObjects.h"

namespace {

// Line ends that close the slots of formulas and kunten boxes stay through a selection delete.
BOOL IsProtectedInSelection(const CQVXMLNode* node, const CQVXMLNode* parent) {
  return (node->m_nType & NT_LINEBREAK) &&
         ((parent->m_nType & NT_MATH) || parent->m_nType == NTYPE_EDITKUNTEN);
}

}  // namespace

CEditNode* CEditNode::GetCaretNodeInTree(const CEditCaret* pCaret) {
  if (!pCaret || !pCaret->m_pCaretNode || !pCaret->m_pCaretNode->GetParent()) return nullptr;
  return pCaret->m_pCaretNode;
}

BOOL CEditNode::GetSelectionRange(CEditCaret* pCaret, int* pFirst, int* pLast) {
  if (!pCaret || !pCaret->m_pAnchor || !pCaret->m_pCaretNode || !pFirst || !pLast) return FALSE;
  CQVXMLNode* parent = pCaret->m_pCaretNode->GetParent();
  if (!parent || pCaret->m_pAnchor->GetParent() != parent) return FALSE;
  int first = parent->IndexOfChild(pCaret->m_pAnchor);
  int last = parent->IndexOfChild(pCaret->m_pCaretNode);
  if (first < 0 || last < 0) return FALSE;
  if (first > last) std::swap(first, last);
  if (first < last) --last;
  *pFirst = first;
  *pLast = last;
  return TRUE;
}

BOOL CEditNode::DeleteSelection(CEditCaret* pCaret, CUndoGroup* pUndo) {
  int first = 0, last = 0;
  if (!GetSelectionRange(pCaret, &first, &last)) return FALSE;
  pCaret->ClearSelection();
  try {
    CQVXMLNode* parent = pCaret->m_pCaretNode->GetParent();
    last = std::min(last, parent->GetChildCount() - 2);
    CQVXMLNode* follow = parent->GetChildAt(last + 1);
    if (!follow) follow = parent;
    for (int pass = first; pass <= last; ++pass) {
      CQVXMLNode* node = parent->GetChildAt(first);
      if (!node || IsProtectedInSelection(node, parent)) break;
      auto* editNode = dynamic_cast<CEditNode*>(node);
      if (pUndo && editNode) {
        CQVXMLNode* next = node->GetNextSibling();
        pUndo->AddNodeAction(UNDO_REMOVE_SELECTED, editNode, dynamic_cast<CEditNode*>(next ? next : follow), 0, 0);
        node->Detach();
      } else {
        node->Delete();
      }
    }
    pCaret->m_pCaretNode = dynamic_cast<CEditNode*>(follow);
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

void CEditNode::DrawSelection(CDC* pDC, CCoordMapper* pMapper, CEditCaret* pCaret) {
  int first = 0, last = 0;
  if (!pDC || !pMapper || !GetSelectionRange(pCaret, &first, &last)) return;
  CQVXMLNode* parent = pCaret->m_pCaretNode->GetParent();
  for (int i = first; i <= last; ++i) {
    auto* node = dynamic_cast<CEditNode*>(parent->GetChildAt(i));
    if (!node) continue;
    RECT rect = node->m_rcHit;
    pMapper->LPtoDPRect(&rect);
    CGdiObject* oldBrush = pDC->SelectStockObject(BLACK_BRUSH);
    int oldRop = pDC->SetROP2(R2_NOT);
    pDC->Rectangle(&rect);
    pDC->SetROP2(oldRop);
    pDC->SelectObject(oldBrush);
  }
}

void CEditNode::ApplyFontToSelection(CEditCaret* pCaret, const LOGFONTA& lf) {
  int first = 0, last = 0;
  if (!GetSelectionRange(pCaret, &first, &last)) return;
  CQVXMLNode* parent = pCaret->m_pCaretNode->GetParent();
  for (int i = first; i <= last; ++i)
    if (auto* node = dynamic_cast<CEditNode*>(parent->GetChildAt(i))) node->SetLogFont(lf, nullptr);
}
