#pragma once
// What the text and formula answers written into running text share: they lay out on one
// line as plain containers, centred on the line by half heights, show or hide with
// g_bShowCyukai, and leave to the left when the caret can go no further inside.

#include "elements/CaretExitLeft.h"
#include "model/EditContainer.h"

// The container measure without line spacing; the answer's extent is that of its first line.
void MeasureAnswer(CEditContainer& answer, CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam);
// Places the first line's children side by side; children on later lines are not shown and
// cannot be hit.
void ArrangeAnswer(CEditContainer& answer, const EDIT_LAYOUT_PARAM* pParam, int bVertical);
// The container drawing of the shown children and, on screen, green marks at empty formula
// slots; nothing while answers are hidden.
void DrawAnswer(CEditContainer& answer, CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam);
// Every child is asked, hidden or not; then the edges of the answer's lines.
CEditNode* AnswerNodeFromPoint(const CEditContainer& answer, int x, int y, int* pAfter);

// The answer operations over the answer's own container base.
template <class Base>
class CInTextAnswer : public Base {
 public:
  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override { return AnswerNodeFromPoint(*this, x, y, pAfter); }
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override {
    MeasureAnswer(*this, pDC, pMapper, pParam);
  }
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override { ArrangeAnswer(*this, pParam, bVertical); }
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override {
    DrawAnswer(*this, pDC, pMapper, pParam);
  }
  CEditNode* MoveCaretLeft(CEditCaret* pCaret, BOOL bExtend) override {
    return MoveCaretLeftOrLeave(*this, pCaret, bExtend);
  }

 protected:
  explicit CInTextAnswer(DWORD nType) : Base(nType) {}
};
