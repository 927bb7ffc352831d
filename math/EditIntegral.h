#pragma once
// The integral sign alone in a slot: the gaiji integral at twice the height of what follows
// it, standing on its line by its middle.

#include "math/EditMathChar.h"
#include "math/IntegralGlyph.h"
#include "math/MathNodeTypes.h"

class CEditIntegral : public CEditMathChar {
  DECLARE_SERIAL(CEditIntegral)

 public:
  CEditIntegral();
  ~CEditIntegral() override;

  void Serialize(CArchive& ar) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  CIntegralGlyph m_glyph;
};
