#include <algorithm>
#include <memory>

#include "elements/EditKaiPage.h"
#include "elements/EditPrint.h"
#include "elements/QuestionParts.h"

namespace {

using NODE_LIST = std::vector<CQVXMLNode*>;

bool IsShown(const CQVXMLNode* pNode) {
  const auto* node = dynamic_cast<const CEditNode*>(pNode);
  return node && !node->m_bHidden;
}

// The children sorted into the questions (with every other child), the answer fields, the
// answers, the explanations and the page breaks, each in document order.
struct SORTED_CHILDREN {
  NODE_LIST questions;
  NODE_LIST byKind[3];
  NODE_LIST pageBreaks;

  NODE_LIST& ListOfKind(int nKind) { return byKind[nKind - CEditSentence::KindAnswerField]; }
};

SORTED_CHILDREN SortChildren(const CEditNode& root, BOOL bShowAll) {
  SORTED_CHILDREN sorted;
  for (CQVXMLNode* child : root.m_arrChildren) {
    CEditSentence* part = AsQuestionPart(child);
    if (part && bShowAll) part->m_bHidden = 0;
    if (part && part->m_nKind >= CEditSentence::KindAnswerField && part->m_nKind <= CEditSentence::KindExplanation)
      sorted.ListOfKind(part->m_nKind).push_back(part);
    else if (child && child->m_nType == NTYPE_EDITKAIPAGE)
      sorted.pageBreaks.push_back(child);
    else
      sorted.questions.push_back(child);
  }
  return sorted;
}

// One turn of each list after the other, skipping the lists that are used up.
NODE_LIST Alternate(const std::vector<const NODE_LIST*>& lists) {
  NODE_LIST out;
  for (size_t turn = 0;; ++turn) {
    bool any = false;
    for (const NODE_LIST* list : lists) {
      if (turn >= list->size()) continue;
      out.push_back((*list)[turn]);
      any = true;
    }
    if (!any) return out;
  }
}

void HideEmptyParts(const NODE_LIST& list) {
  for (CQVXMLNode* node : list)
    if (CEditSentence* part = AsQuestionPart(node)) part->m_bHidden = part->HasContent() ? 0 : 2;
}

bool HasShownMinor(const NODE_LIST& list, int nMajor) {
  for (CQVXMLNode* node : list) {
    const CEditSentence* part = AsQuestionPart(node);
    if (part && part->m_nMajor == nMajor && part->m_nMinor != 0 && !part->m_bHidden) return true;
  }
  return false;
}

// Hides the empty parts of a group; a hidden major part comes back when its list is the first
// of the group that shows a minor part of the same major.
void PrepareGroup(const std::vector<const NODE_LIST*>& lists) {
  for (const NODE_LIST* list : lists) HideEmptyParts(*list);
  for (size_t l = 0; l < lists.size(); ++l) {
    for (CQVXMLNode* node : *lists[l]) {
      CEditSentence* part = AsQuestionPart(node);
      if (!part || part->m_nMinor != 0 || !part->m_bHidden || !HasShownMinor(*lists[l], part->m_nMajor)) continue;
      bool shownBefore = false;
      for (size_t k = 0; k < l && !shownBefore; ++k) shownBefore = HasShownMinor(*lists[k], part->m_nMajor);
      if (!shownBefore) part->m_bHidden = 0;
    }
  }
}

// The questions take turns one question text at a time; the children sorted with them that
// are no question text stay in front of the question text that follows them.
std::vector<NODE_LIST> QuestionTurns(const NODE_LIST& questions) {
  std::vector<NODE_LIST> turns(1);
  for (CQVXMLNode* node : questions) {
    turns.back().push_back(node);
    const CEditSentence* part = AsQuestionPart(node);
    if (part && part->m_nKind == CEditSentence::KindQuestion) turns.emplace_back();
  }
  if (turns.back().empty()) turns.pop_back();
  return turns;
}

NODE_LIST InterleaveParts(SORTED_CHILDREN& sorted, BOOL bHideEmpty) {
  if (bHideEmpty)
    for (const NODE_LIST& list : sorted.byKind) HideEmptyParts(list);
  const std::vector<NODE_LIST> turns = QuestionTurns(sorted.questions);
  NODE_LIST out;
  for (size_t turn = 0;; ++turn) {
    bool any = false;
    if (turn < turns.size()) {
      out.insert(out.end(), turns[turn].begin(), turns[turn].end());
      any = true;
    }
    for (const NODE_LIST& list : sorted.byKind) {
      if (turn >= list.size()) continue;
      out.push_back(list[turn]);
      any = true;
    }
    if (!any) return out;
  }
}

// Each group after the questions starts a new page when something is shown before it on the
// current page and something of the group is shown.
NODE_LIST GroupParts(SORTED_CHILDREN& sorted, int nSequence, BOOL bHideEmpty,
                     std::vector<std::unique_ptr<CEditKaiPage>>& newBreaks) {
  NODE_LIST out = sorted.questions;
  bool shownOnPage = std::any_of(out.begin(), out.end(), IsShown);
  for (const std::vector<int>& kinds : AnswerKindGroups(nSequence)) {
    std::vector<const NODE_LIST*> lists;
    for (int kind : kinds) lists.push_back(&sorted.ListOfKind(kind));
    if (bHideEmpty) PrepareGroup(lists);
    const NODE_LIST group = Alternate(lists);
    const bool groupShown = std::any_of(group.begin(), group.end(), IsShown);
    if (shownOnPage && groupShown) {
      newBreaks.push_back(std::make_unique<CEditKaiPage>());
      newBreaks.back()->Init();
      out.push_back(newBreaks.back().get());
      shownOnPage = false;
    }
    out.insert(out.end(), group.begin(), group.end());
    shownOnPage = shownOnPage || groupShown;
  }
  return out;
}

}  // namespace

int CEditPrint::GetFieldSequence() const { return EffectiveFieldSequence(m_nFieldSequence); }

// The new order is built in full before the children are replaced, so that a failure on the
// way leaves the tree as it was.
void CEditPrint::SetFieldSequence(int nSequence, BOOL bHideEmpty) {
  try {
    const int sequence = EffectiveFieldSequence(nSequence);
    SORTED_CHILDREN sorted = SortChildren(*this, sequence == 0);
    std::vector<std::unique_ptr<CEditKaiPage>> newBreaks;
    NODE_LIST order =
        sequence == 0 ? InterleaveParts(sorted, bHideEmpty) : GroupParts(sorted, sequence, bHideEmpty, newBreaks);
    m_arrChildren.swap(order);
    for (CQVXMLNode* child : m_arrChildren)
      if (child) child->m_pParent = this;
    for (auto& pageBreak : newBreaks) pageBreak.release();
    for (CQVXMLNode* pageBreak : sorted.pageBreaks) {
      pageBreak->m_pParent = nullptr;
      delete pageBreak;
    }
    m_nFieldSequence = sequence;
  } catch (...) {
  }
  SetNeedsMeasure(TRUE);
}
