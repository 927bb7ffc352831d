#pragma once
// The box of a kanji or of its marks (brackets, punctuation, kaeriten) inside a kanbun
// block. Successive glyphs overlap: each but the one before the line end advances by only a
// percentage of its width, so that pairs such as 一レ take less room than two characters.

#include "model/EditContainer.h"

struct EDIT_LINE_INFO;

class CEditKunten : public CEditContainer {
  DECLARE_SERIAL(CEditKunten)

 public:
  CEditKunten();

  void Serialize(CArchive& ar) override;
  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;

  // A new kanbun line end as the last child; nothing on failure.
  void AppendLineEnd();

  int m_nKind = 1;      // 2 for the kaeriten box, which the archive marks by it
  int m_nAdvance = 50;  // percentage of a glyph's width by which the next one moves on

 private:
  void BreakIntoLines(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int nWidth);
  void ComputeOwnSize(CEditBox& box, int nSpacing);
  void PlaceChildren(CEditBox& box, const EDIT_LAYOUT_PARAM& param, int bVertical);
  CEditNode* NodeBesideLine(const EDIT_LINE_INFO& line, int x, int* pAfter) const;
};
