#include "model/KanbunParts.h"

#include <array>

#include "model/EditNode.h"

namespace {

constexpr int kNormalParts = 7;
constexpr int kHyphenParts = 5;
constexpr int kNoJump = -1;

using NormalJumps = std::array<int, kNormalParts>;
using HyphenJumps = std::array<int, kHyphenParts>;

struct JUMP_TABLE {
  NormalJumps normal;
  HyphenJumps hyphen;
};

// Target part by the index of the part the caret leaves.
constexpr JUMP_TABLE kLeftJumps{{kNoJump, 0, 0, 0, 1, 1, 4}, {kNoJump, 0, 0, 0, 1}};
constexpr JUMP_TABLE kRightJumps{{1, 4, 4, 5, 6, 6, kNoJump}, {1, 4, 4, 4, kNoJump}};
constexpr JUMP_TABLE kUpJumps{{2, 2, kNoJump, 1, 2, 4, 2}, {2, 2, kNoJump, 1, 2}};
constexpr JUMP_TABLE kDownJumps{{3, 3, 1, kNoJump, 5, 3, 3}, {3, 3, 1, kNoJump, 3}};

const JUMP_TABLE& TableFor(KanbunMove move) {
  switch (move) {
    case KanbunMove::Left: return kLeftJumps;
    case KanbunMove::Right: return kRightJumps;
    case KanbunMove::Up: return kUpJumps;
    case KanbunMove::Down: return kDownJumps;
  }
  return kLeftJumps;
}

KanbunBlockFactory g_kanbunBlockFactory = nullptr;

BOOL IsHyphenLayout(const CQVXMLNode* block) { return block->GetChildCount() == kHyphenParts; }

int TargetPart(const CQVXMLNode* block, int part, KanbunMove move) {
  if (part < 0) return kNoJump;
  const JUMP_TABLE& table = TableFor(move);
  if (IsHyphenLayout(block)) return part < kHyphenParts ? table.hyphen[size_t(part)] : kNoJump;
  return part < kNormalParts ? table.normal[size_t(part)] : kNoJump;
}

}  // namespace

CQVXMLNode* GetKanbunBlockOfPart(const CQVXMLNode* pBox) {
  if (!pBox || (pBox->m_nType != NTYPE_EDITKUNTEN && pBox->m_nType != NTYPE_EDITOKURIGANA)) return nullptr;
  CQVXMLNode* block = pBox->GetParent();
  return block && block->m_nType == NTYPE_EDITKAN ? block : nullptr;
}

int GetKuntenBoxKind(const CQVXMLNode* pBox) {
  const CQVXMLNode* block = GetKanbunBlockOfPart(pBox);
  if (!block) return 1;
  const int kaeritenPart = IsHyphenLayout(block) ? 4 : 5;
  return block->IndexOfChild(pBox) == kaeritenPart ? 2 : 1;
}

CEditNode* GetKanbunJumpTarget(const CEditNode* pCaretNode, KanbunMove move) {
  if (!pCaretNode) return nullptr;
  const CQVXMLNode* box = pCaretNode->GetParent();
  const CQVXMLNode* block = GetKanbunBlockOfPart(box);
  if (!block) return nullptr;
  const int target = TargetPart(block, block->IndexOfChild(box), move);
  auto* part = dynamic_cast<CEditNode*>(block->GetChildAt(target));
  return part ? part->GetFirstCaretDescendant() : nullptr;
}

void SetKanbunBlockFactory(KanbunBlockFactory factory) { g_kanbunBlockFactory = factory; }

CEditNode* CreateKanbunBlock(const CStringW& text, const LOGFONTA& lf) {
  return g_kanbunBlockFactory ? g_kanbunBlockFactory(text, lf) : nullptr;
}
