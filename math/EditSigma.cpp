#include "math/EditSigma.h"

#include <algorithm>
#include <memory>

#include "math/EditMathContainer.h"
#include "math/IntegralGlyph.h"
#include "model/CoordMapper.h"
#include "model/FontList.h"
#include "platform/AnsiCodePage.h"
#include "model/PropertyBlock.h"
#include "platform/Archive.h"
#include "platform/DC.h"
#include "platform/Font.h"

IMPLEMENT_SERIAL(CEditSigma, CEditMathChar, 1)

void ArrangeBigOperatorSign(CEditNode& sign, const EDIT_LAYOUT_PARAM& param) {
  const int top = param.nY + param.nLineHalf - sign.m_nCenter;
  sign.m_rcInk = RECT{param.nX, top, param.nX + sign.m_nWidth, top + sign.m_nHeight};
}

CEditSigma::CEditSigma() : CEditMathChar(NTYPE_EDITSIGMA) {
  SetText(CStringW(u"\u03A3"));
  m_lfGlyph = m_lf;
  SetLogFontFace(&m_lfGlyph, WideToAnsi(u"ＭＳ Ｐ明朝").c_str());
}

CEditSigma::~CEditSigma() = default;

void CEditSigma::Serialize(CArchive& ar) {
  SerializeGlyphFont(ar, m_lfGlyph);
  SerializeInt(ar, m_nLeftShift);
  CEditMathChar::Serialize(ar);
}

void CEditSigma::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!m_bNeedsMeasure || !pDC) return;
  TakeGlyphFace(m_lf, m_lfGlyph);
  const LONG height = m_lf.lfHeight;
  m_lf.lfHeight = ScaleFontHeight(height, 2, 1);
  CEditMathChar::Measure(pDC, pMapper, pParam);
  m_lf.lfHeight = height;
  m_nAscent = 0;
  m_nCenter = m_nHeight / 2;
  const int shift = ((m_nWidth - m_tm.tmAveCharWidth) / 2 * 2) / 3;
  m_nLeftShift = shift;
  m_nWidth -= shift;
}

void CEditSigma::Arrange(EDIT_LAYOUT_PARAM* pParam, int) {
  if (pParam) ArrangeBigOperatorSign(*this, *pParam);
}

void CEditSigma::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  if (!pDC || m_strText.IsEmpty()) return;
  try {
    LOGFONTA lf;
    const LONG height = m_lf.lfHeight;
    m_lf.lfHeight = ScaleFontHeight(height, 2, 1);
    GetDrawLogFont(&lf, pMapper && pMapper->m_bVertical);
    m_lf.lfHeight = height;
    if (pMapper) pMapper->LPtoDPFontSize(&lf);
    CFont font;
    if (!font.CreateFontIndirect(&lf)) return;
    CFont* oldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    POINT origin{m_rcInk.left - m_nLeftShift, m_rcInk.top};
    UINT align = TA_TOP | TA_LEFT;
    // A metafile keeps the sign inside its box, right-aligned, with no coordinate below 0.
    if (IsMetafileType(pDC->GetObjectType())) {
      align = TA_TOP | TA_RIGHT;
      origin = POINT{std::max<int>(m_rcInk.right, 0), std::max<int>(m_rcInk.top, 0)};
    }
    const UINT oldAlign = pDC->SetTextAlign(align);
    OutputOwnText(pDC, pMapper, origin);
    pDC->SetTextAlign(oldAlign);
    if (oldFont) pDC->SelectObject(oldFont);
  } catch (...) {
  }
}
