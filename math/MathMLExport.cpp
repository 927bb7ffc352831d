#include "math/MathMLExport.h"

#include <memory>

#include "math/EditMathChar.h"
#include "model/MathMLTokenElements.h"

namespace {

const CStringW kIntegralText(u"\u222B");
const CStringW kSigmaText(u"\u03A3");

enum class RunClass { Digits, Symbols, Other };

RunClass ClassOf(const CStringW& text) {
  if (text.IsAllDigits()) return RunClass::Digits;
  if (text.IsAllMathSymbols()) return RunClass::Symbols;
  return RunClass::Other;
}

struct MATH_RUN {
  CEditNode* pFirst = nullptr;
  CStringW text;
};

BOOL JoinsRun(const MATH_RUN& run, CEditNode& child) {
  if (!run.pFirst || child.m_strText == kIntegralText || child.m_strText == kSigmaText) return FALSE;
  auto* first = dynamic_cast<CEditChar*>(run.pFirst);
  return first && first->IsSameFormat(child) && ClassOf(run.text) == ClassOf(child.m_strText);
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

void WriteRun(MATH_RUN& run, CQVXMLNode* pTarget) {
  if (!run.pFirst) return;
  std::unique_ptr<CMathMLToken> token = MakeToken(ClassOf(run.text));
  token->SetText(run.text);
  if (auto* source = dynamic_cast<CEditMathChar*>(run.pFirst)) source->WriteTokenAttributes(token.get());
  if (pTarget->AppendChild(token.get()) < 0) throw std::bad_alloc();
  token.release();
  run = MATH_RUN{};
}

}  // namespace

void ExportMathChildren(CEditNode* pSource, int nFirst, CQVXMLNode* pTarget) {
  if (!pSource || !pTarget || nFirst < 0 || nFirst >= pSource->GetChildCount()) return;
  if (auto* target = dynamic_cast<CMathMLNode*>(pTarget); target && pSource->m_nBorderAfterStyle != LS_NONE) {
    target->m_borderProps.m_nBorderAfterStyle = pSource->m_nBorderAfterStyle;
    target->m_borderProps.m_nBorderAfterWidth = pSource->m_nBorderAfterWidth;
    target->m_kasenProps.Copy(*pSource);
  }
  MATH_RUN run;
  for (int i = nFirst; i < pSource->GetChildCount(); ++i) {
    CEditNode* child = pSource->GetEditChildAt(i);
    if (!child || child->m_nType == NTYPE_EDITMATHCR) break;
    if (!(child->m_nType & NT_CHARACTER)) {
      // Formula elements inside a slot are not written yet.
      WriteRun(run, pTarget);
      continue;
    }
    if (JoinsRun(run, *child)) {
      run.text += child->m_strText;
      continue;
    }
    WriteRun(run, pTarget);
    run.pFirst = child;
    run.text = child->m_strText;
  }
  WriteRun(run, pTarget);
}
