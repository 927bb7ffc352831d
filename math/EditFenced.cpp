#include "math/EditFenced.h"

#include <cstring>
#include <string>

#include "math/StrokePainters.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "platform/AnsiCodePage.h"
#include "model/PropertyBlock.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditFenced, CEditMathContainer, 1)

namespace {

constexpr int kBarFenceWidth = 185;  // half of 10.5 pt
constexpr BYTE kShiftJisCharset = 128;

using FencePainter = void (*)(CDC*, int, const RECT*, int, COLORREF, BOOL);

// The painter of a bracket on its own side, or null for text drawn as a glyph.
FencePainter PainterFor(const CStringW& text, int side) {
  struct SHAPE {
    char16_t open, close;
    FencePainter painter;
  };
  static const SHAPE shapes[] = {{u'(', u')', DrawParenthesis},
                                 {u'{', u'}', DrawCurlyBracket},
                                 {u'[', u']', DrawSquareBracket},
                                 {u'\u3008', u'\u3009', DrawAngleBracket},
                                 {u'\u3014', u'\u3015', DrawTortoiseShellBracket}};
  if (text.GetLength() != 1) return nullptr;
  for (const SHAPE& s : shapes)
    if (text[0] == (side == 1 ? s.open : s.close)) return s.painter;
  return nullptr;
}

BOOL IsBar(const CStringW& text) { return text.GetLength() == 1 && text[0] == u'|'; }

}  // namespace

CEditFenced::CEditFenced() : CEditMathElement(NTYPE_EDITFENCED) {
  m_open.SetText(CStringW(u"("));
  m_close.SetText(CStringW(u")"));
}

CEditFenced::~CEditFenced() = default;

void CEditFenced::Serialize(CArchive& ar) {
  SerializeInt(ar, m_nExtraHeight);
  m_open.Serialize(ar);
  m_close.Serialize(ar);
  CEditMathContainer::Serialize(ar);
}

void CEditFenced::MeasureShape(CDC* pDC, CCoordMapper* pMapper) {
  // A stored extra height comes from anywhere: bounded like a font extent.
  const int extra = ClampFontExtent(m_nExtraHeight);
  m_nExtraHeight = 0;
  SlotLine(0);
  if (extra > 0) GrowContentLine(extra);
  const CEditProperties content = SlotLine(0).props;
  MeasureFence(m_open, pDC, pMapper, content.m_nHeight);
  MeasureFence(m_close, pDC, pMapper, content.m_nHeight);
  m_nWidth = m_open.m_nWidth + content.m_nWidth + m_close.m_nWidth;
  m_nHeight = content.m_nHeight;
  m_nAscent = 0;
  m_nCenter = content.m_nHeight / 2;
}

void CEditFenced::GrowContentLine(int extra) {
  EDIT_LINE_INFO line = SlotLine(0);
  const int half = extra / 2;
  line.props.m_nHeight += extra;
  line.props.m_nAscent += half;
  line.props.m_nCenter += half;
  line.nMaxAboveCenter += half;
  line.nMaxLower += half;
  line.nMaxDescent += half;
  GetBox(0)->SetLine(0, line);
}

// A fence is a Mincho character as high as the content's line.
void CEditFenced::MeasureFence(CEditMathChar& fence, CDC* pDC, CCoordMapper* pMapper, int height) {
  LOGFONTA& lf = fence.m_lf;
  lf.lfHeight = -height;
  lf.lfWidth = 0;
  lf.lfItalic = 0;
  lf.lfCharSet = kShiftJisCharset;
  const std::string face = WideToAnsi(u"ＭＳ Ｐ明朝");
  std::memset(lf.lfFaceName, 0, LF_FACESIZE);
  std::strncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  fence.m_bNeedsMeasure = 1;
  EDIT_LAYOUT_PARAM param{};
  fence.Measure(pDC, pMapper, &param);
  if (IsBar(fence.m_strText)) fence.m_nWidth = kBarFenceWidth;
}

void CEditFenced::PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) {
  if (GetChildCount() == 0) throw kMissingPiece;
  const CEditProperties content = SlotLine(0).props;
  const int x = param.nX;
  const int top = param.nY + param.nLineHalf - m_nCenter;
  m_rcInk = RECT{x, top, x + m_nWidth, top + m_nHeight};
  PlaceLine(0, x + m_open.m_nWidth, top, bVertical);
  EDIT_LAYOUT_PARAM open{};
  open.nX = x;
  open.nY = top;
  open.nLineAscent = m_open.m_nAscent;
  open.nLineHalf = m_open.m_nCenter;
  m_open.Arrange(&open, bVertical);
  EDIT_LAYOUT_PARAM close{};
  close.nX = x + m_open.m_nWidth + content.m_nWidth;
  close.nY = top;
  close.nLineAscent = m_close.m_nAscent;
  close.nLineHalf = m_close.m_nCenter;
  m_close.Arrange(&close, bVertical);
}

// The fences are black strokes whatever the characters' colour, in-text answer or not.
void CEditFenced::DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL) {
  DrawFence(m_open, 1, pDC, pMapper);
  DrawFence(m_close, 2, pDC, pMapper);
}

void CEditFenced::DrawFence(CEditMathChar& fence, int side, CDC* pDC, CCoordMapper* pMapper) {
  const RECT& box = fence.m_rcInk;
  if (IsBar(fence.m_strText)) {
    const int x = box.left + fence.m_nWidth / 2;
    DrawBar(pDC, pMapper, POINT{x, box.top}, POINT{x, box.bottom});
    return;
  }
  FencePainter painter = PainterFor(fence.m_strText, side);
  if (!painter) {
    EDIT_LAYOUT_PARAM param{};
    fence.Draw(pDC, pMapper, &param);
    return;
  }
  RECT rc = box;
  SIZE width{kStrokeWidth, kStrokeWidth};
  if (pMapper) {
    pMapper->LPtoDPRect(&rc);
    pMapper->LPtoDPSize(&width);
  }
  painter(pDC, width.cx, &rc, side, RGB(0, 0, 0), pMapper && pMapper->m_bVertical);
}
