#include "elements/EditTable.h"

#include <algorithm>

#include "elements/EditCell.h"
#include "elements/Units.h"
#include "model/SaturatedInt.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditTable, CEditNode, 1)

CEditTable::CEditTable() : CEditContainer(NTYPE_EDITTABLE) {}

CEditTable::~CEditTable() = default;

void CEditTable::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << LONG(m_nRows) << LONG(m_nCols);
  } else {
    LONG rows = 0, cols = 0;
    ar >> rows >> cols;
    if (rows < 0 || cols < 0) throw CArchiveException(CArchiveException::genericException);
    m_nRows = rows;
    m_nCols = cols;
  }
  // The container's groups and boxes are layout state the table does not use.
  CEditNode::Serialize(ar);
}

void CEditTable::CreateCells(int nRows, int nCols) {
  m_nBorderStyle = LS_SOLID;
  m_nBorderWidth = PointsToHimetric(0, 5);
  if (nRows <= 0 || nCols <= 0) return;
  m_nRows = nRows;
  m_nCols = nCols;
  try {
    for (long long i = 0; i < static_cast<long long>(nRows) * nCols; ++i) {
      auto* cell = new CEditCell;
      if (AppendChild(cell) < 0) {
        delete cell;
        return;
      }
      cell->Init();
    }
  } catch (...) {
  }
}

BOOL CEditTable::CellsMatchGrid() const {
  // A grid without rows or columns has no row to take a height from.
  if (m_nRows <= 0 || m_nCols <= 0) return FALSE;
  if (static_cast<long long>(m_nRows) * m_nCols != GetChildCount()) return FALSE;
  for (int i = 0; i < GetChildCount(); ++i)
    if (!GetEditChildAt(i)) return FALSE;
  return TRUE;
}

CEditNode* CEditTable::GetCell(int nRow, int nCol) const {
  if (nRow < 0 || nRow >= m_nRows || nCol < 0 || nCol >= m_nCols || !CellsMatchGrid()) return nullptr;
  return CellAt(nRow, nCol);
}

CEditNode* CEditTable::GetFirstCaretChild() {
  try {
    CQVXMLNode* firstCell = GetFirstChild();
    return firstCell ? dynamic_cast<CEditNode*>(firstCell->GetFirstChild()) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditTable::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* cell = GetEditChildAt(i);
      if (!cell) continue;
      if (CEditNode* hit = cell->NodeFromPoint(x, y, pAfter)) return hit;
    }
  } catch (...) {
  }
  return nullptr;
}

void CEditTable::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    if (!CellsMatchGrid()) return;
    const EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    for (int i = 0; i < GetChildCount(); ++i) {
      EDIT_LAYOUT_PARAM p = ChildMeasureParam(param, param.nWidth2);
      GetEditChildAt(i)->Measure(pDC, pMapper, &p);
    }
    MeasureRows();
    MeasureColumns();
  } catch (...) {
  }
}

// Every cell of a row takes the row's height, ascent and half height, so the row shares
// one baseline; the table's height is the sum of the rows.
void CEditTable::MeasureRows() {
  m_nHeight = 0;
  m_nAscent = 0;
  m_nCenter = 0;
  for (int row = 0; row < m_nRows; ++row) {
    LONG height = 0, ascent = 0, center = 0;
    for (int col = 0; col < m_nCols; ++col) {
      const CEditNode* cell = CellAt(row, col);
      height = std::max(height, cell->m_nHeight);
      ascent = std::max(ascent, cell->m_nAscent);
      center = std::max(center, cell->m_nCenter);
    }
    for (int col = 0; col < m_nCols; ++col) {
      CEditNode* cell = CellAt(row, col);
      cell->m_nReserved2 = height;
      cell->m_nAscent = ascent;
      cell->m_nCenter = center;
    }
    m_nHeight = LineExtent(0LL + m_nHeight + height);
    m_nAscent = std::max(m_nAscent, ascent);
    m_nCenter = std::max(m_nCenter, center);
  }
  m_nCenter = std::max<LONG>(m_nCenter, m_nHeight / 2);
}

void CEditTable::MeasureColumns() {
  m_nWidth = 0;
  for (int col = 0; col < m_nCols; ++col) {
    LONG width = 0;
    for (int row = 0; row < m_nRows; ++row) width = std::max(width, CellAt(row, col)->m_nWidth);
    for (int row = 0; row < m_nRows; ++row) CellAt(row, col)->m_nReserved1 = width;
    m_nWidth = LineExtent(0LL + m_nWidth + width);
  }
}

void CEditTable::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  try {
    if (!pParam || !CellsMatchGrid()) return;
    const int x0 = pParam->nX;
    const int y0 = pParam->nY + pParam->nLineAscent - m_nAscent;
    m_rcInk = RECT{x0, y0, x0 + m_nWidth, y0 + m_nHeight};
    int y = y0;
    for (int row = 0; row < m_nRows; ++row) {
      int x = x0;
      for (int col = 0; col < m_nCols; ++col) {
        CEditNode* cell = CellAt(row, col);
        EDIT_LAYOUT_PARAM p{};
        p.nX = x;
        p.nY = y;
        p.nLineAscent = cell->m_nAscent;
        p.nLineHalf = cell->m_nCenter;
        p.nPage = pParam->nPage;
        p.nLineSpacing = pParam->nLineSpacing;
        p.nLetterSpacing = pParam->nLetterSpacing;
        cell->Arrange(&p, bVertical);
        cell->m_nPage = pParam->nPage;
        x = LineExtent(0LL + x + cell->m_nReserved1);
      }
      y = LineExtent(0LL + y + CellAt(row, m_nCols - 1)->m_nReserved2);
    }
  } catch (...) {
  }
}

void CEditTable::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  try {
    if (!CellsMatchGrid()) return;
    for (int i = 0; i < GetChildCount(); ++i) {
      EDIT_LAYOUT_PARAM p{};
      GetEditChildAt(i)->Draw(pDC, pMapper, &p);
    }
  } catch (...) {
  }
}
