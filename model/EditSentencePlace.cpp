#include <algorithm>
#include <vector>

#include "model/EditBox.h"
#include "model/LineMetrics.h"
#include "model/EditSentence.h"

namespace {

BOOL IsLineEnd(const CEditNode& node) { return (node.m_nType & NT_LINEBREAK) != 0; }

BOOL IsBlank(const CEditNode& node) {
  if (!(node.m_nType & NT_CHARACTER) || node.m_strText.GetLength() != 1) return FALSE;
  return node.m_strText[0] == u' ' || node.m_strText[0] == u'\u3000';
}

int FloatSide(const CEditNode& node) {
  auto* frame = dynamic_cast<const CEditContainer*>(&node);
  return frame ? frame->GetFloatSide() : 0;
}

}  // namespace

struct CEditSentence::LINE_PLACER {
  CEditSentence& sentence;
  const std::vector<CEditNode*>& children;
  CEditBox& box;
  const EDIT_LAYOUT_PARAM& param;
  const int bVertical;
  EDIT_LINE_INFO line{};
  int lineNumber = 0;
  int y = 0;
  int top = 0;
  int x = 0;
  int position = 0;
  int floatBottom = 0;
  int floatWidth = 0;
  int lastFloatSide = 0;
  int extraPerBlank = 0;
  int extraPerGap = 0;
  BOOL bPlacedAny = FALSE;
  CEditNode* source = nullptr;  // the line end whose paragraph the line belongs to
  int sourceIndex = -1;

  BOOL BesideFloat() const { return top < floatBottom; }

  // A paragraph's line end is searched once, not once per line.
  void FindSource(int index) {
    if (sourceIndex >= index) return;
    source = nullptr;
    for (sourceIndex = index; sourceIndex < sentence.GetChildCount(); ++sourceIndex) {
      CQVXMLNode* child = sentence.GetChildAt(sourceIndex);
      if (child && (child->m_nType & NT_LINEBREAK)) {
        source = child->ToEditNode();
        return;
      }
    }
  }

  int Spare() const { return line.nRemainWidth - line.nIndent - (BesideFloat() ? floatWidth : 0); }

  // Without a line end the lines are placed flush left.
  void ComputeLineStart() {
    const CBlockLineRelatedProperties* paragraph = source ? source->GetLineProperties() : nullptr;
    const int align = paragraph ? paragraph->m_nTextAlign : CBlockLineRelatedProperties::AlignLeft;
    const int available = box.m_props.m_nWidth - (BesideFloat() ? floatWidth : 0);
    const int used = line.props.m_nWidth;
    extraPerBlank = 0;
    extraPerGap = 0;
    x = param.nX + line.nIndent;
    if (align == CBlockLineRelatedProperties::AlignCenter) {
      x = param.nX + (available - used + line.nIndent) / 2;
    } else if (align == CBlockLineRelatedProperties::AlignRight) {
      x = param.nX + available - used;
    } else if (align == CBlockLineRelatedProperties::AlignJustify) {
      if (line.bEndedByWidth && Spare() > 0 && line.nBlankCount >= 1) extraPerBlank = Spare() / line.nBlankCount;
    } else if (align == CBlockLineRelatedProperties::AlignDistribute) {
      if (line.nRemainWidth > 0 && Spare() > 0) extraPerGap = GapExtra(Spare());
    }
  }

  int GapExtra(int spare) const {
    if (line.nCharCount < 1) return spare;
    if (line.nCharCount == 1) return 0;
    return std::max(spare / (line.nCharCount - 1), 0);
  }

  BOOL NextLine() {
    y += line.props.m_nHeight;
    top += line.props.m_nHeight;
    ++lineNumber;
    position = 0;
    return box.GetLine(lineNumber, line);
  }

  EDIT_LAYOUT_PARAM ChildParam(int childX, int childY) const { return LineChildParam(line, param, childX, childY); }

  // A float starts a line; the line beside it starts after it unless it stands on the right.
  // A float of neither side stands at the start of the line before it.
  void PlaceFloat(CEditNode& c, int index) {
    if (bPlacedAny) {
      ComputeLineStart();
      NextLine();
      FindSource(index);
    }
    const int side = FloatSide(c);
    int floatX = x;
    if (side == 1) floatX = param.nX + sentence.m_nMarginLeft;
    if (side == 2) floatX = param.nX + box.m_props.m_nWidth - c.m_nWidth;
    if (side == 1 || side == 2) {
      floatWidth = c.m_nWidth;
      floatBottom = std::max<int>(floatBottom, top + c.m_nHeight);
    }
    lastFloatSide = side;
    EDIT_LAYOUT_PARAM p = ChildParam(floatX, y);
    c.Arrange(&p, bVertical);
    c.m_nPage = param.nPage;
    ComputeLineStart();
  }

  BOOL Place(CEditNode& c, int index) {
    if (position >= line.nCount) {
      if (!NextLine()) return FALSE;
      FindSource(index);
      ComputeLineStart();
    }
    const BOOL shifted = BesideFloat() && lastFloatSide != 2;
    const int childX = x + (shifted ? floatWidth : 0);
    const int childY = y + std::max(param.nLineSpacing, 0);
    EDIT_LAYOUT_PARAM p = ChildParam(childX, childY);
    c.Arrange(&p, bVertical);
    c.m_nPage = param.nPage;
    c.m_rcHit = RECT{childX, childY, childX + c.m_nWidth, childY + line.props.m_nHeight};
    if (position == 0) {
      line.props.m_rcInk = RECT{childX, childY, childX + line.props.m_nWidth, childY + line.props.m_nHeight};
      box.SetLine(lineNumber, line);
    }
    if (c.m_nType & NT_QUESTIONNUMBER) sentence.m_nMarginLeft = c.m_nWidth;
    x += c.m_nWidth + ExtraAfter(c, index);
    ++position;
    return TRUE;
  }

  int ExtraAfter(const CEditNode& c, int index) const {
    const CEditNode* next = size_t(index + 1) < children.size() ? children[size_t(index + 1)] : nullptr;
    if (extraPerGap > 0) return next && !IsLineEnd(*next) ? extraPerGap : 0;
    return line.bEndedByWidth && IsBlank(c) ? extraPerBlank : 0;
  }

  void Run() {
    box.GetLine(0, line);
    y = param.nY;
    for (int i = 0; i < int(children.size()); ++i) {
      CEditNode* c = children[size_t(i)];
      if (!c || c->m_nBox > param.nBox) return;
      if (c->m_nBox < param.nBox) continue;
      if (!bPlacedAny) {
        FindSource(i);
        ComputeLineStart();
      }
      if (c->m_nType == NTYPE_EDITFLOAT)
        PlaceFloat(*c, i);
      else if (!Place(*c, i))
        return;
      bPlacedAny = TRUE;
    }
  }
};

void CEditSentence::Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) {
  if (!pParam) return;
  try {
    CEditBox* box = GetBox(pParam->nBox);
    if (!box) return;
    // A box kept from the last measuring and placed again where it stood is left as it is.
    if (box->IsPlacedWith(*pParam)) {
      m_nMarginLeft = box->GetIndentAfterPlacing();
      return;
    }
    box->ForgetPlacement();
    PlaceBox(*box, *pParam, bVertical);
    box->SetPlacedWith(*pParam, m_nMarginLeft);
  } catch (...) {
  }
}

void CEditSentence::PlaceBox(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (param.nBox == 0) ArrangeLabel(param, bVertical);
  const int x0 = param.nX;
  const int y0 = param.nY;
  box.m_props.m_rcInk = RECT{x0, y0, x0 + box.m_props.m_nWidth, y0 + box.m_props.m_nHeight};
  box.m_props.m_rcHit = box.m_props.m_rcInk;
  if (GetChildCount() == 0 || box.GetLineCount() == 0) return;
  const std::vector<CEditNode*> children = EditChildren();
  LINE_PLACER placer{*this, children, box, param, bVertical};
  placer.Run();
}

void CEditSentence::ArrangeLabel(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  EDIT_LAYOUT_PARAM labelParam{};
  labelParam.nX = param.nX - 1000;
  labelParam.nY = param.nY;
  labelParam.nLineAscent = m_label.m_nAscent;
  m_label.Arrange(&labelParam, bVertical);
  m_rcInk = RECT{param.nX, param.nY, param.nX + m_nWidth, param.nY + m_nHeight};
  m_rcHit = m_rcInk;
}
