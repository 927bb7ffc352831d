#pragma once
// A mark under a base: a character the element holds itself, stretched to the base's width
// and painted as a stroke.

#include "math/EditMarkElement.h"
#include "math/EditMathChar.h"

class CEditUnder2 : public CEditMarkElement {
  DECLARE_SERIAL(CEditUnder2)

 public:
  CEditUnder2();
  ~CEditUnder2() override;

  void Serialize(CArchive& ar) override;
  // The base slot, and the marks at the script height.
  void CreateSlots() override;
  // The base at the element's height, the mark at the script height.
  void ApplyFontSize(CUndoGroup* pUndo) override;
  const char* GetSlotSizes() const override { return "f"; }

  CEditMathChar m_under;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  void DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) override;
};
