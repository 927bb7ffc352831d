#pragma once
// Kanbun blocks for tests: a kanji of a given em height (fake metrics: wide glyphs one em
// wide, ascent 0.8 em, descent 0.2 em) with its marks sized from it, laid out in a recording
// context.

#include <memory>

#include "elements/EditKan.h"
#include "elements/EditKanCR.h"
#include "elements/EditKunten.h"
#include "elements/EditOkurigana.h"
#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "tests/support/RecordingBackend.h"

inline LOGFONTA KanjiFont(int height) {
  LOGFONTA lf;
  GetDefaultFont(&lf, TRUE);
  lf.lfHeight = -height;
  return lf;
}

inline std::unique_ptr<CEditKan> MakeBlock(const char16_t* kanji, int height = 1000) {
  auto block = std::make_unique<CEditKan>();
  const LOGFONTA lf = KanjiFont(height);
  block->CreatePartsFromText(CStringW(kanji), FALSE, &lf);
  block->UpdatePartFonts(nullptr);
  return block;
}

// A box of the kanbun characters of the text, each of the height, and its line end.
template <class Box>
void FillBox(Box& box, const char16_t* text, int height) {
  for (const char16_t* c = text; *c; ++c) {
    auto* ch = new CEditKanChar(*c);
    ch->m_lf.lfHeight = -height;
    box.AppendChild(ch);
  }
  auto* lineEnd = new CEditKanCR;
  lineEnd->m_lf.lfHeight = -height;
  box.AppendChild(lineEnd);
}

class CKanbunLayout {
 protected:
  void Measure(CEditNode& node, int width = 10000) {
    EDIT_LAYOUT_PARAM p{};
    p.nWidth = p.nWidth2 = width;
    p.nHeight = 20000;
    node.Measure(&dc, &mapper, &p);
  }
  void Arrange(CEditNode& node, int x, int y, int lineAscent = 0) {
    EDIT_LAYOUT_PARAM p{};
    p.nX = x;
    p.nY = y;
    p.nLineAscent = lineAscent;
    node.Arrange(&p, 0);
  }

  CRecordingDC dc;
  CCoordMapper mapper;
};
