#pragma once
// In-memory stand-ins for the document and the view that undo records talk to.

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "model/DocumentServices.h"
#include "model/EditNode.h"
#include "model/EditViewServices.h"
#include "model/UndoGroup.h"

class CFakeDocumentServices : public CDocumentServices {
 public:
  ~CFakeDocumentServices() override {
    for (CEditNode* node : m_pending) delete node;
  }

  int PushUndo(CUndoGroup* pGroup) override {
    m_history.emplace_back(pGroup);
    CollectPendingDeletes(pGroup);
    return 0;
  }
  void AddPendingDelete(CEditNode* pNode) override {
    if (!IsPending(pNode)) m_pending.push_back(pNode);
  }
  void RemovePendingDelete(CEditNode* pNode) override {
    m_pending.erase(std::remove(m_pending.begin(), m_pending.end(), pNode), m_pending.end());
  }
  void SetNameFieldOnPage(int nPage, int nValue) override { m_pageEntries[nPage] = nValue; }
  void SetKanbunHyphen(CEditNode* pKanbunBlock, int bHyphen) override { m_hyphen[pKanbunBlock] = bHyphen; }

  bool IsPending(const CEditNode* pNode) const {
    return std::find(m_pending.begin(), m_pending.end(), pNode) != m_pending.end();
  }

  std::vector<std::unique_ptr<CUndoGroup>> m_history;
  std::vector<CEditNode*> m_pending;
  std::map<int, int> m_pageEntries;
  std::map<const CEditNode*, int> m_hyphen;
};

class CFakeEditView : public CEditViewServices {
 public:
  void SetCaretNode(CEditNode* pNode) override { m_pCaretNode = pNode; }
  void SetInteractionMode(int nMode) override { m_nMode = nMode; }
  void SetEditedNameField(CEditNode* pNameField) override { m_pEditedNameField = pNameField; }
  void SaveCaretContext() override { ++m_nSavedCarets; }

  CEditNode* m_pCaretNode = nullptr;
  int m_nMode = -1;
  CEditNode* m_pEditedNameField = nullptr;
  int m_nSavedCarets = 0;
};
