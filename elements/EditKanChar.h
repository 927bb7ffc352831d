#pragma once
// A character inside kanbun: a plain character that starts with the vertical default font,
// whatever the writing direction of the sheet.

#include "model/EditChar.h"

class CEditKanChar : public CEditChar {
  DECLARE_SERIAL(CEditKanChar)

 public:
  CEditKanChar();
  explicit CEditKanChar(char16_t ch);
  explicit CEditKanChar(const CStringW& text);

  void SetKanbunFont();
  // Text, hit side and format of a typed character, for the kanji of a new block.
  void CopyFromChar(const CEditChar* pSrc);

 protected:
  explicit CEditKanChar(DWORD nType);
};
