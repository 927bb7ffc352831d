#pragma once
// A pre-superscript before its base.

#include "math/EditScriptElement.h"

class CEditPresuper : public CEditScriptElement {
  DECLARE_SERIAL(CEditPresuper)

 public:
  CEditPresuper();
  ~CEditPresuper() override;

  const char* GetSlotSizes() const override { return "sf"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
};
