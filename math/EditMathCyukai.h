#pragma once
// An in-text answer that is a formula: laid out, shown and hidden like the answer of text, its
// empty slots marked green on screen.

#include "elements/InTextAnswer.h"
#include "math/EditMathContainer.h"
#include "math/MathNodeTypes.h"

class CEditMathCyukai : public CInTextAnswer<CEditMathContainer> {
  DECLARE_SERIAL(CEditMathCyukai)

 public:
  CEditMathCyukai();

  // The closing slot end of a new answer.
  void AppendLineEnd();
};
