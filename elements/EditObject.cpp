#include "elements/EditObject.h"

#include <algorithm>

#include "elements/EditObjectItem.h"
#include "model/CoordMapper.h"
#include "model/NodeTypes.h"
#include "platform/Archive.h"
#include "platform/DC.h"

IMPLEMENT_SERIAL(CEditObject, CEditNode, 1)

namespace {

// An object's size comes from its record's ink rectangle: a damaged one is taken between
// nothing and a metre (0.01 mm units), computed without overflow.
constexpr LONG kMaxObjectExtent = 100000;

LONG ObjectExtent(LONG from, LONG to) {
  return LONG(std::clamp<long long>(static_cast<long long>(to) - from, 0, kMaxObjectExtent));
}

}  // namespace

CEditObject::CEditObject() : CEditNode(NTYPE_EDITOBJECT) {}

CEditObject::~CEditObject() { DeleteItem(); }

CEditObjectItem* CEditObject::SetItem(CEditObjectItem* pItem) {
  if (pItem != m_pItem) DeleteItem();
  m_pItem = pItem;
  if (m_pItem) m_pItem->m_pObjectNode = this;
  return pItem;
}

void CEditObject::DeleteItem() {
  CEditObjectItem* item = m_pItem;
  m_pItem = nullptr;
  if (!item) return;
  item->m_pObjectNode = nullptr;
  try {
    item->Delete(TRUE);
  } catch (...) {
  }
}

// Load failures are not swallowed: the rest of the archive would be read from the middle of
// this record.
void CEditObject::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteString8(m_strDataFile);
    if (m_pItem)
      m_pItem->Serialize(ar);
    else
      COleClientItem::StoreNoItem(ar);
  } else {
    m_strDataFile = ar.ReadString8();
    DeleteItem();
    if (!COleClientItem::LoadNoItem(ar)) SetItem(CEditObjectItem::CreateForLoading())->Serialize(ar);
  }
  CEditNode::Serialize(ar);
}

void CEditObject::Measure(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM*) {
  if (!m_pItem) return;
  m_nWidth = ObjectExtent(m_rcInk.left, m_rcInk.right);
  m_nHeight = ObjectExtent(m_rcInk.top, m_rcInk.bottom);
  m_nAscent = m_nHeight / 2;
  m_nCenter = m_nHeight / 2;
}

void CEditObject::Arrange(EDIT_LAYOUT_PARAM* pParam, int) {
  if (!pParam) return;
  m_rcInk = RECT{pParam->nX, pParam->nY, pParam->nX + m_nWidth, pParam->nY + m_nHeight};
}

void CEditObject::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  if (!pDC) return;
  UINT oldAlign = pDC->SetTextAlign(TA_LEFT | TA_TOP);
  try {
    if (m_pItem && pMapper) {
      RECT bounds = m_rcInk;
      pMapper->LPtoDPRect(&bounds);
      m_pItem->Draw(pDC, &bounds, m_pItem->GetDrawAspect());
    }
  } catch (...) {
  }
  pDC->SetTextAlign(oldAlign);
}
