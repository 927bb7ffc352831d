#include <memory>
#include <string>

#include "model/CoordMapper.h"
#include "model/EditChar.h"
#include "model/GdiCache.h"
#include "platform/AnsiCodePage.h"
#include "platform/DC.h"

BOOL IsMetafileType(DWORD type) { return type == 4 || type == 9 || type == 12 || type == 13; }

namespace {

// A metafile context answers no metrics: measure on a memory context of the same mapping.
std::unique_ptr<CDC> MakeMeasuringStandIn(const CDC& model) {
  auto dc = std::make_unique<CDC>();
  if (!dc->CreateCompatibleDC(nullptr)) return nullptr;
  dc->SetMapMode(model.GetMapMode());
  dc->SetWindowExt(model.GetWindowExt().cx, model.GetWindowExt().cy);
  dc->SetViewportExt(model.GetViewportExt().cx, model.GetViewportExt().cy);
  return dc;
}

}  // namespace

void CEditChar::Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!m_bNeedsMeasure || !pDC) return;
  m_nWidth = 0;
  m_nHeight = 0;
  try {
    CFont* shared = pParam ? pParam->hFont : nullptr;
    std::unique_ptr<CFont> created(shared ? nullptr : CreateMeasureFont());
    CFont* font = shared ? shared : created.get();
    if (!font) return;
    std::unique_ptr<CDC> standIn;
    CDC* dc = pDC;
    if (IsMetafileType(pDC->GetObjectType())) {
      standIn = MakeMeasuringStandIn(*pDC);
      if (!standIn) return;
      dc = standIn.get();
    }
    MeasureText(dc, font, pParam);
    if (m_kasen.nNumberStyle != 0) {
      m_nHeight += m_kasen.nNumberSize;
      if (pMapper && pMapper->m_bVertical) {
        m_nAscent += m_kasen.nNumberSize;
        m_nCenter += m_kasen.nNumberSize;
      }
    }
    m_bNeedsMeasure = 0;
  } catch (...) {
  }
}

void CEditChar::MeasureText(CDC* pDC, CFont* pFont, const EDIT_LAYOUT_PARAM* pParam) {
  CFont* old = pDC->SelectObject(pFont);
  pDC->GetTextMetrics(&m_tm);
  m_nAscent = m_tm.tmAscent;
  m_nCenter = m_tm.tmHeight / 2;
  SIZE size{1, m_tm.tmHeight};
  if (!m_strText.IsEmpty()) {
    if (g_bUnicodeText) {
      pDC->GetTextExtentPoint32W(m_strText.GetString(), m_strText.GetLength(), &size);
    } else {
      const std::string ansi = WideToAnsi(m_strText.str());
      pDC->GetTextExtentPoint32A(ansi.data(), int(ansi.size()), &size);
    }
    if (pParam && pParam->nLetterSpacing > 0) size.cx += pParam->nLetterSpacing;
  }
  m_nWidth = size.cx;
  m_nHeight = size.cy;
  if (old) pDC->SelectObject(old);
}

CFont* CEditChar::SelectDrawFont(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam,
                                 CFont** ppOld) const {
  *ppOld = nullptr;
  if (pParam && pParam->hFont) return nullptr;
  CFont* font = CreateDrawFont(pMapper);
  if (font) *ppOld = pDC->SelectObject(font);
  return font;
}

BOOL CEditChar::IsInsideAnnotation() const {
  for (const CQVXMLNode* node = this; node; node = node->m_pParent)
    if (node->m_nType & NT_ANNOTATION) return TRUE;
  return FALSE;
}

void CEditChar::OutputText(CDC* pDC, CCoordMapper* pMapper, const CStringW& text, POINT pt) const {
  if (pMapper) pMapper->LPtoDP(&pt);
  if (g_bUnicodeText) {
    pDC->TextOutW(pt.x, pt.y, text.GetString(), text.GetLength());
  } else {
    const std::string ansi = WideToAnsi(text.str());
    pDC->ExtTextOutA(pt.x, pt.y, ETO_OPAQUE, nullptr, ansi.data(), int(ansi.size()));
  }
}

void CEditChar::OutputOwnText(CDC* pDC, CCoordMapper* pMapper, POINT pt) const {
  const BOOL red = g_bUnicodeText && IsInsideAnnotation();
  pDC->SetTextColor(red ? COLORREF(0x0000FF) : m_crColor);
  OutputText(pDC, pMapper, m_strText, pt);
}

void CEditChar::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (!pDC) return;
  try {
    CFont* old = nullptr;
    std::unique_ptr<CFont> created(SelectDrawFont(pDC, pMapper, pParam, &old));
    if (!m_strText.IsEmpty()) OutputOwnText(pDC, pMapper, m_ptOrigin);
    if (old) pDC->SelectObject(old);
  } catch (...) {
  }
}
