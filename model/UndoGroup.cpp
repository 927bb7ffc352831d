#include "model/UndoGroup.h"

CUndoGroup::~CUndoGroup() {
  while (!m_actions.empty()) m_actions.pop_back();
}

CUndoAction& CUndoGroup::Append(int code, CEditNode* node) {
  auto action = std::make_unique<CUndoAction>();
  action->m_nCode = code;
  action->m_pNode = node;
  m_actions.push_back(std::move(action));
  return *m_actions.back();
}

void CUndoGroup::AddValueAction(int code, CEditNode* node, int oldValue, int newValue) {
  CUndoAction& action = Append(code, node);
  action.m_nOldValue = oldValue;
  action.m_nNewValue = newValue;
}

void CUndoGroup::AddStringAction(int code, CEditNode* node, const char* oldText, const char* newText) {
  CUndoAction& action = Append(code, node);
  action.m_strOld = oldText ? oldText : "";
  action.m_strNew = newText ? newText : "";
}

void CUndoGroup::AddWideStringAction(int code, CEditNode* node, const CStringW& oldText,
                                     const CStringW& newText) {
  CUndoAction& action = Append(code, node);
  action.m_strOldText = oldText;
  action.m_strNewText = newText;
}

void CUndoGroup::AddLogFontAction(int code, CEditNode* node, const LOGFONTA& oldFont, const LOGFONTA& newFont) {
  CUndoAction& action = Append(code, node);
  action.m_lfOld = oldFont;
  action.m_lfNew = newFont;
}

void CUndoGroup::AddSizeAction(int code, CEditNode* node, CSize oldSize, CSize newSize) {
  CUndoAction& action = Append(code, node);
  action.m_sizeOld = oldSize;
  action.m_sizeNew = newSize;
}

void CUndoGroup::AddNodeAction(int code, CEditNode* node, CEditNode* neighbour, int oldValue, int newValue) {
  CUndoAction& action = Append(code, node);
  action.m_pNeighbour = neighbour;
  action.m_nOldValue = oldValue;
  action.m_nNewValue = newValue;
}

void CUndoGroup::AddIndexAction(int code, CEditNode* node, CEditNode* neighbour, int index, CEditNode* parent,
                                int oldValue, int newValue) {
  CUndoAction& action = Append(code, node);
  action.m_pNeighbour = neighbour;
  action.m_nIndex = index;
  action.m_pParent = parent;
  action.m_nOldValue = oldValue;
  action.m_nNewValue = newValue;
}
