#pragma once
// An operator mark with a small text over and under it: a reaction arrow with its conditions,
// a brace or an arc with labels. The operator is a character the element holds itself and
// paints as a stroke, an arrow widened to the wider text.

#include "math/EditMarkElement.h"
#include "math/EditMathChar.h"

class CEditOUnderover : public CEditMarkElement {
  DECLARE_SERIAL(CEditOUnderover)

 public:
  CEditOUnderover();
  ~CEditOUnderover() override;

  void Serialize(CArchive& ar) override;
  // The operator at the element's height, then the two text slots at the script height.
  void CreateSlots() override;
  void ApplyFontSize(CUndoGroup* pUndo) override;
  const char* GetSlotSizes() const override { return "ss"; }

  CEditMathChar m_operator;
  // Set by Measure.
  int m_bWidened = 0;
  int m_bOverMark = 0;
  int m_bUnderMark = 0;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  BOOL IsStretched(const CEditNode& child, int index) const override;
  BOOL IsThreePart() const override { return TRUE; }
  void DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) override;

 private:
  // Quarters a quartered operator; widens an arrow to the wider text plus 5 mm.
  void FitOperator();
};
