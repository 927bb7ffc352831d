#include "app/VorelCntrItem.h"

#include <utility>

#include "app/ContainerView.h"
#include "elements/EditObject.h"
#include "model/CoordMapper.h"
#include "model/GdiCache.h"
#include "platform/OleDocument.h"

IMPLEMENT_SERIAL(CVorelCntrItem, CEditObjectItem, 1)

namespace {

constexpr LPARAM kHintRelayout = 0;
constexpr LPARAM kHintObject = 1;

}  // namespace

CVorelCntrItem::CVorelCntrItem(COleDocument* pContainerDoc) : CEditObjectItem(pContainerDoc) {}

BOOL CVorelCntrItem::FitRectToExtent(RECT* pRect) {
  try {
    SIZE extent;
    if (!pRect || !GetExtent(&extent, GetDrawAspect())) return FALSE;
    if (pRect->right - pRect->left == extent.cx && pRect->bottom - pRect->top == extent.cy) return FALSE;
    pRect->right = pRect->left + extent.cx;
    pRect->bottom = pRect->top + extent.cy;
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

void CVorelCntrItem::OnChange(OLE_NOTIFICATION nCode, DWORD dwParam) {
  CEditObjectItem::OnChange(nCode, dwParam);
  try {
    switch (nCode) {
      case OLE_CHANGED:
        if (!m_pObjectNode) break;
        UpdateViews(kHintObject);
        FollowExtent();
        break;
      case OLE_SAVED:
      case OLE_CLOSED:
        UpdateViews(kHintRelayout);
        if (m_pObjectNode) UpdateViews(kHintObject);
        break;
      case OLE_RENAMED:
      case OLE_CHANGED_STATE:
      case OLE_CHANGED_ASPECT:
        if (m_pObjectNode) UpdateViews(kHintObject);
        break;
    }
  } catch (...) {
  }
}

void CVorelCntrItem::FollowExtent() {
  SIZE extent;
  if (IsInPlaceActive() || !GetExtent(&extent, GetDrawAspect())) return;
  if (g_bVerticalWriting) std::swap(extent.cx, extent.cy);
  RECT& rect = m_pObjectNode->m_rcInk;
  if (rect.right - rect.left == extent.cx && rect.bottom - rect.top == extent.cy) return;
  UpdateViews(kHintObject);
  rect.right = rect.left + extent.cx;
  rect.bottom = rect.top + extent.cy;
  UpdateViews(kHintObject);
  MarkModified();
}

// The mapper's inverse already turns a vertical sheet's device rectangle back into layout.
BOOL CVorelCntrItem::OnChangeItemPosition(const CRect& rectPos) {
  if (!CEditObjectItem::OnChangeItemPosition(rectPos)) return FALSE;
  try {
    UpdateViews(kHintObject);
    auto* view = dynamic_cast<CContainerView*>(GetActiveView());
    CCoordMapper* mapper = view ? view->GetCoordMapper() : nullptr;
    if (m_pObjectNode && mapper) {
      RECT rect = rectPos;
      mapper->DPtoLPRect(&rect);
      m_pObjectNode->m_rcInk = rect;
      UpdateViews(kHintObject);
      MarkModified();
    }
  } catch (...) {
  }
  return TRUE;
}

void CVorelCntrItem::OnGetItemPosition(CRect& rPosition) {
  auto* view = dynamic_cast<CContainerView*>(GetActiveView());
  if (!m_pObjectNode || !view) return;
  rPosition = m_pObjectNode->m_rcInk;
  view->DocToClientRect(&rPosition);
}

void CVorelCntrItem::OnActivate() {
  try {
    if (COleDocument* document = GetDocument()) {
      COleClientItem* other = document->GetInPlaceActiveItem(GetActiveView());
      if (other && other != this) other->Close(OLECLOSE_SAVEIFDIRTY);
    }
  } catch (...) {
  }
  CEditObjectItem::OnActivate();
}

void CVorelCntrItem::OnDeactivateUI(BOOL bUndoable) {
  CEditObjectItem::OnDeactivateUI(bUndoable);
  try {
    if (GetMiscStatus(GetDrawAspect()) & OLEMISC_INSIDEOUT) DoVerb(OLEIVERB_HIDE, GetActiveView());
  } catch (...) {
  }
}

void CVorelCntrItem::UpdateViews(LPARAM lHint) {
  if (COleDocument* document = GetDocument())
    document->UpdateAllViews(nullptr, lHint, lHint == kHintObject ? m_pObjectNode : nullptr);
}

void CVorelCntrItem::MarkModified() {
  if (COleDocument* document = GetDocument()) document->SetModifiedFlag(TRUE);
  if (m_pObjectNode) m_pObjectNode->SetSentenceModified(1);
}
