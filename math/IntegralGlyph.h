#pragma once
// The integral sign that an integral holds beside its children: the gaiji character U+FF66,
// drawn at twice the height of its owner with the leading trimmed off.

#include "math/SignGlyph.h"

class CIntegralGlyph : public CSignGlyph {
 public:
  CIntegralGlyph();

  // The glyph font: the owner's font in the gaiji face.
  void PrepareFont(const LOGFONTA& lfOwner);
  // The glyph font as a 60-byte block, then the character record.
  void SerializeGlyph(CArchive& ar);
  // Measures the sign at twice the owner's lfHeight; height, ascent and half height lose the
  // font's leading.
  void MeasureSign(CDC* pDC, CCoordMapper* pMapper, LONG lfOwnerHeight);

  LOGFONTA m_lfGlyph{};
};

// The face every big-operator glyph font takes its face, character set and pitch from.
void TakeGlyphFace(LOGFONTA& lf, const LOGFONTA& glyph);
// Writes the 60-byte LOGFONT block; reads a stored block at its length, keeping 60 bytes.
void SerializeGlyphFont(CArchive& ar, LOGFONTA& lf);
