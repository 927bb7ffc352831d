#pragma once
// An in-text answer of text: the answer to a blank written into the running text, drawn in red
// on one line, shown or hidden for the whole sheet at once.

#include "model/EditContainer.h"

class CEditCyukai : public CEditContainer {
  DECLARE_SERIAL(CEditCyukai)

 public:
  CEditCyukai();

  // The closing line end of a new answer; the answer takes the default font of the writing
  // direction.
  void AppendLineEnd();

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  CEditNode* MoveCaretLeft(CEditCaret* pCaret, BOOL bExtend) override;
};
