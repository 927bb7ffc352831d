#pragma once
// One user action's changes, in recording order; owns its actions.

#include <memory>
#include <vector>

#include "model/UndoAction.h"

class CUndoGroup : public CObject {
 public:
  CUndoGroup() = default;
  ~CUndoGroup() override;
  CUndoGroup(const CUndoGroup&) = delete;
  CUndoGroup& operator=(const CUndoGroup&) = delete;

  int GetCount() const { return int(m_actions.size()); }
  const CUndoAction& GetAt(int index) const { return *m_actions[size_t(index)]; }

  void AddValueAction(int code, CEditNode* node, int oldValue, int newValue);
  void AddStringAction(int code, CEditNode* node, const char* oldText, const char* newText);
  void AddWideStringAction(int code, CEditNode* node, const CStringW& oldText, const CStringW& newText);
  void AddLogFontAction(int code, CEditNode* node, const LOGFONTA& oldFont, const LOGFONTA& newFont);
  void AddSizeAction(int code, CEditNode* node, CSize oldSize, CSize newSize);
  void AddNodeAction(int code, CEditNode* node, CEditNode* neighbour, int oldValue, int newValue);
  void AddIndexAction(int code, CEditNode* node, CEditNode* neighbour, int index, CEditNode* parent,
                      int oldValue, int newValue);

 private:
  CUndoAction& Append(int code, CEditNode* node);

  std::vector<std::unique_ptr<CUndoAction>> m_actions;
};
