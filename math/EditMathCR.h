#pragma once
// The slot end: an empty math character that closes every slot of a formula and carries a
// paragraph block.

#include "math/EditMathChar.h"
#include "model/BlockLineRelatedProperties.h"

class CEditMathCR : public CEditMathChar, public CBlockLineRelatedProperties {
  DECLARE_SERIAL(CEditMathCR)

 public:
  CEditMathCR();
  ~CEditMathCR() override;

  void Serialize(CArchive& ar) override;
  const CBlockLineRelatedProperties* GetLineProperties() const override { return this; }
};
