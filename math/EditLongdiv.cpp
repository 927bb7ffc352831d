#include "math/EditLongdiv.h"

#include "math/StrokeFrame.h"
#include "model/CoordMapper.h"
#include "platform/DC.h"
#include "platform/Pen.h"
#include "platform/StockObjects.h"

IMPLEMENT_SERIAL(CEditLongdiv, CEditMathContainer, 1)

CEditLongdiv::CEditLongdiv() : CEditMathElement(NTYPE_EDITLONGDIV) {}

CEditLongdiv::~CEditLongdiv() = default;

// The bracket takes a quarter of the dividend's height in front of it.
void CEditLongdiv::MeasureShape(CDC*, CCoordMapper*) {
  SlotLine(0);
  TakeOverhangs(0, TRUE, TRUE);
  WidenLineByOverhang(0);
  const CEditProperties dividend = SlotLine(0).props;
  m_nWidth = dividend.m_nWidth + dividend.m_nHeight / 4;
  m_nHeight = dividend.m_nHeight;
  m_nAscent = dividend.m_nAscent;
  m_nCenter = dividend.m_nCenter;
}

// The arc is the right half of an ellipse whose widest point touches the dividend.
void CEditLongdiv::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const int h = SlotLine(0).props.m_nHeight;
  const int x = param.nX, top = param.nY + param.nLineAscent - m_nAscent;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceLine(0, x + h / 4, top, bVertical);
  m_ptBarStart = POINT{x, top};
  m_ptBarEnd = POINT{x + m_nWidth, top};
  m_rcArc = RECT{x - h / 4, top, x + h / 4, top + h};
  m_ptArcStart = POINT{x, top + h};
  m_ptArcEnd = POINT{x, top};
  m_bSignPlaced = TRUE;
}

void CEditLongdiv::DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) {
  if (!bShown || !m_bSignPlaced) return;
  DrawBar(pDC, pMapper, m_ptBarStart, m_ptBarEnd);
  RECT box = m_rcArc;
  POINT start = m_ptArcStart, end = m_ptArcEnd;
  SIZE width{kStrokeWidth, kStrokeWidth};
  if (pMapper) {
    pMapper->LPtoDPRect(&box);
    pMapper->LPtoDP(&start);
    pMapper->LPtoDP(&end);
    pMapper->LPtoDPSize(&width);
  }
  CPen pen(PS_SOLID, width.cx, RGB(0, 0, 0));
  CPen* oldPen = pDC->SelectObject(&pen);
  CGdiObject* oldBrush = pDC->SelectStockObject(HOLLOW_BRUSH);
  // The arc's box keeps its pixels when a vertical formula turns it.
  const CStrokeFrame frame(pDC, box, pMapper && pMapper->m_bVertical);
  const RECT& f = frame.Box();
  frame.Arc(f.left, f.top, f.right, f.bottom, frame.FromDevice(start), frame.FromDevice(end));
  if (oldBrush) pDC->SelectObject(oldBrush);
  if (oldPen) pDC->SelectObject(oldPen);
}
