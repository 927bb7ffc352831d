#pragma once
// A base with a superscript and a subscript after it; a fence that starts the base grows
// to the height of both scripts.

#include "math/EditScriptElement.h"

class CEditSubsup : public CEditScriptElement {
  DECLARE_SERIAL(CEditSubsup)

 public:
  CEditSubsup();
  ~CEditSubsup() override;

  const char* GetSlotSizes() const override { return "fss"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;

 private:
  void GrowFencedBase(CDC* pDC, CCoordMapper* pMapper);
};
