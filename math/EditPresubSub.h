#pragma once
// A base with a subscript before and one after it.

#include "math/EditScriptElement.h"

class CEditPresubSub : public CEditScriptElement {
  DECLARE_SERIAL(CEditPresubSub)

 public:
  CEditPresubSub();
  ~CEditPresubSub() override;

  const char* GetSlotSizes() const override { return "sfs"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
};
