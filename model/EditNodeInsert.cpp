#include <memory>

#include "model/EditCR.h"
#include "model/EditCaret.h"
#include "model/EditChar.h"
#include "model/EditContainer.h"
#include "model/EditNode.h"
#include "model/KanbunParts.h"
#include "model/UndoGroup.h"
#include "platform/AnsiCodePage.h"

namespace {

// Formula and kanbun characters are created by class name: their classes belong to the
// formula and kanbun elements.
std::unique_ptr<CEditChar> CreateCharacterOfClass(const char* pszClass) {
  const CRuntimeClass* cls = CRuntimeClass::FromName(pszClass);
  std::unique_ptr<CObject> object(cls ? cls->CreateObject() : nullptr);
  if (!dynamic_cast<CEditChar*>(object.get())) return nullptr;
  return std::unique_ptr<CEditChar>(static_cast<CEditChar*>(object.release()));
}

// The class of typed text follows the container it enters.
std::unique_ptr<CEditChar> NewCharacterIn(const CQVXMLNode* pParent, const CStringW& text) {
  std::unique_ptr<CEditChar> node;
  if (pParent->m_nType & NT_MATH)
    node = CreateCharacterOfClass("CEditMathChar");
  else if (pParent->m_nType == NTYPE_EDITKUNTEN)
    node = CreateCharacterOfClass("CEditKanChar");
  else
    node = std::make_unique<CEditChar>();
  if (node) node->SetText(text);
  return node;
}

BOOL IsFullKuntenBox(const CQVXMLNode* pParent) {
  return pParent->m_nType == NTYPE_EDITKUNTEN && pParent->GetChildCount() >= GetKuntenBoxKind(pParent) + 1;
}

// Inserts the node before the caret node and records it; on failure nothing stays inserted.
BOOL InsertRecorded(std::unique_ptr<CEditNode> node, CEditNode* pBefore, CUndoGroup* pUndo) {
  pBefore->InsertBefore(node.get());
  if (!node->GetParent()) return FALSE;
  try {
    if (pUndo) pUndo->AddNodeAction(UNDO_INSERT_BEFORE, node.get(), pBefore, 0, 0);
  } catch (...) {
    node->Detach();
    return FALSE;
  }
  node.release();
  return TRUE;
}

// The kunten editor's kanbun sentence takes a whole kanbun block for each kanji.
BOOL InsertKanbunBlock(CEditCaret* pCaret, const CStringW& text, CUndoGroup* pUndo) {
  std::unique_ptr<CEditNode> block(CreateKanbunBlock(text, pCaret->m_lfNew));
  return block && InsertRecorded(std::move(block), pCaret->m_pCaretNode, pUndo);
}

BOOL InsertCharacter(CEditCaret* pCaret, const CStringW& text, CUndoGroup* pUndo) {
  CEditNode* caret = pCaret->m_pCaretNode;
  if (caret->GetParent()->m_nType == NTYPE_EDITKANSENTENCE) return InsertKanbunBlock(pCaret, text, pUndo);
  std::unique_ptr<CEditChar> node = NewCharacterIn(caret->GetParent(), text);
  if (!node) return FALSE;
  node->m_lf = pCaret->m_lfNew;
  return InsertRecorded(std::move(node), caret, pUndo);
}

BOOL RefusesLineBreak(CQVXMLNode* pParent) {
  const DWORD type = pParent->m_nType;
  if ((type & NT_MATH) || pParent->FindAncestor(NTYPE_EDITFORMULA, TRUE) ||
      pParent->FindAncestor(NTYPE_EDITCYUKAI, TRUE))
    return TRUE;
  if (type == NTYPE_EDITRUBYTEXT || type == NTYPE_EDITRUBYBASE || type == NTYPE_EDITKUNTEN) return TRUE;
  auto* box = dynamic_cast<CEditNode*>(pParent);
  return type == NTYPE_EDITOKURIGANA && box && box->CountLineBreaks() >= 3;
}

std::unique_ptr<CEditChar> NewLineEndFor(const CEditNode* pCaretNode) {
  switch (pCaretNode->m_nType) {
    case NTYPE_EDITMATHCHAR:
    case NTYPE_EDITMATHCR:
      return CreateCharacterOfClass("CEditMathCR");
    case NTYPE_EDITKANCHAR:
    case NTYPE_EDITKANCR:
      return CreateCharacterOfClass("CEditKanCR");
    default:
      return std::make_unique<CEditCR>();
  }
}

// The new line end takes the text, format and paragraph settings of the paragraph's own one.
void CopyLineEnd(CEditChar* pNew, CEditNode* pSource) {
  if (auto* source = dynamic_cast<CEditChar*>(pSource)) pNew->Copy(*source);
  auto* sourceLine = dynamic_cast<CBlockLineRelatedProperties*>(pSource);
  auto* newLine = dynamic_cast<CBlockLineRelatedProperties*>(pNew);
  if (sourceLine && newLine) newLine->Copy(*sourceLine);
}

}  // namespace

BOOL CEditNode::InsertTextA(CEditCaret* pCaret, const char* pszText, CUndoGroup* pUndo) {
  try {
    return InsertNode(pCaret, CStringW(AnsiToWide(pszText ? pszText : "")), pUndo);
  } catch (...) {
    return FALSE;
  }
}

BOOL CEditNode::InsertNode(CEditCaret* pCaret, const CStringW& text, CUndoGroup* pUndo) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  if (!caret) return FALSE;
  try {
    pCaret->m_bKeepX = 0;
    if (IsFullKuntenBox(caret->GetParent())) return TRUE;
    return InsertCharacter(pCaret, text, pUndo);
  } catch (...) {
    return FALSE;
  }
}

BOOL CEditNode::InsertText(CEditCaret* pCaret, const CStringW& text, CUndoGroup* pUndo) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  if (!caret) return FALSE;
  try {
    pCaret->m_bKeepX = 0;
    CQVXMLNode* parent = caret->GetParent();
    for (int i = 0; i < text.GetLength(); ++i) {
      // An empty kunten box takes one unit per call.
      if (parent->m_nType == NTYPE_EDITKUNTEN && parent->GetChildCount() > 1) continue;
      InsertCharacter(pCaret, CStringW(text[i]), pUndo);
    }
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

BOOL CEditNode::InsertLineBreak(CEditCaret* pCaret, CUndoGroup* pUndo) {
  CEditNode* caret = GetCaretNodeInTree(pCaret);
  if (!caret) return FALSE;
  try {
    if (RefusesLineBreak(caret->GetParent())) return FALSE;
    CEditNode* paragraphEnd = (caret->m_nType & NT_LINEBREAK) ? caret : caret->GetNextLineBreak();
    if (!paragraphEnd) return FALSE;
    std::unique_ptr<CEditChar> lineEnd = NewLineEndFor(caret);
    if (!lineEnd) return FALSE;
    CopyLineEnd(lineEnd.get(), paragraphEnd);
    if (!InsertRecorded(std::move(lineEnd), caret, pUndo)) return FALSE;
    pCaret->m_bKeepX = 0;
    pCaret->ClearSelection();
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}
