#pragma once
// A LOGFONT resolved to an installed face at its size, measured without hinting.

#include "platform/FontFace.h"
#include "platform/FontMetrics.h"

class CRealizedFont : public CFontMetrics {
 public:
  // The shared realisation of a LOGFONT; the same 60 bytes always give the same object.
  static const CRealizedFont& Get(const LOGFONTA& lf);
  static void ReleaseAll();

  explicit CRealizedFont(const LOGFONTA& lf);

  const TEXTMETRICA& GetTextMetrics() const override { return m_tm; }
  int GetCharAdvance(char32_t c) const override;
  ABC GetCharABC(char32_t c) const override;

  const GLYPH_INFO& Glyph(char32_t c) const {
    return m_face->Glyph(m_bGaiji && c <= 0xFFFF ? MapGaiji(char16_t(c)) : c);
  }
  // Em size in logical units and the horizontal stretch of lfWidth.
  double Em() const { return m_em; }
  double Stretch() const { return m_stretch; }
  // An "@" face: upright characters take their vertical forms and advances.
  bool IsVertical() const { return m_bVertical; }
  const CFontFace& Face() const { return *m_face; }

 private:
  static char16_t MapGaiji(char16_t c);
  void FillTextMetrics(const LOGFONTA& lf);

  const CFontFace* m_face;
  bool m_bVertical;
  bool m_bGaiji;
  double m_em;
  double m_stretch = 1.0;
  TEXTMETRICA m_tm{};
};
