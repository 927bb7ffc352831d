#include "model/EditBox.h"
#include "model/EditCaret.h"
#include "model/EditSentence.h"

namespace {

// Floats stand beside the lines: the ends of a line are its first and last other children.
CEditNode* FirstOnLine(const CEditSentence& sentence, const EDIT_LINE_INFO& line) {
  if (line.nFirst < 0) return nullptr;
  for (int k = line.nFirst; k <= line.nLast; ++k)
    if (CEditNode* c = sentence.GetEditChildAt(k); c && c->m_nType != NTYPE_EDITFLOAT) return c;
  return nullptr;
}

CEditNode* LastOnLine(const CEditSentence& sentence, const EDIT_LINE_INFO& line) {
  if (line.nFirst < 0) return nullptr;
  for (int k = line.nLast; k >= line.nFirst; --k)
    if (CEditNode* c = sentence.GetEditChildAt(k); c && c->m_nType != NTYPE_EDITFLOAT) return c;
  return nullptr;
}

void SetAfter(int* pAfter, int value) {
  if (pAfter) *pAfter = value;
}

}  // namespace

// Inside a kanbun block the block itself is the answer; beside a line, the line's nearer end.
CEditNode* CEditSentence::NodeFromPoint(int x, int y, int* pAfter) {
  if (!IsVisible()) return nullptr;
  try {
    if (CEditNode* hit = CEditContainer::NodeFromPoint(x, y, pAfter)) {
      auto* kanbun = dynamic_cast<CEditNode*>(hit->FindAncestor(NTYPE_EDITKAN, TRUE));
      return kanbun ? kanbun : hit;
    }
    CEditNode* answer = nullptr;
    for (const CEditBox* box : m_arrBoxes)
      if (CEditNode* hit = HitLineEnds(*box, x, y, pAfter)) answer = hit;
    return answer;
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditSentence::HitLineEnds(const CEditBox& box, int x, int y, int* pAfter) {
  const RECT& area = box.m_props.m_rcInk;
  if (x < area.left || x > area.right) return nullptr;
  for (const EDIT_LINE_INFO& line : box.m_arrLines) {
    if (y < line.props.m_rcInk.top || y > line.props.m_rcInk.bottom) continue;
    if (CEditNode* first = FirstOnLine(*this, line); first && x <= first->m_rcInk.left) {
      SetAfter(pAfter, 0);
      return first;
    }
    if (CEditNode* last = LastOnLine(*this, line); last && x >= last->m_rcInk.right) {
      SetAfter(pAfter, 1);
      return last;
    }
  }
  return nullptr;
}

CEditNode* CEditSentence::GetNodeOnPrevLine(CEditNode* pNode, CEditCaret* pCaret) {
  return NodeOnLine(pNode, pCaret, -1);
}

CEditNode* CEditSentence::GetNodeOnNextLine(CEditNode* pNode, CEditCaret* pCaret) {
  return NodeOnLine(pNode, pCaret, 1);
}

// Lines are counted within the node's own box; the first and last lines reach into the
// neighbouring boxes.
CEditNode* CEditSentence::NodeOnLine(CEditNode* pNode, CEditCaret* pCaret, int nStep) {
  if (!pNode || pNode->m_pParent != this) return pNode;
  try {
    const int x = pCaret && pCaret->m_bKeepX ? pNode->m_rcInk.left : -1;
    int box = pNode->m_nBox;
    int number = pNode->m_nLine + nStep;
    if (!GetBox(box)) return pNode;
    if (number < 0) {
      --box;
      number = GetBox(box) ? GetBox(box)->GetLineCount() - 1 : -1;
    } else if (number >= GetBox(box)->GetLineCount()) {
      ++box;
      number = 0;
    }
    EDIT_LINE_INFO line;
    if (!GetBox(box) || !GetBox(box)->GetLine(number, line)) return pNode;
    for (int k = line.nFirst; k >= 0 && k <= line.nLast; ++k) {
      CEditNode* c = GetEditChildAt(k);
      if (c && c->m_nType != NTYPE_EDITFLOAT && c->m_rcInk.left <= x && x < c->m_rcInk.right) return c;
    }
    CEditNode* last = LastOnLine(*this, line);
    return last ? last : pNode;
  } catch (...) {
    return pNode;
  }
}
