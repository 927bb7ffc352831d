#include "model/MathMLTokenElements.h"

#include "elements/Units.h"

namespace {

void UseFormulaFont(CFontProperties& font) {
  font.SetFontFamily("Times New Roman");
  font.m_nFontSize = PointsToHimetric(10, 5);
}

}  // namespace

CMathMLMath::CMathMLMath() : CMathMLNode(XE_MATH) { UseFormulaFont(m_fontProps); }

CMathMLToken::CMathMLToken(DWORD nCode) : CMathMLNode(nCode) { UseFormulaFont(m_fontProps); }
