#include "math/EditSigmaLimits.h"

#include "math/IntegralGlyph.h"
#include "model/FontList.h"
#include "model/GdiCache.h"
#include "platform/AnsiCodePage.h"
#include "platform/Archive.h"

CEditSigmaLimits::CEditSigmaLimits(DWORD nType) : CEditMarkElement(nType), m_sign(u'\u03A3') {
  m_lfSign = m_lf;
  SetLogFontFace(&m_lfSign, WideToAnsi(u"ＭＳ Ｐ明朝").c_str());
}

CEditSigmaLimits::~CEditSigmaLimits() = default;

void CEditSigmaLimits::SerializeSign(CArchive& ar, std::initializer_list<int*> flags, int* pInner) {
  SerializeFlags(ar, flags);
  SerializeGlyphFont(ar, m_lfSign);
  SerializeFlags(ar, {&m_nShift});
  if (pInner) SerializeFlags(ar, {pInner});
  m_sign.Serialize(ar);
  CEditMathContainer::Serialize(ar);
}

// The sign's room is its extent less one average character, and its cell less the descent
// and the leadings.
void CEditSigmaLimits::MeasureSign(CDC* pDC, CCoordMapper* pMapper) {
  TakeGlyphFace(m_sign.m_lf, m_lfSign);
  m_sign.m_lf.lfHeight = ScaleFontHeight(m_lf.lfHeight, 2, 1);
  MeasureMember(m_sign, pDC, pMapper);
  const TEXTMETRICA& tm = m_sign.m_tm;
  const int trim = tm.tmDescent + tm.tmInternalLeading + tm.tmExternalLeading;
  m_sign.m_nHeight = tm.tmHeight - trim;
  m_sign.m_nAscent = tm.tmAscent - trim / 2;
  m_sign.m_nCenter = m_sign.m_nHeight / 2;
  m_sign.m_nWidth -= tm.tmAveCharWidth;
  m_nShift = (2 * (m_sign.m_nWidth / 2)) / 3;
}

void CEditSigmaLimits::PlaceSign(POINT at, int bVertical) { PlaceMember(m_sign, at, bVertical); }

void CEditSigmaLimits::DrawSign(CDC* pDC, CCoordMapper* pMapper) {
  const BOOL red = g_bUnicodeText && FindAncestorByMask(NT_ANNOTATION, TRUE);
  m_sign.DrawSign(pDC, pMapper, POINT{m_sign.m_rcInk.left - m_nShift, m_sign.m_rcInk.top}, m_sign.m_crColor, red,
                  FALSE);
}
