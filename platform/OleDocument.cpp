#include "platform/OleDocument.h"

#include <algorithm>

#include "platform/OleClientItem.h"

COleDocument::~COleDocument() {
  // The items outlive the list when their nodes still hold them.
  for (COleClientItem* item : std::vector<COleClientItem*>(m_items)) item->DetachDocument();
}

void COleDocument::AddItem(COleClientItem* pItem) {
  if (pItem && std::find(m_items.begin(), m_items.end(), pItem) == m_items.end()) m_items.push_back(pItem);
}

void COleDocument::RemoveItem(COleClientItem* pItem) {
  m_items.erase(std::remove(m_items.begin(), m_items.end(), pItem), m_items.end());
}

COleClientItem* COleDocument::GetInPlaceActiveItem(const CView* pView) const {
  for (COleClientItem* item : m_items)
    if (item->IsInPlaceActive() && item->GetActiveView() == pView) return item;
  return nullptr;
}
