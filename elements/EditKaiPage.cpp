#include "elements/EditKaiPage.h"

#include <memory>

#include "elements/Units.h"
#include "model/EditCR.h"
#include "platform/DC.h"

IMPLEMENT_SERIAL(CEditKaiPage, CEditSentence, 1)

namespace {

constexpr COLORREF kMarkColor = RGB(0x80, 0x80, 0x80);

std::unique_ptr<CEditCR> CreateMark() {
  auto mark = std::make_unique<CEditCR>();
  mark->m_strText = CStringW(u"----- 改ページ -----");
  mark->SetTextColor(kMarkColor, nullptr);
  LOGFONTA lf = mark->m_lf;
  lf.lfHeight = -PointsToHimetric(8, 0);
  mark->SetLogFont(lf, nullptr);
  return mark;
}

}  // namespace

CEditKaiPage::CEditKaiPage() { m_nType = NTYPE_EDITKAIPAGE; }

void CEditKaiPage::Init() {
  try {
    std::unique_ptr<CEditCR> mark = CreateMark();
    if (AppendChild(mark.get()) >= 0) mark.release();
  } catch (...) {
  }
}

void CEditKaiPage::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) {
  if (pDC && pDC->IsPrinting()) return;
  CEditSentence::Draw(pDC, pMapper, pParam);
}
