#pragma once
// A pre-superscript and a pre-subscript, right-aligned in one column before the base.

#include "math/EditScriptElement.h"

class CEditPresubPresup : public CEditScriptElement {
  DECLARE_SERIAL(CEditPresubPresup)

 public:
  CEditPresubPresup();
  ~CEditPresubPresup() override;

  const char* GetSlotSizes() const override { return "ssf"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
};
