#pragma once
// The undo history's side of the document: it takes over finished groups and keeps detached
// nodes alive while records can bring them back.

class CEditNode;
class CUndoGroup;

class CUndoServices {
 public:
  virtual ~CUndoServices() = default;

  // Takes ownership of a group holding at least one action: drops the groups that could still
  // be redone, trims the oldest beyond the history's limit, adds the group at the head and
  // collects its removed nodes. Returns 0.
  virtual int PushUndo(CUndoGroup* pGroup) = 0;
  // Keeps a detached node until the document is emptied; a listed node is not added twice.
  virtual void AddPendingDelete(CEditNode* pNode) = 0;
  // Takes a node off the list when it enters the tree again, so that it is freed only once.
  virtual void RemovePendingDelete(CEditNode* pNode) = 0;

  // Hands the node of every removal of the group to the pending-deletion list.
  void CollectPendingDeletes(const CUndoGroup* pGroup);
};

constexpr int kMaxUndoGroups = 32768;
