#include <algorithm>
#include <array>
#include <new>
#include <memory>

#include "elements/EditPrint.h"
#include "elements/QuestionParts.h"
#include "model/EditCaret.h"
#include "model/UndoGroup.h"

namespace {

constexpr int kKinds = 4;

CEditNode* CaretNodeOf(const CEditCaret* pCaret) { return pCaret ? pCaret->m_pCaretNode : nullptr; }

// A part of one line end in the default font of the writing direction.
std::unique_ptr<CEditSentence> NewPart(int nKind, int nMajor, int nMinor) {
  auto part = std::make_unique<CEditSentence>();
  part->AppendLineBreak();
  part->m_nKind = nKind;
  part->m_nMajor = nMajor;
  part->m_nMinor = nMinor;
  return part;
}

void InsertPart(CEditPrint& root, std::unique_ptr<CEditSentence> part, int nIndex, CEditCaret* pCaret,
                CUndoGroup* pUndo) {
  const int index = std::clamp(nIndex, 0, root.GetChildCount());
  root.InsertChild(index, part.get());
  if (!part->GetParent()) throw std::bad_alloc();
  CEditSentence* inserted = part.release();
  if (pUndo) pUndo->AddIndexAction(UNDO_INSERT_AT, inserted, CaretNodeOf(pCaret), index, &root, 0, 0);
}

// Removes from the last to the first, so that undo puts them back in their order.
int RemoveParts(CEditPrint& root, const PART_FILTER& filter, CEditCaret* pCaret, CUndoGroup* pUndo) {
  const std::vector<CEditSentence*> parts = CollectParts(root, filter);
  for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
    CEditSentence* part = *it;
    if (pUndo) {
      pUndo->AddIndexAction(UNDO_REMOVE_AT, part, CaretNodeOf(pCaret), root.IndexOfChild(part), &root, 0, 0);
      part->Detach();
    } else {
      part->Delete();
    }
  }
  return int(parts.size());
}

// Whether the sequence lays the parts of the kind out in a run of their own; the other kinds
// alternate with each other at the end of their run.
bool HasRunOfItsOwn(int nSequence, int nKind) {
  if (nSequence == 0) return false;
  if (nKind == CEditSentence::KindQuestion) return true;
  for (const std::vector<int>& group : AnswerKindGroups(nSequence))
    if (std::find(group.begin(), group.end(), nKind) != group.end()) return group.size() == 1;
  return false;
}

PART_FILTER OfKind(int nKind) {
  return [nKind](const CEditSentence& part) { return part.m_nKind == nKind; };
}

PART_FILTER OfMajor(int nMajor, int nKind = 0) {
  return [nMajor, nKind](const CEditSentence& part) {
    return part.m_nMajor == nMajor && (nKind == 0 || part.m_nKind == nKind);
  };
}

}  // namespace

int CEditPrint::GetMajorQuestionCount() const {
  return int(CollectParts(*this, [](const CEditSentence& part) {
               return part.m_nKind == CEditSentence::KindQuestion && part.m_nMinor == 0;
             }).size());
}

int CEditPrint::GetMinorQuestionCount(int nMajor) const {
  if (!FindMajorPart(nMajor, CEditSentence::KindQuestion)) return 0;
  return int(CollectParts(*this, [nMajor](const CEditSentence& part) {
               return part.m_nKind == CEditSentence::KindQuestion && part.m_nMajor == nMajor && part.m_nMinor != 0;
             }).size());
}

CEditSentence* CEditPrint::FindMajorPart(int nMajor, int nKind) const { return FindMinorPart(nMajor, 0, nKind); }

CEditSentence* CEditPrint::FindMinorPart(int nMajor, int nMinor, int nKind) const {
  for (CQVXMLNode* child : m_arrChildren) {
    CEditSentence* part = AsQuestionPart(child);
    if (part && part->m_nMajor == nMajor && part->m_nMinor == nMinor && (nKind == 0 || part->m_nKind == nKind))
      return part;
  }
  return nullptr;
}

// Each kind counts on its own; a minor part takes the number of the nearest major part of its
// kind before it.
void CEditPrint::RenumberQuestions() {
  if (GetMajorQuestionCount() < 1) return;
  std::array<int, kKinds> majors{};
  std::array<std::vector<int>, kKinds> minors;  // per kind, indexed by major number
  for (CEditSentence* part : CollectParts(*this)) {
    if (part->m_nKind < 1 || part->m_nKind > kKinds) continue;
    int& major = majors[size_t(part->m_nKind - 1)];
    if (part->m_nMinor == 0) {
      part->m_nMajor = ++major;
      continue;
    }
    std::vector<int>& counters = minors[size_t(part->m_nKind - 1)];
    if (counters.size() <= size_t(major)) counters.resize(size_t(major) + 1, 0);
    part->m_nMajor = major;
    part->m_nMinor = ++counters[size_t(major)];
  }
}

void CEditPrint::RenumberMinorQuestions(int nMajor) {
  const std::vector<CEditSentence*> minors = CollectParts(*this, [nMajor](const CEditSentence& part) {
    return part.m_nKind == CEditSentence::KindQuestion && part.m_nMajor == nMajor && part.m_nMinor != 0;
  });
  for (CEditSentence* minor : minors) {
    const int number = minor->m_nMinor;
    minor->m_listParts = CollectParts(*this, [nMajor, number](const CEditSentence& part) {
      return part.m_nMajor == nMajor && part.m_nMinor == number;
    });
  }
  int number = 0;
  for (CEditSentence* minor : minors) {
    ++number;
    minor->m_nMinor = number;
    for (CEditSentence* part : minor->m_listParts) part->m_nMinor = number;
  }
}

void CEditPrint::InsertMajorQuestion(CEditCaret* pCaret, CUndoGroup* pUndo) {
  const int sequence = GetFieldSequence();
  try {
    for (int kind = 1; kind <= kKinds; ++kind) {
      const int index = HasRunOfItsOwn(sequence, kind) ? IndexAfterLastPart(*this, OfKind(kind)) : GetChildCount();
      InsertPart(*this, NewPart(kind, 0, 0), index, pCaret, pUndo);
    }
  } catch (...) {
  }
  RenumberQuestions();
}

void CEditPrint::InsertMinorQuestion(int nMajor, CEditCaret* pCaret, CUndoGroup* pUndo) {
  const int sequence = GetFieldSequence();
  const int minor = GetMinorQuestionCount(nMajor) + 1;
  try {
    for (int kind = 1; kind <= kKinds; ++kind) {
      const int index = IndexAfterLastPart(*this, OfMajor(nMajor, HasRunOfItsOwn(sequence, kind) ? kind : 0));
      InsertPart(*this, NewPart(kind, nMajor, minor), index, pCaret, pUndo);
    }
  } catch (...) {
  }
  if (sequence == 1)
    RenumberQuestions();
  else
    RenumberMinorQuestions(nMajor);
}

int CEditPrint::DeleteMajorQuestion(int nMajor, CEditCaret* pCaret, CUndoGroup* pUndo) {
  try {
    return RemoveParts(*this, OfMajor(nMajor), pCaret, pUndo);
  } catch (...) {
    return 0;
  }
}

int CEditPrint::DeleteMinorQuestion(int nMajor, int nMinor, CEditCaret* pCaret, CUndoGroup* pUndo) {
  try {
    return RemoveParts(
        *this, [nMajor, nMinor](const CEditSentence& part) { return part.m_nMajor == nMajor && part.m_nMinor == nMinor; },
        pCaret, pUndo);
  } catch (...) {
    return 0;
  }
}
