#pragma once
// Message boxes and file dialogs shown with Qt widgets.

#include "app/MessageService.h"

class QWidget;

class CQtMessageService : public CMessageService {
 public:
  explicit CQtMessageService(QWidget* pOwner = nullptr) : m_pOwner(pOwner) {}
  void SetOwner(QWidget* pOwner) { m_pOwner = pOwner; }

  int ShowMessage(const CStringW& text, const CStringW& caption, int nButtons, int nIcon) override;
  BOOL AskOpenPath(const CStringW& title, const std::vector<FILE_FILTER>& filters, std::string* pPath) override;
  BOOL AskSavePath(const CStringW& title, const CStringW& initialName, const CStringW& defaultExt,
                   const std::vector<FILE_FILTER>& filters, std::string* pPath, int* pFilter) override;

 private:
  QWidget* m_pOwner;
};
