#pragma once
// The input method over Qt. A window attaches itself to get an input context; its
// inputMethodQuery answers from Query, so Qt's input method places the composition at the
// caret rectangle and in the font the editor set. Qt knows no open status and no properties of
// the input method: the context keeps them itself.

#include <QFont>
#include <QRect>
#include <QVariant>

#include <map>
#include <memory>

#include "platform/InputMethod.h"

class QObject;

class CQtInputMethod : public CInputMethod {
 public:
  static CQtInputMethod& Instance();

  // The handle the input-method calls know the window by.
  HWND Attach(QObject* pWindow);
  void Detach(HWND hWnd);
  // The answer to the window's inputMethodQuery, or an invalid value for a query it leaves to Qt.
  QVariant Query(HWND hWnd, int query) const;
  void SetProperty(DWORD index, DWORD value) { m_properties[index] = value; }

  HIMC GetContext(HWND hWnd) override;
  BOOL ReleaseContext(HWND hWnd, HIMC hIMC) override;
  BOOL GetOpenStatus(HIMC hIMC) override;
  BOOL SetOpenStatus(HIMC hIMC, BOOL bOpen) override;
  BOOL SetCompositionWindow(HIMC hIMC, const COMPOSITIONFORM& form) override;
  BOOL SetCompositionFont(HIMC hIMC, const LOGFONTA& lf) override;
  HKL GetKeyboardLayout() override;
  DWORD GetProperty(HKL hKL, DWORD index) override;

 private:
  struct CONTEXT {
    QObject* pWindow = nullptr;
    BOOL bOpen = TRUE;
    QRect rcCursor;
    QFont font;
  };

  CQtInputMethod();
  CONTEXT* Find(HIMC hIMC) const;
  // Asks Qt to query the window again when it has the focus.
  static void Notify(const CONTEXT& context, int queries);

  std::map<HWND, std::unique_ptr<CONTEXT>> m_contexts;
  std::map<DWORD, DWORD> m_properties;
};
