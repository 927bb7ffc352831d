#pragma once
// What the integrals with limits share: the integral sign they hold beside their slots, its
// archive block, its measuring and placing, and its drawing.

#include "math/EditMathElement.h"
#include "math/IntegralGlyph.h"
#include "math/MathNodeTypes.h"

class CEditIntegralLimits : public CEditMathElement {
 public:
  ~CEditIntegralLimits() override;

  void Serialize(CArchive& ar) override;

  CIntegralGlyph m_glyph;

 protected:
  explicit CEditIntegralLimits(DWORD nType);

  // Measures the sign at twice the element's height; called first by MeasureShape.
  void MeasureSign(CDC* pDC, CCoordMapper* pMapper);
  // Places the sign at x with its middle on the line's half-height line, and the element's box
  // around it; answers the element's top.
  int PlaceSignAndBox(const EDIT_LAYOUT_PARAM& param);
  // The lower limit's line, its baseline on the sign's foot, 5/8 of the sign in.
  void PlaceLowerLimit(int nLine, int x, int bVertical);
  void DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) override;
};
