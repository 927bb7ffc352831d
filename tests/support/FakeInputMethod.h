#pragma once
// An input method for tests: one window may have a context; every call is logged by name.
// Installs itself for the calls of platform/InputMethod.h while it lives.

#include <string>
#include <vector>

#include "platform/InputMethod.h"

class CFakeInputMethod : public CInputMethod {
 public:
  CFakeInputMethod() { SetInputMethod(this); }
  ~CFakeInputMethod() override { SetInputMethod(nullptr); }

  HIMC GetContext(HWND hWnd) override {
    m_calls.push_back("GetContext");
    if (hWnd != m_hWnd || !m_bHasContext) return nullptr;
    ++m_nTaken;
    return Context();
  }
  BOOL ReleaseContext(HWND, HIMC hIMC) override {
    m_calls.push_back("ReleaseContext");
    if (hIMC == Context()) --m_nTaken;
    return TRUE;
  }
  BOOL GetOpenStatus(HIMC) override {
    m_calls.push_back("GetOpenStatus");
    return m_bOpen;
  }
  BOOL SetOpenStatus(HIMC, BOOL bOpen) override {
    m_calls.push_back("SetOpenStatus");
    m_bOpen = bOpen;
    return TRUE;
  }
  BOOL SetCompositionWindow(HIMC, const COMPOSITIONFORM& form) override {
    m_calls.push_back("SetCompositionWindow");
    m_form = form;
    return TRUE;
  }
  BOOL SetCompositionFont(HIMC, const LOGFONTA& lf) override {
    m_calls.push_back("SetCompositionFont");
    m_font = lf;
    return TRUE;
  }
  HKL GetKeyboardLayout() override {
    m_calls.push_back("GetKeyboardLayout");
    return m_bHasLayout ? reinterpret_cast<HKL>(&m_bHasLayout) : nullptr;
  }
  DWORD GetProperty(HKL, DWORD index) override {
    m_calls.push_back("GetProperty");
    return index == IGP_PROPERTY ? IME_PROP_AT_CARET : 0;
  }

  HIMC Context() { return reinterpret_cast<HIMC>(&m_nTaken); }

  HWND m_hWnd = reinterpret_cast<HWND>(this);
  BOOL m_bHasContext = TRUE;
  BOOL m_bHasLayout = TRUE;
  BOOL m_bOpen = FALSE;
  int m_nTaken = 0;  // contexts given out and not released
  COMPOSITIONFORM m_form{};
  LOGFONTA m_font{};
  std::vector<std::string> m_calls;
};
