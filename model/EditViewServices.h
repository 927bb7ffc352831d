#pragma once
// What undo and redo change in the editing view: its caret node and its interaction mode.

class CEditNode;

constexpr int kModeNameFieldEditing = 4;

class CEditViewServices {
 public:
  virtual ~CEditViewServices() = default;

  virtual void SetCaretNode(CEditNode* pNode) = 0;
  virtual void SetInteractionMode(int nMode) = 0;
  // The name field being edited, or null.
  virtual void SetEditedNameField(CEditNode* pNameField) = 0;
  // Copies the current caret context into the saved one.
  virtual void SaveCaretContext() = 0;
};
