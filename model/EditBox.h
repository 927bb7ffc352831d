#pragma once
// A layout box: the lines of a container that fall into one page column.

#include <vector>

#include "model/EditLayoutParam.h"
#include "model/EditLineInfo.h"
#include "platform/Object.h"

class CEditBox : public CObject {
  DECLARE_SERIAL(CEditBox)

 public:
  CEditBox();
  ~CEditBox() override;

  void Serialize(CArchive& ar) override;

  int GetLineCount() const { return int(m_arrLines.size()); }
  // FALSE and out unchanged when there is no such line.
  BOOL GetLine(int index, EDIT_LINE_INFO& out) const;
  // Writing past the end grows the array with reset lines; a negative index is ignored.
  void SetLine(int index, const EDIT_LINE_INFO& line);

  // The record the box was last placed with, so that placing it again at the same place can
  // be left out; with the container's indent as that placing left it. A new box has none.
  BOOL IsPlacedWith(const EDIT_LAYOUT_PARAM& param) const { return m_bPlaced && SameLayoutParam(param, m_placedWith); }
  void SetPlacedWith(const EDIT_LAYOUT_PARAM& param, int nIndentAfter);
  void ForgetPlacement() { m_bPlaced = FALSE; }
  int GetIndentAfterPlacing() const { return m_nIndentAfterPlacing; }

  CEditProperties m_props;  // width laid out for, height, placement, page
  std::vector<EDIT_LINE_INFO> m_arrLines;

 private:
  BOOL m_bPlaced = FALSE;
  EDIT_LAYOUT_PARAM m_placedWith{};
  int m_nIndentAfterPlacing = 0;
};
