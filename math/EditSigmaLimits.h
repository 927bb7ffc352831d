#pragma once
// What the summations with limits share: the Σ they hold beside their slots, measured at
// twice the element's height with its descent and leading trimmed off, its archive block,
// its placing and its drawing, shifted left of its box.

#include <initializer_list>

#include "math/EditMarkElement.h"
#include "math/SignGlyph.h"

class CEditSigmaLimits : public CEditMarkElement {
 public:
  ~CEditSigmaLimits() override;

  LOGFONTA m_lfSign{};
  CSignGlyph m_sign;
  // How far left of its box the sign's glyph is drawn.
  int m_nShift = 0;

 protected:
  explicit CEditSigmaLimits(DWORD nType);

  // The leading flags, the sign font block, the shift, the inner width when given, the sign's
  // record and the container's.
  void SerializeSign(CArchive& ar, std::initializer_list<int*> flags, int* pInner);
  // Measures the sign at twice the element's height; called first by MeasureShape.
  void MeasureSign(CDC* pDC, CCoordMapper* pMapper);
  void PlaceSign(POINT at, int bVertical);
  // Red inside an in-text answer.
  void DrawSign(CDC* pDC, CCoordMapper* pMapper);
};
