#include "model/EditChar.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "model/FoFlowElements.h"
#include "model/GdiCache.h"
#include "model/PropertyBlock.h"
#include "model/SaturatedInt.h"
#include "model/XmlElementTable.h"
#include "platform/AnsiCodePage.h"
#include "platform/Archive.h"
#include "platform/FontMetrics.h"
#include "platform/Font.h"

IMPLEMENT_SERIAL(CEditChar, CEditNode, 1)

CEditChar::CEditChar() : CEditNode(NTYPE_EDITCHAR) { Init(); }

CEditChar::CEditChar(DWORD nType) : CEditNode(nType) { Init(); }

CEditChar::CEditChar(char16_t ch) : CEditNode(NTYPE_EDITCHAR) {
  Init();
  CQVXMLNode::SetText(ch);
  m_nHitSide = 2;
}

CEditChar::CEditChar(const CStringW& text) : CEditNode(NTYPE_EDITCHAR) {
  Init();
  SetText(text);
}

CEditChar::~CEditChar() = default;

void CEditChar::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << LONG(m_nHitSide);
    WritePropertyBlock(ar, &m_lf, sizeof(m_lf));
    WritePropertyBlock(ar, static_cast<CFontProperties*>(this), sizeof(CFontProperties));
    WritePropertyBlock(ar, static_cast<CColorRelatedProperties*>(this), sizeof(CColorRelatedProperties));
    WritePropertyBlock(ar, static_cast<CBorderPaddingBackgroundProperties*>(this),
                       sizeof(CBorderPaddingBackgroundProperties));
  } else {
    LONG hitSide = 0;
    ar >> hitSide;
    m_nHitSide = hitSide;
    ReadPropertyBlock(ar, &m_lf, sizeof(m_lf));
    ReadPropertyBlock(ar, static_cast<CFontProperties*>(this), sizeof(CFontProperties));
    ReadPropertyBlock(ar, static_cast<CColorRelatedProperties*>(this), sizeof(CColorRelatedProperties));
    ReadPropertyBlock(ar, static_cast<CBorderPaddingBackgroundProperties*>(this),
                      sizeof(CBorderPaddingBackgroundProperties));
  }
  CEditNode::Serialize(ar);
}

void CEditChar::Init() {
  m_strText.Empty();
  CFontProperties::Init();
  CColorRelatedProperties::Init();
  CBorderPaddingBackgroundProperties::Init();
  CAreaAlignmentProperties::Init();
  CKasenRenbanProperties::Init();
  m_rcHit = RECT{0, 0, 0, 0};
  m_nHitSide = 0;
  GetDefaultFont(&m_lf, g_bVerticalWriting);
  m_bNeedsMeasure = 1;
}

void CEditChar::SetText(const CStringW& text) {
  if (text.IsEmpty()) {
    Init();
    return;
  }
  m_nHitSide = 2;
  CQVXMLNode::SetText(text);
  m_bNeedsMeasure = 1;
}

void CEditChar::SetText(const char16_t* psz) {
  CQVXMLNode::SetText(psz);
  m_bNeedsMeasure = 1;
}

void CEditChar::SetChar(char16_t ch) {
  CQVXMLNode::SetText(ch);
  m_bNeedsMeasure = 1;
}

void CEditChar::Copy(const CEditChar& other) {
  m_strText = other.m_strText;
  m_nHitSide = other.m_nHitSide;
  CopyProperties(other);
}

void CEditChar::CopyProperties(const CEditNode& other) {
  m_lf = other.m_lf;
  CFontProperties::Copy(other);
  CColorRelatedProperties::Copy(other);
  CBorderPaddingBackgroundProperties::Copy(other);
  CAreaAlignmentProperties::Copy(other);
  CCharacterProperties::Copy(other);
  CKasenRenbanProperties::Copy(other);
  m_bNeedsMeasure = 1;
}

void CEditChar::CopyPropsFromFo(const CFoNode* pFo) {
  if (auto* block = dynamic_cast<const CFoBlock*>(pFo); block && block->m_nType == XE_FO_BLOCK) {
    CFontProperties::Copy(block->m_fontProps);
    CColorRelatedProperties::Copy(block->m_colorProps);
    CBorderPaddingBackgroundProperties::Copy(block->m_borderProps);
    CCharacterProperties::Copy(block->m_charProps);
  } else if (auto* run = dynamic_cast<const CFoInline*>(pFo); run && run->m_nType == XE_FO_INLINE) {
    CFontProperties::Copy(run->m_fontProps);
    CColorRelatedProperties::Copy(run->m_colorProps);
    CBorderPaddingBackgroundProperties::Copy(run->m_borderProps);
    CCharacterProperties::Copy(run->m_charProps);
    CAreaAlignmentProperties::Copy(run->m_alignmentProps);
    CKasenRenbanProperties::Copy(run->m_kasenProps);
  } else {
    return;
  }
  UpdateLogFontFromProps();
  m_bNeedsMeasure = 1;
}

void CEditChar::CopyPropsToFo(CFoNode* pFo) {
  auto* run = dynamic_cast<CFoInline*>(pFo);
  if (!run) return;
  UpdatePropsFromLogFont();
  run->m_fontProps.Copy(*this);
  run->m_colorProps.Copy(*this);
  run->m_borderProps.Copy(*this);
  run->m_alignmentProps.Copy(*this);
  run->m_charProps.Copy(*this);
  run->m_kasenProps.Copy(*this);
}

namespace {

BOOL SameFontShape(const CEditNode& a, const CEditNode& b) {
  return a.m_lf.lfHeight == b.m_lf.lfHeight && a.m_lf.lfWidth == b.m_lf.lfWidth &&
         a.m_lf.lfWeight == b.m_lf.lfWeight && a.m_lf.lfItalic == b.m_lf.lfItalic &&
         std::strncmp(a.m_lf.lfFaceName, b.m_lf.lfFaceName, LF_FACESIZE) == 0;
}

BOOL SameLines(const CEditNode& a, const CEditNode& b) {
  return a.m_nUnderlineWidth == b.m_nUnderlineWidth && a.m_nUnderlineStyle == b.m_nUnderlineStyle &&
         a.m_nLineThroughWidth == b.m_nLineThroughWidth && a.m_nLineThroughStyle == b.m_nLineThroughStyle;
}

}  // namespace

BOOL CEditChar::IsSameFormat(const CEditNode& other) const {
  return SameFontShape(*this, other) && SameLines(*this, other) && m_crColor == other.m_crColor &&
         m_crBackground == other.m_crBackground && m_nBackgroundPattern == other.m_nBackgroundPattern &&
         m_nFontStretch == other.m_nFontStretch && m_nBorderStyle == other.m_nBorderStyle &&
         m_nBorderWidth == other.m_nBorderWidth && m_nBaselineShift == other.m_nBaselineShift &&
         m_kasen.nNumberStyle == other.m_kasen.nNumberStyle;
}

BOOL CEditChar::IsSameFont(const CEditNode& other) const {
  return SameFontShape(*this, other) && SameLines(*this, other) && m_nFontStretch == other.m_nFontStretch &&
         m_nBaselineShift == other.m_nBaselineShift && m_crColor == other.m_crColor;
}

void CEditChar::GetMeasureLogFont(LOGFONTA* out) const {
  *out = m_lf;
  out->lfEscapement = 0;
  out->lfOrientation = 0;
  if (m_nFontStretch == StretchExpanded)
    out->lfWidth = std::abs(ClampFontExtent(out->lfHeight));
  else if (m_nFontStretch == StretchCondensed)
    out->lfWidth = std::abs(ClampFontExtent(out->lfHeight) / 4);
  else
    out->lfWidth = 0;
  if (m_nBaselineShift == ShiftSub || m_nBaselineShift == ShiftSuper) {
    out->lfHeight = ClampFontExtent(out->lfHeight) * 60 / 105;
    out->lfWidth = ClampFontExtent(out->lfWidth) * 60 / 105;
  }
}

CFont* CEditChar::CreateMeasureFont() const {
  LOGFONTA lf;
  GetMeasureLogFont(&lf);
  auto* font = new CFont;
  if (!font->CreateFontIndirect(&lf)) {
    delete font;
    return nullptr;
  }
  return font;
}

// Kanbun characters keep their vertical "@" face in either direction; in horizontal writing a
// vertical face draws in its horizontal form, upright, instead of lying on its side.
void CEditChar::GetDrawLogFont(LOGFONTA* out, BOOL bVertical) const {
  GetMeasureLogFont(out);
  if (bVertical) {
    out->lfEscapement = 2700;
    out->lfOrientation = 2700;
  } else if (out->lfFaceName[0] == '@') {
    std::memmove(out->lfFaceName, out->lfFaceName + 1, LF_FACESIZE - 1);
    out->lfFaceName[LF_FACESIZE - 1] = 0;
  }
}

CFont* CEditChar::CreateDrawFont(const CCoordMapper* pMapper) const {
  LOGFONTA lf;
  GetDrawLogFont(&lf, pMapper && pMapper->m_bVertical);
  if (pMapper) pMapper->LPtoDPFontSize(&lf);
  auto* font = new CFont;
  if (!font->CreateFontIndirect(&lf)) {
    delete font;
    return nullptr;
  }
  return font;
}

CEditNode* CEditChar::NodeFromPoint(int x, int y, int* pAfter) {
  CEditNode* hit = CEditNode::NodeFromPoint(x, y, pAfter);
  if (hit && pAfter && m_nHitSide == 0) *pAfter = 0;
  return hit;
}

void CEditChar::Arrange(EDIT_LAYOUT_PARAM* pParam, int) {
  if (!pParam) return;
  const int x = pParam->nX;
  int y = pParam->nY + pParam->nLineAscent;
  if (m_nBaselineShift == ShiftSuper)
    y -= m_tm.tmAscent;
  else if (m_nBaselineShift == ShiftSub)
    y += m_tm.tmDescent;
  m_ptOrigin = POINT{x, y};
  const int top = y - m_tm.tmAscent;
  m_rcInk = RECT{x, top, Saturated(0LL + x + m_nWidth), Saturated(0LL + top + m_nHeight)};
}
