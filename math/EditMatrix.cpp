#include "math/EditMatrix.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "math/EditMathCR.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "platform/Archive.h"
#include "platform/DC.h"
#include "platform/Pen.h"
#include "platform/StockObjects.h"

IMPLEMENT_SERIAL(CEditMatrix, CEditMathContainer, 1)

namespace {

constexpr int kGridWidth = 18;  // 0.5 pt

}  // namespace

CEditMatrix::CEditMatrix() : CEditMathElement(NTYPE_EDITMATRIX) { m_nTextAlign = AlignCenter; }

CEditMatrix::~CEditMatrix() = default;

void CEditMatrix::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << LONG(m_nRows) << LONG(m_nColumns) << LONG(m_nColumnGap);
  } else {
    LONG rows = 0, columns = 0, gap = 0;
    ar >> rows >> columns >> gap;
    m_nRows = rows;
    m_nColumns = columns;
    m_nColumnGap = gap;
  }
  CEditMathContainer::Serialize(ar);
}

CEditNode* CEditMatrix::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i)
      if (CEditNode* hit = ChildOrThrow(i)->NodeFromPoint(x, y, pAfter)) return hit;
  } catch (...) {
  }
  return nullptr;
}

void CEditMatrix::ApplyFontSize(CUndoGroup* pUndo) { CEditMathContainer::ApplyFontSize(pUndo); }

void CEditMatrix::CreateCells(int nRows, int nColumns) {
  if (nRows <= 0 || nColumns <= 0) return;
  m_nRows = nRows;
  m_nColumns = nColumns;
  try {
    for (long long i = 0; i < (long long)nRows * nColumns; ++i) {
      auto cell = std::make_unique<CEditMathCR>();
      cell->m_lf.lfHeight = m_lf.lfHeight;
      AppendChild(cell.release());
    }
  } catch (...) {
  }
}

void CEditMatrix::RequireCells() const {
  const CEditBox* box = GetBox(0);
  if (!box || m_nRows < 0 || m_nColumns < 0) throw kMissingPiece;
  if ((long long)m_nRows * m_nColumns != box->GetLineCount()) throw kMissingPiece;
}

void CEditMatrix::MeasureShape(CDC*, CCoordMapper*) {
  RequireCells();
  int aboveCentre = 0;
  m_nHeight = 0;
  for (int r = 0; r < m_nRows; ++r) aboveCentre = std::max(aboveCentre, MeasureRow(r));
  m_nWidth = 0;
  for (int c = 0; c < m_nColumns; ++c) {
    if (c > 0) m_nWidth += m_nColumnGap;
    MeasureColumn(c);
    m_nWidth += SlotLine(c).props.m_nReserved1;
  }
  m_nCenter = m_nHeight / 2;
  m_nAscent = m_nHeight / 2 + aboveCentre;
}

int CEditMatrix::MeasureRow(int nRow) {
  int height = 0, ascent = 0, centre = 0, aboveCentre = 0;
  const int first = nRow * m_nColumns;
  for (int c = 0; c < m_nColumns; ++c) {
    const CEditProperties cell = SlotLine(first + c).props;
    height = std::max<int>(height, cell.m_nHeight);
    ascent = std::max<int>(ascent, cell.m_nAscent);
    centre = std::max<int>(centre, cell.m_nCenter);
    aboveCentre = std::max(aboveCentre, ascent - centre);
  }
  for (int c = 0; c < m_nColumns; ++c) {
    EDIT_LINE_INFO line = SlotLine(first + c);
    line.props.m_nAscent = ascent;
    line.props.m_nCenter = centre;
    line.props.m_nReserved2 = height;
    GetBox(0)->SetLine(first + c, line);
  }
  m_nHeight += height;
  return aboveCentre;
}

void CEditMatrix::MeasureColumn(int nColumn) {
  int width = 0;
  for (int r = 0; r < m_nRows; ++r) width = std::max<int>(width, SlotLine(r * m_nColumns + nColumn).props.m_nWidth);
  for (int r = 0; r < m_nRows; ++r) {
    EDIT_LINE_INFO line = SlotLine(r * m_nColumns + nColumn);
    line.props.m_nReserved1 = width;
    GetBox(0)->SetLine(r * m_nColumns + nColumn, line);
  }
}

int CEditMatrix::AlignInColumn(int columnLeft, const EDIT_LINE_INFO& cell) const {
  const int spare = cell.props.m_nReserved1 - cell.props.m_nWidth;
  if (m_nTextAlign == AlignCenter) return columnLeft + spare / 2;
  if (m_nTextAlign == AlignRight) return columnLeft + spare;
  return columnLeft;
}

// Every cell stands on its row's baseline and half-height line.
void CEditMatrix::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  RequireCells();
  if (GetChildCount() == 0) throw kMissingPiece;
  const int x = param.nX, top = param.nY + param.nLineHalf - m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  int columnLeft = x, rowTop = top;
  for (int j = 0; j < m_nRows * m_nColumns; ++j) {
    if (j > 0) {
      const CEditProperties previous = SlotLine(j - 1).props;
      if (j % m_nColumns == 0) {
        rowTop += previous.m_nReserved2;
        columnLeft = x;
      } else {
        columnLeft += previous.m_nReserved1 + m_nColumnGap;
      }
    }
    PlaceLine(j, AlignInColumn(columnLeft, SlotLine(j)), rowTop, bVertical);
  }
}

void CEditMatrix::DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL) {
  if (!GetBox(0)) throw kMissingPiece;
  if (m_nBorderStyle == LS_SOLID) DrawGrid(pDC, pMapper);
}

// Lines along the outside and through the middle of each gap between columns, and between
// the rows. A damaged box with another number of lines than cells draws no grid.
void CEditMatrix::DrawGrid(CDC* pDC, CCoordMapper* pMapper) {
  if (m_nColumns <= 0 || m_nRows <= 0) return;
  if ((long long)m_nRows * m_nColumns != GetBox(0)->GetLineCount()) return;
  const RECT& rc = m_rcInk;
  std::vector<int> xs{int(rc.left)};
  for (int k = 1; k <= m_nColumns; ++k) {
    int x = xs.back() + SlotLine(k - 1).props.m_nReserved1;
    if (k > 1) x += m_nColumnGap / 2;
    if (k < m_nColumns) x += m_nColumnGap / 2;
    xs.push_back(x);
  }
  std::vector<int> ys{int(rc.top)};
  for (int r = 0; r < m_nRows; ++r) ys.push_back(ys.back() + SlotLine(r * m_nColumns).props.m_nReserved2);
  SIZE width{kGridWidth, 0};
  if (pMapper) pMapper->LPtoDPSize(&width);
  CPen pen(PS_SOLID, width.cx, RGB(0, 0, 0));
  CPen* oldPen = pDC->SelectObject(&pen);
  CGdiObject* oldBrush = pDC->SelectStockObject(HOLLOW_BRUSH);
  auto line = [&](POINT a, POINT b) {
    if (pMapper) {
      pMapper->LPtoDP(&a);
      pMapper->LPtoDP(&b);
    }
    pDC->MoveTo(a);
    pDC->LineTo(b);
  };
  for (int x : xs) line(POINT{x, rc.top}, POINT{x, rc.bottom});
  for (int y : ys) line(POINT{rc.left, y}, POINT{rc.right, y});
  if (oldBrush) pDC->SelectObject(oldBrush);
  if (oldPen) pDC->SelectObject(oldPen);
}
