#include <memory>

#include "elements/EditKan.h"
#include "elements/EditKunten.h"
#include "elements/EditOkurigana.h"
#include "elements/Units.h"
#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "model/EditBox.h"
#include "platform/DC.h"
#include "platform/Pen.h"

namespace {

// The zeroed record a part is measured with: the available extents, no line spacing.
EDIT_LAYOUT_PARAM PartMeasureParam(const EDIT_LAYOUT_PARAM& param) {
  EDIT_LAYOUT_PARAM p{};
  p.nWidth = p.nWidth2 = param.nWidth;
  p.nHeight = param.nHeight;
  p.nLetterSpacing = param.nLetterSpacing;
  return p;
}

// A part stands on its own line: its ascent and half height are the line's.
void PlacePart(CEditNode* part, int x, int y, int bVertical) {
  if (!part) return;
  EDIT_LAYOUT_PARAM p{};
  p.nX = x;
  p.nY = y;
  p.nLineAscent = part->m_nAscent;
  p.nLineHalf = part->m_nCenter;
  part->Arrange(&p, bVertical);
  part->m_rcHit = RECT{x, y, x + part->m_nWidth, y + part->m_nHeight};
}

int HeightOf(const CEditNode* part) { return part ? part->m_nHeight : 0; }

int WidthOf(const CEditNode* part) { return part ? part->m_nWidth : 0; }

}  // namespace

void CEditKan::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    const EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    if (!StartMeasure()) return;
    for (int i = 0; i < GetChildCount(); ++i) {
      EDIT_LAYOUT_PARAM p = PartMeasureParam(param);
      if (CEditNode* part = GetEditChildAt(i)) part->Measure(pDC, pMapper, &p);
    }
    EDIT_LAYOUT_PARAM p = PartMeasureParam(param);
    m_HyphenMark.Measure(pDC, pMapper, &p);
    const CEditKunten* kanji = GetKanjiBox();
    if (!kanji) return;
    const int w = kanji->m_nWidth, h = kanji->m_nHeight;
    for (CEditNode* kana : {static_cast<CEditNode*>(GetRightKanaBox()), static_cast<CEditNode*>(GetLeftKanaBox())})
      if (kana) kana->m_nHeight = h;
    m_nWidth = 2 * w;
    m_nHeight = 3 * h;
    m_nAscent = kanji->m_nAscent + h;
    m_nCenter = kanji->m_nCenter + h;
  } catch (...) {
  }
}

void CEditKan::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam || GetChildCount() == 0) return;
  try {
    const int x = pParam->nX;
    const int top = pParam->nY + pParam->nLineAscent - m_nAscent;
    m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
    PlaceParts(x, top, bVertical);
  } catch (...) {
  }
}

// Along the line: brackets round the kanji, marks after it; across it: right kana above,
// left kana and kaeriten below. The drawing turns both for vertical writing.
void CEditKan::PlaceParts(int x, int top, int bVertical) {
  const CEditKunten* kanji = GetKanjiBox();
  const int w = WidthOf(kanji), h = HeightOf(kanji);
  const int start = x + w / 3;
  const int after = start + w;
  CEditKunten* open = GetOpenBracketBox();
  PlacePart(open, start - WidthOf(open), top + h, bVertical);
  PlacePart(GetKanjiBox(), start, top + h, bVertical);
  PlacePart(GetRightKanaBox(), start, top, bVertical);
  PlacePart(GetLeftKanaBox(), start, top + 2 * h, bVertical);
  CEditKunten* kaeriten = GetKaeritenBox();
  if (m_bHyphen) {
    const int markX = after + w / 6;
    PlacePart(kaeriten, markX, top + 2 * h - HeightOf(kaeriten), bVertical);
    PlacePart(&m_HyphenMark, markX, top + h + h / 2, bVertical);
    m_HyphenMark.m_rcHit.right = markX + MulDiv(w, 2, 3);
    return;
  }
  PlacePart(GetPunctuationBox(), after, top + h, bVertical);
  PlacePart(kaeriten, after, top + 2 * h - HeightOf(kaeriten), bVertical);
  PlacePart(GetCloseBracketBox(), x + MulDiv(w, 2, 3) + w, top + h, bVertical);
}

void CEditKan::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  if (!pDC || GetChildCount() == 0) return;
  try {
    if (m_bHyphen) DrawHyphen(pDC, pMapper);
    for (int i = 0; i < GetChildCount(); ++i) {
      EDIT_LAYOUT_PARAM p{};
      if (CEditNode* part = GetEditChildAt(i)) part->Draw(pDC, pMapper, &p);
    }
    if (m_nBorderBeforeStyle != 0) DrawBorderBefore(pDC, pMapper);
    if (m_kasen.nNumberStyle > 0 && (m_nBorderRunFlags & 1)) DrawRunLabel(pDC, pMapper);
  } catch (...) {
  }
}

// A 0.5 pt line along the text at the hyphen mark's near edge, joining the kanji to the next
// block's; the mapper turns it down the page in vertical writing.
void CEditKan::DrawHyphen(CDC* pDC, CCoordMapper* pMapper) {
  EDIT_LAYOUT_PARAM p{};
  m_HyphenMark.Draw(pDC, pMapper, &p);
  const RECT& rc = m_HyphenMark.m_rcHit;
  POINT start{rc.left, rc.top}, end{rc.right, rc.top};
  SIZE width{PointsToHimetric(0, 5), PointsToHimetric(0, 5)};
  if (pMapper) {
    pMapper->LPtoDP(&start);
    pMapper->LPtoDP(&end);
    pMapper->LPtoDPSize(&width);
  }
  CPen pen(PS_SOLID, width.cx, COLORREF(0));
  CPen* old = pDC->SelectObject(&pen);
  pDC->MoveTo(start);
  pDC->LineTo(end);
  pDC->SelectObject(old);
}

// The run's number beside the block, in the Mincho face of the writing direction so that it
// matches the kanbun text.
void CEditKan::DrawRunLabel(CDC* pDC, CCoordMapper* pMapper) {
  const BOOL bVertical = pMapper && pMapper->m_bVertical;
  CStringW text;
  FormatRunNumber(*this, text);
  CEditChar label(text);
  GetDefaultFont(&label.m_lf, bVertical);
  label.m_lf.lfHeight = m_kasen.nNumberSize;
  label.m_lf.lfWidth = 0;
  label.m_lf.lfEscapement = label.m_lf.lfOrientation = 2700;
  EDIT_LAYOUT_PARAM p{};
  label.Measure(pDC, pMapper, &p);
  p.nX = m_rcInk.left;
  p.nY = m_rcInk.top + m_nHeight / 3;
  label.Arrange(&p, bVertical);
  const UINT oldAlign = pDC->SetTextAlign(TA_BASELINE);
  EDIT_LAYOUT_PARAM draw{};
  label.Draw(pDC, pMapper, &draw);
  pDC->SetTextAlign(oldAlign);
}

CEditNode* CEditKan::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* part = GetEditChildAt(i);
      if (CEditNode* hit = part ? part->NodeFromPoint(x, y, pAfter) : nullptr) return hit;
    }
    return NodeBesideLines(x, y, pAfter);
  } catch (...) {
    return nullptr;
  }
}

// Beside a line of a stored layout box: the line's first or last child.
CEditNode* CEditKan::NodeBesideLines(int x, int y, int* pAfter) const {
  CEditNode* answer = nullptr;
  for (const CEditBox* box : m_arrBoxes) {
    for (const EDIT_LINE_INFO& line : box->m_arrLines) {
      const RECT& rc = line.props.m_rcInk;
      if (y < rc.top || y > rc.bottom) continue;
      CEditNode* first = GetEditChildAt(line.nFirst);
      CEditNode* last = GetEditChildAt(line.nFirst + line.nCount - 1);
      if (first && rc.left <= x && x <= first->m_rcInk.left) {
        if (pAfter) *pAfter = 0;
        answer = first;
        break;
      }
      if (last && last->m_rcInk.right <= x && x <= rc.right) {
        if (pAfter) *pAfter = 1;
        answer = last;
        break;
      }
    }
  }
  return answer;
}
