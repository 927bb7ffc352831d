#pragma once
// One box of a table: a container of text ending with a line end, framed at the column
// width and row height its table gives it; the caret leaves it into the neighbouring
// cells or out of the table.

#include "model/EditContainer.h"

class CEditCell : public CEditContainer {
  DECLARE_SERIAL(CEditCell)

 public:
  CEditCell();
  ~CEditCell() override;

  // A solid 0.5 pt frame and the cell's closing line end.
  void Init();

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  CEditNode* MoveCaretLeft(CEditCaret* pCaret, BOOL bExtend) override;
  CEditNode* MoveCaretRight(CEditCaret* pCaret, BOOL bExtend) override;
  // From the first (last) line of the cell to the last (first) line of the cell above
  // (below), at the desired x; out of the table from its first or last row.
  CEditNode* MoveCaretUp(CEditCaret* pCaret, BOOL bExtend) override;
  CEditNode* MoveCaretDown(CEditCaret* pCaret, BOOL bExtend) override;

 private:
  CEditNode* NodeBesideLines(int x, int y, int* pAfter);
  void DrawFrame(CDC* pDC, CCoordMapper* pMapper);
  CEditNode* PositionBeforeCell();
  CEditNode* PositionAfterCell();
  CEditNode* MoveCaretAcrossRows(CEditCaret* pCaret, BOOL bExtend, int step);
  BOOL IsOnEdgeLine(const CEditNode* pNode, int step) const;
  CEditNode* PositionInRowBeside(int step, int x);
  CEditNode* NodeOnLineAt(int line, int x) const;
};
