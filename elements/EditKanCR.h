#pragma once
// The line end that closes every part box of a kanbun block. It carries a paragraph group
// like the plain line end, but draws as an (empty) kanbun character, never with the mark.

#include "elements/EditKanChar.h"
#include "model/BlockLineRelatedProperties.h"

class CEditKanCR : public CEditKanChar, public CBlockLineRelatedProperties {
  DECLARE_SERIAL(CEditKanCR)

 public:
  CEditKanCR();

  void Serialize(CArchive& ar) override;
  const CBlockLineRelatedProperties* GetLineProperties() const override { return this; }
};
