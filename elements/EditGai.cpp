#include "elements/EditGai.h"

#include <memory>

#include "model/EditCR.h"

IMPLEMENT_SERIAL(CEditGai, CEditSentence, 1)

CEditGai::CEditGai() { m_nType = NTYPE_EDITGAI; }

void CEditGai::AppendLineEnd() {
  try {
    auto lineEnd = std::make_unique<CEditCR>();
    if (AppendChild(lineEnd.get()) >= 0) lineEnd.release();
  } catch (...) {
  }
}
