#pragma once
// A pre-subscript before its base.

#include "math/EditScriptElement.h"

class CEditPresub : public CEditScriptElement {
  DECLARE_SERIAL(CEditPresub)

 public:
  CEditPresub();
  ~CEditPresub() override;

  const char* GetSlotSizes() const override { return "sf"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
};
