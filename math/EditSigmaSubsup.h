#pragma once
// A summation sign with its limits as a superscript and a subscript to its right.

#include "math/EditSigmaLimits.h"

class CEditSigmaSubsup : public CEditSigmaLimits {
  DECLARE_SERIAL(CEditSigmaSubsup)

 public:
  CEditSigmaSubsup();
  ~CEditSigmaSubsup() override;

  void Serialize(CArchive& ar) override;
  // The container painting, the sign, then the empty-slot marks.
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  const char* GetSlotSizes() const override { return "ss"; }

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  void DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) override;
};
