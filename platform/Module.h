#pragma once
// Libraries loaded at run time, with the calls the program makes on Windows, over dlopen.

#include "platform/WinTypes.h"

using HMODULE = void*;
using FARPROC = void (*)();

// The library at the path, or, for a bare name, the one the library path finds; null when none
// loads.
HMODULE LoadLibraryA(const char* path);
// The exported entry of that name, or null.
FARPROC GetProcAddress(HMODULE hModule, const char* name);
BOOL FreeLibrary(HMODULE hModule);
