#include "ui/ModalDialog.h"

namespace {

CScriptedDialogs* g_pScript = nullptr;

}  // namespace

CScriptedDialogs::CScriptedDialogs(DIALOG_SCRIPT script) : m_script(std::move(script)), m_pPrevious(g_pScript) {
  g_pScript = this;
}

CScriptedDialogs::~CScriptedDialogs() { g_pScript = m_pPrevious; }

CModalDialog::CModalDialog(QWidget* pParent) : QDialog(pParent) {}

int CModalDialog::DoModal() {
  setResult(QDialog::Rejected);
  OnInitDialog();
  if (g_pScript) {
    ++g_pScript->m_nRuns;
    g_pScript->m_script(*this);
    return result() == QDialog::Accepted ? IDOK : IDCANCEL;
  }
  return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

bool CModalDialog::PressOK() {
  if (!OnOK()) return false;
  done(QDialog::Accepted);
  return true;
}
