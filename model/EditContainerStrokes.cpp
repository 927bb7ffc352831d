#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "elements/NumberFormat.h"
#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "model/EditContainer.h"
#include "model/FontList.h"
#include "model/GdiCache.h"
#include "model/SaturatedInt.h"
#include "platform/AnsiCodePage.h"
#include "platform/DC.h"
#include "platform/StockObjects.h"

namespace {

constexpr int kHalfPoint = 18;  // 0.5 pt
constexpr int kOnePoint = 35;   // 1 pt
constexpr int kHalfWave = 50;
constexpr int kThick = 3;

// A line of one of the styles 1 to 7 between two layout points, its second line for the
// double style moved by doubleOffset in y, its wave between the levels waveA and waveB.
struct STROKE {
  int style;
  int width;
  POINT from;
  POINT to;
  int doubleOffset;
  int waveA;
  int waveB;
  int thickShift;
};

POINT ToDevice(const CCoordMapper* pMapper, POINT pt) {
  if (pMapper) pMapper->LPtoDP(&pt);
  return pt;
}

int PenWidth(const CCoordMapper* pMapper, int length, int minimum) {
  SIZE size{length, length};
  if (pMapper) pMapper->LPtoDPSize(&size);
  return std::max<int>(pMapper && pMapper->m_bVertical ? size.cx : size.cy, minimum);
}

CPen* StylePen(int style) {
  switch (style) {
    case LS_DOTTED: return GetDotPen(0);
    case LS_DASHED: return GetDashPen(0);
    case LS_DOT_DASH: return GetDashDotPen(0);
    case LS_DOT_DOT_DASH: return GetDashDotDotPen(0);
    default: return GetSolidPen(0);
  }
}

void DrawSegment(CDC* pDC, const CCoordMapper* pMapper, POINT from, POINT to) {
  const POINT a = ToDevice(pMapper, from);
  const POINT b = ToDevice(pMapper, to);
  pDC->MoveTo(a);
  pDC->LineTo(b);
}

// Half-waves of 50 between the two levels; a run shorter than one half-wave draws nothing. A
// wave stops after a metre: no line on a sheet is longer, and a damaged run draws no more.
void DrawWave(CDC* pDC, const CCoordMapper* pMapper, int x1, int x2, int levelA, int levelB) {
  constexpr long long kMaxHalfWaves = 100000 / kHalfWave;
  const int count = int(std::min(std::llabs(0LL + x2 - x1) / kHalfWave, kMaxHalfWaves));
  if (count < 1) return;
  auto at = [x1](long long offset) { return Saturated(x1 + offset); };
  std::vector<POINT> points;
  if (g_bUnicodeText) {
    points.push_back(POINT{x1, levelA});
    for (int i = 0; i < count; ++i) {
      const int level = i % 2 == 0 ? levelA : levelB;
      const int other = i % 2 == 0 ? levelB : levelA;
      const long long start = 1LL * kHalfWave * i;
      const long long end = i + 1 == count ? start + kHalfWave + kHalfWave / 2 : start + kHalfWave;
      points.push_back(POINT{at(start + kHalfWave / 2), level});
      points.push_back(POINT{at(start + kHalfWave / 2), other});
      points.push_back(POINT{at(end), other});
    }
  } else {
    for (int i = 0; i <= count; ++i)
      points.push_back(POINT{at(1LL * kHalfWave * i + kHalfWave / 2), i % 2 == 0 ? levelA : levelB});
  }
  for (POINT& pt : points) pt = ToDevice(pMapper, pt);
  CPen* old = pDC->SelectObject(GetSolidPen(0));
  if (g_bUnicodeText)
    pDC->PolyBezier(points.data(), int(points.size()));
  else
    pDC->Polyline(points.data(), int(points.size()));
  pDC->SelectObject(old);
}

void DrawStroke(CDC* pDC, const CCoordMapper* pMapper, const STROKE& s) {
  if (s.style == LS_WAVE) {
    DrawWave(pDC, pMapper, s.from.x, s.to.x, s.waveA, s.waveB);
    return;
  }
  if (s.style < LS_SOLID || s.style > LS_DOT_DOT_DASH) return;
  POINT from = s.from, to = s.to;
  CPen thick;
  CPen* pen = StylePen(s.style);
  if (s.style == LS_SOLID) {
    const BOOL bThick = s.width == kThick;
    thick.CreatePen(PS_SOLID, bThick ? PenWidth(pMapper, kOnePoint, 2) : PenWidth(pMapper, kHalfPoint, 0), COLORREF(0));
    pen = &thick;
    if (bThick) from.y += s.thickShift, to.y += s.thickShift;
  }
  CPen* old = pDC->SelectObject(pen);
  DrawSegment(pDC, pMapper, from, to);
  if (s.style == LS_DOUBLE)
    DrawSegment(pDC, pMapper, POINT{from.x, from.y + s.doubleOffset}, POINT{to.x, to.y + s.doubleOffset});
  pDC->SelectObject(old);
}

// Two thin lines 25 above and below y; in vertical writing at a zoom above 99 % lines
// closer than 2 pixels are moved one pixel apart.
void DrawDoubleBorderBefore(CDC* pDC, const CCoordMapper* pMapper, int left, int right, int y) {
  POINT a1 = ToDevice(pMapper, POINT{left, y + 25}), a2 = ToDevice(pMapper, POINT{right, y + 25});
  POINT b1 = ToDevice(pMapper, POINT{left, y - 25}), b2 = ToDevice(pMapper, POINT{right, y - 25});
  if (pMapper && pMapper->m_bVertical && pMapper->GetZoom() > 99 && std::abs(a1.x - b1.x) < 2) {
    const int step = b1.x >= a1.x ? 1 : -1;
    b1.x += step;
    b2.x += step;
  }
  CPen* old = pDC->SelectObject(GetSolidPen(0));
  pDC->MoveTo(a1);
  pDC->LineTo(a2);
  pDC->MoveTo(b1);
  pDC->LineTo(b2);
  pDC->SelectObject(old);
}

int Baseline(const CEditNode& node) { return node.m_rcInk.top + node.m_nAscent; }

int HalfLine(const CEditNode& node) { return node.m_rcInk.bottom - node.m_nHeight / 2; }

}  // namespace

void CEditContainer::DrawUnderline(CDC* pDC, CCoordMapper* pMapper, CEditNode* pFirst, CEditNode* pLast) {
  if (!pDC || !pFirst) return;
  if (!pLast) pLast = pFirst;
  try {
    STROKE s{pFirst->m_nUnderlineStyle, pFirst->m_nUnderlineWidth, {}, {}, 0, 0, 0, 17};
    const int x1 = pFirst->m_rcInk.left, x2 = pLast->m_rcInk.right;
    if (pMapper && pMapper->m_bVertical) {
      s.from = POINT{x1, pFirst->m_rcInk.top};
      s.to = POINT{x2, pLast->m_rcInk.top};
      s.doubleOffset = -kHalfWave;
      s.waveA = pFirst->m_rcInk.top - kHalfWave;
      s.waveB = pFirst->m_rcInk.top;
    } else {
      const int y = std::max(Baseline(*pFirst), Baseline(*pLast)) + kHalfPoint + kOnePoint;
      s.from = POINT{x1, y};
      s.to = POINT{x2, y};
      s.doubleOffset = kHalfWave;
      s.waveA = y + kHalfWave;
      s.waveB = y;
    }
    DrawStroke(pDC, pMapper, s);
  } catch (...) {
  }
}

void CEditContainer::DrawLineThrough(CDC* pDC, CCoordMapper* pMapper, CEditNode* pFirst, CEditNode* pLast) {
  if (!pDC || !pFirst) return;
  if (!pLast) pLast = pFirst;
  try {
    const int y = std::max(HalfLine(*pFirst), HalfLine(*pLast));
    const int style = pFirst->m_nLineThroughStyle;
    const int lineY = style == LS_DOUBLE ? y - 25 : y;
    STROKE s{style, pFirst->m_nLineThroughWidth, POINT{pFirst->m_rcInk.left, lineY},
             POINT{pLast->m_rcInk.right, lineY}, 2 * 25, y + 25, y - 25, 0};
    DrawStroke(pDC, pMapper, s);
  } catch (...) {
  }
}

void CEditContainer::DrawRunBorder(CDC* pDC, CCoordMapper* pMapper, CEditNode* pFirst, CEditNode* pLast) {
  if (!pDC || !pFirst) return;
  if (!pLast) pLast = pFirst;
  const int style = pFirst->m_nBorderStyle;
  if (style < LS_SOLID || style > LS_DOT_DOT_DASH) return;
  try {
    const CRect rc(pFirst->m_rcInk.left, pFirst->m_rcInk.top, pLast->m_rcInk.right, pFirst->m_rcInk.bottom);
    CPen thick;
    CPen* pen = StylePen(style);
    if (style == LS_SOLID) {
      const BOOL bThick = pFirst->m_nBorderWidth == kThick;
      thick.CreatePen(PS_SOLID, bThick ? PenWidth(pMapper, kOnePoint, 2) : PenWidth(pMapper, kHalfPoint, 0), COLORREF(0));
      pen = &thick;
    }
    CPen* oldPen = pDC->SelectObject(pen);
    CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
    std::vector<CRect> frames;
    if (style == LS_DOUBLE)
      frames = {CRect(rc.left + 25, rc.top + 25, rc.right - 25, rc.bottom - 25),
                CRect(rc.left - 25, rc.top - 25, rc.right + 25, rc.bottom + 25)};
    else
      frames = {rc};
    for (CRect frame : frames) {
      RECT device = frame;
      if (pMapper) pMapper->LPtoDPRect(&device);
      pDC->Rectangle(&device);
    }
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
  } catch (...) {
  }
}

void CEditContainer::DrawBorderBefore(CDC* pDC, CCoordMapper* pMapper) {
  if (!pDC) return;
  try {
    const RECT& ink = m_rcInk;
    const int y = ink.top + (ink.bottom - ink.top) / 3;
    const int inset = (ink.right - ink.left) / 6;
    const int left = (m_nBorderRunFlags & 1) ? ink.left + inset : ink.left;
    const int right = (m_nBorderRunFlags & 2) ? ink.right - inset : ink.right;
    const int style = m_nBorderBeforeStyle;
    if (style == LS_DOUBLE) {
      DrawDoubleBorderBefore(pDC, pMapper, left, right, y);
      return;
    }
    STROKE s{style, m_nBorderBeforeWidth, POINT{left, y}, POINT{right, y}, 0, y - kHalfWave, y, 0};
    DrawStroke(pDC, pMapper, s);
  } catch (...) {
  }
}

void CEditContainer::DrawBorderAfter(CDC* pDC, CCoordMapper* pMapper) {
  if (!pDC) return;
  try {
    int y = m_rcInk.bottom;
    if (m_nType == NTYPE_EDITFORMULA && m_nHeight - m_nAscent < 100)
      y = pMapper && pMapper->m_bVertical ? m_rcInk.top : m_rcInk.top + m_nAscent + kHalfPoint + kOnePoint;
    STROKE s{m_nBorderAfterStyle, m_nBorderAfterWidth, POINT{m_rcInk.left, y}, POINT{m_rcInk.right, y},
             kHalfWave, y + kHalfWave, y, 17};
    DrawStroke(pDC, pMapper, s);
  } catch (...) {
  }
}

void FormatRunNumber(const CEditNode& first, CStringW& text) {
  switch (first.m_kasen.nNumberStyle) {
    case CKasenRenbanProperties::NumberBracketed: FormatParenNumber(first.m_nKasenNumber, text); break;
    case CKasenRenbanProperties::NumberKatakana: FormatParenKatakana(first.m_nKasenNumber, text); break;
    case CKasenRenbanProperties::NumberAlpha: FormatParenLowerAlpha(first.m_nKasenNumber, text); break;
    case CKasenRenbanProperties::NumberAlphaCap: FormatParenUpperAlpha(first.m_nKasenNumber, text); break;
    case CKasenRenbanProperties::NumberString: text = first.m_strKasenString; break;
    default: FormatCircledNumber(first.m_nKasenNumber, text); break;
  }
}

namespace {

// The numbering face, or the default font of the writing direction when it is not installed.
LOGFONTA NumberLogFont(const CEditNode& first, const CCoordMapper* pMapper) {
  const BOOL bVertical = pMapper && pMapper->m_bVertical;
  LOGFONTA lf{};
  if (!FindFontByFaceName(first.m_kasen.szNumberFace, &lf)) GetDefaultFont(&lf, bVertical);
  SIZE size{first.m_kasen.nNumberSize, first.m_kasen.nNumberSize};
  if (pMapper) pMapper->LPtoDPSize(&size);
  lf.lfHeight = bVertical ? size.cx : size.cy;
  lf.lfEscapement = lf.lfOrientation = bVertical ? 2700 : 0;
  lf.lfWidth = 0;
  lf.lfWeight = FW_NORMAL;
  lf.lfItalic = 0;
  return lf;
}

}  // namespace

void CEditContainer::DrawKasenNumber(CDC* pDC, CCoordMapper* pMapper, CEditNode* pFirst, CEditNode*) {
  if (!pDC || !pFirst) return;
  try {
    const LOGFONTA lf = NumberLogFont(*pFirst, pMapper);
    CFont font;
    if (!font.CreateFontIndirect(&lf)) return;
    const BOOL bVertical = pMapper && pMapper->m_bVertical;
    const POINT pt = ToDevice(pMapper, POINT{pFirst->m_rcInk.left, bVertical ? pFirst->m_rcInk.top : pFirst->m_rcInk.bottom});
    CStringW text;
    FormatRunNumber(*pFirst, text);
    CFont* oldFont = pDC->SelectObject(&font);
    const UINT oldAlign = pDC->SetTextAlign(TA_BOTTOM | TA_LEFT);
    pDC->SetTextColor(0);
    if (g_bUnicodeText) {
      pDC->TextOutW(pt.x, pt.y, text.GetString(), text.GetLength());
    } else {
      const std::string ansi = WideToAnsi(text.str());
      pDC->ExtTextOutA(pt.x, pt.y, 0, nullptr, ansi.data(), int(ansi.size()));
    }
    pDC->SetTextAlign(oldAlign);
    pDC->SelectObject(oldFont);
  } catch (...) {
  }
}
