#include <cstring>

#include "elements/OperatorChars.h"
#include "model/DefaultFonts.h"
#include "model/EditNode.h"

namespace {

bool IsAscii(char16_t c) { return c < 0x80; }

DEFAULT_FONTS::Index MathEntryFor(const CStringW& text) {
  DEFAULT_FONTS::Index entry = DEFAULT_FONTS::MathOperatorDefault;
  if (IsAscii(text[0])) entry = text.IsLetterOrPrime() ? DEFAULT_FONTS::MathDefault : DEFAULT_FONTS::MathNumericDefault;
  CStringW operatorForm = text;
  MakeOperatorFullWidth(operatorForm);
  return IsMathOperatorChar(operatorForm) ? DEFAULT_FONTS::MathOperatorDefault : entry;
}

// Running text takes the horizontal entries in either writing direction.
DEFAULT_FONTS::Index TextEntryFor(char16_t c) {
  if (!IsAscii(c)) return DEFAULT_FONTS::Default;
  return c >= u'0' && c <= u'9' ? DEFAULT_FONTS::NumericDefault : DEFAULT_FONTS::HankakuDefault;
}

}  // namespace

void CEditNode::ApplyDefaultFonts(const DEFAULT_FONTS& fonts, CUndoGroup* pUndo) {
  if (!(m_nType & NT_CHARACTER) || m_strText.IsEmpty()) {
    for (int i = 0; i < GetChildCount(); ++i)
      if (CEditNode* child = GetEditChildAt(i)) child->ApplyDefaultFonts(fonts, pUndo);
    return;
  }
  if (std::strstr(m_lf.lfFaceName, "Halvern Gaiji")) return;
  const bool inFormula = m_pParent && (m_pParent->m_nType & NT_MATH);
  const DEFAULT_FONT& entry = fonts.entries[inFormula ? MathEntryFor(m_strText) : TextEntryFor(m_strText[0])];
  SetFontFace(entry.lf.lfFaceName, pUndo);
  SetItalic(entry.bItalic, pUndo);
}

namespace {

int HeightOfKind(const DEFAULT_FONTS& fonts, BOOL bMath) {
  return fonts.entries[bMath ? DEFAULT_FONTS::MathDefault : DEFAULT_FONTS::Default].nCharHeight;
}

}  // namespace

void CEditNode::ApplyDefaultFontHeight(const DEFAULT_FONTS& fonts, CUndoGroup* pUndo) {
  if ((m_nType & NT_CHARACTER) && !m_strText.IsEmpty()) {
    const BOOL inFormula = m_pParent && (m_pParent->m_nType & NT_MATH);
    SetFontSize(CSize(0, HeightOfKind(fonts, inFormula)), pUndo);
    return;
  }
  SetFontSize(CSize(0, HeightOfKind(fonts, m_nType & NT_MATH)), pUndo);
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* child = GetEditChildAt(i);
    if (!child) continue;
    // Each child takes the height of its own kind, and so does what lies below it.
    const CSize size(0, HeightOfKind(fonts, child->m_nType & NT_MATH));
    child->SetFontSize(size, pUndo);
    if (IsFormulaContainer(child->m_nType))
      child->ApplyFontSize(pUndo);
    else
      child->SetFontHeightRecursiveMath(size, FALSE, pUndo);
  }
}
