#include <memory>

#include "model/CoordMapper.h"
#include "model/EditChar.h"
#include "model/EditContainer.h"
#include "model/GdiCache.h"
#include "platform/DC.h"

namespace {

enum RunKind { RunUnderline, RunLineThrough, RunBorder, RunNumber };

BOOL IsPlainCharacter(const CEditNode* node) {
  return (node->m_nType & NT_CHARACTER) && !(node->m_nType & NT_LINEBREAK);
}

int RunStyle(const CEditNode& node, RunKind kind) {
  switch (kind) {
    case RunUnderline: return node.m_nUnderlineStyle;
    case RunLineThrough: return node.m_nLineThroughStyle;
    case RunBorder: return node.m_nBorderStyle;
    case RunNumber: return node.m_kasen.nNumberStyle;
  }
  return 0;
}

BOOL ContinuesRun(const CEditNode& first, const CEditNode& c, RunKind kind) {
  if (RunStyle(c, kind) != RunStyle(first, kind)) return FALSE;
  switch (kind) {
    case RunUnderline: return c.m_nUnderlineWidth == first.m_nUnderlineWidth && c.m_nInLine != 0;
    case RunLineThrough: return c.m_nLineThroughWidth == first.m_nLineThroughWidth && c.m_nInLine != 0;
    case RunBorder: return c.m_nBorderWidth == first.m_nBorderWidth && c.m_nInLine != 0;
    case RunNumber:
      return c.m_nUnderlineStyle == first.m_nUnderlineStyle && c.m_nUnderlineWidth == first.m_nUnderlineWidth;
  }
  return FALSE;
}

RECT DeviceRect(const CCoordMapper* pMapper, RECT rc) {
  if (pMapper) pMapper->LPtoDPRect(&rc);
  return rc;
}

}  // namespace

struct CEditContainer::RUN_PASS {
  CEditContainer& container;
  CDC* pDC;
  CCoordMapper* pMapper;
  RunKind kind;
  Painter painter;
  BOOL bSkipFirst = FALSE;
  CEditNode* first = nullptr;
  CEditNode* last = nullptr;

  void Close() {
    if (first && !bSkipFirst) (container.*painter)(pDC, pMapper, first, last);
    if (first) bSkipFirst = FALSE;
    first = last = nullptr;
  }

  void Visit(CEditNode* c) {
    if (!c || !IsPlainCharacter(c) || RunStyle(*c, kind) == 0) {
      Close();
      return;
    }
    if (first && ContinuesRun(*first, *c, kind)) {
      last = c;
      return;
    }
    Close();
    first = last = c;
  }
};

BOOL CEditContainer::TakesPart(const CEditNode* pChild, const EDIT_LAYOUT_PARAM* pParam) const {
  return !pParam || !pParam->pBoxFilter || (pChild && pChild->m_nBox == pParam->pBoxFilter[1]);
}

void CEditContainer::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!pDC || !IsVisible()) return;
  try {
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextAlign(TA_BASELINE);
    if (GetChildCount() > 0) {
      DrawBackgrounds(pDC, pMapper, pParam);
      DrawChildren(pDC, pMapper, pParam);
      DrawDecorationRuns(pDC, pMapper, pParam);
    }
    if (pParam && pParam->pBoxFilter) pParam->pPrevBoxLast = LastTakingPart(pParam);
  } catch (...) {
  }
}

CEditNode* CEditContainer::LastTakingPart(const EDIT_LAYOUT_PARAM* pParam) const {
  CEditNode* last = nullptr;
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* c = GetEditChildAt(i);
    if (TakesPart(c, pParam))
      last = c;
    else if (last)
      break;
  }
  return last;
}

void CEditContainer::DrawBackgrounds(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam) {
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* c = GetEditChildAt(i);
    if (!c || !(c->m_nType & NT_CHARACTER) || !TakesPart(c, pParam)) continue;
    if (c->m_crBackground == kNoBackground) continue;
    // Any colour a sheet names, not only the cached standard ones.
    CPen pen(PS_SOLID, 0, c->m_crBackground);
    CBrush brush(c->m_crBackground);
    CPen* oldPen = pDC->SelectObject(&pen);
    CBrush* oldBrush = pDC->SelectObject(&brush);
    const int oldRop = pDC->SetROP2(R2_COPYPEN);
    const RECT rc = DeviceRect(pMapper, c->m_rcInk);
    pDC->Rectangle(&rc);
    pDC->SetROP2(oldRop);
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
  }
  pDC->SetTextColor(0);
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* c = GetEditChildAt(i);
    if (!c || !(c->m_nType & NT_CHARACTER) || !TakesPart(c, pParam) || c->m_nBackgroundPattern <= 0) continue;
    const int kind = c->m_nBackgroundPattern > kPatternKinds ? 0 : c->m_nBackgroundPattern - 1;
    const RECT rc = DeviceRect(pMapper, c->m_rcInk);
    pDC->FillRect(&rc, GetPatternBrush(kind));
  }
}

void CEditContainer::DrawChildren(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam) {
  CFont* saved = pDC->GetCurrentFont();
  std::unique_ptr<CFont> current;
  CEditChar* fontOwner = nullptr;
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* c = GetEditChildAt(i);
    if (!c || !TakesPart(c, pParam)) continue;
    auto* ch = (c->m_nType & NT_CHARACTER) ? dynamic_cast<CEditChar*>(c) : nullptr;
    if (ch && (!fontOwner || !ch->IsSameFont(*fontOwner))) {
      pDC->SelectObject(saved);
      current.reset(ch->CreateDrawFont(pMapper));
      if (current) pDC->SelectObject(current.get());
      fontOwner = ch;
    }
    EDIT_LAYOUT_PARAM p{};
    p.hFont = current.get();
    c->Draw(pDC, pMapper, &p);
  }
  pDC->SelectObject(saved);
}

void CEditContainer::DrawDecorationRuns(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  RunPass(pDC, pMapper, pParam, RunUnderline, &CEditContainer::DrawUnderline);
  RunPass(pDC, pMapper, pParam, RunLineThrough, &CEditContainer::DrawLineThrough);
  RunPass(pDC, pMapper, pParam, RunBorder, &CEditContainer::DrawRunBorder);
  RunPass(pDC, pMapper, pParam, RunNumber, &CEditContainer::DrawKasenNumber);
}

void CEditContainer::RunPass(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam, int kind,
                             Painter painter) {
  RUN_PASS pass{*this, pDC, pMapper, RunKind(kind), painter};
  const BOOL bFiltered = pParam && pParam->pBoxFilter;
  const CEditNode* previousBox = bFiltered ? pParam->pPrevBoxLast : nullptr;
  BOOL bStarted = FALSE;
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* c = GetEditChildAt(i);
    if (!TakesPart(c, pParam)) {
      if (bStarted) break;
      continue;
    }
    // The number of a run carried over from the previous box was drawn there.
    if (!bStarted && kind == RunNumber && previousBox && c && RunStyle(*previousBox, RunNumber) != 0 &&
        IsPlainCharacter(c) && ContinuesRun(*previousBox, *c, RunNumber))
      pass.bSkipFirst = TRUE;
    bStarted = TRUE;
    pass.Visit(c);
  }
  pass.Close();
}
