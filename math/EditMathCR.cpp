#include "math/EditMathCR.h"

#include "model/PropertyBlock.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditMathCR, CEditMathChar, 1)

CEditMathCR::CEditMathCR() : CEditMathChar(NTYPE_EDITMATHCR) {}

CEditMathCR::~CEditMathCR() = default;

void CEditMathCR::Serialize(CArchive& ar) {
  auto* paragraph = static_cast<CBlockLineRelatedProperties*>(this);
  if (ar.IsStoring())
    WritePropertyBlock(ar, paragraph, sizeof(CBlockLineRelatedProperties));
  else
    ReadPropertyBlock(ar, paragraph, sizeof(CBlockLineRelatedProperties));
  CEditMathChar::Serialize(ar);
}
