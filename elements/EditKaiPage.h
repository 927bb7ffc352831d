#pragma once
// A page break: a sentence directly under the sheet root after which the next part starts a
// new page. On screen it shows a grey mark line; on paper nothing.

#include "model/EditSentence.h"

class CEditKaiPage : public CEditSentence {
  DECLARE_SERIAL(CEditKaiPage)

 public:
  CEditKaiPage();

  // Appends the mark line end; every creator calls it right after construction.
  void Init();

  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
};
