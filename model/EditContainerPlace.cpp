#include <algorithm>

#include "model/EditBox.h"
#include "model/LineMetrics.h"
#include "model/EditContainer.h"

struct CEditContainer::LINE_PLACER {
  CEditContainer& container;
  CEditBox& box;
  const EDIT_LAYOUT_PARAM& param;
  int bVertical;
  EDIT_LINE_INFO line;
  int lineNumber = 0;
  int y = 0;
  int x = 0;
  int position = 0;
  int floatBottom = 0;
  int floatWidth = 0;
  BOOL bLeftFloat = FALSE;
  CEditNode* source = nullptr;

  BOOL BesideFloat() const { return y - param.nY < floatBottom; }

  // The alignment of the paragraph the line belongs to, within the width the floats leave.
  void ComputeLineStart() {
    const int available = container.m_nWidth - (BesideFloat() ? floatWidth : 0);
    const int used = line.props.m_nWidth;
    const CBlockLineRelatedProperties* paragraph = source ? source->GetLineProperties() : nullptr;
    const int align = paragraph ? paragraph->m_nTextAlign : CBlockLineRelatedProperties::AlignLeft;
    x = param.nX;
    if (align == CBlockLineRelatedProperties::AlignCenter)
      x += (available - used) / 2;
    else if (align == CBlockLineRelatedProperties::AlignRight)
      x += available - used;
    if (BesideFloat() && bLeftFloat) x += floatWidth;
  }

  BOOL NextLine() {
    y += line.props.m_nHeight;
    ++lineNumber;
    position = 0;
    return box.GetLine(lineNumber, line);
  }

  EDIT_LAYOUT_PARAM ChildParam(int childX, int childY) const { return LineChildParam(line, param, childX, childY); }

  BOOL PlaceFloat(CEditNode& c, int index) {
    if (lineNumber < c.m_nLine) {
      while (lineNumber < c.m_nLine)
        if (!NextLine()) return FALSE;
      source = container.LineBreakAtOrAfter(index);
      ComputeLineStart();
    }
    auto* frame = dynamic_cast<CEditContainer*>(&c);
    const int side = frame ? frame->GetFloatSide() : 0;
    int floatX = x;
    if (side == 1) floatX = param.nX;
    if (side == 2) floatX = param.nX + container.m_nWidth - c.m_nWidth;
    EDIT_LAYOUT_PARAM p = ChildParam(floatX, y);
    c.Arrange(&p, bVertical);
    c.m_nPage = param.nPage;
    if (side == 1 || side == 2) {
      floatWidth = c.m_nWidth;
      floatBottom = std::max<int>(floatBottom, y - param.nY + c.m_nHeight);
      bLeftFloat = side == 1;
      ComputeLineStart();
    }
    return TRUE;
  }

  BOOL Place(CEditNode& c, int index) {
    if (position >= line.nCount) {
      if (!NextLine()) return FALSE;
      source = container.LineBreakAtOrAfter(index);
      ComputeLineStart();
    }
    EDIT_LAYOUT_PARAM p = ChildParam(x, y + std::max(param.nLineSpacing, 0));
    c.Arrange(&p, bVertical);
    c.m_nPage = param.nPage;
    c.m_rcHit = RECT{x, y, x + c.m_nWidth, y + line.props.m_nHeight};
    c.m_nLine = lineNumber;
    c.m_nInLine = position;
    if (index == line.nFirst) {
      line.props.m_rcInk = RECT{x, y, x + line.props.m_nWidth, y + line.props.m_nHeight};
      box.SetLine(lineNumber, line);
    }
    x += c.m_nWidth;
    ++position;
    return TRUE;
  }
};

CEditNode* CEditContainer::LineBreakAtOrAfter(int index) const {
  for (int i = std::max(index, 0); i < GetChildCount(); ++i) {
    CQVXMLNode* child = m_arrChildren[size_t(i)];
    if (!child) return nullptr;
    if (child->m_nType & NT_LINEBREAK) return dynamic_cast<CEditNode*>(child);
  }
  return nullptr;
}

void CEditContainer::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam || !IsVisible()) return;
  try {
    const int x0 = pParam->nX;
    const int y0 = pParam->nY;
    m_rcInk = RECT{x0, y0, x0 + m_nWidth, y0 + m_nHeight};
    m_rcHit = m_rcInk;
    CEditBox* box = GetBox(pParam->nBox);
    if (GetChildCount() == 0 || !box || box->GetLineCount() == 0) return;
    PlaceChildren(*box, *pParam, bVertical);
  } catch (...) {
  }
}

void CEditContainer::PlaceChildren(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int bVertical) {
  LINE_PLACER placer{*this, box, param, bVertical, EDIT_LINE_INFO()};
  box.GetLine(0, placer.line);
  placer.y = param.nY;
  // Lines without a line end after them are placed flush left.
  placer.source = GetFirstLineBreak();
  placer.ComputeLineStart();
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* c = GetEditChildAt(i);
    if (!c || c->m_nBox < param.nBox) continue;
    if (c->m_nBox > param.nBox) return;
    const BOOL placed = c->m_nType == NTYPE_EDITFLOAT ? placer.PlaceFloat(*c, i) : placer.Place(*c, i);
    if (!placed) return;
  }
}
