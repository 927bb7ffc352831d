#pragma once
// Marks over and under a base: characters the element holds itself, stretched to the base's
// width and painted as strokes.

#include "math/EditMarkElement.h"
#include "math/EditMathChar.h"

class CEditUnderover2 : public CEditMarkElement {
  DECLARE_SERIAL(CEditUnderover2)

 public:
  CEditUnderover2();
  ~CEditUnderover2() override;

  void Serialize(CArchive& ar) override;
  // The base slot, and the marks at the script height.
  void CreateSlots() override;
  // The base at the element's height, the marks at the script height.
  void ApplyFontSize(CUndoGroup* pUndo) override;
  const char* GetSlotSizes() const override { return "f"; }

  CEditMathChar m_over;
  CEditMathChar m_under;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  void DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) override;
  BOOL IsThreePart() const override { return TRUE; }
};
