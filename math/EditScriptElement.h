#pragma once
// What the script elements share: the raise of a superscript and the drop of a subscript
// against the base, the two ways an element stands on its line, and placing the slots' lines
// from their origins.

#include <initializer_list>

#include "math/EditMathElement.h"
#include "math/MathNodeTypes.h"

class CEditScriptElement : public CEditMathElement {
 public:
  ~CEditScriptElement() override;

 protected:
  explicit CEditScriptElement(DWORD nType);

  // Scripts have no strokes.
  void DrawStrokes(CDC*, CCoordMapper*, BOOL) override {}

  // How far the base moves down below a superscript of the given line.
  static int Raise(const EDIT_LINE_INFO& base, const EDIT_LINE_INFO& script);
  // How far a subscript of the given line reaches below the base.
  static int Drop(const EDIT_LINE_INFO& base, const EDIT_LINE_INFO& script);
  // The top of an element whose half-height line lies on the line's.
  int CentredTop(const EDIT_LAYOUT_PARAM& param) const { return param.nY + param.nLineHalf - m_nCenter; }
  // The top of an element whose baseline lies on the line's.
  int BaselineTop(const EDIT_LAYOUT_PARAM& param) const { return param.nY + param.nLineAscent - m_nAscent; }
  // Answers lines 0 .. nCount - 1 of box 0 are there; throws otherwise.
  void RequireLines(int nCount) const;
  // Sets the box rectangle at (x, top) and places slot k's line at the k-th origin.
  void PlaceAt(int x, int top, std::initializer_list<POINT> origins, int bVertical);
};
