#include "math/EditMarkElement.h"

#include "model/EditBox.h"
#include "platform/Archive.h"

CEditMarkElement::CEditMarkElement(DWORD nType) : CEditMathElement(nType) {}

CEditMarkElement::~CEditMarkElement() = default;

BOOL CEditMarkElement::StretchSlotMark(int nLine, CEditNode* pFirst, MARK_PLACE place, int nWidth) {
  const MARK_KIND kind = SlotMarkKind(pFirst, place);
  if (kind == kNoMark) return FALSE;
  EDIT_LINE_INFO line = SlotLine(nLine);
  if (kind == kQuarteredMark) {
    line.props.m_nHeight /= 4;
    pFirst->m_nHeight = line.props.m_nHeight;
  }
  pFirst->m_nWidth = nWidth;
  line.props.m_nWidth = nWidth;
  GetBox(0)->SetLine(nLine, line);
  return TRUE;
}

CEditNode* CEditMarkElement::FirstOfSecondSlot() {
  CEditNode* end = GetFirstLineBreak();
  if (!end) throw kMissingPiece;
  return dynamic_cast<CEditNode*>(end->GetNextSibling());
}

BOOL CEditMarkElement::IsStretched(const CEditNode&, int) const { return FALSE; }

void CEditMarkElement::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  if (!pDC || GetChildCount() == 0) return;
  try {
    DrawMembers(pDC, pMapper, TRUE);
    DrawChildren(pDC, pMapper);
    DrawMembers(pDC, pMapper, FALSE);
  } catch (...) {
  }
}

void CEditMarkElement::DrawChildren(CDC* pDC, CCoordMapper* pMapper) {
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* child = ChildOrThrow(i);
    const BOOL stroke = !(child->m_nType & NT_LINEBREAK) && !child->m_strText.IsEmpty() && IsStretched(*child, i);
    if (stroke) {
      DrawMarkStroke(pDC, pMapper, *child, IsThreePart());
    } else {
      EDIT_LAYOUT_PARAM param{};
      child->Draw(pDC, pMapper, &param);
    }
  }
  DrawSlotMarks(pDC, pMapper);
}

void CEditMarkElement::MeasureMember(CEditNode& member, CDC* pDC, CCoordMapper* pMapper) {
  member.m_bNeedsMeasure = 1;
  EDIT_LAYOUT_PARAM param = m_measureParam;
  member.Measure(pDC, pMapper, &param);
}


void CEditMarkElement::SerializeFlags(CArchive& ar, std::initializer_list<int*> flags) {
  for (int* flag : flags) {
    if (ar.IsStoring()) {
      ar << LONG(*flag);
    } else {
      LONG value = 0;
      ar >> value;
      *flag = value;
    }
  }
}

void CEditMarkElement::FitHeldMark(CEditNode& mark, int nBaseWidth) {
  const char16_t c = mark.m_strText.IsEmpty() ? 0 : mark.m_strText[0];
  if (IsQuarteredMark(c)) mark.m_nHeight /= 4;
  mark.m_nWidth = nBaseWidth;
}

void CEditMarkElement::ApplyHeldMarkSizes(CUndoGroup* pUndo, std::initializer_list<CEditNode*> marks) {
  try {
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* child = ChildOrThrow(i);
      child->SetFontSize(CSize(0, m_lf.lfHeight), pUndo);
      if (IsFormulaContainer(child->m_nType)) child->ApplyFontSize(pUndo);
    }
    for (CEditNode* mark : marks) mark->SetFontSize(CSize(0, GetScriptHeight()), pUndo);
  } catch (...) {
  }
}
