#pragma once
// A grid of rows × columns of cells that stands in its line like one large character. All
// cells of a row share the row's height and baseline, all cells of a column its width.

#include "model/EditContainer.h"

// Built as a container for its property groups; its archive record is the editor node's.
class CEditTable : public CEditContainer {
  DECLARE_SERIAL(CEditTable)

 public:
  CEditTable();
  ~CEditTable() override;

  void Serialize(CArchive& ar) override;

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  CEditNode* GetFirstCaretChild() override;

  // Gives the table a solid 0.5 pt border and, when both numbers are positive, appends
  // rows × columns new cells.
  void CreateCells(int nRows, int nCols);

  // The cell at a row and column; null outside the grid or while the cells do not match it.
  CEditNode* GetCell(int nRow, int nCol) const;

  int m_nRows = 0;
  int m_nCols = 0;

 private:
  // Layout runs only while the children are exactly the rows × columns editor nodes.
  BOOL CellsMatchGrid() const;
  // Only valid while the cells match the grid.
  CEditNode* CellAt(int nRow, int nCol) const { return GetEditChildAt(nRow * m_nCols + nCol); }
  void MeasureRows();
  void MeasureColumns();
};
