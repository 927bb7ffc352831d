#include "model/EditNode.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "model/FontList.h"
#include "model/PropertyBlock.h"
#include "model/SaturatedInt.h"
#include "model/UndoGroup.h"
#include "platform/Archive.h"
#include "platform/FontMetrics.h"

IMPLEMENT_SERIAL(CEditNode, CQVXMLNode, 1)

namespace {

BOOL IsGaijiFace(const char* face) { return std::strstr(face, "Halvern Gaiji") != nullptr; }

CEditNode* EditNodeOf(CQVXMLNode* node) { return node ? node->ToEditNode() : nullptr; }

// The font metrics a record keeps from its last measuring. Fonts stop at a metre, so no font
// gives a metric of ten metres: beyond that the record is damaged.
constexpr LONG kMaxKeptMetric = 10 * kMaxFontExtent;

bool MetricsWithinBounds(const CEditNode& node) {
  const TEXTMETRICA& tm = node.m_tm;
  for (LONG v : std::initializer_list<LONG>{node.m_nOverhangLeft, node.m_nOverhangRight, tm.tmHeight, tm.tmAscent,
                                            tm.tmDescent, tm.tmInternalLeading, tm.tmExternalLeading,
                                            tm.tmAveCharWidth, tm.tmMaxCharWidth, tm.tmOverhang})
    if (v < -kMaxKeptMetric || v > kMaxKeptMetric) return false;
  return true;
}

// Damaged metrics are dropped and the node measured again, so that no pass computes with them.
void ForgetDamagedMetrics(CEditNode& node) {
  if (MetricsWithinBounds(node)) return;
  node.m_nOverhangLeft = node.m_nOverhangRight = 0;
  node.m_tm = TEXTMETRICA{};
  node.m_bNeedsMeasure = 1;
}

// Kept sizes and the area asked for are taken within the bound of what layout gives, and a
// node whose record went past it is measured again: a node whose measuring stops early then
// still places itself within the integer.
void BoundDamagedSizes(CEditNode& node) {
  bool damaged = false;
  for (LONG* v : {&node.m_nWidth, &node.m_nHeight, &node.m_nAscent, &node.m_nCenter, &node.m_nAreaWidth,
                  &node.m_nAreaHeight}) {
    const LONG bounded = std::clamp<LONG>(*v, -kMaxKeptExtent, kMaxKeptExtent);
    damaged = damaged || bounded != *v;
    *v = bounded;
  }
  if (damaged) node.m_bNeedsMeasure = 1;
}

}  // namespace

CEditNode::CEditNode() = default;

CEditNode::CEditNode(DWORD nType) : CQVXMLNode(nType) {}

CEditNode::~CEditNode() = default;

void CEditNode::Serialize(CArchive& ar) {
  if (ar.IsStoring())
    StoreRecord(ar);
  else
    LoadRecord(ar);
  CQVXMLNode::Serialize(ar);
}

void CEditNode::StoreRecord(CArchive& ar) {
  WritePropertyBlock(ar, static_cast<CEditProperties*>(this), sizeof(CEditProperties));
  WritePropertyBlock(ar, static_cast<CFontProperties*>(this), sizeof(CFontProperties));
  WritePropertyBlock(ar, static_cast<CColorRelatedProperties*>(this), sizeof(CColorRelatedProperties));
  WritePropertyBlock(ar, static_cast<CBorderPaddingBackgroundProperties*>(this),
                     sizeof(CBorderPaddingBackgroundProperties));
  // The empty group's one byte is the first byte of the group that follows it.
  WritePropertyBlock(ar, static_cast<CAreaAlignmentProperties*>(this), sizeof(CInlineMarginProperties));
  WritePropertyBlock(ar, static_cast<CAreaAlignmentProperties*>(this), sizeof(CAreaAlignmentProperties));
  WritePropertyBlock(ar, static_cast<CAreaDimensionProperties*>(this), sizeof(CAreaDimensionProperties));
  WritePropertyBlock(ar, static_cast<CCharacterProperties*>(this), sizeof(CCharacterProperties));
  ar << LONG(m_kasen.nForcedNumber) << LONG(m_kasen.nNumberStyle);
  ar.Write(m_kasen.szNumberFace, sizeof(m_kasen.szNumberFace));
  ar << LONG(m_kasen.nNumberSize);
  m_strKasenString.Serialize(ar);
  ar << LONG(m_nOverhangLeft) << LONG(m_nOverhangRight);
}

void CEditNode::LoadRecord(CArchive& ar) {
  ReadPropertyBlock(ar, static_cast<CEditProperties*>(this), sizeof(CEditProperties));
  ReadPropertyBlock(ar, static_cast<CFontProperties*>(this), sizeof(CFontProperties));
  ReadPropertyBlock(ar, static_cast<CColorRelatedProperties*>(this), sizeof(CColorRelatedProperties));
  ReadPropertyBlock(ar, static_cast<CBorderPaddingBackgroundProperties*>(this),
                    sizeof(CBorderPaddingBackgroundProperties));
  BYTE inlineMargin = 0;
  ReadPropertyBlock(ar, &inlineMargin, 0);
  ReadPropertyBlock(ar, static_cast<CAreaAlignmentProperties*>(this), sizeof(CAreaAlignmentProperties));
  ReadPropertyBlock(ar, static_cast<CAreaDimensionProperties*>(this), sizeof(CAreaDimensionProperties));
  ReadPropertyBlock(ar, static_cast<CCharacterProperties*>(this), sizeof(CCharacterProperties));
  LONG forced = 0, style = 0, size = 0, left = 0, right = 0;
  ar >> forced >> style;
  ar.ReadExact(m_kasen.szNumberFace, sizeof(m_kasen.szNumberFace));
  ar >> size;
  m_kasen.nForcedNumber = forced;
  m_kasen.nNumberStyle = style;
  // A size no font has comes from a damaged record.
  m_kasen.nNumberSize = ClampFontExtent(size);
  m_strKasenString.Serialize(ar);
  ar >> left >> right;
  m_nOverhangLeft = left;
  m_nOverhangRight = right;
  TerminateFaceName(m_lf.lfFaceName, LF_FACESIZE);
  TerminateFaceName(m_szFontFamily, LF_FACESIZE);
  TerminateFaceName(m_kasen.szNumberFace, LF_FACESIZE);
  ForgetDamagedMetrics(*this);
  BoundDamagedSizes(*this);
}

CEditNode* CEditNode::NodeFromPoint(int x, int y, int* pAfter) {
  const CRect hit(m_rcHit);
  if (!hit.PtInRect(POINT{x, y})) return nullptr;
  if (pAfter) *pAfter = x > hit.left + (0LL + hit.right - hit.left) / 2 ? 1 : 0;
  return this;
}

void CEditNode::Measure(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM*) {}

void CEditNode::Arrange(EDIT_LAYOUT_PARAM*, int) {}

void CEditNode::Draw(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM*) {}

BOOL CEditNode::IsVisible() const {
  if (m_bHidden) return FALSE;
  for (const CQVXMLNode* up = m_pParent; up; up = up->m_pParent) {
    auto* node = dynamic_cast<const CEditNode*>(up);
    if (node && node->m_bHidden) return FALSE;
  }
  return TRUE;
}

BOOL CEditNode::IsCaretStop() const { return m_bCaretStop && IsVisible(); }

CEditNode* CEditNode::GetRootNode() { return dynamic_cast<CEditNode*>(GetRoot()); }

void CEditNode::SetSentenceModified(int value) {
  if (auto* sentence = dynamic_cast<CEditNode*>(FindAncestor(NTYPE_EDITSENTENCE, TRUE)))
    sentence->m_bModified = value;
}

void CEditNode::SetCaretStopRecursive(int value) {
  m_bCaretStop = value;
  for (int i = 0; i < GetChildCount(); ++i)
    if (CEditNode* child = GetEditChildAt(i)) child->SetCaretStopRecursive(value);
}

void CEditNode::SetNeedsMeasureRecursive(int value) {
  m_bNeedsMeasure = value;
  for (int i = 0; i < GetChildCount(); ++i)
    if (CEditNode* child = GetEditChildAt(i)) child->SetNeedsMeasureRecursive(value);
}

CEditNode* CEditNode::GetEditChildAt(int index) const {
  CQVXMLNode* child = GetChildAt(index);
  return child ? child->ToEditNode() : nullptr;
}

void CEditNode::UpdateLogFontFromProps() {
  SetFontFace(m_szFontFamily, nullptr);
  m_lf.lfHeight = -m_nFontSize;
  m_lf.lfWeight = m_nFontWeight;
  m_lf.lfItalic = m_nFontItalic == 1 ? 1 : 0;
}

int CEditNode::UpdatePropsFromLogFont() {
  SetFontFamily(m_lf.lfFaceName);
  m_nFontSize = -m_lf.lfHeight;
  m_nFontItalic = m_lf.lfItalic ? 1 : 0;
  m_nFontWeight = m_lf.lfWeight;
  if (m_lf.lfUnderline) {
    m_nUnderlineStyle = LS_SOLID;
    m_nUnderlineWidth = 1;
  }
  if (m_lf.lfStrikeOut) {
    m_nLineThroughStyle = LS_SOLID;
    m_nLineThroughWidth = 1;
  }
  return 1;
}

BOOL CEditNode::MatchesKasenRun(int style, int lineStyle, int lineWidth) const {
  if (m_kasen.nNumberStyle != style) return FALSE;
  if (m_nType == NTYPE_EDITKAN) return m_nBorderBeforeStyle == lineStyle && m_nBorderBeforeWidth == lineWidth;
  return m_nUnderlineStyle == lineStyle && m_nUnderlineWidth == lineWidth;
}

int CEditNode::NumberKasenRuns(int next, int style, int lineStyle, int lineWidth) {
  bool anyMatched = false;
  bool previousMatched = false;
  for (int i = 0; i < GetChildCount(); ++i) {
    int number = next;
    CEditNode* child = GetEditChildAt(i);
    bool matches = child && child->MatchesKasenRun(style, lineStyle, lineWidth);
    if (matches) {
      if (child->m_kasen.nForcedNumber > 0)
        number = child->m_kasen.nForcedNumber;
      else if (anyMatched && !previousMatched)
        number = next + 1;
      child->m_nKasenNumber = number;
    }
    next = child ? child->NumberKasenRuns(number, style, lineStyle, lineWidth) : number;
    anyMatched = anyMatched || matches;
    previousMatched = matches;
  }
  return next;
}

void CEditNode::SetIntProperty(LONG& field, int value, int code, BOOL bRemeasure, CUndoGroup* pUndo) {
  if (pUndo) pUndo->AddValueAction(code, this, field, value);
  field = value;
  if (bRemeasure) m_bNeedsMeasure = 1;
}

void CEditNode::SetKasenNumberStyle(int style, CUndoGroup* pUndo) {
  SetIntProperty(m_kasen.nNumberStyle, style, UNDO_KASEN_STYLE, TRUE, pUndo);
}

void CEditNode::SetKasenNumberFontSize(int size, CUndoGroup* pUndo) {
  SetIntProperty(m_kasen.nNumberSize, size, UNDO_KASEN_FONT_SIZE, TRUE, pUndo);
}

void CEditNode::SetKasenNumberFontFace(const char* pszFace, CUndoGroup* pUndo) {
  if (pUndo) pUndo->AddStringAction(UNDO_KASEN_FONT_FACE, this, m_kasen.szNumberFace, pszFace);
  CopyFaceName(m_kasen.szNumberFace, pszFace);
  m_bNeedsMeasure = 1;
}

void CEditNode::SetKasenForcedNumber(int number, CUndoGroup* pUndo) {
  SetIntProperty(m_kasen.nForcedNumber, number, UNDO_KASEN_FORCED_NUMBER, TRUE, pUndo);
}

void CEditNode::SetKasenNumberString(const CStringW& text, CUndoGroup* pUndo) {
  if (pUndo) pUndo->AddWideStringAction(UNDO_KASEN_STRING, this, m_strKasenString, text);
  m_strKasenString = text;
  m_bNeedsMeasure = 1;
}

void CEditNode::SetTextColor(COLORREF color, CUndoGroup* pUndo) {
  if (pUndo) pUndo->AddValueAction(UNDO_TEXT_COLOR, this, int(m_crColor), int(color));
  m_crColor = color;
}

void CEditNode::SetBackgroundColor(COLORREF color, CUndoGroup* pUndo) {
  if (pUndo) pUndo->AddValueAction(UNDO_BACKGROUND_COLOR, this, int(m_crBackground), int(color));
  m_crBackground = color;
}

void CEditNode::SetBackgroundPattern(int pattern, CUndoGroup* pUndo) {
  SetIntProperty(m_nBackgroundPattern, pattern, UNDO_BACKGROUND_PATTERN, FALSE, pUndo);
}

void CEditNode::SetLogFont(const LOGFONTA& lf, CUndoGroup* pUndo) {
  if (pUndo) pUndo->AddLogFontAction(UNDO_LOGFONT, this, m_lf, lf);
  m_lf = lf;
  m_bNeedsMeasure = 1;
}

void CEditNode::SetBold(BOOL bBold, CUndoGroup* pUndo) {
  SetIntProperty(m_lf.lfWeight, bBold ? FW_BOLD : FW_NORMAL, UNDO_BOLD, TRUE, pUndo);
}

void CEditNode::SetItalic(BOOL bItalic, CUndoGroup* pUndo) {
  BYTE italic = bItalic ? 1 : 0;
  if (pUndo) pUndo->AddValueAction(UNDO_ITALIC, this, m_lf.lfItalic, italic);
  m_lf.lfItalic = italic;
  m_bNeedsMeasure = 1;
}

void CEditNode::SetUnderlineStyle(int style, CUndoGroup* pUndo) {
  SetIntProperty(m_nUnderlineStyle, style, UNDO_UNDERLINE_STYLE, FALSE, pUndo);
}

void CEditNode::SetUnderlineWidth(int width, CUndoGroup* pUndo) {
  SetIntProperty(m_nUnderlineWidth, width, UNDO_UNDERLINE_WIDTH, FALSE, pUndo);
}

void CEditNode::SetLineThroughStyle(int style, CUndoGroup* pUndo) {
  SetIntProperty(m_nLineThroughStyle, style, UNDO_LINE_THROUGH_STYLE, FALSE, pUndo);
}

void CEditNode::SetLineThroughWidth(int width, CUndoGroup* pUndo) {
  SetIntProperty(m_nLineThroughWidth, width, UNDO_LINE_THROUGH_WIDTH, FALSE, pUndo);
}

void CEditNode::SetBorderStyle(int style, CUndoGroup* pUndo) {
  SetIntProperty(m_nBorderStyle, style, UNDO_BORDER_STYLE, FALSE, pUndo);
}

void CEditNode::SetBorderWidth(int width, CUndoGroup* pUndo) {
  SetIntProperty(m_nBorderWidth, width, UNDO_BORDER_WIDTH, FALSE, pUndo);
}

void CEditNode::SetBorderBeforeStyle(int style, CUndoGroup* pUndo) {
  SetIntProperty(m_nBorderBeforeStyle, style, UNDO_BORDER_BEFORE_STYLE, FALSE, pUndo);
}

void CEditNode::SetBorderBeforeWidth(int width, CUndoGroup* pUndo) {
  SetIntProperty(m_nBorderBeforeWidth, width, UNDO_BORDER_BEFORE_WIDTH, FALSE, pUndo);
}

void CEditNode::SetBorderAfterStyle(int style, CUndoGroup* pUndo) {
  SetIntProperty(m_nBorderAfterStyle, style, UNDO_BORDER_AFTER_STYLE, FALSE, pUndo);
}

void CEditNode::SetBorderAfterWidth(int width, CUndoGroup* pUndo) {
  SetIntProperty(m_nBorderAfterWidth, width, UNDO_BORDER_AFTER_WIDTH, FALSE, pUndo);
}

void CEditNode::SetFontExpanded(BOOL bExpanded, CUndoGroup* pUndo) {
  SetIntProperty(m_nFontStretch, bExpanded ? StretchExpanded : StretchNormal, UNDO_EXPANDED, TRUE, pUndo);
}

void CEditNode::SetFontCondensed(BOOL bCondensed, CUndoGroup* pUndo) {
  SetIntProperty(m_nFontStretch, bCondensed ? StretchCondensed : StretchNormal, UNDO_CONDENSED, TRUE, pUndo);
}

void CEditNode::SetSubscript(BOOL bSubscript, CUndoGroup* pUndo) {
  SetIntProperty(m_nBaselineShift, bSubscript ? ShiftSub : ShiftNone, UNDO_SUBSCRIPT, TRUE, pUndo);
}

void CEditNode::SetSuperscript(BOOL bSuperscript, CUndoGroup* pUndo) {
  SetIntProperty(m_nBaselineShift, bSuperscript ? ShiftSuper : ShiftNone, UNDO_SUPERSCRIPT, TRUE, pUndo);
}

void CEditNode::SetFontSize(CSize size, CUndoGroup* pUndo) {
  if (pUndo) pUndo->AddSizeAction(UNDO_FONT_SIZE, this, CSize(m_lf.lfWidth, m_lf.lfHeight), size);
  m_lf.lfWidth = size.cx;
  m_lf.lfHeight = size.cy > 0 ? -size.cy : size.cy;
  m_bNeedsMeasure = 1;
}

int CEditNode::SetFontFace(const char* pszFace, CUndoGroup* pUndo) {
  LOGFONTA installed;
  if (!pszFace || !FindFontByFaceName(pszFace, &installed)) return 0;
  LOGFONTA changed = m_lf;
  changed.lfCharSet = installed.lfCharSet;
  changed.lfOutPrecision = installed.lfOutPrecision;
  changed.lfClipPrecision = installed.lfClipPrecision;
  changed.lfQuality = installed.lfQuality;
  changed.lfPitchAndFamily = installed.lfPitchAndFamily;
  std::memcpy(changed.lfFaceName, installed.lfFaceName, sizeof(changed.lfFaceName));
  if (pUndo) pUndo->AddLogFontAction(UNDO_FONT_FACE, this, m_lf, changed);
  m_lf = changed;
  m_bNeedsMeasure = 1;
  return 1;
}

void CEditNode::SetFontHeightRecursive(CSize size, BOOL bSelf, CUndoGroup* pUndo) {
  if (bSelf) SetFontSize(size, pUndo);
  for (int i = 0; i < GetChildCount(); ++i)
    if (CEditNode* child = GetEditChildAt(i)) child->SetFontHeightRecursive(size, TRUE, pUndo);
}

void CEditNode::SetFontFaceRecursive(const char* pszFace, BOOL bSelf, BOOL bKeepGaiji, CUndoGroup* pUndo) {
  if (bSelf && !(bKeepGaiji && IsGaijiFace(m_lf.lfFaceName))) SetFontFace(pszFace, pUndo);
  for (int i = 0; i < GetChildCount(); ++i)
    if (CEditNode* child = GetEditChildAt(i)) child->SetFontFaceRecursive(pszFace, TRUE, bKeepGaiji, pUndo);
}

void CEditNode::SetFontHeightRecursiveMath(CSize size, BOOL bSelf, CUndoGroup* pUndo) {
  if (bSelf) SetFontSize(size, pUndo);
  if (IsFormulaContainer(m_nType)) ApplyFontSize(pUndo);
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* child = GetEditChildAt(i);
    if (!child) continue;
    child->SetFontSize(size, pUndo);
    if (IsFormulaContainer(child->m_nType))
      child->ApplyFontSize(pUndo);
    else
      child->SetFontHeightRecursiveMath(size, TRUE, pUndo);
  }
}

void CEditNode::ApplyFontSize(CUndoGroup*) {}

CEditNode* CEditNode::GetFirstCaretChild() {
  for (auto* node = EditNodeOf(GetFirstChild()); node; node = EditNodeOf(node->GetFirstChild()))
    if (node->IsCaretStop()) return node;
  return nullptr;
}

CEditNode* CEditNode::GetLastCaretChild() {
  for (auto* node = EditNodeOf(GetLastChild()); node; node = EditNodeOf(node->GetLastChild()))
    if (node->IsCaretStop()) return node;
  return nullptr;
}

CEditNode* CEditNode::GetFirstCaretDescendant() {
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* child = GetEditChildAt(i);
    if (!child) return nullptr;
    if (child->IsCaretStop()) return child;
    if (CEditNode* inner = child->GetFirstCaretDescendant()) return inner;
  }
  return nullptr;
}

CEditNode* CEditNode::GetLastCaretDescendant() {
  for (int i = GetChildCount() - 1; i >= 0; --i) {
    CEditNode* child = GetEditChildAt(i);
    if (!child) return nullptr;
    if (child->IsCaretStop()) return child;
    if (CEditNode* inner = child->GetLastCaretDescendant()) return inner;
  }
  return nullptr;
}

int CEditNode::CountLineBreaks() {
  int count = 0;
  for (const CQVXMLNode* child : m_arrChildren)
    if (child && (child->m_nType & NT_LINEBREAK)) ++count;
  return count;
}

CEditNode* CEditNode::GetPrevLineBreak() {
  for (CQVXMLNode* node = GetPrevSibling(); node; node = node->GetPrevSibling())
    if (node->m_nType & NT_LINEBREAK) return EditNodeOf(node);
  return nullptr;
}

CEditNode* CEditNode::GetNextLineBreak() {
  for (CQVXMLNode* node = GetNextSibling(); node; node = node->GetNextSibling())
    if (node->m_nType & NT_LINEBREAK) return EditNodeOf(node);
  return nullptr;
}

CEditNode* CEditNode::GetCaretPrev(int* pPassLineEnd) {
  int ignored = 0;
  if (!pPassLineEnd) pPassLineEnd = &ignored;
  if (m_nType & NT_LINEBREAK) {
    if (*pPassLineEnd == 1) {
      *pPassLineEnd = 0;
      return nullptr;
    }
  } else {
    *pPassLineEnd = 0;
  }
  return EditNodeOf(GetPrevAtLevel());
}

CEditNode* CEditNode::GetCaretNext(int* pPassLineEnd) {
  int ignored = 0;
  if (!pPassLineEnd) pPassLineEnd = &ignored;
  if (!(m_nType & NT_LINEBREAK) || *pPassLineEnd == 1) *pPassLineEnd = 0;
  return EditNodeOf(GetNextAtLevel());
}

CEditNode* CEditNode::GetLineStartNode() {
  if (m_nInLine <= 0) return this;
  for (auto* node = EditNodeOf(GetPrevSibling()); node; node = EditNodeOf(node->GetPrevSibling()))
    if ((node->m_nType & NT_LINEBREAK) || node->m_nInLine <= 0) return node;
  return nullptr;
}

// The caret ends up before the line's last node, or before the line end closing it.
CEditNode* CEditNode::GetLineEndNode() {
  if (m_nType & NT_LINEBREAK) return this;
  CEditNode* last = this;
  for (auto* node = EditNodeOf(GetNextSibling()); node; node = EditNodeOf(node->GetNextSibling())) {
    if (node->m_nType & NT_LINEBREAK) return node;
    if (node->m_nLine != m_nLine) return last;
    last = node;
  }
  return last;
}
