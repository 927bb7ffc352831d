#include "elements/CaretExitLeft.h"

#include "model/EditCaret.h"
#include "model/EditNode.h"

namespace {

CEditNode* NearestVisibleBefore(const CEditNode& node) {
  for (CQVXMLNode* s = node.GetPrevSibling(); s; s = s->GetPrevSibling()) {
    auto* sibling = dynamic_cast<CEditNode*>(s);
    if (!sibling || !sibling->IsVisible()) continue;
    if (sibling->m_nType & NT_CONTAINER) return dynamic_cast<CEditNode*>(sibling->GetLastChild());
    return sibling;
  }
  return nullptr;
}

}  // namespace

CEditNode* MoveCaretLeftOrLeave(CEditNode& node, CEditCaret* pCaret, BOOL bExtend) {
  if (!pCaret || !pCaret->m_pCaretNode) return nullptr;
  try {
    CEditNode* start = pCaret->m_pCaretNode;
    CEditNode* target = node.CEditNode::MoveCaretLeft(pCaret, bExtend);
    if (!target) target = NearestVisibleBefore(node);
    if (!target) return nullptr;
    if (bExtend && !pCaret->m_pAnchor && target != start) pCaret->m_pAnchor = start;
    pCaret->m_pCaretNode = target;
    if (bExtend && pCaret->m_pAnchor && pCaret->m_pAnchor->GetParent() != target->GetParent())
      pCaret->m_pAnchor = target;
    return target;
  } catch (...) {
    return nullptr;
  }
}
