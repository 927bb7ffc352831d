#pragma once
// What the major and the minor question number share: a character whose text each layout
// writes from the enclosing sentence's number, the format code and the writing direction;
// magenta on screen, black on paper; the framed style draws a rectangle round the digits.

#include "model/EditChar.h"

class CEditQuestionNumber : public CEditChar {
 public:
  // Stores the code, clears the frame and sets the font of the style for the current writing
  // direction; the caller marks the node for measuring.
  void SetFormat(UINT nFormat);
  BOOL IsMinorNumber() const { return m_nType == NTYPE_EDITMONNO; }

  void Serialize(CArchive& ar) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  int m_nFormat = 0;
  int m_nBoxInset = 0;  // from the node's left edge to the frame
  RECT m_rcBox{};
  int m_nBoxWidth = 0;
  int m_nBoxHeight = 0;

 protected:
  CEditQuestionNumber(DWORD nType, int nFormat);

 private:
  BOOL IsFramed() const;
  void SetNumberText(const CStringW& text);
  // Keeps the leading and trailing ideographic spaces out of the frame; FALSE when the
  // spaces cannot be measured.
  BOOL MeasureFrameSpaces(CDC* pDC);
};
