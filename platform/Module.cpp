#include "platform/Module.h"

#include <dlfcn.h>

HMODULE LoadLibraryA(const char* path) { return path && *path ? dlopen(path, RTLD_NOW | RTLD_LOCAL) : nullptr; }

FARPROC GetProcAddress(HMODULE hModule, const char* name) {
  if (!hModule || !name) return nullptr;
  return reinterpret_cast<FARPROC>(dlsym(hModule, name));
}

BOOL FreeLibrary(HMODULE hModule) { return hModule && dlclose(hModule) == 0; }
