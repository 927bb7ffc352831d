#pragma once
// An integral sign with a lower limit at its foot.

#include "math/EditIntegralLimits.h"

class CEditIntegralSub : public CEditIntegralLimits {
  DECLARE_SERIAL(CEditIntegralSub)

 public:
  CEditIntegralSub();
  ~CEditIntegralSub() override;

  const char* GetSlotSizes() const override { return "s"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
};
