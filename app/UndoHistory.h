#pragma once
// The document's undo history: its groups, newest at the head, with the number of them that
// are undone, and the nodes that left the sheet through recorded actions, kept until no record
// can need them. The document owns one and forwards its undo operations to it.

#include <deque>
#include <memory>
#include <unordered_set>
#include <vector>

#include "model/UndoServices.h"
#include "platform/WinTypes.h"

class CEditPrint;
class CQVXMLNode;

class CUndoHistory : public CUndoServices {
 public:
  CUndoHistory() = default;
  // Parked nodes that lie in no tree go with the history; the document calls ClearUndo
  // before it deletes its sheet, so that none is left behind.
  ~CUndoHistory() override;
  CUndoHistory(const CUndoHistory&) = delete;
  CUndoHistory& operator=(const CUndoHistory&) = delete;

  int PushUndo(CUndoGroup* pGroup) override;
  // The group to undo or to redo, still owned by the history; null when there is none.
  CUndoGroup* Undo();
  CUndoGroup* Redo();
  void AddPendingDelete(CEditNode* pNode) override;
  void RemovePendingDelete(CEditNode* pNode) override;
  // Deletes, once each, the parked nodes that lie neither below the sheet nor below its
  // holder of per-page name-field copies; a null sheet holds nothing.
  void PurgePendingDeletes(const CEditPrint* pSheet);
  void ClearUndo(const CEditPrint* pSheet);

  int GetGroupCount() const { return int(m_UndoList.size()); }
  CUndoGroup* GetGroupAt(int index) const;
  int GetUndoIndex() const { return m_nUndoIndex; }
  // Puts the position back where a refused replay found it.
  void SetUndoIndex(int nIndex) { m_nUndoIndex = nIndex; }
  int GetPendingCount() const { return int(m_pendingSet.size()); }
  BOOL IsPending(const CEditNode* pNode) const;

 private:
  static BOOL LiesIn(const CEditNode* pNode, const CEditPrint* pSheet);
  void ForgetParkedBelow(const CQVXMLNode* pNode);
  BOOL HasParkedAncestor(const CEditNode* pNode) const;
  void CompactPending();

  std::deque<std::unique_ptr<CUndoGroup>> m_UndoList;
  int m_nUndoIndex = -1;
  // The list keeps the parking order; the set says what is parked. Taking a node off touches
  // the set only, and the list drops such stale entries when they outnumber the parked ones.
  std::vector<CEditNode*> m_PendingDeletes;
  std::unordered_set<const CEditNode*> m_pendingSet;
};
