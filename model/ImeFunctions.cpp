#include "model/ImeFunctions.h"

namespace {

// Runs one call on the window's context and releases it; 0 without a context.
template <class Call>
auto WithContext(HWND hWnd, Call call) -> decltype(call(HIMC{})) {
  HIMC hIMC = ImmGetContext(hWnd);
  if (!hIMC) return 0;
  auto result = call(hIMC);
  ImmReleaseContext(hWnd, hIMC);
  return result;
}

}  // namespace

BOOL ImeGetOpenStatus(HWND hWnd) {
  return WithContext(hWnd, [](HIMC hIMC) { return ImmGetOpenStatus(hIMC); });
}

BOOL ImeSetOpenStatus(HWND hWnd, BOOL bOpen) {
  HIMC hIMC = ImmGetContext(hWnd);
  if (!hIMC) return 0;
  if (!ImmGetOpenStatus(hIMC) != !bOpen) ImmSetOpenStatus(hIMC, bOpen);
  return ImmReleaseContext(hWnd, hIMC);
}

BOOL ImeSetCompositionPos(HWND hWnd, const POINT* pPoint) {
  if (!pPoint) return FALSE;
  return WithContext(hWnd, [pPoint](HIMC hIMC) {
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = *pPoint;
    return ImmSetCompositionWindow(hIMC, &form);
  });
}

BOOL ImeSetCompositionFont(HWND hWnd, const LOGFONTA* pFont) {
  if (!pFont) return FALSE;
  return WithContext(hWnd, [pFont](HIMC hIMC) { return ImmSetCompositionFontA(hIMC, pFont); });
}

DWORD ImeGetProperty(HWND hWnd, DWORD index) {
  return WithContext(hWnd, [index](HIMC) {
    HKL hKL = GetKeyboardLayout(0);
    return hKL ? ImmGetProperty(hKL, index) : DWORD(0);
  });
}
