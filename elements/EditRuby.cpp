#include "elements/EditRuby.h"

#include <algorithm>
#include <memory>

#include "elements/EditRubyBase.h"
#include "elements/LineEdgeHits.h"
#include "model/EditBox.h"
#include "model/FoFlowElements.h"

IMPLEMENT_SERIAL(CEditRuby, CEditContainer, 1)

namespace {

void ArrangePart(CEditNode& part, int x, int y, int bVertical) {
  EDIT_LAYOUT_PARAM p{};
  p.nX = x;
  p.nY = y;
  p.nLineAscent = part.m_nAscent;
  p.nLineHalf = part.m_nCenter;
  part.Arrange(&p, bVertical);
  part.m_rcHit = RECT{x, y, x + part.m_nWidth, y + part.m_nHeight};
}

}  // namespace

CEditRuby::CEditRuby() : CEditContainer(NTYPE_EDITRUBY) {}

CEditRuby::PARTS CEditRuby::Parts() const {
  CEditNode* base = GetEditChildAt(0);
  CEditNode* reading = GetEditChildAt(1);
  if (!base || !reading) return PARTS{nullptr, nullptr};
  return PARTS{base, reading};
}

CEditRubyBase* CEditRuby::GetBase() const {
  return GetChildCount() >= 2 ? dynamic_cast<CEditRubyBase*>(GetChildAt(0)) : nullptr;
}

void CEditRuby::CopyFromFoInline(const CFoInline* pInline) {
  if (!pInline) return;
  CBorderPaddingBackgroundProperties::Copy(pInline->m_borderProps);
  CKasenRenbanProperties::Copy(pInline->m_kasenProps);
}

void CEditRuby::CopyToFoInline(CFoInline* pInline) const {
  if (!pInline) return;
  pInline->m_borderProps.Copy(*this);
  pInline->m_kasenProps.Copy(*this);
}

CEditNode* CEditRuby::GetFirstCaretChild() {
  const PARTS parts = Parts();
  return parts.base ? parts.base->GetFirstCaretChild() : nullptr;
}

void CEditRuby::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    if (!StartMeasure()) return;
    const PARTS parts = Parts();
    if (!parts.base) return;
    m_arrBoxes.push_back(new CEditBox);
    const EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    for (CEditNode* part : {parts.base, parts.reading}) {
      EDIT_LAYOUT_PARAM p{};
      p.nWidth = p.nWidth2 = param.nWidth;
      p.nHeight = param.nHeight;
      p.nLetterSpacing = param.nLetterSpacing;
      part->Measure(pDC, pMapper, &p);
    }
    const CEditNode& base = *parts.base;
    CEditNode& reading = *parts.reading;
    reading.m_nWidth = std::max(reading.m_nWidth, base.m_nWidth);
    m_nWidth = base.m_nWidth;
    m_nHeight = base.m_nHeight + reading.m_nHeight;
    m_nAscent = base.m_nAscent + reading.m_nHeight;
    m_nCenter = base.m_nCenter + reading.m_nHeight;
  } catch (...) {
  }
}

// A reading wider than the base overhangs after it, or by its alignment before it or on both
// sides.
int CEditRuby::ReadingX(const PARTS& parts, int x) const {
  const int overhang = parts.reading->m_nWidth - parts.base->m_nWidth;
  if (overhang <= 0) return x;
  auto* reading = dynamic_cast<CEditContainer*>(parts.reading);
  auto* paragraph = dynamic_cast<CBlockLineRelatedProperties*>(reading ? reading->GetFirstLineBreak() : nullptr);
  const int align = paragraph ? paragraph->m_nTextAlign : CBlockLineRelatedProperties::AlignLeft;
  if (align == CBlockLineRelatedProperties::AlignRight) return x - overhang;
  if (align == CBlockLineRelatedProperties::AlignCenter) return x - overhang / 2;
  return x;
}

void CEditRuby::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam) return;
  try {
    const PARTS parts = Parts();
    if (!parts.base) return;
    const int x = pParam->nX;
    const int top = pParam->nY + pParam->nLineAscent - m_nAscent;
    m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
    ArrangePart(*parts.reading, ReadingX(parts, x), top, bVertical);
    ArrangePart(*parts.base, x, top + parts.reading->m_nHeight, bVertical);
  } catch (...) {
  }
}

void CEditRuby::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  try {
    const PARTS parts = Parts();
    if (!parts.base) return;
    for (CEditNode* part : {parts.base, parts.reading}) {
      EDIT_LAYOUT_PARAM p{};
      part->Draw(pDC, pMapper, &p);
    }
  } catch (...) {
  }
}

CEditNode* CEditRuby::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i)
      if (CEditNode* child = GetEditChildAt(i))
        if (CEditNode* hit = child->NodeFromPoint(x, y, pAfter)) return hit;
    return HitBesideLines(*this, x, y, pAfter);
  } catch (...) {
    return nullptr;
  }
}
