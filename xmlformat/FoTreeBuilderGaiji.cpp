#include <vector>

#include "model/FoFlowElements.h"
#include "model/GaijiCode.h"
#include "model/MathMLNode.h"
#include "xmlformat/FoBuildFailure.h"
#include "xmlformat/FoTreeBuilder.h"

namespace {

constexpr char kGaijiFace[] = "Halvern Gaiji";
constexpr char kVerticalGaijiFace[] = "@Halvern Gaiji";

// A piece of a run: its text and whether it is one character in the gaiji face.
struct RUN_PIECE {
  CStringW text;
  BOOL bGaiji = FALSE;
};

std::vector<RUN_PIECE> SplitAtGaiji(const CStringW& text) {
  std::vector<RUN_PIECE> pieces;
  for (char16_t ch : text.str()) {
    WORD unit = 0;
    if (ToGaijiChar(WORD(ch), &unit)) {
      pieces.push_back(RUN_PIECE{CStringW(std::u16string(1, char16_t(unit))), TRUE});
    } else {
      if (pieces.empty() || pieces.back().bGaiji) pieces.push_back(RUN_PIECE{});
      pieces.back().text += ch;
    }
  }
  return pieces;
}

void CopyRunFormat(const CFoInline& from, CFoInline& to) {
  to.m_fontProps.Copy(from.m_fontProps);
  to.m_colorProps.Copy(from.m_colorProps);
  to.m_borderProps.Copy(from.m_borderProps);
  to.m_inlineMarginProps = from.m_inlineMarginProps;
  to.m_alignmentProps.Copy(from.m_alignmentProps);
  to.m_charProps.Copy(from.m_charProps);
  to.m_kasenProps.Copy(from.m_kasenProps);
}

// Gives each character with a slot its own inline in the gaiji face, the run's other
// characters staying in inlines of its format; answers how many inlines the run became.
int ApplyGaijiToRun(CFoInline& run, BOOL bVertical) {
  std::vector<RUN_PIECE> pieces = SplitAtGaiji(run.m_strText);
  if (pieces.empty() || (pieces.size() == 1 && !pieces[0].bGaiji)) return 1;
  CQVXMLNode* parent = run.GetParent();
  const int index = run.GetIndex();
  std::vector<CFoInline*> runs{&run};
  for (size_t i = 1; i < pieces.size(); ++i) {
    auto* piece = new CFoInline();
    CopyRunFormat(run, *piece);
    parent->InsertChild(index + int(i), piece);
    if (piece->GetParent() != parent) {
      delete piece;
      throw std::bad_alloc();
    }
    runs.push_back(piece);
  }
  for (size_t i = 0; i < pieces.size(); ++i) {
    runs[i]->SetText(pieces[i].text);
    if (pieces[i].bGaiji) runs[i]->m_fontProps.SetFontFamily(bVertical ? kVerticalGaijiFace : kGaijiFace);
  }
  return int(pieces.size());
}

void ApplyGaijiToMath(CMathMLNode& node) {
  if (node.m_nType == XE_MO) return;
  BOOL bReplaced = FALSE;
  std::u16string text = node.m_strText.str();
  for (char16_t& ch : text) {
    WORD unit = 0;
    if (!ToGaijiChar(WORD(ch), &unit)) continue;
    ch = char16_t(unit);
    bReplaced = TRUE;
  }
  if (!bReplaced) return;
  node.SetText(CStringW(text));
  node.m_fontProps.SetFontFamily(kGaijiFace);
}

void ApplyGaijiBelow(CQVXMLNode* pNode, BOOL bVertical) {
  for (int i = 0; i < pNode->GetChildCount();) {
    CQVXMLNode* child = pNode->GetChildAt(i);
    if (auto* run = dynamic_cast<CFoInline*>(child)) {
      i += ApplyGaijiToRun(*run, bVertical);
      continue;
    }
    if (auto* math = dynamic_cast<CMathMLNode*>(child); math && (child->m_nType & XE_MATHML_BIT))
      ApplyGaijiToMath(*math);
    ApplyGaijiBelow(child, bVertical);
    ++i;
  }
}

}  // namespace

BOOL CFoTreeBuilder::ApplyGaijiFont(CQVXMLNode* pNode, BOOL bVertical) {
  if (!pNode) return FALSE;
  try {
    ApplyGaijiBelow(pNode, bVertical);
    return TRUE;
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
}
