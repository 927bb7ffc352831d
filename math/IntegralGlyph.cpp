#include "math/IntegralGlyph.h"

#include <cstring>
#include <memory>

#include "math/EditMathContainer.h"
#include "model/CoordMapper.h"
#include "model/FontList.h"
#include "model/PropertyBlock.h"
#include "platform/Archive.h"
#include "platform/DC.h"
#include "platform/Font.h"

namespace {

constexpr char16_t kGaijiIntegral = 0xFF66;

}  // namespace

void TakeGlyphFace(LOGFONTA& lf, const LOGFONTA& glyph) {
  lf.lfCharSet = glyph.lfCharSet;
  lf.lfOutPrecision = glyph.lfOutPrecision;
  lf.lfClipPrecision = glyph.lfClipPrecision;
  lf.lfQuality = glyph.lfQuality;
  lf.lfPitchAndFamily = glyph.lfPitchAndFamily;
  std::memcpy(lf.lfFaceName, glyph.lfFaceName, LF_FACESIZE);
  lf.lfItalic = 0;
}

void SerializeGlyphFont(CArchive& ar, LOGFONTA& lf) {
  static_assert(sizeof(LOGFONTA) == 60);
  if (ar.IsStoring()) {
    WritePropertyBlock(ar, &lf, sizeof(lf));
    return;
  }
  ReadPropertyBlock(ar, &lf, sizeof(lf));
  TerminateFaceName(lf.lfFaceName, LF_FACESIZE);
}

CIntegralGlyph::CIntegralGlyph() : CSignGlyph(kGaijiIntegral) {}

void CIntegralGlyph::PrepareFont(const LOGFONTA& lfOwner) {
  m_lfGlyph = lfOwner;
  SetLogFontFace(&m_lfGlyph, "Halvern Gaiji");
}

void CIntegralGlyph::SerializeGlyph(CArchive& ar) {
  SerializeGlyphFont(ar, m_lfGlyph);
  CEditMathChar::Serialize(ar);
}

void CIntegralGlyph::MeasureSign(CDC* pDC, CCoordMapper* pMapper, LONG lfOwnerHeight) {
  TakeGlyphFace(m_lf, m_lfGlyph);
  CQVXMLNode::SetText(kGaijiIntegral);
  m_lf.lfHeight = ScaleFontHeight(lfOwnerHeight, 2, 1);
  m_bNeedsMeasure = 1;
  CEditMathChar::Measure(pDC, pMapper, nullptr);
  const int leading = m_tm.tmInternalLeading + m_tm.tmExternalLeading;
  m_nHeight = m_tm.tmHeight - leading;
  m_nAscent = m_tm.tmAscent - leading / 2;
  m_nCenter = (m_tm.tmHeight - leading) / 2;
}

