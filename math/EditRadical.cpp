#include "math/EditRadical.h"

#include "model/EditBox.h"

CEditRadical::CEditRadical(DWORD nType) : CEditMathElement(nType) {}

CEditRadical::~CEditRadical() = default;

// A short upstroke, a long downstroke to the radicand's foot, a rise and the bar.
void CEditRadical::PlaceSign(int x0, int ys, int g, int w) {
  const int d = g - kRadicalBarGap;
  const int hw = g / 2;
  m_ptSign[0] = POINT{x0, ys + (4 * d) / 5};
  m_ptSign[1] = POINT{x0 + hw / 4, ys + (2 * d) / 3};
  m_ptSign[2] = POINT{x0 + hw / 2, ys + d};
  m_ptSign[3] = POINT{x0 + hw, ys};
  m_ptSign[4] = POINT{x0 + hw + w, ys};
  m_bSignPlaced = TRUE;
}

void CEditRadical::RaiseRadicandLine(int nLine) {
  EDIT_LINE_INFO line = SlotLine(nLine);
  line.props.m_nHeight += kRadicandSpace;
  line.props.m_nAscent += kRadicandSpace;
  line.props.m_nCenter += kRadicandSpace;
  GetBox(0)->SetLine(nLine, line);
}

void CEditRadical::DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) {
  if (bShown && m_bSignPlaced) DrawStroke(pDC, pMapper, m_ptSign, 5);
}
