#include "math/EditEditMath.h"

#include <memory>

#include "math/EditMath.h"
#include "model/EditCR.h"

IMPLEMENT_SERIAL(CEditEditMath, CEditMathContainer, 1)

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
  try {
    CEditNode* formula = GetEditChildAt(0);
    return formula ? formula->GetFirstCaretChild() : nullptr;
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditEditMath::GetLastCaretChild() {
  try {
    CEditNode* formula = GetEditChildAt(0);
    return formula ? formula->GetLastCaretChild() : nullptr;
  } catch (...) {
    return nullptr;
  }
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
