#pragma once
// The fraction: a numerator over a denominator with a bar between, or, side by side, the two
// written diagonally across a slash.

#include "math/EditMathElement.h"
#include "math/MathNodeTypes.h"

class CEditFrac : public CEditMathElement {
  DECLARE_SERIAL(CEditFrac)

 public:
  CEditFrac();
  ~CEditFrac() override;

  void Serialize(CArchive& ar) override;
  const char* GetSlotSizes() const override { return "ff"; }

  int m_bSideBySide = 0;
  // The bar's ends in layout units; only drawn once an Arrange has placed them.
  POINT m_ptBarStart{};
  POINT m_ptBarEnd{};
  BOOL m_bBarPlaced = FALSE;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  void DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) override;
  BOOL HidesWithAnswers() const override { return TRUE; }

 private:
  void PlaceSideBySide(int x, int top, int bVertical);
};
