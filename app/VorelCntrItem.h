#pragma once
// The document's container item of an embedded object. It keeps the rectangle of the object
// node that holds it equal to the object's extent, or, while the object is active in place,
// to the server's window, and keeps at most one object of the document active in place in a
// view.

#include "elements/EditObjectItem.h"

class CVorelCntrItem : public CEditObjectItem {
  DECLARE_SERIAL(CVorelCntrItem)

 public:
  explicit CVorelCntrItem(COleDocument* pContainerDoc = nullptr);

  // Gives the rectangle the object's extent, keeping its left and top; FALSE when there is
  // no extent or the size is already the extent.
  BOOL FitRectToExtent(RECT* pRect);

  void OnChange(OLE_NOTIFICATION nCode, DWORD dwParam) override;
  BOOL OnChangeItemPosition(const CRect& rectPos) override;
  void OnGetItemPosition(CRect& rPosition) override;
  void OnActivate() override;
  void OnDeactivateUI(BOOL bUndoable) override;

 private:
  // Takes the extent into the node unless the object is active in place.
  void FollowExtent();
  // Hint 0 lays the sheet out again, hint 1 repaints the object's node.
  void UpdateViews(LPARAM lHint);
  void MarkModified();
};
