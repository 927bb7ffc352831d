#pragma once
// A small text or a stretchy mark under a base.

#include "math/EditMarkElement.h"

class CEditUnder : public CEditMarkElement {
  DECLARE_SERIAL(CEditUnder)

 public:
  CEditUnder();
  ~CEditUnder() override;

  void Serialize(CArchive& ar) override;
  const char* GetSlotSizes() const override { return "fs"; }

  // Set by Measure when the under slot holds a stretched mark.
  int m_bMark = 0;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  BOOL IsStretched(const CEditNode& child, int index) const override;
};
