#include <algorithm>
#include <utility>

#include "elements/EditPrint.h"
#include "elements/QuestionParts.h"

namespace {

// The parts of one question: a major (minor < 0 stands for the major with all its minors)
// or one minor of it.
struct QUESTION_ID {
  int nMajor;
  int nMinor;

  bool Owns(const CEditSentence& part) const {
    return part.m_nMajor == nMajor && (nMinor < 0 || part.m_nMinor == nMinor);
  }
};

PART_FILTER PartsOf(QUESTION_ID id, const std::vector<int>& kinds = {}) {
  return [id, kinds](const CEditSentence& part) {
    return id.Owns(part) && (kinds.empty() || std::find(kinds.begin(), kinds.end(), part.m_nKind) != kinds.end());
  };
}

// Lb goes to the place where La began, La before the child that followed Lb.
void ExchangeRuns(CEditNode& root, const std::vector<CEditSentence*>& la, const std::vector<CEditSentence*>& lb,
                  int nPos, CQVXMLNode* pNext) {
  int pos = nPos;
  for (CEditSentence* part : lb) MoveChildTo(root, part, pos++);
  for (CEditSentence* part : la) MoveChildBefore(root, part, pNext);
}

// The child after the run that starts at the first part and goes on over parts of the filter.
CQVXMLNode* ChildAfterRun(const CEditNode& root, CEditSentence* pFirst, const PART_FILTER& filter) {
  for (int i = root.IndexOfChild(pFirst) + 1; i < root.GetChildCount(); ++i) {
    const CEditSentence* part = AsQuestionPart(root.GetChildAt(i));
    if (!part || !filter(*part)) return root.GetChildAt(i);
  }
  return nullptr;
}

// In sequences 1 to 3 each run of kinds is exchanged on its own; a run that one of the two
// questions has no part in stays as it is.
void ExchangeByKindRuns(CEditNode& root, int nSequence, QUESTION_ID a, QUESTION_ID b) {
  std::vector<std::vector<int>> groups = AnswerKindGroups(nSequence);
  groups.insert(groups.begin(), {CEditSentence::KindQuestion});
  for (const std::vector<int>& kinds : groups) {
    const std::vector<CEditSentence*> la = CollectParts(root, PartsOf(a, kinds));
    const std::vector<CEditSentence*> lb = CollectParts(root, PartsOf(b, kinds));
    if (la.empty() || lb.empty()) continue;
    CQVXMLNode* next = ChildAfterRun(root, lb.front(), PartsOf(b, kinds));
    ExchangeRuns(root, la, lb, root.IndexOfChild(la.front()), next);
  }
}

}  // namespace

void CEditPrint::SwapMajorQuestions(int a, int b) {
  if (a > b) std::swap(a, b);
  if (a == b) return;
  try {
    const std::vector<CEditSentence*> la = CollectParts(*this, PartsOf({a, -1}));
    const std::vector<CEditSentence*> lb = CollectParts(*this, PartsOf({b, -1}));
    if (la.empty() || lb.empty()) return;
    const int sequence = GetFieldSequence();
    if (sequence != 0) {
      ExchangeByKindRuns(*this, sequence, {a, -1}, {b, -1});
    } else {
      const int pos = a == 1 ? 0 : IndexAfterLastPart(*this, PartsOf({a - 1, -1}));
      const std::vector<CEditSentence*> following = CollectParts(*this, PartsOf({b + 1, -1}));
      ExchangeRuns(*this, la, lb, pos, following.empty() ? nullptr : following.front());
    }
  } catch (...) {
  }
  RenumberQuestions();
}

void CEditPrint::SwapMinorQuestions(int nMajor, int a, int b) {
  if (a > b) std::swap(a, b);
  if (a == b) return;
  try {
    const std::vector<CEditSentence*> la = CollectParts(*this, PartsOf({nMajor, a}));
    const std::vector<CEditSentence*> lb = CollectParts(*this, PartsOf({nMajor, b}));
    if (la.empty() || lb.empty()) return;
    const int sequence = GetFieldSequence();
    if (sequence != 0) {
      ExchangeByKindRuns(*this, sequence, {nMajor, a}, {nMajor, b});
    } else {
      const int pos = IndexAfterLastPart(*this, PartsOf({nMajor, a - 1}));
      ExchangeRuns(*this, la, lb, pos, lb.back()->GetNextSibling());
    }
  } catch (...) {
  }
  RenumberMinorQuestions(nMajor);
}
