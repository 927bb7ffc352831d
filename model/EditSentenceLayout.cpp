#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

#include "model/CoordMapper.h"
#include "model/GdiCache.h"
#include "model/EditBox.h"
#include "model/LineMetrics.h"
#include "platform/WideChar.h"
#include "model/EditSentence.h"

namespace {

// Room of a sentence measured without pages: no line ever moves to another box.
constexpr int kUnlimitedRoom = INT_MAX / 2;

BOOL IsFloat(const CEditNode& node) { return node.m_nType == NTYPE_EDITFLOAT; }
BOOL IsLineEnd(const CEditNode& node) { return (node.m_nType & NT_LINEBREAK) != 0; }

int FloatSide(const CEditNode& node) {
  auto* frame = dynamic_cast<const CEditContainer*>(&node);
  return frame ? frame->GetFloatSide() : 0;
}

BOOL IsBlank(const CEditNode& node) {
  if (!(node.m_nType & NT_CHARACTER) || node.m_strText.GetLength() != 1) return FALSE;
  return node.m_strText[0] == u' ' || node.m_strText[0] == u'\u3000';
}

// One letter of a Latin word: a single ASCII character that is not a space.
BOOL IsWordLetter(const CEditNode* node) {
  if (!node || node->m_strText.GetLength() != 1) return FALSE;
  const char16_t ch = node->m_strText[0];
  return ch < 0x80 && !IsWideSpace(ch);
}


}  // namespace

struct CEditSentence::LINE_BREAKER {
  CEditSentence& sentence;
  const std::vector<CEditNode*>& children;
  const int nWidth;
  const int nSpacing;
  const int nPageHeight;
  const CColumnRooms* rooms;
  CEditBox* box;
  int limit;  // room left for lines in the current box
  int columnShift = 0;  // 1 when the first box stays empty and moves on to the next column
  EDIT_LINE_INFO line{};
  int b = 0;
  int lineNumber = 0;
  int top = 0;
  int position = 0;
  int floatBottom = 0;
  int floatWidth = 0;
  CEditNode* previous = nullptr;

  // Room of box b: the column it lands in, counted from the first box's column.
  int BoxRoom() const {
    const int k = b + columnShift;
    return rooms && k > 0 ? rooms->RoomOfColumnAfter(k) : nPageHeight;
  }

  int WidthLimit() const { return top < floatBottom ? nWidth - floatWidth : nWidth; }

  // At most one prohibited character stands out past the line end.
  BOOL StandsOut(const CEditNode& c) const {
    if (!(c.m_nType & NT_CHARACTER) || !c.m_strText.IsAllLineStartProhibited()) return FALSE;
    return !previous || !previous->m_strText.IsAllLineStartProhibited();
  }

  BOOL EndsLineBefore(const CEditNode& c) {
    if (previous && IsLineEnd(*previous)) return TRUE;
    if (!OverrunsLine(line, c, WidthLimit()) || StandsOut(c)) return FALSE;
    line.bEndedByWidth = 1;
    return TRUE;
  }

  // Cuts the line after the last node before the word that did not fit; answers the index
  // laying out continues from, or -1 when the word fills the line and is cut at the limit.
  int WrapWord(const CEditNode& c) {
    if (!line.bEndedByWidth || !IsWordLetter(previous) || !IsWordLetter(&c)) return -1;
    for (int j = line.nLast - 1; j > line.nFirst; --j) {
      if (IsWordLetter(children[size_t(j)])) continue;
      line.nLast = j;
      line.nCount = 0;
      line.nCharCount = 0;
      for (int k = line.nFirst; k <= j; ++k) {
        const CEditNode* node = children[size_t(k)];
        if (!node || IsFloat(*node)) continue;
        ++line.nCount;
        if (!IsLineEnd(*node)) ++line.nCharCount;
      }
      line.bWordWrapped = 1;
      return j + 1;
    }
    return -1;
  }

  void StartBox() {
    auto fresh = std::make_unique<CEditBox>();
    fresh->m_props.m_nWidth = nWidth;
    sentence.m_arrBoxes.push_back(fresh.get());
    box = fresh.release();
    ++b;
  }

  // A line that moved into a new box: its children follow it there.
  void RestampLine() {
    for (int k = line.nFirst; k <= line.nLast; ++k) {
      if (CEditNode* node = children[size_t(k)]) {
        node->m_nBox = b;
        if (!IsFloat(*node)) node->m_nLine = 0;
      }
    }
  }

  // A line that does not fit into the room left goes into a new box; an empty box keeps it
  // whatever its height, and the sheet root moves that box on.
  void CloseLine(int next) {
    sentence.ComputeLineMetrics(children, line, nWidth, nSpacing, b, lineNumber);
    const int height = line.props.m_nHeight;
    if (top + height > limit) {
      box->m_props.m_nHeight = std::max<int>(box->m_props.m_nHeight, floatBottom);
      if (box->GetLineCount() > 0) {
        StartBox();
        RestampLine();
      } else if (b == 0) {
        columnShift = 1;
      }
      top = 0;
      lineNumber = 0;
      floatBottom = 0;
      limit = BoxRoom();
    }
    box->SetLine(lineNumber++, line);
    top += height;
    box->m_props.m_nHeight = std::max(top, floatBottom);
    line.Reset();
    previous = nullptr;
    position = 0;
    line.nFirst = next;
  }

  void AddFloat(CEditNode& c) {
    const int side = FloatSide(c);
    if (side == 1 || side == 2) {
      sentence.m_nWidth = std::max<int>(sentence.m_nWidth, nWidth);
      floatWidth = c.m_nWidth;
      floatBottom = std::max<int>(floatBottom, top + c.m_nHeight);
    }
    if (floatBottom > limit) MoveFloatToNewBox(c);
    c.m_nBox = b;
    c.m_nLine = lineNumber;
    c.m_nInLine = 0;
  }

  void MoveFloatToNewBox(const CEditNode& c) {
    if (line.nCount > 0) {
      sentence.ComputeLineMetrics(children, line, nWidth, nSpacing, b, lineNumber);
      box->SetLine(lineNumber, line);
      box->m_props.m_nHeight = std::max<int>(box->m_props.m_nHeight, top + line.props.m_nHeight);
    }
    if (box->GetLineCount() > 0)
      StartBox();
    else if (b == 0)
      columnShift = 1;
    box->m_props.m_nHeight = c.m_nHeight;
    limit = BoxRoom();
    top = 0;
    lineNumber = 0;
    floatBottom = c.m_nHeight;
    line.Reset();
    position = 0;
  }

  void AddChild(CEditNode& c, int index) {
    const BOOL isNumber = (c.m_nType & NT_QUESTIONNUMBER) != 0;
    if (isNumber) sentence.m_nMarginLeft = c.m_nWidth;
    const BOOL questionFirstLine = sentence.m_nKind == KindQuestion && b == 0 && lineNumber == 0;
    if (position == 0 && !questionFirstLine && !isNumber) {
      line.nIndent = sentence.m_nMarginLeft;
      line.props.m_nWidth += line.nIndent;
    }
    if (line.nFirst < 0) line.nFirst = index;
    ++line.nCount;
    if (!IsLineEnd(c)) ++line.nCharCount;
    if (IsBlank(c)) ++line.nBlankCount;
    AddToLine(line, c);
    c.m_nBox = b;
    c.m_nLine = lineNumber;
    c.m_nInLine = position++;
  }

  void Join(CEditNode& c, int index) {
    line.nLast = index;
    if (IsLineEnd(c)) FitLineEnd(c, previous, line.nCount == 0);
    if (IsFloat(c))
      AddFloat(c);
    else
      AddChild(c, index);
    previous = &c;
  }

  // A float after the last line gets an empty line, so that Arrange has a line for it.
  void Finish(int lastIndex) {
    if (line.nCount > 0) {
      line.nLast = lastIndex;
      CloseLine(-1);
    } else if (previous && IsFloat(*previous)) {
      if (nSpacing > 0) line.props.m_nHeight += 2 * nSpacing;
      line.nRemainWidth = nWidth - line.props.m_nWidth;
      box->SetLine(lineNumber, line);
      box->m_props.m_nHeight = std::max<int>(top + line.props.m_nHeight, floatBottom);
    }
  }

  void Run() {
    int last = -1;
    for (int i = 0; i < int(children.size());) {
      CEditNode* c = children[size_t(i)];
      if (!c) break;
      if (EndsLineBefore(*c)) {
        const int restart = WrapWord(*c);
        CloseLine(restart >= 0 ? restart : i);
        if (restart >= 0) {
          i = restart;
          continue;
        }
      }
      Join(*c, i);
      last = i++;
    }
    Finish(last);
  }
};

void CEditSentence::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    const EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
    if (KeepsMeasure(pMapper, param)) return;
    const MEASURE_INPUTS inputs = MeasureInputs(pMapper);
    const CColumnRooms* rooms = m_measureRecord.Record(param.pColumnRooms);
    if (!StartMeasure()) return;
    UpdateKindLabel(&m_label, pMapper);
    EDIT_LAYOUT_PARAM labelParam{};
    m_label.Measure(pDC, pMapper, &labelParam);
    const std::vector<CEditNode*> children = EditChildren();
    NumberKasen(children);

    const int width = m_nAreaWidth > 0 ? m_nAreaWidth : param.nWidth;
    const BOOL paged = param.nPageHeight > 0;
    const int room = paged ? param.nPageHeight - param.nY : kUnlimitedRoom;
    m_nWidth = width;
    PrepareChildren(children);
    EDIT_LAYOUT_PARAM childParam{};
    childParam.nWidth = width;
    childParam.nHeight = paged ? room : param.nHeight;
    childParam.nLineSpacing = param.nLineSpacing;
    childParam.nLetterSpacing = param.nLetterSpacing;
    MeasureChildren(pDC, pMapper, childParam);

    m_nMarginLeft = m_nKind == KindQuestion ? 0 : m_nSharedIndent;
    if (m_nKind == KindQuestion) m_nSharedIndent = 0;
    auto first = std::make_unique<CEditBox>();
    first->m_props.m_nWidth = width;
    m_arrBoxes.push_back(first.get());
    LINE_BREAKER breaker{*this,
                         children,
                         width,
                         param.nLineSpacing,
                         paged ? param.nPageHeight : kUnlimitedRoom,
                         paged ? rooms : nullptr,
                         first.release(),
                         room};
    breaker.Run();
    m_nHeight = m_arrBoxes.front()->m_props.m_nHeight;
    if (m_nKind == KindQuestion) {
      m_nSharedIndent = m_nMarginLeft;
      ShareIndentWithParts();
    }
    m_measureRecord.Keep(param, inputs, CMeasureRecord::Fingerprint(*this), m_nMarginLeft);
  } catch (...) {
    m_measureRecord.Forget();
  }
}

MEASURE_INPUTS CEditSentence::MeasureInputs(const CCoordMapper* pMapper) const {
  MEASURE_INPUTS in{};
  in.nKind = m_nKind;
  in.nMajor = m_nMajor;
  in.nMinor = m_nMinor;
  in.nSharedIndent = m_nKind == KindQuestion ? 0 : m_nSharedIndent;
  in.nAreaWidth = m_nAreaWidth;
  in.bHideNumbers = HidesQuestionNumbers();
  in.bVertical = pMapper ? pMapper->m_bVertical : g_bVerticalWriting;
  in.bVerticalWriting = g_bVerticalWriting;
  return in;
}

// What the skipped measuring would have left behind is set as it would have: the indent, and
// for a question part the indent its other parts share.
// A name field is measured afresh: the sheet places a copy only on a page its flow reaches, and
// a copy left unplaced must not keep the placement of an earlier pass.
BOOL CEditSentence::KeepsMeasure(CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM& param) {
  if (!m_measureRecord.IsValid() || !IsVisible() || m_nType == NTYPE_EDITKIMEIRAN) return FALSE;
  UpdateKindLabel(&m_label, pMapper);
  if (m_label.m_bNeedsMeasure || !m_measureRecord.Matches(param, MeasureInputs(pMapper), *this)) return FALSE;
  m_nMarginLeft = m_measureRecord.GetIndent();
  if (m_nKind == KindQuestion) {
    m_nSharedIndent = m_nMarginLeft;
    ShareIndentWithParts();
  }
  return TRUE;
}

void CEditSentence::ComputeLineMetrics(EDIT_LINE_INFO* pLine, int nWidth, int nSpacing, int nBox, int nLine) {
  if (pLine) ComputeLineMetrics(EditChildren(), *pLine, nWidth, nSpacing, nBox, nLine);
}

// The maxima are gathered afresh: after a word-wrap cut the moved word no longer counts.
void CEditSentence::ComputeLineMetrics(const std::vector<CEditNode*>& children, EDIT_LINE_INFO& line, int nWidth,
                                       int nSpacing, int nBox, int nLine) {
  if (line.nFirst < 0 || line.nLast < 0) return;
  CEditProperties& p = line.props;
  p.m_nWidth = p.m_nHeight = p.m_nAscent = p.m_nCenter = 0;
  line.nMaxLower = line.nMaxDescent = line.nMaxFontHeight = 0;
  line.nBlankCount = 0;
  int position = 0;
  const int last = std::min(line.nLast, int(children.size()) - 1);
  for (int k = line.nFirst; k <= last; ++k) {
    CEditNode* c = children[size_t(k)];
    if (!c || IsFloat(*c)) continue;
    if (IsBlank(*c) && k != line.nLast) ++line.nBlankCount;
    AddToLine(line, *c);
    c->m_nLine = nLine;
    c->m_nInLine = position++;
    c->m_nBox = nBox;
  }
  line.nRemainWidth = nWidth - p.m_nWidth;
  if (nSpacing > 0) p.m_nHeight += 2 * nSpacing;
}
