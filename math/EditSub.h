#pragma once
// A base with a subscript after it, standing on its line by its middle.

#include "math/EditScriptElement.h"

class CEditSub : public CEditScriptElement {
  DECLARE_SERIAL(CEditSub)

 public:
  CEditSub();
  ~CEditSub() override;

  const char* GetSlotSizes() const override { return "fs"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
};
