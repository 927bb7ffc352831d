#include "math/EditMathContainer.h"

#include "model/SlotMarks.h"
#include "platform/DC.h"

IMPLEMENT_SERIAL(CEditMathContainer, CEditContainer, 1)

CEditMathContainer::CEditMathContainer() = default;

CEditMathContainer::CEditMathContainer(DWORD nType) : CEditContainer(nType) {}

CEditMathContainer::~CEditMathContainer() = default;

void CEditMathContainer::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!pDC || !IsVisible()) return;
  CEditContainer::Draw(pDC, pMapper, pParam);
  try {
    if (m_nBorderAfterStyle != LS_NONE) DrawBorderAfter(pDC, pMapper);
  } catch (...) {
  }
}

void CEditMathContainer::ApplyDefaultFontHeight(const DEFAULT_FONTS& fonts, CUndoGroup* pUndo) {
  try {
    CEditNode::ApplyDefaultFontHeight(fonts, pUndo);
  } catch (...) {
  }
}

void CEditMathContainer::ApplyFontSize(CUndoGroup* pUndo) {
  try {
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* child = ChildOrThrow(i);
      child->SetFontSize(CSize(0, m_lf.lfHeight), pUndo);
      if (IsFormulaContainer(child->m_nType)) child->ApplyFontSize(pUndo);
    }
  } catch (...) {
  }
}

CEditNode* CEditMathContainer::GetFirstSlotEnd() {
  try {
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* child = ChildOrThrow(i);
      if (child->m_nType & NT_LINEBREAK) return child;
    }
  } catch (...) {
  }
  return nullptr;
}

CEditNode* CEditMathContainer::ChildOrThrow(int index) const {
  CEditNode* child = GetEditChildAt(index);
  if (!child) throw kMissingPiece;
  return child;
}

void CEditMathContainer::DrawSlotMarks(CDC* pDC, CCoordMapper* pMapper) { DrawEmptySlotMarks(*this, pDC, pMapper); }
