#pragma once
// An operator letter with a number before and after its foot, as in the combination and
// permutation symbols. The letter is a character the element holds itself, not a child.

#include "math/EditMathChar.h"
#include "math/EditScriptElement.h"

class CEditOPresubSub : public CEditScriptElement {
  DECLARE_SERIAL(CEditOPresubSub)

 public:
  CEditOPresubSub();
  ~CEditOPresubSub() override;

  void Serialize(CArchive& ar) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  // The letter at the element's height, the scripts at the script height.
  void ApplyFontSize(CUndoGroup* pUndo) override;
  const char* GetSlotSizes() const override { return "ss"; }

  CEditMathChar m_operator;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
};
