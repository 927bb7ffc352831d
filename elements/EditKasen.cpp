#include "elements/EditKasen.h"

#include <string>

#include "elements/LineEdgeHits.h"
#include "elements/NumberFormat.h"
#include "elements/Units.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/LineMetrics.h"
#include "platform/AnsiCodePage.h"
#include "platform/DC.h"
#include "platform/Pen.h"

IMPLEMENT_SERIAL(CEditKasen, CEditContainer, 1)

namespace {

constexpr int kLabelPoints = 5;

}  // namespace

CEditKasen::CEditKasen() : CEditContainer(NTYPE_EDITKASEN) {}

CEditKasen::~CEditKasen() = default;

// ① in horizontal writing, ㊀ in vertical writing, at 5 points in proportional Mincho.
void CEditKasen::PrepareLabel(BOOL bVertical) {
  CStringW text;
  if (bVertical)
    FormatCircledIdeograph(m_nNumber, text);
  else
    FormatCircledNumber(m_nNumber, text);
  m_Label.SetText(text);
  const std::string face = WideToAnsi(bVertical ? u"@ＭＳ Ｐ明朝" : u"ＭＳ Ｐ明朝");
  m_Label.SetFontFace(face.c_str(), nullptr);
  m_Label.m_lf.lfHeight = -MulDiv(kLabelPoints, 2540, 72);
  m_Label.m_lf.lfItalic = 0;
  m_Label.m_bNeedsMeasure = 1;
}

void CEditKasen::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    m_nWidth = 0;
    m_nHeight = 0;
    const BOOL bVertical = pMapper && pMapper->m_bVertical;
    EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    param.nLineSpacing = 0;
    PrepareLabel(bVertical);
    EDIT_LAYOUT_PARAM labelParam = param;
    labelParam.hFont = nullptr;
    m_Label.Measure(pDC, pMapper, &labelParam);
    CEditContainer::Measure(pDC, pMapper, &param);
    EDIT_LINE_INFO line;
    CEditBox* box = GetBox(0);
    if (!box || !box->GetLine(0, line)) return;
    const int label = m_Label.m_nHeight;
    m_nWidth = line.props.m_nWidth;
    m_nHeight = line.props.m_nHeight + label;
    m_nAscent = line.props.m_nAscent + (bVertical ? label : 0);
    m_nCenter = line.props.m_nCenter + (bVertical ? label : 0);
  } catch (...) {
  }
}

void CEditKasen::ArrangeLabel(int x, int top, int bVertical) {
  EDIT_LAYOUT_PARAM p{};
  p.nX = x;
  p.nY = bVertical ? top : top + m_nHeight - m_Label.m_nHeight;
  p.nLineAscent = m_Label.m_nAscent;
  p.nLineHalf = m_Label.m_nCenter;
  m_Label.Arrange(&p, bVertical);
  m_Label.m_rcHit = RECT{p.nX, p.nY, p.nX + m_Label.m_nWidth, p.nY + m_Label.m_nHeight};
  m_Label.m_nLine = 0;
  m_Label.m_nInLine = 0;
}

// The label goes with the element's own top, so it stays against the content when the line
// is taller than the element.
void CEditKasen::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam) return;
  try {
    const int top = pParam->nY + pParam->nLineHalf - m_nCenter;
    ArrangeLabel(pParam->nX, top, bVertical);
    CEditBox* box = GetBox(0);
    if (GetChildCount() == 0 || !box || box->GetLineCount() == 0) return;
    m_rcInk = RECT{pParam->nX, top, pParam->nX + m_nWidth, top + m_nHeight};
    PlaceFirstLine(*box, *pParam, bVertical ? top + m_Label.m_nHeight : top, bVertical);
  } catch (...) {
  }
}

// Only the first line is shown: its children stand side by side from the element's left.
void CEditKasen::PlaceFirstLine(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int y0, int bVertical) {
  EDIT_LINE_INFO line;
  box.GetLine(0, line);
  int x = param.nX;
  const int first = line.nFirst < 0 ? 0 : line.nFirst;
  for (int i = first, position = 0; i < GetChildCount() && position < line.nCount; ++i, ++position) {
    CEditNode* c = GetEditChildAt(i);
    if (!c) continue;
    EDIT_LAYOUT_PARAM p = LineChildParam(line, param, x, y0);
    c->Arrange(&p, bVertical);
    c->m_rcHit = RECT{x, y0, x + c->m_nWidth, y0 + line.props.m_nHeight};
    c->m_nLine = 0;
    c->m_nInLine = position;
    if (position == 0) {
      line.props.m_rcInk = RECT{x, y0, x + line.props.m_nWidth, y0 + line.props.m_nHeight};
      box.SetLine(0, line);
    }
    x += c->m_nWidth;
  }
}

void CEditKasen::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!pDC) return;
  try {
    CEditContainer::Draw(pDC, pMapper, pParam);
    if (GetChildCount() == 0) return;
    EDIT_LAYOUT_PARAM labelParam{};
    m_Label.Draw(pDC, pMapper, &labelParam);
    DrawRule(pDC, pMapper);
  } catch (...) {
  }
}

// A solid black half-point rule across the element, at the label's edge next to the content.
void CEditKasen::DrawRule(CDC* pDC, CCoordMapper* pMapper) {
  const BOOL bVertical = pMapper && pMapper->m_bVertical;
  const int y = bVertical ? m_Label.m_rcInk.bottom : m_Label.m_rcInk.top;
  POINT from{m_rcInk.left, y}, to{m_rcInk.right, y};
  SIZE width{PointsToHimetric(0, 5), PointsToHimetric(0, 5)};
  if (pMapper) {
    pMapper->LPtoDP(&from);
    pMapper->LPtoDP(&to);
    pMapper->LPtoDPSize(&width);
  }
  CPen pen(PS_SOLID, int(width.cx), COLORREF(0));
  CPen* old = pDC->SelectObject(&pen);
  pDC->MoveTo(from);
  pDC->LineTo(to);
  pDC->SelectObject(old);
}

CEditNode* CEditKasen::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* c = GetEditChildAt(i);
      if (!c) continue;
      if (CEditNode* hit = c->NodeFromPoint(x, y, pAfter)) return hit;
    }
    CEditNode* result = nullptr;
    for (const CEditBox* box : m_arrBoxes)
      if (CEditNode* hit = box ? HitLineEdges(*box, x, y, pAfter) : nullptr) result = hit;
    return result;
  } catch (...) {
    return nullptr;
  }
}

// A point beside a line's children but inside the line: its first child, before it, or its
// last child, after it.
CEditNode* CEditKasen::HitLineEdges(const CEditBox& box, int x, int y, int* pAfter) const {
  for (const EDIT_LINE_INFO& line : box.m_arrLines) {
    // Lines never placed have no rectangle.
    if (line.props.m_rcInk.bottom <= line.props.m_rcInk.top) continue;
    if (CEditNode* hit = HitBesideLine(*this, line, x, y, pAfter)) return hit;
  }
  return nullptr;
}
