#include "math/MathMLExport.h"

#include <memory>
#include <new>

#include "math/EditFenced.h"
#include "math/EditFrac.h"
#include "math/EditIntegralSub.h"
#include "math/EditIntegralSubsup.h"
#include "math/EditLongdiv.h"
#include "math/EditMath.h"
#include "math/EditMathChar.h"
#include "math/EditMatrix.h"
#include "math/EditMulti.h"
#include "math/EditOPresubSub.h"
#include "math/EditOUnderover.h"
#include "math/EditOver.h"
#include "math/EditOver2.h"
#include "math/EditPresub.h"
#include "math/EditPresubPresup.h"
#include "math/EditPresubSub.h"
#include "math/EditPresuper.h"
#include "math/EditRoot.h"
#include "math/EditSigmaSub.h"
#include "math/EditSigmaSubsup.h"
#include "math/EditSigmaUnder.h"
#include "math/EditSigmaUnderover.h"
#include "math/EditSqrt.h"
#include "math/EditSub.h"
#include "math/EditSubsup.h"
#include "math/EditSuper.h"
#include "math/EditUnder.h"
#include "math/EditUnder2.h"
#include "math/EditUnderover.h"
#include "math/EditUnderover2.h"
#include "model/MathMLLayoutElements.h"
#include "model/MathMLScriptElements.h"
#include "model/MathMLTableElements.h"
#include "model/MathMLTokenElements.h"

namespace {

const CStringW kIntegralText(u"\u222B");
const CStringW kSigmaText(u"\u03A3");

// A slot end that an element needs is missing: what was written so far stays.
struct SLOT_MISSING {};

enum class RunClass { Digits, Symbols, Other };

RunClass ClassOf(const CStringW& text) {
  if (text.IsAllDigits()) return RunClass::Digits;
  if (text.IsAllMathSymbols()) return RunClass::Symbols;
  return RunClass::Other;
}

struct MATH_RUN {
  CEditNode* pFirst = nullptr;
  int nFirstIndex = 0;
  CStringW text;
};

BOOL JoinsRun(const MATH_RUN& run, CEditNode& child) {
  if (!run.pFirst || child.m_strText == kIntegralText || child.m_strText == kSigmaText) return FALSE;
  auto* first = dynamic_cast<CEditChar*>(run.pFirst);
  return first && first->IsSameFormat(child) && ClassOf(run.text) == ClassOf(child.m_strText);
}

template <class N>
N* Append(CQVXMLNode* pParent, N* pNode) {
  std::unique_ptr<N> owned(pNode);
  if (pParent->AppendChild(pNode) < 0) throw std::bad_alloc();
  return owned.release();
}

std::unique_ptr<CMathMLToken> MakeToken(RunClass kind) {
  switch (kind) {
    case RunClass::Digits:
      return std::make_unique<CMathMLToken>(XE_MN);
    case RunClass::Symbols:
      return std::make_unique<CMathMLOperator>();
    case RunClass::Other:
      break;
  }
  return std::make_unique<CMathMLToken>(XE_MI);
}

void WriteRun(MATH_RUN& run, CEditNode* pSource, CQVXMLNode* pTarget) {
  if (!run.pFirst) return;
  std::unique_ptr<CMathMLToken> token = MakeToken(ClassOf(run.text));
  token->SetText(run.text);
  if (auto* source = dynamic_cast<CEditMathChar*>(run.pFirst)) source->WriteTokenAttributes(token.get());
  // The over mark of an over element stretches when the element says so.
  if (auto* over = dynamic_cast<CEditOver*>(pSource); over && run.nFirstIndex == 0 && run.text.GetLength() == 1)
    if (auto* mark = dynamic_cast<CMathMLOperator*>(token.get())) mark->m_nStretchy = over->m_bMark;
  Append(pTarget, token.release());
  run = MATH_RUN{};
}

void CopyBorderAfter(const CEditNode& source, CMathMLNode& target) {
  if (source.m_nBorderAfterStyle == LS_NONE) return;
  target.m_borderProps.m_nBorderAfterStyle = source.m_nBorderAfterStyle;
  target.m_borderProps.m_nBorderAfterWidth = source.m_nBorderAfterWidth;
  target.m_kasenProps.Copy(source);
}

// The index of the first child of slot n: slot n begins after the n-th slot end.
int SlotStart(CEditNode* pNode, int nSlot) {
  int index = 0;
  for (int passed = 0; passed < nSlot; ++index) {
    if (index >= pNode->GetChildCount()) throw SLOT_MISSING{};
    CEditNode* child = pNode->GetEditChildAt(index);
    if (child && child->m_nType == NTYPE_EDITMATHCR) ++passed;
  }
  return index;
}

// An mrow holding slot n; an empty slot gives an empty mrow.
void AppendSlot(CEditNode* pNode, int nSlot, CQVXMLNode* pParent) {
  auto* row = Append(pParent, new CMathMLRow(XE_MROW));
  ExportMathChildren(pNode, SlotStart(pNode, nSlot), row);
}

void AppendGlyph(CEditMathChar& glyph, CQVXMLNode* pParent, const CStringW* pText = nullptr) {
  auto* token = Append(pParent, new CMathMLOperator());
  token->SetText(pText ? *pText : glyph.m_strText);
  glyph.WriteTokenAttributes(token);
}

void AppendNone(CQVXMLNode* pParent) { Append(pParent, new CMathMLNone()); }

CMathMLPrescripts* AppendPrescripts(CQVXMLNode* pParent) { return Append(pParent, new CMathMLPrescripts()); }

// The element of one formula class with its slots and glyphs in MathML order.
CMathMLNode* ExportElement(CEditNode* n, CQVXMLNode* parent) {
  auto element = [&](CMathMLNode* e) {
    CopyBorderAfter(*n, *e);
    return Append(parent, e);
  };
  if (auto* frac = dynamic_cast<CEditFrac*>(n)) {
    auto* e = new CMathMLFrac();
    e->m_bBevelled = frac->m_bSideBySide;
    element(e);
    AppendSlot(n, 0, e);
    AppendSlot(n, 1, e);
    return e;
  }
  auto scripted = [&](DWORD code, std::initializer_list<int> slots) {
    CMathMLNode* e = element(code == XE_MSQRT || code == XE_MROOT ? static_cast<CMathMLNode*>(new CMathMLRadical(code))
                             : code == XE_MSUB || code == XE_MSUP || code == XE_MSUBSUP
                                 ? static_cast<CMathMLNode*>(new CMathMLScript(code))
                                 : static_cast<CMathMLNode*>(new CMathMLUnderOver(code)));
    for (int slot : slots) AppendSlot(n, slot, e);
    return e;
  };
  if (dynamic_cast<CEditSqrt*>(n)) return scripted(XE_MSQRT, {0});
  if (dynamic_cast<CEditRoot*>(n)) return scripted(XE_MROOT, {1, 0});
  if (dynamic_cast<CEditSubsup*>(n)) return scripted(XE_MSUBSUP, {0, 2, 1});
  if (dynamic_cast<CEditSub*>(n)) return scripted(XE_MSUB, {0, 1});
  if (dynamic_cast<CEditSuper*>(n)) return scripted(XE_MSUP, {0, 1});
  if (dynamic_cast<CEditUnderover*>(n)) return scripted(XE_MUNDEROVER, {1, 2, 0});
  if (dynamic_cast<CEditUnder*>(n)) return scripted(XE_MUNDER, {0, 1});
  if (dynamic_cast<CEditOver*>(n)) return scripted(XE_MOVER, {1, 0});
  auto multi = [&](std::initializer_list<int> after, std::initializer_list<int> pre) {
    CMathMLNode* e = element(new CMathMLMultiscripts());
    for (int slot : after) slot < 0 ? AppendNone(e) : AppendSlot(n, slot, e);
    CMathMLPrescripts* prescripts = AppendPrescripts(e);
    for (int slot : pre) slot < 0 ? AppendNone(prescripts) : AppendSlot(n, slot, prescripts);
    return e;
  };
  if (dynamic_cast<CEditPresubPresup*>(n)) return multi({2}, {1, 0});
  if (dynamic_cast<CEditPresub*>(n)) return multi({1}, {0, -1});
  if (dynamic_cast<CEditPresuper*>(n)) return multi({1}, {-1, 0});
  if (dynamic_cast<CEditMulti*>(n)) return multi({2, 4, 3}, {1, 0});
  if (dynamic_cast<CEditPresubSub*>(n)) return multi({1, 2, -1}, {0, -1});
  if (auto* op = dynamic_cast<CEditOPresubSub*>(n)) {
    CMathMLNode* e = element(new CMathMLMultiscripts());
    AppendGlyph(op->m_operator, e);
    AppendSlot(n, 1, e);
    AppendNone(e);
    CMathMLPrescripts* prescripts = AppendPrescripts(e);
    AppendSlot(n, 0, prescripts);
    AppendNone(prescripts);
    return e;
  }
  if (auto* over = dynamic_cast<CEditOver2*>(n)) {
    CMathMLNode* e = element(new CMathMLUnderOver(XE_MOVER));
    AppendSlot(n, 0, e);
    AppendGlyph(over->m_over, e);
    return e;
  }
  if (auto* under = dynamic_cast<CEditUnder2*>(n)) {
    CMathMLNode* e = element(new CMathMLUnderOver(XE_MUNDER));
    AppendSlot(n, 0, e);
    AppendGlyph(under->m_under, e);
    return e;
  }
  if (auto* both = dynamic_cast<CEditUnderover2*>(n)) {
    CMathMLNode* e = element(new CMathMLUnderOver(XE_MUNDEROVER));
    AppendSlot(n, 0, e);
    AppendGlyph(both->m_under, e);
    AppendGlyph(both->m_over, e);
    return e;
  }
  if (auto* op = dynamic_cast<CEditOUnderover*>(n)) {
    CMathMLNode* e = element(new CMathMLUnderOver(XE_MUNDEROVER));
    AppendGlyph(op->m_operator, e);
    AppendSlot(n, 1, e);
    AppendSlot(n, 0, e);
    return e;
  }
  if (dynamic_cast<CEditLongdiv*>(n)) {
    CMathMLNode* e = element(new CMathMLEnclose());
    AppendSlot(n, 0, e);
    return e;
  }
  if (auto* fenced = dynamic_cast<CEditFenced*>(n)) {
    auto* e = new CMathMLFenced();
    e->m_strOpen = fenced->m_open.m_strText;
    e->m_strClose = fenced->m_close.m_strText;
    element(e);
    AppendSlot(n, 0, e);
    return e;
  }
  if (auto* matrix = dynamic_cast<CEditMatrix*>(n)) {
    auto* e = new CMathMLTable();
    element(e);
    ExportMathMatrix(matrix, e);
    return e;
  }
  auto limits = [&](DWORD code, CEditMathChar& glyph, const CStringW* pText, std::initializer_list<int> slots) {
    CMathMLNode* e = element(code == XE_MSUB || code == XE_MSUBSUP ? static_cast<CMathMLNode*>(new CMathMLScript(code))
                                                                   : static_cast<CMathMLNode*>(new CMathMLUnderOver(code)));
    AppendGlyph(glyph, e, pText);
    for (int slot : slots) AppendSlot(n, slot, e);
    return e;
  };
  if (auto* integral = dynamic_cast<CEditIntegralSubsup*>(n)) return limits(XE_MSUBSUP, integral->m_glyph, &kIntegralText, {1, 0});
  if (auto* integral = dynamic_cast<CEditIntegralSub*>(n)) return limits(XE_MSUB, integral->m_glyph, &kIntegralText, {0});
  if (auto* sigma = dynamic_cast<CEditSigmaSubsup*>(n)) return limits(XE_MSUBSUP, sigma->m_sign, nullptr, {1, 0});
  if (auto* sigma = dynamic_cast<CEditSigmaUnderover*>(n)) return limits(XE_MUNDEROVER, sigma->m_sign, nullptr, {1, 0});
  if (auto* sigma = dynamic_cast<CEditSigmaSub*>(n)) return limits(XE_MSUB, sigma->m_sign, nullptr, {0});
  if (auto* sigma = dynamic_cast<CEditSigmaUnder*>(n)) return limits(XE_MUNDER, sigma->m_sign, nullptr, {0});
  if ((n->m_nType & NT_ANNOTATION) || dynamic_cast<CEditMath*>(n)) {
    // An in-text answer keeps its context; a nested formula's content is written as a row.
    auto* row = new CMathMLRow(XE_MROW);
    if (n->m_nType & NT_ANNOTATION) row->m_nContext = 2;
    element(row);
    ExportMathChildren(n, 0, row);
    return row;
  }
  return nullptr;
}

}  // namespace

void ExportMathChildren(CEditNode* pSource, int nFirst, CQVXMLNode* pTarget) {
  if (!pSource || !pTarget || nFirst < 0 || nFirst >= pSource->GetChildCount()) return;
  try {
    if (auto* target = dynamic_cast<CMathMLNode*>(pTarget)) CopyBorderAfter(*pSource, *target);
    MATH_RUN run;
    for (int i = nFirst; i < pSource->GetChildCount(); ++i) {
      CEditNode* child = pSource->GetEditChildAt(i);
      if (!child || child->m_nType == NTYPE_EDITMATHCR) break;
      if (!(child->m_nType & NT_CHARACTER)) {
        WriteRun(run, pSource, pTarget);
        ExportMathNode(child, pTarget);
        continue;
      }
      if (JoinsRun(run, *child)) {
        run.text += child->m_strText;
        continue;
      }
      WriteRun(run, pSource, pTarget);
      run.pFirst = child;
      run.nFirstIndex = i;
      run.text = child->m_strText;
    }
    WriteRun(run, pSource, pTarget);
  } catch (const SLOT_MISSING&) {
  }
}

void ExportMathSlots(CEditNode* pFormula, CQVXMLNode* pTarget) {
  if (!pFormula || !pTarget) return;
  ExportMathChildren(pFormula, 0, pTarget);
  const int last = pFormula->GetChildCount() - 1;
  for (int i = 0; i < last; ++i) {
    CEditNode* child = pFormula->GetEditChildAt(i);
    if (!child || child->m_nType != NTYPE_EDITMATHCR) continue;
    auto* row = new CMathMLRow(XE_MROW);
    if (pTarget->AppendChild(row) < 0) {
      delete row;
      return;
    }
    ExportMathChildren(pFormula, i + 1, row);
  }
}

void ExportMathNode(CEditNode* pNode, CQVXMLNode* pParent) {
  if (!pNode || !pParent || pNode->GetChildCount() == 0) return;
  try {
    ExportElement(pNode, pParent);
  } catch (const SLOT_MISSING&) {
  }
}

void ExportMathMatrix(CEditMatrix* pMatrix, CQVXMLNode* pTable) {
  auto* table = dynamic_cast<CMathMLTable*>(pTable);
  if (!pMatrix || !table || pMatrix->GetChildCount() == 0) return;
  if (pMatrix->m_nBorderStyle != LS_NONE) {
    table->m_borderProps.m_nBorderStyle = pMatrix->m_nBorderStyle;
    table->m_borderProps.m_nBorderWidth = pMatrix->m_nBorderWidth;
  }
  table->m_lineProps.m_nTextAlign = pMatrix->m_nTextAlign;
  int slot = 0;
  bool bSlotsLeft = true;
  for (int row = 0; row < pMatrix->m_nRows; ++row) {
    auto* tr = Append(table, new CMathMLTr());
    for (int column = 0; column < pMatrix->m_nColumns; ++column) {
      auto* td = Append(tr, new CMathMLTd());
      auto* cell = Append(td, new CMathMLRow(XE_MROW));
      if (!bSlotsLeft) break;
      try {
        ExportMathChildren(pMatrix, SlotStart(pMatrix, slot++), cell);
      } catch (const SLOT_MISSING&) {
        bSlotsLeft = false;
        break;
      }
    }
  }
}
