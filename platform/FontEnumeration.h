#pragma once
// Enumeration of the installed font faces, one report per face name.

#include "platform/GdiTypes.h"

constexpr DWORD TRUETYPE_FONTTYPE = 0x0004;
constexpr DWORD NTM_REGULAR = 0x00000040;
constexpr BYTE OUT_STROKE_PRECIS = 3;
constexpr BYTE CLIP_STROKE_PRECIS = 2;
constexpr BYTE DRAFT_QUALITY = 1;

using FONTENUMPROCA = int (*)(const LOGFONTA* lf, const NEWTEXTMETRICA* tm, DWORD fontType, LPARAM lParam);

// Reports every face of the character set in lf->lfCharSet (SHIFTJIS_CHARSET: faces that
// hold Japanese, with their "@" forms; ANSI_CHARSET: faces that hold Latin), the Windows
// faces of the substitution table included. Stops when proc returns 0; returns the last
// value of proc.
int EnumFontFamiliesExA(const LOGFONTA* lf, FONTENUMPROCA proc, LPARAM lParam);
