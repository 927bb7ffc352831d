#pragma once
// An integral sign with an upper limit at its top and a lower limit at its foot.

#include "math/EditIntegralLimits.h"

class CEditIntegralSubsup : public CEditIntegralLimits {
  DECLARE_SERIAL(CEditIntegralSubsup)

 public:
  CEditIntegralSubsup();
  ~CEditIntegralSubsup() override;

  const char* GetSlotSizes() const override { return "ss"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
};
