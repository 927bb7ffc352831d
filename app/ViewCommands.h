#pragma once
// The view's place on the command route: the view's own commands, then its document's.

#include "ui/CmdTarget.h"

class CVorelDoc;
class CVorelView;

class CViewCommands : public CCmdTarget {
 public:
  explicit CViewCommands(CVorelView* pView) : m_pView(pView) {}

  BOOL OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) override;

  // Always enabled: with nothing to take back or repeat they do nothing.
  void OnEditUndo();
  void OnEditRedo();
  void OnEditClear();
  void OnViewLineEnds();
  void OnUpdateViewLineEnds(CCmdUI* pCmdUI);
  void OnViewZoom();
  void OnFormatFont();
  void OnUpdateNeedSelection(CCmdUI* pCmdUI);
  void OnUpdatePagePane(CCmdUI* pCmdUI);

 private:
  CVorelDoc* GetDocument() const;

  CVorelView* m_pView;
};
