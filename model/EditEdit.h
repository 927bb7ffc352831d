#pragma once
// The root of a small text edited outside the sheet; its own position is no caret position,
// and its content is always placed in horizontal terms.

#include "model/EditContainer.h"

class CEditEdit : public CEditContainer {
  DECLARE_SERIAL(CEditEdit)

 public:
  CEditEdit();
  ~CEditEdit() override;

  CEditNode* GetFirstCaretChild() override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
};
