#pragma once
// A document that holds client items: the items register themselves with it, and it tells
// which one is active in place in a view. The application's document supplies the view
// updates and the modified flag.

#include <vector>

#include "platform/Object.h"
#include "platform/OleTypes.h"

class COleClientItem;

class COleDocument {
 public:
  COleDocument() = default;
  virtual ~COleDocument();
  COleDocument(const COleDocument&) = delete;
  COleDocument& operator=(const COleDocument&) = delete;

  // An item is listed once.
  void AddItem(COleClientItem* pItem);
  void RemoveItem(COleClientItem* pItem);
  const std::vector<COleClientItem*>& GetItems() const { return m_items; }
  // The item active in place in the view, or null.
  COleClientItem* GetInPlaceActiveItem(const CView* pView) const;

  virtual void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr) = 0;
  virtual void SetModifiedFlag(BOOL bModified = TRUE) = 0;

 private:
  std::vector<COleClientItem*> m_items;
};
