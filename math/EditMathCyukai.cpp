#include "math/EditMathCyukai.h"

#include <memory>

#include "math/EditMathCR.h"

IMPLEMENT_SERIAL(CEditMathCyukai, CEditMathContainer, 1)

CEditMathCyukai::CEditMathCyukai() : CInTextAnswer(NTYPE_EDITMATHCYUKAI) {}

void CEditMathCyukai::AppendLineEnd() {
  try {
    auto end = std::make_unique<CEditMathCR>();
    if (AppendChild(end.get()) >= 0) end.release();
  } catch (...) {
  }
}
