#include "app/UndoHistory.h"

#include <algorithm>

#include "elements/EditPrint.h"
#include "model/UndoGroup.h"

CUndoHistory::~CUndoHistory() {
  m_UndoList.clear();
  std::vector<CEditNode*> detached;
  for (CEditNode* node : m_PendingDeletes)
    if (m_pendingSet.erase(node) && !node->GetParent()) detached.push_back(node);
  for (CEditNode* node : detached) delete node;
}

int CUndoHistory::PushUndo(CUndoGroup* pGroup) {
  std::unique_ptr<CUndoGroup> group(pGroup);
  if (!group) return 0;
  try {
    if (m_nUndoIndex > 0) {
      const size_t undone = std::min(size_t(m_nUndoIndex), m_UndoList.size());
      m_UndoList.erase(m_UndoList.begin(), m_UndoList.begin() + std::ptrdiff_t(undone));
    }
    if (m_UndoList.size() > size_t(kMaxUndoGroups)) m_UndoList.pop_back();
    CollectPendingDeletes(group.get());
    m_UndoList.push_front(std::move(group));
    m_nUndoIndex = 0;
  } catch (...) {
  }
  return 0;
}

CUndoGroup* CUndoHistory::Undo() {
  if (m_UndoList.empty() || m_nUndoIndex >= GetGroupCount()) return nullptr;
  const int index = std::max(m_nUndoIndex, 0);
  m_nUndoIndex = index + 1;
  return GetGroupAt(index);
}

CUndoGroup* CUndoHistory::Redo() {
  if (m_nUndoIndex <= 0) return nullptr;
  --m_nUndoIndex;
  return GetGroupAt(m_nUndoIndex);
}

CUndoGroup* CUndoHistory::GetGroupAt(int index) const {
  return index >= 0 && index < GetGroupCount() ? m_UndoList[size_t(index)].get() : nullptr;
}

void CUndoHistory::AddPendingDelete(CEditNode* pNode) {
  if (!pNode) return;
  try {
    if (m_pendingSet.insert(pNode).second) m_PendingDeletes.push_back(pNode);
  } catch (...) {
  }
}

void CUndoHistory::RemovePendingDelete(CEditNode* pNode) {
  m_pendingSet.erase(pNode);
  if (m_PendingDeletes.size() > 2 * m_pendingSet.size() + 64) CompactPending();
}

BOOL CUndoHistory::IsPending(const CEditNode* pNode) const { return m_pendingSet.count(pNode) != 0; }

// Keeps the last entry of each parked node, in order.
void CUndoHistory::CompactPending() {
  std::unordered_set<const CEditNode*> kept;
  std::vector<CEditNode*> entries;
  for (auto it = m_PendingDeletes.rbegin(); it != m_PendingDeletes.rend(); ++it)
    if (m_pendingSet.count(*it) && kept.insert(*it).second) entries.push_back(*it);
  std::reverse(entries.begin(), entries.end());
  m_PendingDeletes.swap(entries);
}

// The most recently parked node first. A node below another parked node goes with it.
void CUndoHistory::PurgePendingDeletes(const CEditPrint* pSheet) {
  while (!m_PendingDeletes.empty()) {
    CEditNode* node = m_PendingDeletes.back();
    m_PendingDeletes.pop_back();
    if (!m_pendingSet.erase(node)) continue;
    try {
      if (LiesIn(node, pSheet)) continue;
      ForgetParkedBelow(node);
      if (!HasParkedAncestor(node)) node->Delete();
    } catch (...) {
    }
  }
}

void CUndoHistory::ClearUndo(const CEditPrint* pSheet) {
  while (!m_UndoList.empty()) {
    try {
      m_UndoList.pop_front();
    } catch (...) {
    }
  }
  m_nUndoIndex = -1;
  PurgePendingDeletes(pSheet);
}

BOOL CUndoHistory::LiesIn(const CEditNode* pNode, const CEditPrint* pSheet) {
  if (!pSheet) return FALSE;
  return pNode == pSheet || pSheet->IsDescendant(pNode) || pSheet->m_nodePageKimeiran.IsDescendant(pNode);
}

void CUndoHistory::ForgetParkedBelow(const CQVXMLNode* pNode) {
  std::vector<const CQVXMLNode*> stack{pNode};
  while (!stack.empty()) {
    const CQVXMLNode* current = stack.back();
    stack.pop_back();
    for (int i = 0; i < current->GetChildCount(); ++i) {
      const CQVXMLNode* child = current->GetChildAt(i);
      if (!child) continue;
      if (auto* editChild = dynamic_cast<const CEditNode*>(child)) m_pendingSet.erase(editChild);
      stack.push_back(child);
    }
  }
}

BOOL CUndoHistory::HasParkedAncestor(const CEditNode* pNode) const {
  for (const CQVXMLNode* up = pNode->GetParent(); up; up = up->GetParent())
    if (auto* editUp = dynamic_cast<const CEditNode*>(up); editUp && m_pendingSet.count(editUp)) return TRUE;
  return FALSE;
}
