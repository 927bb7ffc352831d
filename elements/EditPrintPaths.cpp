#include <iterator>
#include <memory>
#include <vector>

#include "elements/EditPrint.h"
#include "model/EditSentence.h"
#include "model/FoBlockContainer.h"
#include "model/FoPageElements.h"
#include "model/XmlElementTable.h"
#include "model/XslElements.h"

namespace {

constexpr int kTextBoxKind = CXslApplyTemplates::PartGai;
constexpr int kPageBreakKind = 6;

// The last step's word for each part kind, in the order the reader tests them.
constexpr const char16_t* kKindWords[] = {u"dai", u"ran", u"kai", u"setsu", u"gai"};

CStringW PartPath(int nMajor, int nMinor, int nKind) {
  CStringW path;
  const char16_t* word = kKindWords[nKind - 1];
  if (nMinor != 0)
    path.Format(u"/print/dmon[%d]/smon[%d]/%s", nMajor, nMinor, word);
  else
    path.Format(u"/print/dmon[%d]/mon/%s", nMajor, word);
  return path;
}

CStringW TextBoxPath(int nIndex) {
  CStringW path;
  path.Format(u"/print/gai[%d]", nIndex);
  return path;
}

// 0 when the step names none of the kinds.
int KindFromStep(const CStringW& step) {
  for (int kind = 1; kind <= int(std::size(kKindWords)); ++kind)
    if (step.Find(kKindWords[kind - 1]) >= 0) return kind;
  return 0;
}

std::vector<CStringW> SelectSteps(const CXslNode& node) {
  std::vector<CStringW> steps;
  CStringW select = node.m_strSelect;
  SplitXPath(steps, select);
  return steps;
}

// Relative paths (the new-sheet templates' "print/dmon[1]/mon/dai") split into the same steps
// as absolute ones. A malformed or negative number, or a last step of no known kind, fails
// and leaves the part as it was.
BOOL ReadQuestionPath(CEditSentence& part, const std::vector<CStringW>& steps) {
  if (steps.size() < 4) return FALSE;
  const int major = ParsePathIndex(steps[1]);
  const int minor = steps[2].Find(u"smon") >= 0 ? ParsePathIndex(steps[2]) : 0;
  const int kind = KindFromStep(steps[3]);
  if (major < 0 || minor < 0 || kind == 0) return FALSE;
  part.m_nMajor = major;
  part.m_nMinor = minor;
  part.m_nKind = kind;
  return TRUE;
}

BOOL ReadTextBoxPath(CEditSentence& box, const std::vector<CStringW>& steps) {
  if (steps.size() < 2 || steps[1].Find(u"gai") < 0) return FALSE;
  box.m_nKind = kTextBoxKind;
  return TRUE;
}

BOOL ReadPartPath(const CQVXMLNode& entry, CQVXMLNode& child) {
  auto* part = dynamic_cast<CEditSentence*>(&child);
  // A block entry stands for a page break only: a question under it could not be written again.
  if (entry.m_nType == DWORD(XE_FO_BLOCK_CONTAINER)) {
    if (!part || child.m_nType != NTYPE_EDITKAIPAGE) return FALSE;
    part->m_nKind = kPageBreakKind;
    return TRUE;
  }
  auto* apply = dynamic_cast<const CXslNode*>(&entry);
  if (entry.m_nType != DWORD(XE_XSL_APPLY_TEMPLATES) || !apply) return FALSE;
  if (child.m_nType == NTYPE_EDITSENTENCE && part) return ReadQuestionPath(*part, SelectSteps(*apply));
  if (child.m_nType == NTYPE_EDITGAI && part) return ReadTextBoxPath(*part, SelectSteps(*apply));
  return TRUE;
}

void AppendPartEntry(CQVXMLNode& flow, const CStringW& path, const CEditSentence& part, int nKind) {
  auto entry = std::make_unique<CXslApplyTemplates>();
  entry->m_strSelect = path;
  entry->m_nPartType = int(part.m_nType);
  entry->m_nMajor = nKind == kTextBoxKind ? 0 : part.m_nMajor;
  entry->m_nMinor = nKind == kTextBoxKind ? 0 : part.m_nMinor;
  entry->m_nPartKind = nKind;
  flow.AppendChild(entry.get());
  entry.release();
}

void AppendPageBreakEntry(CQVXMLNode& flow) {
  auto entry = std::make_unique<CFoBlockContainer>();
  entry->m_nBreakAfter = CFoBlockContainer::BreakAfterPage;
  flow.AppendChild(entry.get());
  entry.release();
}

}  // namespace

BOOL CEditPrint::WritePartPaths() {
  if (!m_pBodyFlow || GetChildCount() == 0) return FALSE;
  try {
    m_pBodyFlow->DeleteAllChildren();
    int textBoxes = 1;
    for (CQVXMLNode* child : m_arrChildren) {
      auto* part = dynamic_cast<CEditSentence*>(child);
      if (!part) return FALSE;
      if (part->m_nType == NTYPE_EDITSENTENCE) {
        // A number the reader would refuse is not written either.
        if (part->m_nKind < 1 || part->m_nKind > 4 || part->m_nMajor < 0 || part->m_nMinor < 0) return FALSE;
        AppendPartEntry(*m_pBodyFlow, PartPath(part->m_nMajor, part->m_nMinor, part->m_nKind), *part, part->m_nKind);
      } else if (part->m_nType == NTYPE_EDITGAI) {
        AppendPartEntry(*m_pBodyFlow, TextBoxPath(textBoxes++), *part, kTextBoxKind);
      } else if (part->m_nType == NTYPE_EDITKAIPAGE) {
        AppendPageBreakEntry(*m_pBodyFlow);
      } else {
        return FALSE;
      }
    }
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

// Every part needs its entry: a part without a path could not be written again.
BOOL CEditPrint::ReadPartPaths() {
  if (!m_pBodyFlow || m_pBodyFlow->GetChildCount() == 0 || GetChildCount() == 0) return FALSE;
  if (GetChildCount() > m_pBodyFlow->GetChildCount()) return FALSE;
  try {
    for (int i = 0; i < m_pBodyFlow->GetChildCount() && i < GetChildCount(); ++i) {
      CQVXMLNode* entry = m_pBodyFlow->GetChildAt(i);
      CQVXMLNode* child = GetChildAt(i);
      if (!entry || !child || !ReadPartPath(*entry, *child)) return FALSE;
    }
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}
