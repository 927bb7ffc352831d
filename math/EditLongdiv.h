#pragma once
// The long division: a closing bracket before the dividend and a bar over both.

#include "math/EditMathElement.h"
#include "math/MathNodeTypes.h"

class CEditLongdiv : public CEditMathElement {
  DECLARE_SERIAL(CEditLongdiv)

 public:
  CEditLongdiv();
  ~CEditLongdiv() override;

  const char* GetSlotSizes() const override { return "f"; }

  // The bar's ends, the arc's box and its start and end points; drawn only once placed.
  POINT m_ptBarStart{};
  POINT m_ptBarEnd{};
  RECT m_rcArc{};
  POINT m_ptArcStart{};
  POINT m_ptArcEnd{};
  BOOL m_bSignPlaced = FALSE;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  void DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) override;
  BOOL HidesWithAnswers() const override { return TRUE; }
};
