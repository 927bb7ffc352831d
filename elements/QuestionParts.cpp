#include "elements/QuestionParts.h"

#include <algorithm>

CEditSentence* AsQuestionPart(CQVXMLNode* pNode) {
  if (!pNode || pNode->m_nType != NTYPE_EDITSENTENCE) return nullptr;
  return dynamic_cast<CEditSentence*>(pNode);
}

std::vector<CEditSentence*> CollectParts(const CEditNode& root, const PART_FILTER& filter) {
  std::vector<CEditSentence*> parts;
  for (CQVXMLNode* child : root.m_arrChildren) {
    CEditSentence* part = AsQuestionPart(child);
    if (part && (!filter || filter(*part))) parts.push_back(part);
  }
  return parts;
}

int IndexAfterLastPart(const CEditNode& root, const PART_FILTER& filter) {
  for (int i = root.GetChildCount() - 1; i >= 0; --i) {
    const CEditSentence* part = AsQuestionPart(root.m_arrChildren[size_t(i)]);
    if (part && filter(*part)) return i + 1;
  }
  return std::min(1, root.GetChildCount());
}

int EffectiveFieldSequence(int nStored) { return nStored >= 1 && nStored <= 3 ? nStored : 0; }

std::vector<std::vector<int>> AnswerKindGroups(int nSequence) {
  switch (EffectiveFieldSequence(nSequence)) {
    case 1: return {{CEditSentence::KindAnswerField}, {CEditSentence::KindAnswer}, {CEditSentence::KindExplanation}};
    case 2: return {{CEditSentence::KindAnswerField}, {CEditSentence::KindAnswer, CEditSentence::KindExplanation}};
    case 3: return {{CEditSentence::KindAnswerField, CEditSentence::KindAnswer, CEditSentence::KindExplanation}};
    default: return {};
  }
}

// Inserting right after a detach never needs more room in the child array, so it cannot fail.
void MoveChildTo(CEditNode& root, CQVXMLNode* pNode, int nIndex) {
  if (!pNode || pNode->m_pParent != &root) return;
  pNode->Detach();
  root.InsertChild(std::clamp(nIndex, 0, root.GetChildCount()), pNode);
}

void MoveChildBefore(CEditNode& root, CQVXMLNode* pNode, CQVXMLNode* pNext) {
  if (!pNode || pNode->m_pParent != &root || pNode == pNext) return;
  pNode->Detach();
  const int index = pNext && pNext->m_pParent == &root ? root.IndexOfChild(pNext) : root.GetChildCount();
  root.InsertChild(index, pNode);
}
