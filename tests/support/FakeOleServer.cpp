#include "tests/support/FakeOleServer.h"

CFakeOleServer::CFakeOleServer(std::string className) : m_className(std::move(className)) {
  RegisterOleServer(m_className, this);
}

CFakeOleServer::~CFakeOleServer() { RegisterOleServer(m_className, nullptr); }

BOOL CFakeOleServer::DoVerb(COleClientItem* pItem, LONG nVerb, CView*) {
  m_verbs.emplace_back(pItem, nVerb);
  if (nVerb == OLEIVERB_HIDE) {
    if (pItem->IsInPlaceActive()) pItem->OnDeactivate();
    return TRUE;
  }
  if (m_bInPlace && nVerb != OLEIVERB_OPEN) {
    pItem->OnActivate();
    pItem->OnActivateUI();
  } else {
    pItem->OnChange(OLE_CHANGED_STATE, COleClientItem::openState);
  }
  return TRUE;
}

void CFakeOleServer::Close(COleClientItem* pItem, OLECLOSE dwCloseOption) {
  if (dwCloseOption == OLECLOSE_SAVEIFDIRTY && m_dirty.erase(pItem)) {
    m_saved.push_back(pItem);
    pItem->OnChange(OLE_SAVED, 0);
  }
  if (pItem->GetItemState() == COleClientItem::activeUIState) pItem->OnDeactivateUI(FALSE);
  if (pItem->IsInPlaceActive()) pItem->OnDeactivate();
  m_closed.push_back(pItem);
  pItem->OnChange(OLE_CLOSED, 0);
}

void CFakeOleServer::Release(COleClientItem* pItem) {
  m_dirty.erase(pItem);
  m_released.push_back(pItem);
}

void CFakeOleServer::ReportChange(COleClientItem* pItem, SIZE extent, std::vector<BYTE> native,
                                  std::vector<BYTE> picture) {
  m_dirty.insert(pItem);
  pItem->OnServerData(std::move(native), extent, std::move(picture));
}
