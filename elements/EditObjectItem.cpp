#include "elements/EditObjectItem.h"

#include <memory>

IMPLEMENT_SERIAL(CEditObjectItem, COleClientItem, 1)

CEditObjectItem::CEditObjectItem(COleDocument* pContainerDoc) : COleClientItem(pContainerDoc) {}

CEditObjectItem* CEditObjectItem::CreateForLoading() {
  const CRuntimeClass* cls = CRuntimeClass::FromName("CVorelCntrItem");
  if (cls && cls->IsDerivedFrom(RUNTIME_CLASS(CEditObjectItem))) {
    std::unique_ptr<CObject> object(cls->CreateObject());
    if (auto* item = dynamic_cast<CEditObjectItem*>(object.get())) {
      object.release();
      return item;
    }
  }
  return new CEditObjectItem;
}
