#pragma once
// The base of the elements whose slots or members may hold a stretchy mark: a single arrow,
// arc, brace or bar widened to its neighbour and painted as a stroke instead of as text.

#include <initializer_list>

#include "math/EditMathElement.h"
#include "math/MarkStrokes.h"
#include "math/MathNodeTypes.h"

class CEditMarkElement : public CEditMathElement {
 public:
  ~CEditMarkElement() override;

  // Child by child, a stretched mark as its stroke, then the empty-slot marks, with the
  // members before and after; without the container painting. Nothing without children.
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

 protected:
  explicit CEditMarkElement(DWORD nType);

  // When the slot on line nLine starts with a mark of the place, widens it and the line to
  // nWidth (a quartered mark also takes a quarter of the line's height) and answers TRUE.
  BOOL StretchSlotMark(int nLine, CEditNode* pFirst, MARK_PLACE place, int nWidth);
  // The first node of the slot after the first slot end; throws when there is no slot end.
  CEditNode* FirstOfSecondSlot();
  void DrawChildren(CDC* pDC, CCoordMapper* pMapper);
  // The marks, operators and signs the element holds, painted before or after its children.
  virtual void DrawMembers(CDC*, CCoordMapper*, BOOL /*bBeforeChildren*/) {}
  // Elements with two texts or limits have strokes for the double arrow and the private-use
  // arrows.
  virtual BOOL IsThreePart() const { return FALSE; }
  // Reads or writes the layout flags that lead the element's record.
  static void SerializeFlags(CArchive& ar, std::initializer_list<int*> flags);
  // Whether the child, at its index, was stretched by the last Measure.
  virtual BOOL IsStretched(const CEditNode& child, int index) const;
  // Measures a member character with the element's device context and layout parameters.
  void MeasureMember(CEditNode& member, CDC* pDC, CCoordMapper* pMapper);
  // A held mark with text, or any under mark of an element with one: as wide as the base, a
  // quartered one a quarter of its height.
  static void FitHeldMark(CEditNode& mark, int nBaseWidth);
  // Every child at the element's height, then the held marks at the script height.
  void ApplyHeldMarkSizes(CUndoGroup* pUndo, std::initializer_list<CEditNode*> marks);
  void DrawStrokes(CDC*, CCoordMapper*, BOOL) override {}
};
