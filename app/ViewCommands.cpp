#include "app/ViewCommands.h"

#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "resources/Resource.h"
#include "ui/CmdUI.h"

BOOL CViewCommands::OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) {
  static constexpr CMD_MAP_ENTRY<CViewCommands> kMap[] = {
      MapCommand(ID_EDIT_UNDO, &CViewCommands::OnEditUndo),
      MapCommand(ID_EDIT_REDO, &CViewCommands::OnEditRedo),
      MapCommand(ID_EDIT_CLEAR, &CViewCommands::OnEditClear),
      MapCommand(ID_VIEW_LINE_ENDS, &CViewCommands::OnViewLineEnds),
      MapUpdate(ID_VIEW_LINE_ENDS, &CViewCommands::OnUpdateViewLineEnds),
      MapCommand(ID_VIEW_ZOOM, &CViewCommands::OnViewZoom),
      MapCommand(ID_FORMAT_FONT, &CViewCommands::OnFormatFont),
      MapUpdate(ID_FORMAT_FONT, &CViewCommands::OnUpdateNeedSelection),
      MapUpdate(ID_EDIT_COPY, &CViewCommands::OnUpdateNeedSelection),
      MapUpdate(ID_EDIT_CUT, &CViewCommands::OnUpdateNeedSelection),
      MapUpdate(ID_EDIT_TEXT_COPY, &CViewCommands::OnUpdateNeedSelection),
      MapUpdate(ID_EDIT_OBJECT_COPY, &CViewCommands::OnUpdateNeedSelection),
      MapUpdate(ID_INDICATOR_PAGE, &CViewCommands::OnUpdatePagePane),
  };
  if (DispatchCmdMsg<CViewCommands>(this, kMap, nID, nCode, pCmdUI)) return TRUE;
  CVorelDoc* doc = GetDocument();
  return doc && doc->OnCmdMsg(nID, nCode, pCmdUI);
}

CVorelDoc* CViewCommands::GetDocument() const { return m_pView ? m_pView->GetDocument() : nullptr; }

void CViewCommands::OnEditUndo() { m_pView->OnEditUndo(); }

void CViewCommands::OnEditRedo() { m_pView->OnEditRedo(); }

void CViewCommands::OnEditClear() { m_pView->OnEditClear(); }

void CViewCommands::OnViewLineEnds() { m_pView->OnViewLineEnds(); }

void CViewCommands::OnUpdateViewLineEnds(CCmdUI* pCmdUI) { m_pView->OnUpdateViewLineEnds(pCmdUI); }

void CViewCommands::OnViewZoom() { m_pView->OnViewZoom(); }

void CViewCommands::OnFormatFont() { m_pView->OnFormatFont(); }

void CViewCommands::OnUpdateNeedSelection(CCmdUI* pCmdUI) { m_pView->OnUpdateNeedSelection(pCmdUI); }

void CViewCommands::OnUpdatePagePane(CCmdUI* pCmdUI) { m_pView->OnUpdatePagePane(pCmdUI); }
