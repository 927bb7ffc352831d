#include "elements/EditFloat.h"

#include "model/EditCaret.h"
#include "model/FoFlowElements.h"
#include "model/PropertyBlock.h"
#include "model/XmlElementTable.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditFloat, CEditContainer, 1)

namespace {

CFoFloat* AsFoFloat(CQVXMLNode* pNode) {
  if (!pNode || pNode->m_nType != DWORD(XE_FO_FLOAT)) return nullptr;
  return dynamic_cast<CFoFloat*>(pNode);
}

}  // namespace

CEditFloat::CEditFloat() : CEditContainer(NTYPE_EDITFLOAT) {}

// Clipboard data may come from anywhere: the stored size is checked against the data and at
// most the 8 bytes of the record are taken. A damaged record fails the whole load rather
// than leaving the archive in the middle of a record.
void CEditFloat::Serialize(CArchive& ar) {
  if (ar.IsStoring())
    WritePropertyBlock(ar, &m_floatDim, sizeof m_floatDim);
  else
    ReadPropertyBlock(ar, &m_floatDim, sizeof m_floatDim);
  CEditContainer::Serialize(ar);
}

void CEditFloat::CopyFromFoFloat(CQVXMLNode* pNode) {
  if (CFoFloat* fo = AsFoFloat(pNode)) m_floatDim.Copy(fo->m_dimensionProps);
}

void CEditFloat::CopyToFoFloat(CQVXMLNode* pNode) const {
  if (CFoFloat* fo = AsFoFloat(pNode)) fo->m_dimensionProps.Copy(m_floatDim);
}

CEditNode* CEditFloat::MoveCaretLeft(CEditCaret* pCaret, BOOL bExtend) {
  if (!pCaret || !pCaret->m_pCaretNode) return nullptr;
  try {
    CEditNode* start = pCaret->m_pCaretNode;
    CEditNode* target = CEditNode::MoveCaretLeft(pCaret, bExtend);
    if (!target) target = NearestVisibleBefore();
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

// Leaving the frame to the left: the nearest visible node before it, or the end of that
// node when it is a container.
CEditNode* CEditFloat::NearestVisibleBefore() const {
  for (CQVXMLNode* s = GetPrevSibling(); s; s = s->GetPrevSibling()) {
    auto* node = dynamic_cast<CEditNode*>(s);
    if (!node || !node->IsVisible()) continue;
    if (node->m_nType & NT_CONTAINER) return dynamic_cast<CEditNode*>(node->GetLastChild());
    return node;
  }
  return nullptr;
}
