#pragma once
// The square root: a radical sign over one slot.

#include "math/EditRadical.h"

class CEditSqrt : public CEditRadical {
  DECLARE_SERIAL(CEditSqrt)

 public:
  CEditSqrt();
  ~CEditSqrt() override;

  const char* GetSlotSizes() const override { return "f"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  BOOL HidesWithAnswers() const override { return TRUE; }
};
