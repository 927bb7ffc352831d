#include "math/EditMathChar.h"

#include <memory>
#include <string>

#include "model/DefaultFonts.h"
#include "model/MathMLTokenElements.h"
#include "platform/AnsiCodePage.h"
#include "model/PropertyBlock.h"
#include "platform/Archive.h"
#include "platform/DC.h"
#include "platform/Font.h"

IMPLEMENT_SERIAL(CEditMathChar, CEditChar, 1)

namespace {

constexpr int kOperatorSpacing = 100;

}  // namespace

CEditMathChar::CEditMathChar() : CEditChar(NTYPE_EDITMATHCHAR) { ResetMathChar(); }

CEditMathChar::CEditMathChar(DWORD nType) : CEditChar(nType) { ResetMathChar(); }

CEditMathChar::CEditMathChar(char16_t ch) : CEditMathChar() {
  CQVXMLNode::SetText(ch);
  m_nHitSide = 2;
}

CEditMathChar::CEditMathChar(const CStringW& text) : CEditMathChar() {
  m_nHitSide = 2;
  // An empty text would reset the character to the text font.
  if (!text.IsEmpty()) SetText(text);
}

CEditMathChar::~CEditMathChar() = default;

void CEditMathChar::ResetMathChar() {
  Init();
  GetMathFont(&m_lf);
  m_bStretchy = 0;
  m_bNeedsMeasure = 1;
}

void CEditMathChar::Serialize(CArchive& ar) {
  SerializeInt(ar, m_bStretchy);
  CEditChar::Serialize(ar);
}

void CEditMathChar::ReadTokenAttributes(const CMathMLToken* pToken) {
  if (!pToken) return;
  CFontProperties::Copy(pToken->m_fontProps);
  CColorRelatedProperties::Copy(pToken->m_colorProps);
  CBorderPaddingBackgroundProperties::Copy(pToken->m_borderProps);
  CCharacterProperties::Copy(pToken->m_charProps);
  CKasenRenbanProperties::Copy(pToken->m_kasenProps);
  UpdateLogFontFromProps();
  if (auto* op = dynamic_cast<const CMathMLOperator*>(pToken); op && op->m_nType == XE_MO)
    m_bStretchy = op->m_nStretchy;
  m_bNeedsMeasure = 1;
}

void CEditMathChar::WriteTokenAttributes(CMathMLToken* pToken) {
  if (!pToken) return;
  UpdatePropsFromLogFont();
  pToken->m_fontProps.Copy(*this);
  pToken->m_colorProps.Copy(*this);
  pToken->m_borderProps.Copy(*this);
  pToken->m_charProps.Copy(*this);
  pToken->m_kasenProps.Copy(*this);
  if (auto* op = dynamic_cast<CMathMLOperator*>(pToken); op && op->m_nType == XE_MO) op->m_nStretchy = m_bStretchy;
}

BOOL CEditMathChar::HasSpacedOperator() const { return m_strText.str().find_first_of(u"=+-/:<>") != std::u16string::npos; }

void CEditMathChar::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!m_bNeedsMeasure || !pDC) return;
  EDIT_LAYOUT_PARAM param = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
  if (HasSpacedOperator()) param.nLetterSpacing += kOperatorSpacing;
  CEditChar::Measure(pDC, pMapper, &param);
  m_nOverhangLeft = 0;
  m_nOverhangRight = 0;
  try {
    MeasureOverhangs(pDC);
  } catch (...) {
  }
}

// The italic correction of a proportional Latin glyph, from its A and C widths.
void CEditMathChar::MeasureOverhangs(CDC* pDC) {
  if (!(m_lf.lfPitchAndFamily & VARIABLE_PITCH) || m_strText.IsEmpty() || m_strText[0] >= 0x80) return;
  CFont font;
  if (!font.CreateFontIndirect(&m_lf)) return;
  CFont* old = pDC->SelectObject(&font);
  const std::string ansi = WideToAnsi(m_strText.str());
  ABC abc{};
  const BOOL ok = !ansi.empty() && pDC->GetCharABCWidthsA(BYTE(ansi[0]), BYTE(ansi[0]), &abc);
  if (old) pDC->SelectObject(old);
  if (!ok) return;
  m_nOverhangLeft = abc.abcA < 0 ? -abc.abcA : 0;
  m_nOverhangRight = abc.abcC < 0 ? -abc.abcC : 0;
}

void CEditMathChar::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!pDC || m_strText.IsEmpty()) return;
  try {
    CFont* old = nullptr;
    std::unique_ptr<CFont> created(SelectDrawFont(pDC, pMapper, pParam, &old));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextAlign(TA_BASELINE | TA_LEFT);
    POINT pt = m_ptOrigin;
    // Centred in the cell that the operator spacing widened.
    if (HasSpacedOperator()) pt.x += kOperatorSpacing / 2;
    OutputOwnText(pDC, pMapper, pt);
    if (old) pDC->SelectObject(old);
  } catch (...) {
  }
}
