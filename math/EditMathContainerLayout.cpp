#include <algorithm>
#include <cstdlib>
#include <memory>

#include "math/EditMathContainer.h"
#include "model/EditBox.h"
#include "model/LineMetrics.h"
#include "model/SaturatedInt.h"

namespace {

// A slot end alone on its line is one average character wide; after content it takes no
// room and the previous item's height, so the caret there is as tall as that item.
void FitSlotEnd(CEditNode& end, const CEditNode* previous) {
  if (!previous) {
    end.m_nWidth = end.m_tm.tmAveCharWidth;
    return;
  }
  end.m_nWidth = 0;
  if (previous->m_nAscent <= 0) return;
  end.m_nHeight = previous->m_nHeight;
  end.m_nAscent = previous->m_nAscent;
  end.m_nCenter = previous->m_nCenter;
  if (previous->m_nType & NT_CHARACTER) {
    end.m_tm = previous->m_tm;
    return;
  }
  end.m_tm.tmHeight = end.m_nHeight;
  end.m_tm.tmAscent = end.m_nAscent;
  end.m_tm.tmDescent = end.m_nHeight - end.m_nAscent;
}

struct SLOT_LINES {
  CEditBox& box;
  int nWidth;
  BOOL bWrap;
  BOOL bRecordFontHeight;
  EDIT_LINE_INFO line;
  int lineNumber = 0;
  CEditNode* previous = nullptr;

  BOOL Closes(const CEditNode& c) const {
    if (previous && (previous->m_nType & NT_LINEBREAK)) return TRUE;
    return bWrap && OverrunsLine(line, c, nWidth);
  }

  void Close() {
    box.SetLine(lineNumber++, line);
    line.Reset();
    previous = nullptr;
  }

  void Add(CEditNode& c, int index) {
    if (Closes(c)) Close();
    if (c.m_nType & NT_LINEBREAK) FitSlotEnd(c, previous);
    Accumulate(c, index);
    previous = &c;
  }

  // Children line up on their half-height line; those with a baseline also share one. Sizes kept
  // from a damaged record count within the line's bound.
  void Accumulate(const CEditNode& c, int index) {
    CEditProperties& p = line.props;
    if (line.nFirst < 0) line.nFirst = index;
    ++line.nCount;
    const long long height = LineExtent(c.m_nHeight), center = LineExtent(c.m_nCenter);
    const long long ascent = LineExtent(c.m_nAscent);
    p.m_nWidth = LineExtent(0LL + p.m_nWidth + c.m_nWidth);
    p.m_nHeight = std::max<int>(p.m_nHeight, int(height));
    p.m_nCenter = std::max<int>(p.m_nCenter, int(center));
    line.nMaxLower = std::max<int>(line.nMaxLower, LineExtent(height - center));
    if (bRecordFontHeight) line.nMaxFontHeight = std::max<int>(line.nMaxFontHeight, std::abs(ClampFontExtent(c.m_lf.lfHeight)));
    if (c.m_nAscent <= 0) return;
    line.nMaxDescent = std::max<int>(line.nMaxDescent, LineExtent(height - ascent));
    line.nMaxAboveCenter = std::max<int>(line.nMaxAboveCenter, LineExtent(ascent - center));
    const BOOL bAfterCentred = previous && previous->m_nAscent <= 0;
    const int candidate = bAfterCentred ? LineExtent(ascent - center + p.m_nCenter) : int(ascent);
    p.m_nAscent = std::max<int>(p.m_nAscent, candidate);
  }

  void Finish() {
    if (line.nCount > 0) Close();
    for (EDIT_LINE_INFO& l : box.m_arrLines) {
      CEditProperties& p = l.props;
      if (p.m_nCenter >= p.m_nAscent) p.m_nAscent = LineExtent(0LL + p.m_nCenter + l.nMaxAboveCenter);
      p.m_nHeight = std::max(LineExtent(0LL + p.m_nCenter + l.nMaxLower), LineExtent(0LL + p.m_nAscent + l.nMaxDescent));
    }
  }
};

}  // namespace

void CEditMathContainer::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    if (!StartMeasure()) return;
    MeasureSlots(pDC, pMapper, pParam ? *pParam : EDIT_LAYOUT_PARAM{}, SLOT_RULES{TRUE, TRUE});
  } catch (...) {
  }
}

void CEditMathContainer::MeasureSlots(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM& param,
                                      const SLOT_RULES& rules) {
  auto owned = std::make_unique<CEditBox>();
  CEditBox& box = *owned;
  m_arrBoxes.push_back(owned.release());
  SLOT_LINES lines{box, param.nWidth, rules.bWrap, rules.bRecordFontHeight, EDIT_LINE_INFO()};
  const int count = GetChildCount();
  for (int i = 0; i < count; ++i) {
    CEditNode* child = ChildOrThrow(i);
    // A sum or integral sign takes the size of what follows it.
    if ((child->m_nType & NT_BIGOPERATOR) && i + 1 < count) {
      child->m_lf.lfHeight = ChildOrThrow(i + 1)->m_lf.lfHeight;
      child->m_bNeedsMeasure = 1;
    }
    // A slot end's metrics are rewritten below: measure it afresh on every pass.
    if (child->m_nType & NT_LINEBREAK) child->m_bNeedsMeasure = 1;
    EDIT_LAYOUT_PARAM p = ChildMeasureParam(param, param.nWidth);
    child->Measure(pDC, pMapper, &p);
    lines.Add(*child, i);
  }
  lines.Finish();
  int width = 0, height = 0;
  for (const EDIT_LINE_INFO& l : box.m_arrLines) {
    width = std::max<int>(width, l.props.m_nWidth);
    height += l.props.m_nHeight;
  }
  m_nWidth = width;
  m_nHeight = std::max(height, 0);
  if (!box.m_arrLines.empty()) {
    m_nAscent = box.m_arrLines[0].props.m_nAscent;
    m_nCenter = box.m_arrLines[0].props.m_nCenter;
  }
}

EDIT_LINE_INFO CEditMathContainer::SlotLine(int nLine) const {
  const CEditBox* box = GetBox(0);
  EDIT_LINE_INFO line;
  if (!box || !box->GetLine(nLine, line)) throw kMissingPiece;
  return line;
}

void CEditMathContainer::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam || !IsVisible()) return;
  const int x = pParam->nX, y = pParam->nY;
  m_rcInk = RECT{x, y, x + m_nWidth, y + m_nHeight};
  m_rcHit = m_rcInk;
  try {
    if (GetChildCount() == 0 || !GetBox(0)) throw kMissingPiece;
    PlaceLinesFrom(x, y, bVertical, pParam);
  } catch (...) {
  }
}

void CEditMathContainer::PlaceLinesFrom(int x, int y, int bVertical, const EDIT_LAYOUT_PARAM* pSpacing) {
  for (int j = 0; j < GetBox(0)->GetLineCount(); ++j) {
    PlaceLine(j, x, y, bVertical, pSpacing);
    y += SlotLine(j).props.m_nHeight;
  }
}

int CEditMathContainer::PlaceLine(int nLine, int x, int y, int bVertical, const EDIT_LAYOUT_PARAM* pSpacing) {
  EDIT_LINE_INFO line = SlotLine(nLine);
  int inLine = 0;
  for (int k = 0; k < line.nCount; ++k) {
    CEditNode* child = ChildOrThrow(line.nFirst + k);
    if (child->m_nType == NTYPE_EDITFLOAT) {
      PlaceFloat(*child, x, y, line, bVertical);
      continue;
    }
    EDIT_LAYOUT_PARAM p{};
    p.nX = x;
    p.nY = y;
    p.nLineAscent = line.props.m_nAscent;
    p.nLineHalf = line.props.m_nCenter;
    if (pSpacing) {
      p.nLineSpacing = pSpacing->nLineSpacing;
      p.nLetterSpacing = pSpacing->nLetterSpacing;
    }
    child->Arrange(&p, bVertical);
    child->m_rcHit = RECT{x, y, x + child->m_nWidth, y + line.props.m_nHeight};
    child->m_nLine = nLine;
    child->m_nInLine = inLine;
    if (inLine++ == 0) {
      line.props.m_rcInk = RECT{x, y, x + line.props.m_nWidth, y + line.props.m_nHeight};
      GetBox(0)->SetLine(nLine, line);
    }
    x += child->m_nWidth;
  }
  return x;
}

// A frame keeps to its side of the container, or stands where it is; it takes no room.
void CEditMathContainer::PlaceFloat(CEditNode& child, int x, int y, const EDIT_LINE_INFO& line, int bVertical) {
  auto* frame = dynamic_cast<CEditContainer*>(&child);
  const int side = frame ? frame->GetFloatSide() : 0;
  EDIT_LAYOUT_PARAM p{};
  p.nX = side == 1 ? m_rcInk.left : side == 2 ? m_rcInk.right - child.m_nWidth : x;
  p.nY = y;
  p.nLineAscent = line.props.m_nAscent;
  p.nLineHalf = line.props.m_nCenter;
  child.Arrange(&p, bVertical);
}
