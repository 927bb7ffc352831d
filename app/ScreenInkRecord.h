#pragma once
// Where the parts on the screen have their ink, taken before and after an edit. What differs
// between the two is all the edit can have changed on the screen, as long as only characters
// and line ends came or went: other nodes (fields, pictures, answers) can change what is
// drawn elsewhere, such as numbers further on.

#include <vector>

#include "platform/WinTypes.h"

class CEditNode;
class CEditPrint;

class CScreenInkRecord {
 public:
  // The nodes of every part and name field with ink in the visible rectangle (sheet units),
  // and the nodes an edit at the caret changes in place.
  void Take(CEditPrint& root, const RECT& rcVisible, CEditNode* pCaretNode);

  // The rectangles (sheet units) that differ between the two records; false when the
  // difference cannot be bounded so and the whole screen has to be drawn again.
  static bool Difference(const CScreenInkRecord& before, const CScreenInkRecord& after, std::vector<RECT>* pChanged);

 private:
  struct INK {
    const void* key;
    int nBox;  // -1 for the node's own box
    RECT rect;
    bool bCharacter;
  };

  void AddPart(CEditNode& part, const RECT& rcVisible);
  void AddTree(CEditNode& node);
  void AddNode(const CEditNode& node);
  static bool SameInk(const INK& a, const INK& b);
  static bool KeyBefore(const INK& a, const INK& b);

  std::vector<INK> m_ink;
  std::vector<RECT> m_atCaret;
  int m_nPageCount = 0;
  int m_nPartCount = 0;
};
