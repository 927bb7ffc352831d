#pragma once
// One slot between an opening and a closing fence. The fences are characters the element
// holds itself, sized to the content's height; the known brackets are painted as strokes.

#include "math/EditMathChar.h"
#include "math/EditMathElement.h"
#include "math/MathNodeTypes.h"

class CEditFenced : public CEditMathElement {
  DECLARE_SERIAL(CEditFenced)

 public:
  CEditFenced();
  ~CEditFenced() override;

  void Serialize(CArchive& ar) override;
  const char* GetSlotSizes() const override { return "f"; }

  CEditMathChar m_open;
  CEditMathChar m_close;
  // Set by a script element around the fence just before it measures; the next Measure
  // grows the content's line by it, half above and half below, and clears it.
  int m_nExtraHeight = 0;

 protected:
  void MeasureShape(CDC* pDC, CCoordMapper* pMapper) override;
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override;
  void DrawStrokes(CDC* pDC, CCoordMapper* pMapper, BOOL bShown) override;

 private:
  void GrowContentLine(int extra);
  void MeasureFence(CEditMathChar& fence, CDC* pDC, CCoordMapper* pMapper, int height);
  void DrawFence(CEditMathChar& fence, int side, CDC* pDC, CCoordMapper* pMapper);
};
