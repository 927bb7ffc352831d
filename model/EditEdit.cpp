#include "model/EditEdit.h"

IMPLEMENT_SERIAL(CEditEdit, CEditContainer, 1)

CEditEdit::CEditEdit() : CEditContainer(NTYPE_EDITEDIT) { m_bCaretStop = 0; }

CEditEdit::~CEditEdit() = default;

CEditNode* CEditEdit::GetFirstCaretChild() {
  try {
    CEditNode* first = GetEditChildAt(0);
    return first ? first->GetFirstCaretChild() : nullptr;
  } catch (...) {
    return nullptr;
  }
}

void CEditEdit::Arrange(EDIT_LAYOUT_PARAM* pParam, int) {
  if (IsVisible() && GetChildCount() > 0) CEditContainer::Arrange(pParam, 0);
}

void CEditEdit::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (IsVisible() && GetChildCount() > 0) CEditContainer::Draw(pDC, pMapper, pParam);
}
