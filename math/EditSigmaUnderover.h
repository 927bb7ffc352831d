#pragma once
// A summation sign with its limits centred over and under it.

#include "math/EditSigmaLimits.h"

class CEditSigmaUnderover : public CEditSigmaLimits {
  DECLARE_SERIAL(CEditSigmaUnderover)

 public:
  CEditSigmaUnderover();
  ~CEditSigmaUnderover() override;

  void Serialize(CArchive& ar) override;
  const char* GetSlotSizes() const override { return "ss"; }

  // Set by Measure when the limit is a stretched mark.
  int m_bUpperMark = 0;
  int m_bLowerMark = 0;
  // The width the sign and the limits are centred in.
  int m_nInner = 0;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  BOOL IsStretched(const CEditNode& child, int index) const override;
  void DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) override;
  BOOL IsThreePart() const override { return TRUE; }
};
