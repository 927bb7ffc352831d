#pragma once
// The protocol every formula element follows: its slots by size, the slot ends a new element
// gets, the font sizes of its slots, the hit search of an element, and Measure, Arrange and
// Draw as the slot layout followed by the element's own geometry. An element class adds only
// its slot sizes, its geometry and its strokes.

#include "math/EditMathContainer.h"

class CEditMathElement : public CEditMathContainer {
 public:
  ~CEditMathElement() override;

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  // The slot layout, then the element's shape from the lines; a missing piece keeps the plain
  // slot layout.
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  // The element's own placement; a missing piece places nothing.
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  // The container painting, then, unless hidden in an in-text answer, the empty-slot marks
  // and the element's strokes.
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  // Script slots take the script height, full slots the element's.
  void ApplyFontSize(CUndoGroup* pUndo) override;

  // Gives a new, empty element one slot end per slot, at its slot's size.
  virtual void CreateSlots();
  // One letter a slot, slot 0 first: 'f' full size, 's' script size.
  virtual const char* GetSlotSizes() const = 0;
  int GetSlotHeight(int nSlot) const;
  BOOL IsScriptSlot(int nSlot) const;

 protected:
  explicit CEditMathElement(DWORD nType);

  virtual void MeasureShape(CDC* pDC, CCoordMapper* pMapper) = 0;
  virtual void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) = 0;
  // bShown is FALSE inside a hidden in-text answer for elements that honour it.
  virtual void DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) = 0;
  // The fraction, the square root and the long division hide their marks and strokes with
  // the in-text answer they stand in.
  virtual BOOL HidesWithAnswers() const { return FALSE; }
  BOOL IsInHiddenAnswer();
  // A black stroke between two layout points, kStrokeWidth wide: fraction bars and bar fences.
  static void DrawBar(CDC* pDC, CCoordMapper* pMapper, POINT start, POINT end);
  // A black polyline through layout points, kStrokeWidth wide.
  static void DrawStroke(CDC* pDC, CCoordMapper* pMapper, const POINT* pPoints, int nCount);
  // The italic correction of an element from its base: the left overhang of the first child
  // when bFromFirst, the right one of the node that ends slot nBaseSlot; with bItalicMinimum an
  // italic d or f there leans out at least kItalicOverhang. Throws without children.
  void TakeOverhangs(int nBaseSlot, BOOL bFromFirst, BOOL bItalicMinimum);
  // Widens line n of box 0 by a positive right overhang.
  void WidenLineByOverhang(int nLine);
  // Places a character the element holds at a point, on its own ascent and half height; its
  // hit box is its width and height from there.
  static void PlaceMember(CEditNode& member, POINT at, int bVertical);

  // The arguments of the running Measure, for elements that measure more than their slots.
  EDIT_LAYOUT_PARAM m_measureParam{};
};

// The width of the elements' strokes: half a point.
constexpr int kStrokeWidth = 17;
// The least right overhang of an italic d or f that ends a base.
constexpr int kItalicOverhang = 50;
