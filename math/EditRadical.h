#pragma once
// What the square root and the root with an index share: the radical sign, a polyline of five
// points whose proportions follow the radicand's line, placed by Arrange and drawn by Draw.

#include "math/EditMathElement.h"
#include "math/MathNodeTypes.h"

class CEditRadical : public CEditMathElement {
 public:
  ~CEditRadical() override;

  POINT m_ptSign[5]{};
  // No sign is drawn until an Arrange has placed it.
  BOOL m_bSignPlaced = FALSE;

 protected:
  explicit CEditRadical(DWORD nType);

  // The sign from its left x0 and bar height ys over a radicand line g high and w wide.
  void PlaceSign(int x0, int ys, int g, int w);
  // Lines n's height, ascent and half height grow by the space above a radicand.
  void RaiseRadicandLine(int nLine);
  void DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) override;
};

// The space added above a radicand: 1.5 pt.
constexpr int kRadicandSpace = 53;
// The gap between the element's or the radicand's top and the bar: 0.5 pt.
constexpr int kRadicalBarGap = 18;
