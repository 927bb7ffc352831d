#pragma once
// What the document model needs of the document that owns the tree: the undo history that
// takes over finished groups, the list that keeps detached nodes alive while records can bring
// them back, and the sheet state that undo records change outside the nodes' own groups.

class CEditNode;
class CUndoGroup;

class CDocumentServices {
 public:
  virtual ~CDocumentServices() = default;

  // Takes ownership of a group holding at least one action: drops the groups that could still
  // be redone, trims the oldest beyond the history's limit, adds the group at the head and
  // collects its removed nodes. Returns 0.
  virtual int PushUndo(CUndoGroup* pGroup) = 0;
  // Keeps a detached node until the document is emptied; a listed node is not added twice.
  virtual void AddPendingDelete(CEditNode* pNode) = 0;
  // Takes a node off the list when it enters the tree again, so that it is freed only once.
  virtual void RemovePendingDelete(CEditNode* pNode) = 0;
  // The first int of the sheet root's entry for a page (1: the page carries a name field);
  // nothing happens unless the tree's root is the sheet root.
  virtual void SetNameFieldOnPage(int nPage, int nValue) = 0;
  // The hyphen mode of a kanbun block.
  virtual void SetKanbunHyphen(CEditNode* pKanbunBlock, int bHyphen) = 0;

  // Hands the node of every removal of the group to the pending-deletion list.
  void CollectPendingDeletes(const CUndoGroup* pGroup);
};

constexpr int kMaxUndoGroups = 32768;
