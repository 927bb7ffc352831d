#pragma once
// A layout box: the lines of a container that fall into one page column.

#include <vector>

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

  CEditProperties m_props;  // width laid out for, height, placement, page
  std::vector<EDIT_LINE_INFO> m_arrLines;
};
