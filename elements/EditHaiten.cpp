#include "elements/EditHaiten.h"

#include <cstring>
#include <string>

#include "elements/NumberFormat.h"
#include "elements/Units.h"
#include "model/CoordMapper.h"
#include "model/GdiCache.h"
#include "model/EditSentence.h"
#include "platform/AnsiCodePage.h"
#include "platform/DC.h"

IMPLEMENT_SERIAL(CEditHaiten, CEditChar, 1)

namespace {

constexpr COLORREF kScreenColor = 0xFF00FF;

CStringW FullWidth(int n) {
  CStringW text;
  FormatFullWidthNumber(n, text, 0);
  return text;
}

CStringW Horizontal(const char16_t* format, int a, int b = 0, int c = 0) {
  CStringW text;
  text.Format(format, a, b, c);
  return text;
}

}  // namespace

CEditHaiten::CEditHaiten() : CEditChar(NTYPE_EDITHAITEN) { Reset(); }

CEditHaiten::~CEditHaiten() = default;

void CEditHaiten::Reset() {
  Init();
  m_haiten.Reset();
  m_lf.lfHeight = -PointsToHimetric(10, 5);
  const std::string face = WideToAnsi(g_bVerticalWriting ? u"@ＭＳ Ｐゴシック" : u"ＭＳ Ｐゴシック");
  std::memset(m_lf.lfFaceName, 0, sizeof m_lf.lfFaceName);
  CopyAnsiBounded(m_lf.lfFaceName, sizeof m_lf.lfFaceName, face.c_str());
}

// A major question's own part has minor number 0; outside any question the total reads plainly.
BOOL CEditHaiten::IsInMajorQuestion() {
  auto* part = dynamic_cast<CEditSentence*>(FindAncestor(NTYPE_EDITSENTENCE, FALSE));
  return part && part->m_nMinor == 0;
}

CStringW CEditHaiten::BuildText(BOOL bVertical) {
  const int each = m_haiten.m_nEach, count = m_haiten.m_nCount, total = m_haiten.m_nTotal;
  CStringW body;
  switch (m_haiten.m_nForm) {
    case HAITEN_INFO::FormPlain:
      body = bVertical ? FullWidth(total) + u"点" : Horizontal(u"%d点", total);
      break;
    case HAITEN_INFO::FormEachCount:
      body = bVertical ? CStringW(u"各") + FullWidth(each) + u"点×" + FullWidth(count) + u"＝" + FullWidth(total) + u"点"
                       : Horizontal(u"各%d点×%d＝%d点", each, count, total);
      break;
    case HAITEN_INFO::FormEachSum:
      body = bVertical ? CStringW(u"各") + FullWidth(each) + u"点：計" + FullWidth(total) + u"点"
                       : Horizontal(u"各%d点：計%d点", each, total);
      break;
    case HAITEN_INFO::FormSum:
      if (IsInMajorQuestion())
        body = bVertical ? CStringW(u"計") + FullWidth(total) + u"点" : Horizontal(u"計%d点", total);
      else
        body = bVertical ? FullWidth(total) + u"点" : Horizontal(u"%d点", total);
      break;
    default:
      body = u" --- 点";
      break;
  }
  const BOOL bSquare = m_haiten.m_strFence.Compare(u"［") == 0;
  return CStringW(bSquare ? u"［" : u"（") + body + (bSquare ? u"］" : u"）");
}

void CEditHaiten::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  try {
    CQVXMLNode::SetText(BuildText(pMapper && pMapper->m_bVertical));
    m_bNeedsMeasure = 1;
    CEditChar::Measure(pDC, pMapper, pParam);
    if (m_bHidden) m_nWidth = 1;
  } catch (...) {
  }
}

// Magenta on screen, black on paper; always in its own font, never in one shared by the
// characters before it.
void CEditHaiten::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (m_bHidden || !pDC) return;
  m_crColor = pDC->IsPrinting() ? COLORREF(0) : kScreenColor;
  EDIT_LAYOUT_PARAM own = pParam ? *pParam : EDIT_LAYOUT_PARAM{};
  own.hFont = nullptr;
  CEditChar::Draw(pDC, pMapper, &own);
}
