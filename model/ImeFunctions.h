#pragma once
// The input-method calls of the editing view and the kunten pane, each on the input context of
// one window: the context is taken, used once and released; a window without one answers 0.

#include "platform/InputMethod.h"

BOOL ImeGetOpenStatus(HWND hWnd);
// Changes the status only when it differs; answers the result of releasing the context.
BOOL ImeSetOpenStatus(HWND hWnd, BOOL bOpen);
BOOL ImeSetCompositionPos(HWND hWnd, const POINT* pPoint);
BOOL ImeSetCompositionFont(HWND hWnd, const LOGFONTA* pFont);
// A property of the input method of the current keyboard layout.
DWORD ImeGetProperty(HWND hWnd, DWORD index);
