#include "math/EditEditMath.h"

#include <memory>

#include "math/EditMath.h"
#include "math/EditMathCR.h"
#include "math/MathMLImport.h"
#include "model/NodeFactory.h"
#include "model/XmlElementTable.h"
#include "platform/DomNode.h"
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

BOOL CEditEditMath::ImportMathML(const CDomNode& node) {
  try {
    if (!node || ElementCodeFromName(CStringW(node.nodeName())) != XE_MATH) return FALSE;
    std::unique_ptr<CQVXMLNode> tree(CreateNode(XE_MATH));
    if (!tree) return FALSE;
    LoadXmlNodeTree(tree.get(), node);
    auto formula = std::make_unique<CEditMath>();
    ConvertMathMLToNodes(tree.get(), formula.get());
    auto append = [](CQVXMLNode* parent, CQVXMLNode* child) {
      std::unique_ptr<CQVXMLNode> owned(child);
      if (parent->AppendChild(child) < 0) throw std::bad_alloc();
      owned.release();
    };
    append(formula.get(), new CEditMathCR);
    DeleteAllChildren();
    append(this, formula.release());
    append(this, new CEditMathCR);
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}
