#pragma once
// The root with an index: a script-size index at the top left of a radical sign.

#include "math/EditRadical.h"

class CEditRoot : public CEditRadical {
  DECLARE_SERIAL(CEditRoot)

 public:
  CEditRoot();
  ~CEditRoot() override;

  const char* GetSlotSizes() const override { return "sf"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;

 private:
  // How far an index wider than a third of the radicand's line pushes the sign right.
  int IndexOverhang() const;
};
