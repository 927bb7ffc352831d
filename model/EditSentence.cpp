#include "model/EditSentence.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "model/EditCR.h"
#include "model/FoBlockContainer.h"
#include "model/GdiCache.h"
#include "model/QuestionSheet.h"
#include "platform/AnsiCodePage.h"

IMPLEMENT_SERIAL(CEditSentence, CEditContainer, 1)

namespace {

constexpr int kLabelHeight = 282;  // 8 points
constexpr int kNumberStyles = 6;
constexpr std::array<std::pair<int, int>, 8> kKasenLines{{{1, 1}, {1, 3}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}}};

// The side line a numbered run is drawn with: a kanbun block's border-before, else the underline.
std::pair<int, int> KasenLineOf(const CEditNode& node) {
  if (node.m_nType == NTYPE_EDITKAN) return {node.m_nBorderBeforeStyle, node.m_nBorderBeforeWidth};
  return {node.m_nUnderlineStyle, node.m_nUnderlineWidth};
}

// Bit (style - 1) * 8 + line of each numbering the nodes and their subtrees use.
void CollectKasenKinds(const std::vector<CEditNode*>& nodes, uint64_t& kinds) {
  for (const CEditNode* child : nodes) {
    if (!child) continue;
    const int style = child->m_kasen.nNumberStyle;
    if (style >= 1 && style <= kNumberStyles) {
      const auto line = KasenLineOf(*child);
      for (size_t k = 0; k < kKasenLines.size(); ++k)
        if (kKasenLines[k] == line) kinds |= uint64_t(1) << ((style - 1) * kKasenLines.size() + k);
    }
    if (child->GetChildCount() == 0) continue;
    std::vector<CEditNode*> grandchildren;
    for (int i = 0; i < child->GetChildCount(); ++i) grandchildren.push_back(child->GetEditChildAt(i));
    CollectKasenKinds(grandchildren, kinds);
  }
}

void AdjustLabelFace(LOGFONTA& lf, BOOL bVertical) {
  std::string face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
  if (bVertical) {
    if (face.find('@') == std::string::npos) face.insert(face.begin(), '@');
  } else {
    std::erase(face, '@');
  }
  CopyAnsiBounded(lf.lfFaceName, LF_FACESIZE, face.c_str());
}

const char16_t* KindLabelText(int kind) {
  switch (kind) {
    case CEditSentence::KindQuestion: return u"問題";
    case CEditSentence::KindAnswerField: return u"解答欄";
    case CEditSentence::KindAnswer: return u"解答";
    case CEditSentence::KindExplanation: return u"解説";
    default: return u"";
  }
}

}  // namespace

CEditSentence::CEditSentence() : CEditContainer(NTYPE_EDITSENTENCE) { m_bCaretStop = 0; }

CEditSentence::~CEditSentence() = default;

void CEditSentence::AppendLineBreak() {
  AppendChild(new CEditCR);
  LOGFONTA lf;
  GetDefaultFont(&lf, g_bVerticalWriting);
  lf.lfHeight = -std::abs(GetDefaultHeight());
  SetLogFont(lf, nullptr);
}

void CEditSentence::CopyPropsFromFo(const CFoBlockContainer* pFo) {
  if (!pFo) return;
  m_bHidden = pFo->m_nVisibility;
  m_nAreaWidth = pFo->m_nWidth;
}

void CEditSentence::CopyPropsToFo(CFoBlockContainer* pFo) const {
  if (!pFo) return;
  pFo->m_nVisibility = m_bHidden;
  pFo->m_nWidth = m_nAreaWidth;
}

BOOL CEditSentence::HasContent() const {
  if (GetChildCount() <= 1) return FALSE;
  int lineEnds = 0;
  for (const CQVXMLNode* child : m_arrChildren) {
    if (!child || (child->m_nType & NT_QUESTIONNUMBER)) continue;
    if (!(child->m_nType & NT_LINEBREAK)) return TRUE;
    if (++lineEnds >= 2) return TRUE;
  }
  return FALSE;
}

void CEditSentence::UpdateKindLabel(CEditChar* pLabel, CCoordMapper* pMapper) const {
  if (!pLabel) return;
  const LOGFONTA oldFont = pLabel->m_lf;
  const CStringW oldText = pLabel->m_strText;
  const LONG oldNeedsMeasure = pLabel->m_bNeedsMeasure;
  LOGFONTA lf;
  GetGuiLogFont(&lf);
  lf.lfHeight = -kLabelHeight;
  lf.lfWidth = 0;
  AdjustLabelFace(lf, pMapper && pMapper->m_bVertical);
  pLabel->m_lf = lf;
  pLabel->SetFontFace(lf.lfFaceName, nullptr);
  pLabel->SetText(CStringW(KindLabelText(m_nKind)));
  // Layout runs on every keystroke: an unchanged label keeps its measurement.
  const BOOL unchanged = std::memcmp(&oldFont, &pLabel->m_lf, sizeof(LOGFONTA)) == 0 && oldText == pLabel->m_strText;
  if (unchanged && !oldNeedsMeasure) pLabel->m_bNeedsMeasure = 0;
}

void CEditSentence::NumberKasen() { NumberKasen(EditChildren()); }

// Only the numberings that occur are walked: the others would change nothing.
void CEditSentence::NumberKasen(const std::vector<CEditNode*>& children) {
  uint64_t kinds = 0;
  CollectKasenKinds(children, kinds);
  for (int style = 1; style <= kNumberStyles; ++style)
    for (size_t k = 0; k < kKasenLines.size(); ++k)
      if (kinds & (uint64_t(1) << ((style - 1) * kKasenLines.size() + k)))
        NumberKasenRuns(1, style, kKasenLines[k].first, kKasenLines[k].second);
}

void CEditSentence::SetRunFlags(const std::vector<CEditNode*>& children) {
  CEditNode* previous = nullptr;
  for (CEditNode* child : children) {
    if (!child) continue;
    child->m_nBorderRunFlags = 0;
    const int style = child->m_kasen.nNumberStyle;
    const int previousStyle = previous ? previous->m_kasen.nNumberStyle : 0;
    if (style > 0) {
      if (previousStyle <= 0) {
        child->m_nBorderRunFlags |= 1;
      } else if (previousStyle != style || KasenLineOf(*previous) != KasenLineOf(*child)) {
        previous->m_nBorderRunFlags |= 2;
        child->m_nBorderRunFlags |= 1;
      }
    } else if (previousStyle > 0) {
      previous->m_nBorderRunFlags |= 2;
    }
    previous = child;
  }
}

std::vector<CEditNode*> CEditSentence::EditChildren() const {
  std::vector<CEditNode*> children;
  children.reserve(m_arrChildren.size());
  for (CQVXMLNode* child : m_arrChildren) children.push_back(child ? child->ToEditNode() : nullptr);
  return children;
}

CQuestionSheet* CEditSentence::GetSheet() const {
  if (!m_pParent || m_pParent->m_nType != NTYPE_EDITPRINT) return nullptr;
  return dynamic_cast<CQuestionSheet*>(m_pParent);
}

// Question numbers of the other parts are hidden while every question is followed by its
// parts: the question text already shows the number.
void CEditSentence::PrepareChildren(const std::vector<CEditNode*>& children) {
  const BOOL hideNumbers = HidesQuestionNumbers();
  for (CEditNode* node : children)
    if (node && (node->m_nType & NT_QUESTIONNUMBER)) node->m_bHidden = hideNumbers ? 2 : 0;
  SetRunFlags(children);
}

BOOL CEditSentence::HidesQuestionNumbers() const {
  const CQuestionSheet* sheet = GetSheet();
  return m_nKind != KindQuestion && sheet && sheet->GetFieldSequence() == 0;
}

void CEditSentence::ShareIndentWithParts() {
  CQuestionSheet* sheet = GetSheet();
  if (!sheet) return;
  std::vector<CEditSentence*> parts;
  sheet->GetQuestionParts(this, parts);
  for (CEditSentence* part : parts)
    if (part) part->m_nSharedIndent = m_nSharedIndent;
}
