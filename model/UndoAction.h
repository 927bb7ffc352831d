#pragma once
// One recorded change: a property set from an old to a new value, a node inserted or removed,
// an interaction mode switched. The action points at its nodes without owning them.

#include <string>

#include "model/StringW.h"
#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"

class CEditNode;

enum UndoCode : int {
  UNDO_SENTENCE_WIDTH = 2,
  UNDO_FONT_SIZE = 3,
  UNDO_BOLD = 16,
  UNDO_ITALIC = 17,
  UNDO_FONT_FACE = 20,
  UNDO_TEXT_COLOR = 21,
  UNDO_BACKGROUND_COLOR = 22,
  UNDO_BACKGROUND_PATTERN = 23,
  UNDO_EXPANDED = 24,
  UNDO_CONDENSED = 25,
  UNDO_SUBSCRIPT = 26,
  UNDO_SUPERSCRIPT = 27,
  UNDO_LOGFONT = 31,
  UNDO_UNDERLINE_STYLE = 33,
  UNDO_UNDERLINE_WIDTH = 34,
  UNDO_LINE_THROUGH_STYLE = 35,
  UNDO_LINE_THROUGH_WIDTH = 36,
  UNDO_BORDER_STYLE = 65,
  UNDO_BORDER_WIDTH = 66,
  UNDO_BORDER_BEFORE_STYLE = 67,
  UNDO_BORDER_BEFORE_WIDTH = 68,
  UNDO_BORDER_AFTER_STYLE = 69,
  UNDO_BORDER_AFTER_WIDTH = 70,
  UNDO_TEXT_ALIGN = 129,
  UNDO_LEAVE_NAME_FIELD = 257,
  UNDO_ENTER_NAME_FIELD = 258,
  UNDO_KANBUN_HYPHEN = 272,
  UNDO_KASEN_STYLE = 513,
  UNDO_KASEN_FONT_SIZE = 514,
  UNDO_KASEN_FONT_FACE = 515,
  UNDO_KASEN_FORCED_NUMBER = 516,
  UNDO_KASEN_STRING = 517,
  UNDO_INSERT_BEFORE = 0x10002,
  UNDO_INSERT_AT = 0x10003,
  UNDO_INSERT_NAME_FIELD = 0x10101,
  UNDO_REMOVE_BEFORE = 0x20001,
  UNDO_REMOVE_SELECTED = 0x20002,
  UNDO_REMOVE_AT = 0x20003,
  UNDO_REMOVE_NAME_FIELD = 0x20101,
};

constexpr int UNDO_INSERTION_BIT = 0x10000;
constexpr int UNDO_REMOVAL_BIT = 0x20000;

class CUndoAction : public CObject {
 public:
  CUndoAction() = default;

  int m_nCode = 0;
  CEditNode* m_pNode = nullptr;
  CEditNode* m_pNeighbour = nullptr;  // caret target; for removals the node to re-insert before
  CEditNode* m_pParent = nullptr;
  int m_nIndex = -1;
  int m_nOldValue = 0;
  int m_nNewValue = 0;
  LOGFONTA m_lfOld{};
  LOGFONTA m_lfNew{};
  CSize m_sizeOld;
  CSize m_sizeNew;
  std::string m_strOld;
  std::string m_strNew;
  CStringW m_strOldText;
  CStringW m_strNewText;
};
