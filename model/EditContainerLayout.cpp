#include <algorithm>
#include <cstdlib>
#include <memory>

#include "model/EditBox.h"
#include "model/LineMetrics.h"
#include "model/EditChar.h"
#include "model/EditContainer.h"
#include "platform/Font.h"

namespace {

BOOL IsFloat(const CEditNode* node) { return node->m_nType == NTYPE_EDITFLOAT; }

int FloatSide(const CEditNode* node) {
  auto* frame = dynamic_cast<const CEditContainer*>(node);
  return frame ? frame->GetFloatSide() : 0;
}

// Plain characters and line ends share one measuring font along a run of equal fonts.
CEditChar* AsPlainChar(CEditNode* node) {
  if (node->m_nType != NTYPE_EDITCHAR && node->m_nType != NTYPE_EDITCR) return nullptr;
  return dynamic_cast<CEditChar*>(node);
}

void JoinLine(EDIT_LINE_INFO& line, const CEditNode& c, int index) {
  if (line.nFirst < 0) line.nFirst = index;
  ++line.nCount;
  AddToLine(line, c);
}

struct LINE_BREAKER {
  CEditBox& box;
  int nWidth;
  int nSpacing;
  EDIT_LINE_INFO line;
  int top = 0;
  int lineNumber = 0;
  int position = 0;
  int floatBottom = 0;
  int floatWidth = 0;
  BOOL bSideFloat = FALSE;
  CEditNode* previous = nullptr;

  int Limit() const { return top < floatBottom ? nWidth - floatWidth : nWidth; }

  BOOL StartsLine(const CEditNode& c) const {
    if (previous && (previous->m_nType & NT_LINEBREAK)) return TRUE;
    // A float always starts a line, so Arrange finds it at a line start.
    if (IsFloat(&c) && line.nCount > 0) return TRUE;
    return OverrunsLine(line, c, Limit());
  }

  void CloseLine() {
    if (nSpacing > 0) line.props.m_nHeight += 2 * nSpacing;
    box.SetLine(lineNumber, line);
  }

  void NewLine() {
    CloseLine();
    top += line.props.m_nHeight;
    ++lineNumber;
    line.Reset();
    position = 0;
    previous = nullptr;
  }

  void AddFloat(CEditNode& c) {
    const int side = FloatSide(&c);
    if (side == 1 || side == 2) {
      bSideFloat = TRUE;
      floatWidth = c.m_nWidth;
      floatBottom = std::max<int>(floatBottom, top + c.m_nHeight);
    }
    c.m_nBox = 0;
    c.m_nLine = lineNumber;
    c.m_nInLine = 0;
  }

  void Add(CEditNode& c, int index) {
    if (StartsLine(c)) NewLine();
    if (c.m_nType & NT_LINEBREAK) FitLineEnd(c, previous, line.nCount == 0);
    if (IsFloat(&c)) {
      AddFloat(c);
    } else {
      JoinLine(line, c, index);
      c.m_nBox = 0;
      c.m_nLine = lineNumber;
      c.m_nInLine = position++;
    }
    previous = &c;
  }

  // A trailing float gets an empty line of its own, so Arrange has a line to put it on.
  void Finish() {
    const BOOL bTrailingFloat = previous && IsFloat(previous);
    if (line.nCount > 0 || bTrailingFloat) {
      CloseLine();
      box.m_props.m_nHeight = std::max<int>(top + line.props.m_nHeight, floatBottom);
    } else {
      box.m_props.m_nHeight = std::max(top, floatBottom);
    }
  }
};

}  // namespace

void CEditContainer::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    const EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    if (!StartMeasure()) return;
    MeasureChildren(pDC, pMapper, param);
    auto box = std::make_unique<CEditBox>();
    box->m_props.m_nWidth = param.nWidth;
    m_arrBoxes.push_back(box.get());
    BreakLines(*box.release(), param);
  } catch (...) {
  }
}

BOOL CEditContainer::StartMeasure() {
  m_nWidth = 0;
  m_nHeight = 0;
  m_nAscent = 0;
  m_nCenter = 0;
  RemoveAllBoxes();
  return IsVisible();
}

void CEditContainer::MeasureChildren(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM& param) {
  std::unique_ptr<CFont> font;
  CEditChar* fontOwner = nullptr;
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* child = GetEditChildAt(i);
    if (!child) continue;
    // A line end's size depends on its neighbours: measure it afresh on every pass.
    if (child->m_nType & NT_LINEBREAK) child->m_bNeedsMeasure = 1;
    EDIT_LAYOUT_PARAM p = ChildMeasureParam(param, param.nWidth);
    if (CEditChar* ch = child->m_bNeedsMeasure ? AsPlainChar(child) : nullptr) {
      if (!fontOwner || !ch->IsSameFont(*fontOwner)) {
        font.reset(ch->CreateMeasureFont());
        fontOwner = ch;
      }
      p.hFont = font.get();
    }
    child->Measure(pDC, pMapper, &p);
  }
}

void CEditContainer::BreakLines(CEditBox& box, const EDIT_LAYOUT_PARAM& param) {
  LINE_BREAKER breaker{box, param.nWidth, param.nLineSpacing, EDIT_LINE_INFO()};
  for (int i = 0; i < GetChildCount(); ++i)
    if (CEditNode* child = GetEditChildAt(i)) breaker.Add(*child, i);
  breaker.Finish();
  ComputeOwnSize(box, breaker.floatBottom, breaker.bSideFloat, param);
}

void CEditContainer::ComputeOwnSize(const CEditBox& box, int nFloatBottom, BOOL bSideFloat,
                                    const EDIT_LAYOUT_PARAM& param) {
  int width = 0, height = 0, ascent = 0, center = 0;
  for (const EDIT_LINE_INFO& line : box.m_arrLines) {
    width = std::max<int>(width, line.props.m_nWidth);
    height += line.props.m_nHeight;
    ascent = std::max<int>(ascent, line.props.m_nAscent);
    center = std::max<int>(center, line.props.m_nCenter);
  }
  if (bSideFloat) width = std::max(width, param.nWidth);
  height = std::max(height, nFloatBottom);
  center = std::max(center, height / 2);
  const int spacing = std::max(param.nLineSpacing, 0);
  m_nWidth = width;
  m_nHeight = height;
  m_nAscent = ascent + spacing;
  m_nCenter = center + spacing;
}
