#include "platform/OleClientItem.h"

#include <utility>

#include "platform/OleDocument.h"
#include "platform/OleServerLink.h"

IMPLEMENT_SERIAL(COleClientItem, CObject, 1)

COleClientItem::COleClientItem(COleDocument* pContainerDoc) : m_pDocument(pContainerDoc) {
  if (m_pDocument) m_pDocument->AddItem(this);
}

COleClientItem::~COleClientItem() {
  if (m_nItemState >= openState)
    if (COleServerLink* link = GetLink()) link->Release(this);
  if (m_pDocument) m_pDocument->RemoveItem(this);
}

void COleClientItem::CreateFromData(std::string className, std::vector<BYTE> native, SIZE extent,
                                    std::vector<BYTE> picture) {
  m_strClassName = std::move(className);
  m_native = std::move(native);
  m_sizeExtent = extent;
  m_picture = std::move(picture);
  m_foreign.clear();
  m_bImageDecoded = false;
  m_nItemState = loadedState;
}

BOOL COleClientItem::GetExtent(SIZE* pSize, DVASPECT) const {
  if (!pSize || m_sizeExtent.cx <= 0 || m_sizeExtent.cy <= 0) return FALSE;
  *pSize = m_sizeExtent;
  return TRUE;
}

COleServerLink* COleClientItem::GetLink() const {
  return IsForeign() ? nullptr : FindOleServer(m_strClassName);
}

BOOL COleClientItem::DoVerb(LONG nVerb, CView* pView) {
  COleServerLink* link = GetLink();
  if (!link || m_nItemState == emptyState) return FALSE;
  m_pView = pView;
  return link->DoVerb(this, nVerb, pView);
}

void COleClientItem::Close(OLECLOSE dwCloseOption) {
  if (m_nItemState < openState) return;
  if (COleServerLink* link = GetLink()) link->Close(this, dwCloseOption);
}

void COleClientItem::Release() {
  if (m_nItemState >= openState) {
    if (COleServerLink* link = GetLink()) link->Release(this);
    m_nItemState = loadedState;
  }
  m_pView = nullptr;
}

void COleClientItem::Delete(BOOL bAutoDelete) {
  Release();
  if (m_pDocument) m_pDocument->RemoveItem(this);
  m_pDocument = nullptr;
  if (bAutoDelete) delete this;
}

DWORD COleClientItem::GetMiscStatus(DVASPECT nAspect) const {
  COleServerLink* link = GetLink();
  return link ? link->GetMiscStatus(m_strClassName, nAspect) : 0;
}

BOOL COleClientItem::IsBlank() const {
  if (IsForeign()) return FALSE;
  COleServerLink* link = m_nItemState >= openState ? GetLink() : nullptr;
  return link ? link->IsBlank(this) : m_native.empty();
}

void COleClientItem::OnServerData(std::vector<BYTE> native, SIZE extent, std::vector<BYTE> picture) {
  m_native = std::move(native);
  m_sizeExtent = extent;
  m_picture = std::move(picture);
  m_bImageDecoded = false;
  OnChange(OLE_CHANGED, DVASPECT_CONTENT);
}

void COleClientItem::OnChange(OLE_NOTIFICATION nCode, DWORD dwParam) {
  if (nCode == OLE_CHANGED_STATE && dwParam <= activeUIState) m_nItemState = dwParam;
  if (nCode == OLE_CLOSED) {
    if (m_nItemState != emptyState) m_nItemState = loadedState;
    m_pView = nullptr;
  }
}

void COleClientItem::OnActivate() { m_nItemState = activeState; }

void COleClientItem::OnActivateUI() { m_nItemState = activeUIState; }

void COleClientItem::OnDeactivateUI(BOOL) {
  if (m_nItemState == activeUIState) m_nItemState = activeState;
}

void COleClientItem::OnDeactivate() {
  m_nItemState = loadedState;
  m_pView = nullptr;
}

BOOL COleClientItem::OnChangeItemPosition(const CRect&) { return IsInPlaceActive(); }

void COleClientItem::OnGetItemPosition(CRect&) {}
