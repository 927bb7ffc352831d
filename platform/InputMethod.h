#pragma once
// The input-method calls the editor makes on the input context of one of its windows. They go
// to the installed input method: Qt's in the programs, a fake one in tests.

#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"

struct HWND__;
using HWND = HWND__*;
struct HIMC__;
using HIMC = HIMC__*;
struct HKL__;
using HKL = HKL__*;

constexpr DWORD CFS_POINT = 0x0002;

constexpr DWORD IGP_PROPERTY = 0x04;
constexpr DWORD IGP_UI = 0x10;
constexpr DWORD IME_PROP_AT_CARET = 0x00010000;
constexpr DWORD IME_PROP_UNICODE = 0x00080000;
constexpr DWORD UI_CAP_2700 = 0x0001;

struct COMPOSITIONFORM {
  DWORD dwStyle;
  POINT ptCurrentPos;
  RECT rcArea;
};

class CInputMethod {
 public:
  virtual ~CInputMethod() = default;
  // Null when the window has no input context.
  virtual HIMC GetContext(HWND hWnd) = 0;
  virtual BOOL ReleaseContext(HWND hWnd, HIMC hIMC) = 0;
  virtual BOOL GetOpenStatus(HIMC hIMC) = 0;
  virtual BOOL SetOpenStatus(HIMC hIMC, BOOL bOpen) = 0;
  virtual BOOL SetCompositionWindow(HIMC hIMC, const COMPOSITIONFORM& form) = 0;
  virtual BOOL SetCompositionFont(HIMC hIMC, const LOGFONTA& lf) = 0;
  // Null when no keyboard layout is active.
  virtual HKL GetKeyboardLayout() = 0;
  virtual DWORD GetProperty(HKL hKL, DWORD index) = 0;
};

// Installs the input method the calls below go to; null puts Qt's back.
void SetInputMethod(CInputMethod* pInputMethod);

HIMC ImmGetContext(HWND hWnd);
BOOL ImmReleaseContext(HWND hWnd, HIMC hIMC);
BOOL ImmGetOpenStatus(HIMC hIMC);
BOOL ImmSetOpenStatus(HIMC hIMC, BOOL bOpen);
BOOL ImmSetCompositionWindow(HIMC hIMC, const COMPOSITIONFORM* pForm);
BOOL ImmSetCompositionFontA(HIMC hIMC, const LOGFONTA* pFont);
HKL GetKeyboardLayout(DWORD idThread);
DWORD ImmGetProperty(HKL hKL, DWORD index);
