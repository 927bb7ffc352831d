#include <algorithm>
#include <memory>
#include <vector>

#include "elements/EditPrint.h"
#include "elements/QuestionParts.h"
#include "model/EditSentence.h"

namespace {

constexpr int kProvisionalMajorBase = 99980000;
constexpr int kProvisionalMinorBase = 20000;

// The question part itself and its answer field, answer and explanation, where they exist.
std::vector<CEditSentence*> FourParts(const CEditPrint& root, CEditSentence& question) {
  std::vector<CEditSentence*> parts{&question};
  for (int kind = CEditSentence::KindAnswerField; kind <= CEditSentence::KindExplanation; ++kind)
    if (CEditSentence* part = root.FindMinorPart(question.m_nMajor, question.m_nMinor, kind)) parts.push_back(part);
  return parts;
}

std::vector<CEditSentence*> QuestionsInOrder(const CEditPrint& root) {
  return CollectParts(root, [](const CEditSentence& part) { return part.m_nKind == CEditSentence::KindQuestion; });
}

void SetIdsOfQuestion(const CEditPrint& root, CEditSentence& question, int nId, int nSubId) {
  for (CEditSentence* part : FourParts(root, question)) {
    part->m_mondaiInfo.m_nId = nId;
    part->m_mondaiInfo.m_nSubId = nSubId;
  }
}

// Unregistered majors count on through the sheet; unregistered minors count within their major
// and take its id, registered or not.
void GiveProvisionalIds(const CEditPrint& root) {
  int nextMajor = 1;
  const int majors = root.GetMajorQuestionCount();
  for (int i = 1; i <= majors; ++i) {
    CEditSentence* major = root.FindMajorPart(i, CEditSentence::KindQuestion);
    if (!major) break;
    if (major->m_mondaiInfo.IsUnregistered()) SetIdsOfQuestion(root, *major, kProvisionalMajorBase + nextMajor++, 0);
    int nextMinor = 1;
    const int minors = root.GetMinorQuestionCount(i);
    for (int j = 1; j <= minors; ++j) {
      CEditSentence* minor = root.FindMinorPart(i, j, CEditSentence::KindQuestion);
      if (!minor) break;
      if (minor->m_mondaiInfo.IsUnregistered())
        SetIdsOfQuestion(root, *minor, major->m_mondaiInfo.m_nId, kProvisionalMinorBase + nextMinor++);
    }
  }
}

// An edit of any of the four parts since registration marks the question changed everywhere.
void MarkChangedQuestion(const CEditPrint& root, CEditSentence& question, CMondaiInfo& copy) {
  if (copy.m_bChanged != 0) return;
  const std::vector<CEditSentence*> four = FourParts(root, question);
  const bool edited = std::any_of(four.begin(), four.end(), [](const CEditSentence* p) { return p->m_bModified != 0; });
  if (!edited) return;
  copy.m_bChanged = 1;
  for (CEditSentence* part : four) part->m_mondaiInfo.m_bChanged = 1;
}

}  // namespace

CEditSentence* CEditPrint::FindPartByIds(const CMondaiInfo* pInfo, int nKind) {
  if (!pInfo) return nullptr;
  for (CEditSentence* part : CollectParts(*this)) {
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
    size_t next = 0;
    for (CEditSentence* question : QuestionsInOrder(*this)) {
      if (next >= m_listMondaiInfo.size()) break;
      const CMondaiInfo* info = m_listMondaiInfo[next++].get();
      if (!info) continue;
      for (CEditSentence* part : FourParts(*this, *question)) part->m_mondaiInfo.Copy(*info);
    }
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

BOOL CEditPrint::CollectQuestionInfos() {
  if (GetChildCount() == 0) return FALSE;
  try {
    GiveProvisionalIds(*this);
    m_listMondaiInfo.clear();
    for (CEditSentence* question : QuestionsInOrder(*this)) {
      auto copy = std::make_unique<CMondaiInfo>(1);
      copy->Copy(question->m_mondaiInfo);
      MarkChangedQuestion(*this, *question, *copy);
      m_listMondaiInfo.push_back(std::move(copy));
    }
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}
