#include "elements/EditPrint.h"
#include "model/EditBox.h"

namespace {

BOOL Inside(const RECT& rc, int x, int y) { return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom; }

BOOL SpansHeight(const RECT& rc, int y) { return rc.top < y && y < rc.bottom; }

CEditContainer* SnapTarget(CQVXMLNode* pChild) {
  auto* node = dynamic_cast<CEditNode*>(pChild);
  if (!node || !(node->m_nType & NT_CONTAINER) || !node->IsVisible()) return nullptr;
  return dynamic_cast<CEditContainer*>(node);
}

}  // namespace

// A miss is snapped to the line of text at that height: from the left margin to the line's
// start, from beyond its right edge to its end.
CEditNode* CEditPrint::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* child = GetEditChildAt(i);
      if (!child || !child->IsVisible()) continue;
      if (CEditNode* hit = child->NodeFromPoint(x, y, pAfter)) return hit;
    }
    if (CEditNode* hit = SnapForward(x, y, pAfter)) return hit;
    return SnapBackward(x, y, pAfter);
  } catch (...) {
    return nullptr;
  }
}

CEditNode* CEditPrint::SnapForward(int x, int y, int* pAfter) {
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditContainer* child = SnapTarget(GetChildAt(i));
    for (int b = 0; child && b < child->GetBoxCount(); ++b) {
      const CEditBox* box = child->GetBox(b);
      if (!box || !SpansHeight(box->m_props.m_rcInk, y)) continue;
      const int left = box->m_props.m_rcInk.left;
      return x < left ? child->NodeFromPoint(left + 1, y, pAfter) : nullptr;
    }
  }
  return nullptr;
}

CEditNode* CEditPrint::SnapBackward(int x, int y, int* pAfter) {
  for (int i = GetChildCount() - 1; i >= 0; --i) {
    CEditContainer* child = SnapTarget(GetChildAt(i));
    for (int b = child ? child->GetBoxCount() - 1 : -1; b >= 0; --b) {
      const CEditBox* box = child->GetBox(b);
      if (!box || !SpansHeight(box->m_props.m_rcInk, y)) continue;
      const int right = box->m_props.m_rcInk.right;
      return right < x ? child->NodeFromPoint(right - 1, y, pAfter) : nullptr;
    }
  }
  return nullptr;
}

CEditNode* CEditPrint::ChildFromPoint(int x, int y, BOOL* pAfter) {
  try {
    for (int i = 0; i < GetChildCount(); ++i) {
      CEditNode* child = GetEditChildAt(i);
      if (!child || !child->IsVisible() || !Inside(child->m_rcInk, x, y)) continue;
      if (pAfter) *pAfter = x > child->m_rcInk.left + (child->m_rcInk.right - child->m_rcInk.left) / 2;
      return child;
    }
  } catch (...) {
  }
  return nullptr;
}

CEditKimeiran* CEditPrint::PageNameFieldFromPoint(int x, int y, int* pAfter) {
  try {
    for (CEditKimeiran* field : PageNameFields())
      if (field->IsVisible() && field->NodeFromPoint(x, y, pAfter)) return field;
  } catch (...) {
  }
  return nullptr;
}
