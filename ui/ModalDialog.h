#pragma once
// A modal dialog in the class library's manner: opening fills the controls from the public
// members, OK takes them back when the controls hold valid values and refuses otherwise.
// Tests install a script that works the opened dialog in place of the user.

#include <QDialog>

#include <functional>

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

class CModalDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CModalDialog(QWidget* pParent);

  // IDOK when the dialog closed with OK, IDCANCEL otherwise.
  int DoModal();
  // What the OK button does: the dialog closes only when its values are valid.
  bool PressOK();
  void PressCancel() { reject(); }

 protected:
  virtual void OnInitDialog() {}
  virtual bool OnOK() { return true; }
  void accept() override { PressOK(); }
};

// Works the opened dialog (pressing OK or Cancel) in place of the user.
using DIALOG_SCRIPT = std::function<void(CModalDialog&)>;

// While it lives, every modal dialog runs through the script.
class CScriptedDialogs {
 public:
  explicit CScriptedDialogs(DIALOG_SCRIPT script);
  ~CScriptedDialogs();
  CScriptedDialogs(const CScriptedDialogs&) = delete;
  CScriptedDialogs& operator=(const CScriptedDialogs&) = delete;

  int m_nRuns = 0;

 private:
  friend class CModalDialog;
  DIALOG_SCRIPT m_script;
  CScriptedDialogs* m_pPrevious;
};
