#include "elements/EditKunten.h"

#include <algorithm>
#include <memory>

#include "elements/EditKanCR.h"
#include "model/EditBox.h"
#include "model/LineMetrics.h"
#include "model/SaturatedInt.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditKunten, CEditContainer, 1)

namespace {

// A click up to 10 mm before a small mark still reaches it.
constexpr int kHitMargin = 1000;

BOOL IsLineEnd(const CQVXMLNode* node) { return node && (node->m_nType & NT_LINEBREAK); }

int LineHeight(const EDIT_LINE_INFO& line, int nSpacing) {
  const CEditProperties& p = line.props;
  const int height = std::max<int>(p.m_nAscent + line.nMaxDescent, p.m_nCenter + line.nMaxLower);
  return nSpacing > 0 ? height + 2 * nSpacing : height;
}

}  // namespace

CEditKunten::CEditKunten() : CEditContainer(NTYPE_EDITKUNTEN) { m_bCaretStop = 0; }

void CEditKunten::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << LONG(m_nKind) << LONG(m_nAdvance);
  } else {
    LONG kind = 0, advance = 0;
    ar >> kind >> advance;
    m_nKind = kind;
    m_nAdvance = advance;
  }
  CEditContainer::Serialize(ar);
}

void CEditKunten::AppendLineEnd() {
  try {
    auto lineEnd = std::make_unique<CEditKanCR>();
    if (AppendChild(lineEnd.get()) >= 0) lineEnd.release();
  } catch (...) {
  }
}

void CEditKunten::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    const EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    if (!StartMeasure()) return;
    const int width = m_nAreaWidth > 0 ? m_nAreaWidth : param.nWidth2;
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* child = GetEditChildAt(i);
      if (!child) continue;
      // A line end takes its neighbour's metrics below: measure it afresh on every pass.
      if (IsLineEnd(child)) child->m_bNeedsMeasure = 1;
      EDIT_LAYOUT_PARAM p = ChildMeasureParam(param, width);
      p.nWidth = width;
      child->Measure(pDC, pMapper, &p);
    }
    auto box = std::make_unique<CEditBox>();
    box->m_props.m_nWidth = width;
    m_arrBoxes.push_back(box.get());
    BreakIntoLines(*box.release(), param, width);
  } catch (...) {
  }
}

void CEditKunten::BreakIntoLines(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int nWidth) {
  EDIT_LINE_INFO line;
  CEditNode* previous = nullptr;
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* child = GetEditChildAt(i);
    if (!child) continue;
    if (IsLineEnd(previous) || OverrunsLine(line, *child, nWidth)) {
      box.SetLine(box.GetLineCount(), line);
      line.Reset();
      previous = nullptr;
    }
    if (IsLineEnd(child)) FitLineEnd(*child, previous, line.nCount == 0);
    const int used = line.props.m_nWidth;
    const int advance = line.nCount == 0 ? child->m_nWidth : MulDiv(child->m_nWidth, m_nAdvance, 100);
    if (line.nFirst < 0) line.nFirst = i;
    ++line.nCount;
    AddToLine(line, *child);
    line.props.m_nWidth = LineExtent(0LL + used + advance);
    previous = child;
  }
  if (line.nCount > 0) box.SetLine(box.GetLineCount(), line);
  ComputeOwnSize(box, param.nLineSpacing);
}

void CEditKunten::ComputeOwnSize(CEditBox& box, int nSpacing) {
  if (box.GetLineCount() == 0) return;
  int width = 0, height = 0;
  for (EDIT_LINE_INFO& line : box.m_arrLines) {
    line.props.m_nHeight = LineHeight(line, nSpacing);
    width = std::max<int>(width, line.props.m_nWidth);
    height = LineExtent(0LL + height + line.props.m_nHeight);
  }
  box.m_props.m_nHeight = height;
  m_nWidth = width;
  m_nHeight = height;
  m_nAscent = box.m_arrLines.front().props.m_nAscent;
  m_nCenter = box.m_arrLines.front().props.m_nCenter;
}

void CEditKunten::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam || !IsVisible()) return;
  try {
    m_rcInk = RECT{pParam->nX, pParam->nY, pParam->nX + m_nWidth, pParam->nY + m_nHeight};
    m_rcHit = m_rcInk;
    CEditBox* box = GetBox(0);
    if (GetChildCount() == 0 || !box) return;
    PlaceChildren(*box, *pParam, bVertical);
  } catch (...) {
  }
}

void CEditKunten::PlaceChildren(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int bVertical) {
  EDIT_LINE_INFO line;
  int lineNumber = 0;
  if (!box.GetLine(lineNumber, line)) return;
  int x = param.nX, y = param.nY, position = 0;
  const int spacing = std::max(param.nLineSpacing, 0);
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* child = GetEditChildAt(i);
    if (!child) continue;
    if (position >= line.nCount) {
      y += line.props.m_nHeight;
      if (!box.GetLine(++lineNumber, line)) return;
      x = param.nX;
      position = 0;
    }
    EDIT_LAYOUT_PARAM p = LineChildParam(line, param, x, y + spacing);
    child->Arrange(&p, bVertical);
    child->m_rcHit = RECT{x, y, x + child->m_nWidth, y + line.props.m_nHeight};
    child->m_nLine = lineNumber;
    child->m_nInLine = position;
    if (position == 0) {
      line.props.m_rcInk = RECT{x, y, x + line.props.m_nWidth, y + line.props.m_nHeight};
      box.SetLine(lineNumber, line);
    }
    const CQVXMLNode* next = child->GetNextSibling();
    x = LineExtent(0LL + x + (!next || IsLineEnd(next) ? child->m_nWidth : MulDiv(child->m_nWidth, m_nAdvance, 100)));
    ++position;
  }
}

CEditNode* CEditKunten::NodeFromPoint(int x, int y, int* pAfter) {
  if (!IsVisible()) return nullptr;
  try {
    if (CEditNode* hit = CEditContainer::NodeFromPoint(x, y, pAfter)) return hit;
    CEditNode* answer = nullptr;
    for (const CEditBox* box : m_arrBoxes) {
      if (box->GetLineCount() == 0) return nullptr;
      for (const EDIT_LINE_INFO& line : box->m_arrLines) {
        const RECT& rc = line.props.m_rcInk;
        if (y < rc.top || y > rc.bottom || x < rc.left - kHitMargin || x > m_rcInk.right) continue;
        if (CEditNode* hit = NodeBesideLine(line, x, pAfter)) {
          answer = hit;
          break;
        }
      }
    }
    return answer;
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditKunten::NodeBesideLine(const EDIT_LINE_INFO& line, int x, int* pAfter) const {
  CEditNode* first = GetEditChildAt(line.nFirst);
  CEditNode* last = GetEditChildAt(line.nFirst + line.nCount - 1);
  if (first && x <= first->m_rcInk.left) {
    if (pAfter) *pAfter = 0;
    return first;
  }
  if (last && x >= last->m_rcInk.right) {
    if (pAfter) *pAfter = 1;
    return last;
  }
  return nullptr;
}
