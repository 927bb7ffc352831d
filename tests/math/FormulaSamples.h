#pragma once
// The formulas of the formula picture: every formula element class with filled slots.

#include <string>

#include "math/EditFenced.h"
#include "math/EditFrac.h"
#include "math/EditIntegralSubsup.h"
#include "math/EditMath.h"
#include "math/EditMathCR.h"
#include "math/EditIntegral.h"
#include "math/EditSigma.h"
#include "math/EditLongdiv.h"
#include "math/EditMatrix.h"
#include "math/EditOUnderover.h"
#include "math/EditOver.h"
#include "math/EditOver2.h"
#include "math/EditSigmaSub.h"
#include "math/EditSigmaSubsup.h"
#include "math/EditSigmaUnder.h"
#include "math/EditSigmaUnderover.h"
#include "math/EditUnder.h"
#include "math/EditUnder2.h"
#include "math/EditUnderover.h"
#include "math/EditUnderover2.h"
#include "math/EditOPresubSub.h"
#include "math/EditRoot.h"
#include "math/EditSqrt.h"
#include "math/EditSubsup.h"
#include "math/EditSuper.h"
#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditSentence.h"
#include "model/LayoutDC.h"
#include "platform/PainterBackend.h"


inline void AppendText(CEditNode& parent, const std::u16string& text) {
  for (char16_t c : text) parent.AppendChild(new CEditChar(c));
}

// Math characters before a slot end, at its height.
inline void Fill(CEditNode* end, const std::u16string& text) {
  for (char16_t c : text) {
    auto* ch = new CEditMathChar(c);
    ch->m_lf.lfHeight = end->m_lf.lfHeight;
    end->InsertBefore(ch);
  }
}

inline CEditNode* SlotEnd(CEditNode* element, int slot) {
  int seen = 0;
  for (int i = 0; i < element->GetChildCount(); ++i) {
    CEditNode* child = element->GetEditChildAt(i);
    if ((child->m_nType & NT_LINEBREAK) && seen++ == slot) return child;
  }
  return nullptr;
}

// A new element with its slots filled, placed before the slot end.
template <class T>
inline T* Put(CEditNode* end, std::initializer_list<std::u16string> texts) {
  auto* element = new T;
  element->m_lf.lfHeight = end->m_lf.lfHeight;
  element->CreateSlots();
  int slot = 0;
  for (const std::u16string& text : texts) Fill(SlotEnd(element, slot++), text);
  end->InsertBefore(element);
  return element;
}

// A formula in the default math fonts: letters italic, the rest upright.
inline CEditMath* MakeFormula(const std::u16string& text) {
  auto* formula = new CEditMath;
  formula->InitMath(TRUE);
  Fill(formula->GetEditChildAt(0), text);
  return formula;
}

inline CEditMath* Finish(CEditMath* formula) {
  formula->ApplyDefaultFonts(g_DefaultFonts, nullptr);
  return formula;
}

// Fractions, one side by side, in nested fences.
inline CEditMath* MakeFractionRow() {
  CEditMath* formula = MakeFormula(u"");
  CEditNode* end = formula->GetEditChildAt(0);
  Put<CEditFrac>(end, {u"1", u"2"});
  Fill(end, u"+");
  Put<CEditFrac>(end, {u"x+1", u"x-1"});
  Fill(end, u"=");
  auto* outer = Put<CEditFenced>(end, {u""});
  outer->m_open.SetText(CStringW(u"{"));
  outer->m_close.SetText(CStringW(u"}"));
  auto* inner = Put<CEditFenced>(SlotEnd(outer, 0), {u"a+"});
  Put<CEditFrac>(SlotEnd(inner, 0), {u"b", u"c"});
  Fill(SlotEnd(outer, 0), u"\u00D7");
  auto* bars = Put<CEditFenced>(SlotEnd(outer, 0), {u"-3"});
  bars->m_open.SetText(CStringW(u"|"));
  bars->m_close.SetText(CStringW(u"|"));
  Fill(end, u"+");
  Put<CEditFrac>(end, {u"3", u"4"})->m_bSideBySide = 1;
  Fill(end, u"+");
  auto* shell = Put<CEditFenced>(end, {u""});
  shell->m_open.SetText(CStringW(u"\u3014"));
  shell->m_close.SetText(CStringW(u"\u3015"));
  return Finish(formula);
}

// Σ before k², then an integral with limits.
inline CEditMath* MakeOperatorRow() {
  CEditMath* formula = MakeFormula(u"");
  CEditNode* end = formula->GetEditChildAt(0);
  end->InsertBefore(new CEditSigma);
  Fill(end, u"k+");
  auto* integral = Put<CEditIntegralSubsup>(end, {u"1", u"0"});
  integral->ApplyFontSize(nullptr);
  Fill(end, u"x dx+");
  end->InsertBefore(new CEditIntegral);
  Fill(end, u"f(t)dt");
  return Finish(formula);
}

// x², x₁², ₙCᵣ, √x, ∛x, a long division and a 2 × 3 matrix with its grid.
inline CEditMath* MakeScriptRow() {
  CEditMath* formula = MakeFormula(u"");
  CEditNode* end = formula->GetEditChildAt(0);
  Put<CEditSuper>(end, {u"x", u"2"});
  Fill(end, u",");
  Put<CEditSubsup>(end, {u"x", u"2", u"1"});
  Fill(end, u",");
  auto* choose = Put<CEditOPresubSub>(end, {u"n", u"r"});
  choose->m_operator.SetText(CStringW(u"C"));
  choose->m_operator.m_lf.lfHeight = end->m_lf.lfHeight;
  Fill(end, u",");
  Put<CEditSqrt>(end, {u"x"});
  Fill(end, u",");
  Put<CEditRoot>(end, {u"3", u"x"});
  Fill(end, u",");
  Put<CEditLongdiv>(end, {u"1234"});
  Fill(end, u",");
  auto* matrix = new CEditMatrix;
  matrix->m_lf.lfHeight = end->m_lf.lfHeight;
  matrix->CreateCells(2, 3);
  matrix->m_nBorderStyle = LS_SOLID;
  const char16_t* cells[] = {u"1", u"0", u"-2", u"a", u"b+c", u"3"};
  for (int i = 0; i < 6; ++i) Fill(SlotEnd(matrix, i), cells[i]);
  end->InsertBefore(matrix);
  Finish(formula);
  choose->m_operator.m_lf = choose->GetEditChildAt(0)->m_lf;
  choose->m_operator.m_lf.lfHeight = choose->m_lf.lfHeight;
  return formula;
}

// Operators with texts, texts and marks over and under a base.
inline CEditMath* MakeOverUnderRow() {
  CEditMath* formula = MakeFormula(u"");
  CEditNode* end = formula->GetEditChildAt(0);
  auto* reaction = Put<CEditOUnderover>(end, {u"heat", u""});
  reaction->m_operator.SetText(CStringW(u"\u21C4"));
  Fill(end, u",");
  auto* arrow = Put<CEditOUnderover>(end, {u"a", u"b"});
  arrow->m_operator.SetText(CStringW(u"\u2192"));
  Fill(end, u",");
  Put<CEditOver>(end, {u"\uFE37", u"a+b"});
  Fill(end, u",");
  Put<CEditUnder>(end, {u"xyz", u"\uFE36"});
  Fill(end, u",");
  Put<CEditUnderover>(end, {u"\u2190", u"AB", u"\uFE36"});
  Fill(end, u",");
  Put<CEditOver2>(end, {u"AB"})->m_over.SetText(CStringW(u"\u2192"));
  Fill(end, u",");
  Put<CEditUnder2>(end, {u"x+y"})->m_under.SetText(CStringW(u"\uFE38"));
  Fill(end, u",");
  auto* marks = Put<CEditUnderover2>(end, {u"PQ"});
  marks->m_over.SetText(CStringW(u"\u2194"));
  marks->m_under.SetText(CStringW(u"\uFE36"));
  Finish(formula);
  for (CEditMathChar* held : {&reaction->m_operator, &arrow->m_operator})
    held->m_lf.lfHeight = reaction->m_lf.lfHeight;
  return formula;
}

// The four sums with limits.
inline CEditMath* MakeSumRow() {
  CEditMath* formula = MakeFormula(u"");
  CEditNode* end = formula->GetEditChildAt(0);
  Put<CEditSigmaSub>(end, {u"k"});
  Fill(end, u"a+");
  Put<CEditSigmaSubsup>(end, {u"n", u"k=1"});
  Fill(end, u"k+");
  Put<CEditSigmaUnder>(end, {u"i<j"});
  Fill(end, u"b+");
  Put<CEditSigmaUnderover>(end, {u"n", u"k=0"});
  Fill(end, u"c");
  return Finish(formula);
}

