#include "math/SignGlyph.h"

#include "model/CoordMapper.h"
#include "platform/DC.h"
#include "platform/Font.h"

CSignGlyph::CSignGlyph(char16_t ch) : CEditMathChar(ch) {}

void CSignGlyph::DrawSign(CDC* pDC, CCoordMapper* pMapper, POINT topLeft, COLORREF color, BOOL bRed,
                          BOOL bScaled) {
  if (!pDC || m_strText.IsEmpty()) return;
  const BOOL bVertical = pMapper && pMapper->m_bVertical;
  LOGFONTA lf = m_lf;
  if (bScaled) {
    GetDrawLogFont(&lf, bVertical);
  } else if (bVertical) {
    lf.lfEscapement = lf.lfOrientation = 2700;
  }
  if (pMapper) pMapper->LPtoDPFontSize(&lf);
  CFont font;
  if (!font.CreateFontIndirect(&lf)) return;
  CFont* oldFont = pDC->SelectObject(&font);
  const UINT oldAlign = pDC->SetTextAlign(TA_TOP | TA_LEFT);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(bRed ? COLORREF(0x0000FF) : color);
  OutputText(pDC, pMapper, m_strText, topLeft);
  pDC->SetTextAlign(oldAlign);
  if (oldFont) pDC->SelectObject(oldFont);
}
