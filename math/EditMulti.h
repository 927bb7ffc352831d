#pragma once
// Scripts on both sides of a base: pre-superscript, pre-subscript, base, superscript,
// subscript.

#include "math/EditScriptElement.h"

class CEditMulti : public CEditScriptElement {
  DECLARE_SERIAL(CEditMulti)

 public:
  CEditMulti();
  ~CEditMulti() override;

  const char* GetSlotSizes() const override { return "ssfss"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
};
