#pragma once
// What the document needs of a view that shows it.

#include "app/ContainerView.h"
#include "platform/Object.h"

class CDocView : public CContainerView {
 public:
  // Hint 0 lays the sheet out again, 1 repaints an object's node, 2 follows an emptied
  // document, 3 a page setup and 4 a zoom change.
  virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) = 0;
};
