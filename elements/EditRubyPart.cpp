#include "elements/EditRubyPart.h"

#include "elements/LineEdgeHits.h"
#include "model/EditBox.h"

namespace {

// How far before a line a click still finds the line's first character.
constexpr int kReachBeforeLine = 1000;

}  // namespace

CEditRubyPart::CEditRubyPart(DWORD nType) : CEditContainer(nType) { m_bCaretStop = 0; }

void CEditRubyPart::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    if (!StartMeasure()) return;
    EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    param.nWidth = m_nAreaWidth > 0 ? m_nAreaWidth : param.nWidth2;
    CEditContainer::Measure(pDC, pMapper, &param);
    EDIT_LINE_INFO first;
    const CEditBox* box = GetBox(0);
    if (!box || !box->GetLine(0, first)) return;
    m_nAscent = first.props.m_nAscent;
    m_nCenter = first.props.m_nCenter;
  } catch (...) {
  }
}

void CEditRubyPart::Arrange(EDIT_LAYOUT_PARAM* pParam, int) {
  if (IsVisible()) CEditContainer::Arrange(pParam, 0);
}

void CEditRubyPart::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (IsVisible()) CEditContainer::Draw(pDC, pMapper, pParam);
}

CEditNode* CEditRubyPart::NodeFromPoint(int x, int y, int* pAfter) {
  if (!IsVisible()) return nullptr;
  try {
    if (CEditNode* hit = CEditContainer::NodeFromPoint(x, y, pAfter)) return hit;
    return HitBesideOwnLines(x, y, pAfter);
  } catch (...) {
    return nullptr;
  }
}

// A reading is small: a click a little before it or after it, within a line's height, still
// finds its nearest character.
CEditNode* CEditRubyPart::HitBesideOwnLines(int x, int y, int* pAfter) const {
  const CEditBox* box = GetBox(0);
  if (!box) return nullptr;
  for (const EDIT_LINE_INFO& line : box->m_arrLines) {
    const RECT& rc = line.props.m_rcInk;
    if (y < rc.top || y > rc.bottom || x < rc.left - kReachBeforeLine || x > m_rcInk.right) continue;
    if (CEditNode* first = FirstChildOnLine(*this, line); first && x <= first->m_rcInk.left) {
      if (pAfter) *pAfter = 0;
      return first;
    }
    if (CEditNode* last = LastChildOnLine(*this, line); last && x >= last->m_rcInk.right) {
      if (pAfter) *pAfter = 1;
      return last;
    }
  }
  return nullptr;
}
