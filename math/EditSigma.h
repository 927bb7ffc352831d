#pragma once
// The summation sign alone in a slot: a Mincho Σ measured and drawn at twice the height of
// what follows it, standing on its line by its middle.

#include "math/EditMathChar.h"
#include "math/MathNodeTypes.h"

class CEditSigma : public CEditMathChar {
  DECLARE_SERIAL(CEditSigma)

 public:
  CEditSigma();
  ~CEditSigma() override;

  void Serialize(CArchive& ar) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  LOGFONTA m_lfGlyph{};
  // How far the glyph is drawn left of the box: the wide Σ does not push its neighbours away.
  int m_nLeftShift = 0;
};

// Centres a big-operator sign on its line's half-height line.
void ArrangeBigOperatorSign(CEditNode& sign, const EDIT_LAYOUT_PARAM& param);
