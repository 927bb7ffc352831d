#pragma once
// The formula object: stands in running text like a character and holds one formula line,
// closed by its slot end.

#include "math/EditMathContainer.h"
#include "math/MathNodeTypes.h"

class CEditMath : public CEditMathContainer {
  DECLARE_SERIAL(CEditMath)

 public:
  CEditMath();
  ~CEditMath() override;

  // Appends the closing slot end: in the default math font and height when bDefaultFont,
  // else at 10.5 points.
  void InitMath(BOOL bDefaultFont);

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

 private:
  void TakeOverhangs();
};
