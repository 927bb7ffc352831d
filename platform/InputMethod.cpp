#include "platform/InputMethod.h"

#include "platform/QtInputMethod.h"

namespace {

CInputMethod* g_pInstalled = nullptr;

CInputMethod& Current() { return g_pInstalled ? *g_pInstalled : CQtInputMethod::Instance(); }

}  // namespace

void SetInputMethod(CInputMethod* pInputMethod) { g_pInstalled = pInputMethod; }

HIMC ImmGetContext(HWND hWnd) { return hWnd ? Current().GetContext(hWnd) : nullptr; }

BOOL ImmReleaseContext(HWND hWnd, HIMC hIMC) { return hIMC ? Current().ReleaseContext(hWnd, hIMC) : FALSE; }

BOOL ImmGetOpenStatus(HIMC hIMC) { return hIMC ? Current().GetOpenStatus(hIMC) : FALSE; }

BOOL ImmSetOpenStatus(HIMC hIMC, BOOL bOpen) { return hIMC ? Current().SetOpenStatus(hIMC, bOpen) : FALSE; }

BOOL ImmSetCompositionWindow(HIMC hIMC, const COMPOSITIONFORM* pForm) {
  return hIMC && pForm ? Current().SetCompositionWindow(hIMC, *pForm) : FALSE;
}

BOOL ImmSetCompositionFontA(HIMC hIMC, const LOGFONTA* pFont) {
  return hIMC && pFont ? Current().SetCompositionFont(hIMC, *pFont) : FALSE;
}

HKL GetKeyboardLayout(DWORD) { return Current().GetKeyboardLayout(); }

DWORD ImmGetProperty(HKL hKL, DWORD index) { return hKL ? Current().GetProperty(hKL, index) : 0; }
