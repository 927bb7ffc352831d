#include "model/EditCR.h"

#include <memory>

#include "model/FoFlowElements.h"
#include "model/GdiCache.h"
#include "model/PropertyBlock.h"
#include "model/UndoAction.h"
#include "model/UndoGroup.h"
#include "platform/Archive.h"
#include "platform/DC.h"

IMPLEMENT_SERIAL(CEditCR, CEditChar, 1)

constexpr COLORREF kLineEndMarkColor = 0x808080;

CEditCR::CEditCR() : CEditChar(NTYPE_EDITCR) {}

CEditCR::CEditCR(DWORD nType) : CEditChar(nType) {}

CEditCR::~CEditCR() = default;

void CEditCR::Serialize(CArchive& ar) {
  SerializePropertyBlock(ar, static_cast<CBlockLineRelatedProperties*>(this), sizeof(CBlockLineRelatedProperties));
  CEditChar::Serialize(ar);
}

void CEditCR::SetTextAlign(int nAlign, CUndoGroup* pUndo) {
  if (pUndo) pUndo->AddValueAction(UNDO_TEXT_ALIGN, this, m_nTextAlign, nAlign);
  m_nTextAlign = nAlign;
}

void CEditCR::CopyLinePropsFromFo(const CFoNode* pFo) {
  if (auto* block = dynamic_cast<const CFoBlock*>(pFo)) CBlockLineRelatedProperties::Copy(block->m_lineProps);
}

void CEditCR::CopyLinePropsToFo(CFoNode* pFo) const {
  if (auto* block = dynamic_cast<CFoBlock*>(pFo)) block->m_lineProps.Copy(*this);
}

void CEditCR::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!m_strText.IsEmpty()) {
    CEditChar::Draw(pDC, pMapper, pParam);
    return;
  }
  if (!pDC || pDC->IsPrinting() || !g_bShowLineEnds) return;
  try {
    DrawLineEndMark(pDC, pMapper, pParam);
  } catch (...) {
  }
}

void CEditCR::DrawLineEndMark(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam) {
  CFont* old = nullptr;
  std::unique_ptr<CFont> created(SelectDrawFont(pDC, pMapper, pParam, &old));
  pDC->SetTextColor(kLineEndMarkColor);
  // The mark takes the line end's own place after the last character, never over it.
  OutputText(pDC, pMapper, CStringW(u'\u2193'), m_ptOrigin);
  if (old) pDC->SelectObject(old);
}
