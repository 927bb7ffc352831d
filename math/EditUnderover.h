#pragma once
// Small texts or stretchy marks over and under a base; an arrow alone in the base stretches
// over both texts.

#include "math/EditMarkElement.h"

class CEditUnderover : public CEditMarkElement {
  DECLARE_SERIAL(CEditUnderover)

 public:
  CEditUnderover();
  ~CEditUnderover() override;

  void Serialize(CArchive& ar) override;
  const char* GetSlotSizes() const override { return "sfs"; }

  // Set by Measure when the slot holds a stretched mark.
  int m_bOverMark = 0;
  int m_bBaseMark = 0;
  int m_bUnderMark = 0;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  BOOL IsStretched(const CEditNode& child, int index) const override;
  BOOL IsThreePart() const override { return TRUE; }
};
