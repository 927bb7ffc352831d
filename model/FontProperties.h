#pragma once
// The font as the sheet XML states it; the node's LOGFONT is what is measured and drawn.

#include <cstddef>

#include "platform/GdiTypes.h"

class CFontProperties {
 public:
  enum Stretch { StretchNormal = 0, StretchCondensed = 1, StretchExpanded = 2 };

  CFontProperties() { Init(); }
  void Init();
  void Copy(const CFontProperties& other) { *this = other; }
  // Copies the ANSI face, cut to fit with its NUL.
  void SetFontFamily(const char* face);

  CHAR m_szFontFamily[LF_FACESIZE];
  LONG m_nFontSize;
  LONG m_nFontStretch;
  LONG m_nFontItalic;
  LONG m_nFontWeight;
};

static_assert(sizeof(CFontProperties) == 48);
static_assert(offsetof(CFontProperties, m_nFontSize) == 32);

// The face of new text and of underline numbers, in the ANSI code page.
const char* DefaultMinchoFaceA();
// Copies an ANSI face into a 32-byte field, cut to fit with its NUL and zero-filled after it.
void CopyFaceName(CHAR (&dest)[LF_FACESIZE], const char* face);
