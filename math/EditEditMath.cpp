#include "math/EditEditMath.h"

#include <memory>

#include "math/EditMath.h"
#include "model/EditCR.h"

IMPLEMENT_SERIAL(CEditEditMath, CEditMathContainer, 1)

// Asks the formula, the first child; null without one or on failure.
template <class Ask>
CEditNode* CEditEditMath::FromFormula(Ask ask) {
  try {
    CEditNode* formula = GetEditChildAt(0);
    return formula ? ask(formula) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

CEditEditMath::CEditEditMath() : CEditMathContainer(NTYPE_EDITEDITMATH) { m_bCaretStop = 0; }

CEditEditMath::~CEditEditMath() = default;

void CEditEditMath::InitContent() {
  try {
    auto formula = std::make_unique<CEditMath>();
    formula->InitMath(FALSE);
    AppendChild(formula.release());
    AppendChild(new CEditCR);
  } catch (...) {
  }
}

BOOL CEditEditMath::IsEmpty() const {
  const CQVXMLNode* formula = GetChildCount() > 0 ? GetChildAt(0) : nullptr;
  return !formula || formula->GetChildCount() < 2;
}

void CEditEditMath::Clear() {
  DeleteAllChildren();
  InitContent();
}

CEditNode* CEditEditMath::GetFirstCaretChild() {
  return FromFormula([](CEditNode* formula) { return formula->GetFirstCaretChild(); });
}

CEditNode* CEditEditMath::GetLastCaretChild() {
  return FromFormula([](CEditNode* formula) { return formula->GetLastCaretChild(); });
}

CEditNode* CEditEditMath::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i)
      if (CEditNode* child = GetEditChildAt(i))
        if (CEditNode* hit = child->NodeFromPoint(x, y, pAfter)) return hit;
    CEditNode* first = GetEditChildAt(0);
    CEditNode* last = GetEditChildAt(GetChildCount() - 1);
    if (first && x <= first->m_rcInk.left) return GetFirstCaretChild();
    if (last && x >= last->m_rcInk.right) return GetLastCaretChild();
  } catch (...) {
  }
  return nullptr;
}
