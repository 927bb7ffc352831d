#include "elements/EditFloat.h"

#include "elements/CaretExitLeft.h"
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
  return MoveCaretLeftOrLeave(*this, pCaret, bExtend);
}
