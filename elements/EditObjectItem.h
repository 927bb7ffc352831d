#pragma once
// The container item as an object node sees it: a client item bound back to the node that
// shows it. The application's container item derives from it.

#include "platform/OleClientItem.h"

class CEditObject;

class CEditObjectItem : public COleClientItem {
  DECLARE_SERIAL(CEditObjectItem)

 public:
  explicit CEditObjectItem(COleDocument* pContainerDoc = nullptr);

  // A new item without document for a node being loaded: the application's container item
  // when its class is registered (as an archive would re-create it by name), else this class.
  static CEditObjectItem* CreateForLoading();

  CEditObject* m_pObjectNode = nullptr;  // the node that holds the item; not owned
};
