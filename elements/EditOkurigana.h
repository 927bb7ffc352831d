#pragma once
// The box of the small kana on the right or on the left of a kanji. With the end-align flag
// its lines are pushed to the far end of the box, so right-side kana sit against the kanji.

#include "model/EditContainer.h"

class CEditOkurigana : public CEditContainer {
  DECLARE_SERIAL(CEditOkurigana)

 public:
  CEditOkurigana();

  void Serialize(CArchive& ar) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;

  int m_bAlignEnd = 0;
};
