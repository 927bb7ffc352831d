#include "app/ViewCommands.h"

#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "resources/Resource.h"
#include "ui/CmdUI.h"

BOOL CViewCommands::OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) {
  static constexpr CMD_MAP_ENTRY<CViewCommands> kMap[] = {
      MapCommand(ID_EDIT_UNDO, &CViewCommands::OnEditUndo),
      MapCommand(ID_EDIT_REDO, &CViewCommands::OnEditRedo),
  };
  if (DispatchCmdMsg<CViewCommands>(this, kMap, nID, nCode, pCmdUI)) return TRUE;
  CVorelDoc* doc = GetDocument();
  return doc && doc->OnCmdMsg(nID, nCode, pCmdUI);
}

CVorelDoc* CViewCommands::GetDocument() const { return m_pView ? m_pView->GetDocument() : nullptr; }

void CViewCommands::OnEditUndo() { m_pView->OnEditUndo(); }

void CViewCommands::OnEditRedo() { m_pView->OnEditRedo(); }
