#pragma once
// Reverses (undo) and repeats (redo) the actions of a group: undo from the last action to the
// first putting old values back, redo from the first to the last putting new values back.
// Detached nodes go to the document's pending-deletion list and come off it when re-inserted.

#include "model/UndoGroup.h"

class CDocumentServices;
class CEditViewServices;

enum class UndoResult {
  Applied,           // the view refreshes: document modified, sentence marked, layout, repaint
  AppliedNoRefresh,  // a code outside the table was met; the view skips the refresh
  Refused,           // the group cannot be applied as a whole; nothing was changed
};

class CUndoExecutor {
 public:
  CUndoExecutor(CDocumentServices& document, CEditViewServices& view);

  UndoResult Undo(const CUndoGroup& group);
  UndoResult Redo(const CUndoGroup& group);

 private:
  UndoResult Run(const CUndoGroup& group, bool bUndo);
  bool CanApply(const CUndoAction& action, bool bUndo) const;
  // False for a code outside the table.
  bool Apply(const CUndoAction& action, bool bUndo);
  bool ApplyProperty(const CUndoAction& action, bool bUndo);
  bool ApplyFont(const CUndoAction& action, bool bUndo);
  bool ApplyKasen(const CUndoAction& action, bool bUndo);
  bool ApplyStructure(const CUndoAction& action, bool bUndo);
  void ApplyNameFieldMode(const CUndoAction& action, bool bUndo);
  void DetachNode(CEditNode* node);
  void InsertBefore(CEditNode* node, CEditNode* neighbour);
  void InsertAt(CEditNode* node, CEditNode* parent, int index);
  void MoveCaret(const CUndoAction& action);

  CDocumentServices& m_document;
  CEditViewServices& m_view;
};
