#pragma once
// Rows x columns of cells inside a formula, each cell one slot, row by row. Rows share their
// baseline, columns their width; the border style 1 draws a grid.

#include "math/EditMathElement.h"
#include "math/MathNodeTypes.h"

class CEditMatrix : public CEditMathElement {
  DECLARE_SERIAL(CEditMatrix)

 public:
  CEditMatrix();
  ~CEditMatrix() override;

  void Serialize(CArchive& ar) override;
  // Only the cells themselves answer: a point between cells finds nothing.
  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  // Every cell takes the matrix's height.
  void ApplyFontSize(CUndoGroup* pUndo) override;
  // The cells have no fixed count.
  const char* GetSlotSizes() const override { return ""; }

  // Stores the size and appends one empty cell per place; a non-positive size does nothing.
  void CreateCells(int nRows, int nColumns);

  int m_nRows = 0;
  int m_nColumns = 0;
  int m_nColumnGap = 100;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  void DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) override;

 private:
  // Box 0 holds exactly one line per cell; throws otherwise.
  void RequireCells() const;
  // The row's cells share its height, ascent and half height; answers the largest ascent
  // above the half-height line met while walking it.
  int MeasureRow(int nRow);
  void MeasureColumn(int nColumn);
  // The left of the cell's content within its column, by the matrix's alignment.
  int AlignInColumn(int columnLeft, const EDIT_LINE_INFO& cell) const;
  void DrawGrid(CDC* pDC, CCoordMapper* pMapper);
};
