#pragma once
// A summation sign with its limit centred under it.

#include "math/EditSigmaLimits.h"

class CEditSigmaUnder : public CEditSigmaLimits {
  DECLARE_SERIAL(CEditSigmaUnder)

 public:
  CEditSigmaUnder();
  ~CEditSigmaUnder() override;

  void Serialize(CArchive& ar) override;
  const char* GetSlotSizes() const override { return "s"; }

  // Set by Measure when the limit is a stretched mark.
  int m_bMark = 0;
  // The width the sign and the limit are centred in.
  int m_nInner = 0;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  BOOL IsStretched(const CEditNode& child, int index) const override;
  void DrawMembers(CDC* pDC, CCoordMapper* pMapper, BOOL bBeforeChildren) override;
};
