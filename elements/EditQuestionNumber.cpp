#include "elements/EditQuestionNumber.h"

#include <memory>

#include "elements/QuestionNumberText.h"
#include "elements/Units.h"
#include "model/CoordMapper.h"
#include "model/GdiCache.h"
#include "platform/AnsiCodePage.h"
#include "platform/Archive.h"
#include "platform/DC.h"
#include "platform/Font.h"
#include "platform/StockObjects.h"

namespace {

constexpr char16_t kSpace = u'\u3000';
constexpr COLORREF kScreenColour = 0xFF00FF;
constexpr COLORREF kPaperColour = 0x000000;

void SetFaceName(LOGFONTA& lf, const char16_t* face) {
  CopyAnsiBounded(lf.lfFaceName, LF_FACESIZE, WideToAnsi(face).c_str());
}

int SpaceWidth(CDC* pDC) {
  SIZE size{0, 0};
  pDC->GetTextExtentPoint32W(&kSpace, 1, &size);
  return size.cx;
}

}  // namespace

CEditQuestionNumber::CEditQuestionNumber(DWORD nType, int nFormat) : CEditChar(nType) { SetFormat(UINT(nFormat)); }

void CEditQuestionNumber::SetFormat(UINT nFormat) {
  m_nFormat = int(nFormat);
  m_nBoxInset = 0;
  m_rcBox = RECT{0, 0, 0, 0};
  m_nBoxWidth = 0;
  m_nBoxHeight = 0;
  const BOOL vertical = g_bVerticalWriting;
  if (IsMinchoNumberFormat(m_nFormat)) {
    SetFaceName(m_lf, vertical ? u"@ＭＳ 明朝" : u"ＭＳ 明朝");
  } else {
    SetFaceName(m_lf, vertical ? u"@ＭＳ ゴシック" : u"ＭＳ Ｐゴシック");
    m_lf.lfHeight = -PointsToHimetric(10, 5);
  }
  m_lf.lfEscapement = vertical ? 2700 : 0;
  m_lf.lfOrientation = m_lf.lfEscapement;
  UpdatePropsFromLogFont();
}

void CEditQuestionNumber::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << LONG(m_nFormat);
  } else {
    LONG format = 0;
    ar >> format;
    m_nFormat = format;
  }
  CEditChar::Serialize(ar);
}

BOOL CEditQuestionNumber::IsFramed() const { return NormalizeNumberFormat(m_nFormat) == kFramedNumberFormat; }

// An empty text must not reset the character's font, as CEditChar::SetText would.
void CEditQuestionNumber::SetNumberText(const CStringW& text) {
  if (text == m_strText) return;
  if (text.IsEmpty()) {
    CQVXMLNode::SetText(text);
    m_bNeedsMeasure = 1;
  } else {
    SetText(text);
  }
}

void CEditQuestionNumber::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    const BOOL minor = IsMinorNumber();
    const BOOL vertical = pMapper ? pMapper->m_bVertical : g_bVerticalWriting;
    CStringW text;
    FormatQuestionNumber(minor ? GetMinorQuestionNo() : GetMajorQuestionNo(), m_nFormat, vertical, minor, text);
    SetNumberText(text);
    CEditChar::Measure(pDC, pMapper, pParam);
    m_nBoxWidth = m_nWidth;
    m_nBoxHeight = m_nHeight;
    m_nBoxInset = 0;
    if (IsFramed() && !m_strText.IsEmpty() && m_strText[0] == kSpace && !MeasureFrameSpaces(pDC)) return;
    if (pParam && pParam->nLetterSpacing > 0) m_nBoxWidth -= pParam->nLetterSpacing;
  } catch (...) {
  }
}

BOOL CEditQuestionNumber::MeasureFrameSpaces(CDC* pDC) {
  if (!pDC || !pDC->GetSafeHdc()) return FALSE;
  std::unique_ptr<CFont> font(CreateMeasureFont());
  if (!font) return FALSE;
  CFont* old = pDC->SelectObject(font.get());
  const int length = m_strText.GetLength();
  int first = 0;
  while (first < length && m_strText[first] == kSpace) {
    const int width = SpaceWidth(pDC);
    m_nBoxInset += width;
    m_nBoxWidth -= width;
    ++first;
  }
  // A text of spaces only has none left to take from the end.
  for (int last = length - 1; last >= first && m_strText[last] == kSpace; --last) m_nBoxWidth -= SpaceWidth(pDC);
  if (old) pDC->SelectObject(old);
  return TRUE;
}

void CEditQuestionNumber::Arrange(EDIT_LAYOUT_PARAM* pParam, int) {
  CEditChar::Arrange(pParam, 0);
  if (!IsFramed()) return;
  const int left = m_rcInk.left + m_nBoxInset;
  m_rcBox = RECT{left, m_rcInk.top, left + m_nBoxWidth, m_rcInk.top + m_nBoxHeight};
}

void CEditQuestionNumber::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (m_bHidden == 2 || !pDC) return;
  try {
    m_crColor = pDC->IsPrinting() ? kPaperColour : kScreenColour;
    CEditChar::Draw(pDC, pMapper, pParam);
    if (!IsFramed()) return;
    RECT frame = m_rcBox;
    if (pMapper) pMapper->LPtoDPRect(&frame);
    pDC->SelectStockObject(HOLLOW_BRUSH);
    CPen* old = pDC->SelectObject(GetSolidPen(m_crColor));
    pDC->Rectangle(&frame);
    pDC->SelectObject(old);
  } catch (...) {
  }
}
