#include "ui/CmdUI.h"

#include <QAction>

#include "ui/CmdTarget.h"

void CCmdUI::Enable(BOOL bOn) {
  m_bEnabled = bOn;
  m_bEnableChanged = TRUE;
  if (m_pAction) m_pAction->setEnabled(bOn);
}

void CCmdUI::SetCheck(int nCheck) {
  if (!m_pAction) return;
  m_pAction->setCheckable(true);
  m_pAction->setChecked(nCheck != 0);
}

void CCmdUI::SetText(const QString& text) {
  if (m_pAction) m_pAction->setText(text);
}

void CCmdUI::Show(BOOL bShow) {
  if (m_pAction) m_pAction->setVisible(bShow);
}

void CCmdUI::DoUpdate(CCmdTarget* pTarget) {
  m_bEnableChanged = FALSE;
  if (!pTarget) {
    Enable(FALSE);
    return;
  }
  pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this);
  if (!m_bEnableChanged) Enable(pTarget->OnCmdMsg(m_nID, CN_HAS_HANDLER, nullptr));
}
