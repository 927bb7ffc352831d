#pragma once
// Version check at start-up, system error texts, file and folder tests.

#include "model/StringW.h"
#include "platform/VersionInfo.h"

// The platform record the text output, the character map and the file dialogs read;
// this port always runs on the NT platform.
extern const OSVERSIONINFO g_VersionInfo;

// TRUE on the 95/98/Me platform and on NT up to major version 5.
BOOL CheckWindowsVersion();
// The system's text for an error number (errno); empty when it has none.
void FormatSystemMessage(DWORD code, CStringW& out);
// Whether a path, or a pattern with * and ? in its last part, names a folder or a file.
BOOL DirectoryExists(const char* pattern);
BOOL FileExists(const char* pattern);
void SwapInts(int* a, int* b);
