#include "app/ScreenInkRecord.h"

#include <algorithm>
#include <tuple>

#include "elements/EditPrint.h"
#include "model/EditBox.h"
#include "model/EditContainer.h"
#include "model/NodeTypes.h"

namespace {

bool Overlaps(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Nodes whose coming or going changes nothing but their own place and what moves after them.
bool IsCharacterWord(DWORD type) {
  return type == NTYPE_EDITCHAR || type == NTYPE_EDITCR || type == NTYPE_EDITMATHCHAR || type == NTYPE_EDITMATHCR;
}

}  // namespace

void CScreenInkRecord::Take(CEditPrint& root, const RECT& rcVisible, CEditNode* pCaretNode) {
  m_ink.clear();
  m_atCaret.clear();
  m_nPageCount = root.m_nPageCount;
  m_nPartCount = root.GetChildCount();
  for (int i = 0; i < root.m_nodePageKimeiran.GetChildCount(); ++i)
    if (CEditNode* field = root.m_nodePageKimeiran.GetEditChildAt(i)) AddPart(*field, rcVisible);
  for (int i = 0; i < root.GetChildCount(); ++i)
    if (CEditNode* part = root.GetEditChildAt(i)) AddPart(*part, rcVisible);
  std::sort(m_ink.begin(), m_ink.end(), KeyBefore);
  if (!pCaretNode) return;
  m_atCaret.push_back(pCaretNode->m_rcInk);
  if (auto* previous = dynamic_cast<CEditNode*>(pCaretNode->GetPrevSibling())) m_atCaret.push_back(previous->m_rcInk);
  // The view frames the box the caret is in, unless it is a question sentence.
  auto* parent = dynamic_cast<CEditNode*>(pCaretNode->GetParent());
  if (parent && parent->m_nType != NTYPE_EDITSENTENCE) m_atCaret.push_back(parent->m_rcInk);
}

void CScreenInkRecord::AddPart(CEditNode& part, const RECT& rcVisible) {
  bool bShown = Overlaps(part.m_rcInk, rcVisible);
  if (auto* container = dynamic_cast<CEditContainer*>(&part))
    for (int b = 0; !bShown && b < container->GetBoxCount(); ++b)
      bShown = Overlaps(container->GetBox(b)->m_props.m_rcInk, rcVisible);
  if (bShown) AddTree(part);
}

void CScreenInkRecord::AddTree(CEditNode& node) {
  AddNode(node);
  for (int i = 0; i < node.GetChildCount(); ++i)
    if (CEditNode* child = node.GetEditChildAt(i)) AddTree(*child);
}

void CScreenInkRecord::AddNode(const CEditNode& node) {
  m_ink.push_back(INK{&node, -1, node.m_rcInk, IsCharacterWord(node.m_nType)});
  if (!(node.m_nType & NT_CONTAINER)) return;
  if (const auto* container = dynamic_cast<const CEditContainer*>(&node))
    for (int b = 0; b < container->GetBoxCount(); ++b)
      m_ink.push_back(INK{&node, b, container->GetBox(b)->m_props.m_rcInk, true});
}

bool CScreenInkRecord::KeyBefore(const INK& a, const INK& b) {
  return std::tie(a.key, a.nBox) < std::tie(b.key, b.nBox);
}

bool CScreenInkRecord::SameInk(const INK& a, const INK& b) {
  return a.rect.left == b.rect.left && a.rect.top == b.rect.top && a.rect.right == b.rect.right &&
         a.rect.bottom == b.rect.bottom;
}

bool CScreenInkRecord::Difference(const CScreenInkRecord& before, const CScreenInkRecord& after,
                                  std::vector<RECT>* pChanged) {
  if (before.m_nPageCount != after.m_nPageCount || before.m_nPartCount != after.m_nPartCount) return false;
  pChanged->insert(pChanged->end(), before.m_atCaret.begin(), before.m_atCaret.end());
  pChanged->insert(pChanged->end(), after.m_atCaret.begin(), after.m_atCaret.end());
  auto old = before.m_ink.begin();
  auto now = after.m_ink.begin();
  while (old != before.m_ink.end() || now != after.m_ink.end()) {
    const bool bOnlyOld = now == after.m_ink.end() || (old != before.m_ink.end() && KeyBefore(*old, *now));
    const bool bOnlyNew = old == before.m_ink.end() || (now != after.m_ink.end() && KeyBefore(*now, *old));
    if (bOnlyOld || bOnlyNew) {
      const INK& ink = bOnlyOld ? *old++ : *now++;
      if (!ink.bCharacter) return false;
      pChanged->push_back(ink.rect);
      continue;
    }
    if (!SameInk(*old, *now)) {
      pChanged->push_back(old->rect);
      pChanged->push_back(now->rect);
    }
    ++old;
    ++now;
  }
  return true;
}
