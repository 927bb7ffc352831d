#include "elements/EditCyukai.h"

#include <cstdlib>
#include <memory>

#include "model/DefaultFonts.h"
#include "model/EditCR.h"
#include "model/GdiCache.h"

IMPLEMENT_SERIAL(CEditCyukai, CEditContainer, 1)

CEditCyukai::CEditCyukai() : CInTextAnswer(NTYPE_EDITCYUKAI) {}

void CEditCyukai::AppendLineEnd() {
  try {
    auto lineEnd = std::make_unique<CEditCR>();
    if (AppendChild(lineEnd.get()) < 0) return;
    lineEnd.release();
    LOGFONTA lf;
    GetDefaultFont(&lf, g_bVerticalWriting);
    lf.lfHeight = -std::abs(GetDefaultHeight());
    SetLogFont(lf, nullptr);
  } catch (...) {
  }
}
