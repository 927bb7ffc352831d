#pragma once
// A small text or a stretchy mark over a base.

#include "math/EditMarkElement.h"

class CEditOver : public CEditMarkElement {
  DECLARE_SERIAL(CEditOver)

 public:
  CEditOver();
  ~CEditOver() override;

  void Serialize(CArchive& ar) override;
  const char* GetSlotSizes() const override { return "sf"; }

  // Set by Measure when the over slot holds a stretched mark.
  int m_bMark = 0;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  BOOL IsStretched(const CEditNode& child, int index) const override;
};
