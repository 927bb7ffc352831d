#include <algorithm>
#include <memory>
#include <vector>

#include "elements/EditPrint.h"
#include "model/EditSentence.h"

namespace {

constexpr int kProvisionalMajorBase = 99980000;
constexpr int kProvisionalMinorBase = 20000;

// The question parts (sentences of the question word exactly) in document order, and the
// lookups by their own numbers and kind.
class QUESTION_PARTS {
 public:
  explicit QUESTION_PARTS(const CEditPrint& root) {
    for (int i = 0; i < root.GetChildCount(); ++i) {
      CQVXMLNode* child = root.GetChildAt(i);
      if (!child || child->m_nType != NTYPE_EDITSENTENCE) continue;
      if (auto* part = dynamic_cast<CEditSentence*>(child)) m_parts.push_back(part);
    }
  }

  const std::vector<CEditSentence*>& All() const { return m_parts; }

  CEditSentence* Find(int nMajor, int nMinor, int nKind) const {
    for (CEditSentence* part : m_parts)
      if (part->m_nMajor == nMajor && part->m_nMinor == nMinor && part->m_nKind == nKind) return part;
    return nullptr;
  }

  int MajorCount() const {
    int count = 0;
    for (const CEditSentence* part : m_parts)
      if (part->m_nKind == CEditSentence::KindQuestion && part->m_nMinor == 0) ++count;
    return count;
  }

  int MinorCount(int nMajor) const {
    if (!Find(nMajor, 0, CEditSentence::KindQuestion)) return 0;
    int count = 0;
    for (const CEditSentence* part : m_parts)
      if (part->m_nKind == CEditSentence::KindQuestion && part->m_nMajor == nMajor && part->m_nMinor != 0) ++count;
    return count;
  }

  // The question part itself and its answer field, answer and explanation, where they exist.
  std::vector<CEditSentence*> FourParts(CEditSentence& question) const {
    std::vector<CEditSentence*> parts{&question};
    for (int kind = CEditSentence::KindAnswerField; kind <= CEditSentence::KindExplanation; ++kind)
      if (CEditSentence* part = Find(question.m_nMajor, question.m_nMinor, kind)) parts.push_back(part);
    return parts;
  }

 private:
  std::vector<CEditSentence*> m_parts;
};

void SetIdsOfQuestion(const QUESTION_PARTS& parts, CEditSentence& question, int nId, int nSubId) {
  for (CEditSentence* part : parts.FourParts(question)) {
    part->m_mondaiInfo.m_nId = nId;
    part->m_mondaiInfo.m_nSubId = nSubId;
  }
}

// Unregistered majors count on through the sheet; unregistered minors count within their major
// and take its id, registered or not.
void GiveProvisionalIds(const QUESTION_PARTS& parts) {
  int nextMajor = 1;
  const int majors = parts.MajorCount();
  for (int i = 1; i <= majors; ++i) {
    CEditSentence* major = parts.Find(i, 0, CEditSentence::KindQuestion);
    if (!major) break;
    if (major->m_mondaiInfo.IsUnregistered()) SetIdsOfQuestion(parts, *major, kProvisionalMajorBase + nextMajor++, 0);
    int nextMinor = 1;
    const int minors = parts.MinorCount(i);
    for (int j = 1; j <= minors; ++j) {
      CEditSentence* minor = parts.Find(i, j, CEditSentence::KindQuestion);
      if (!minor) break;
      if (minor->m_mondaiInfo.IsUnregistered())
        SetIdsOfQuestion(parts, *minor, major->m_mondaiInfo.m_nId, kProvisionalMinorBase + nextMinor++);
    }
  }
}

// An edit of any of the four parts since registration marks the question changed everywhere.
void MarkChangedQuestion(const QUESTION_PARTS& parts, CEditSentence& question, CMondaiInfo& copy) {
  if (copy.m_bChanged != 0) return;
  const std::vector<CEditSentence*> four = parts.FourParts(question);
  const bool edited = std::any_of(four.begin(), four.end(), [](const CEditSentence* p) { return p->m_bModified != 0; });
  if (!edited) return;
  copy.m_bChanged = 1;
  for (CEditSentence* part : four) part->m_mondaiInfo.m_bChanged = 1;
}

}  // namespace

CEditSentence* CEditPrint::FindPartByIds(const CMondaiInfo* pInfo, int nKind) {
  if (!pInfo) return nullptr;
  const QUESTION_PARTS parts(*this);
  for (CEditSentence* part : parts.All()) {
    const CMondaiInfo& info = part->m_mondaiInfo;
    if (info.m_nId == pInfo->m_nId && info.m_nSubId == pInfo->m_nSubId && part->m_nKind == nKind) return part;
  }
  return nullptr;
}

// A new sheet has no records: that is success, with or without parts.
BOOL CEditPrint::ApplyQuestionInfos() {
  if (m_listMondaiInfo.empty()) return TRUE;
  if (GetChildCount() == 0) return FALSE;
  try {
    const QUESTION_PARTS parts(*this);
    size_t next = 0;
    for (CEditSentence* question : parts.All()) {
      if (question->m_nKind != CEditSentence::KindQuestion) continue;
      if (next >= m_listMondaiInfo.size()) break;
      const CMondaiInfo* info = m_listMondaiInfo[next++].get();
      if (!info) continue;
      for (CEditSentence* part : parts.FourParts(*question)) part->m_mondaiInfo.Copy(*info);
    }
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

BOOL CEditPrint::CollectQuestionInfos() {
  if (GetChildCount() == 0) return FALSE;
  try {
    const QUESTION_PARTS parts(*this);
    GiveProvisionalIds(parts);
    m_listMondaiInfo.clear();
    for (CEditSentence* question : parts.All()) {
      if (question->m_nKind != CEditSentence::KindQuestion) continue;
      auto copy = std::make_unique<CMondaiInfo>(1);
      copy->Copy(question->m_mondaiInfo);
      MarkChangedQuestion(parts, *question, *copy);
      m_listMondaiInfo.push_back(std::move(copy));
    }
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}
