#pragma once
// What the document model needs of the document that owns the tree: the undo history and the
// sheet state that undo records change outside the nodes' own groups.

#include "model/UndoServices.h"

class CDocumentServices : public CUndoServices {
 public:
  // The first int of the sheet root's entry for a page (1: the page carries a name field);
  // nothing happens unless the tree's root is the sheet root.
  virtual void SetNameFieldOnPage(int nPage, int nValue) = 0;
  // The hyphen mode of a kanbun block.
  virtual void SetKanbunHyphen(CEditNode* pKanbunBlock, int bHyphen) = 0;
};
