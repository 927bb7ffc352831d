#include <QPaintEvent>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "elements/EditTable.h"
#include "model/EditCR.h"
#include "tests/app/ViewFixture.h"

// After an edit the view draws again only what the edit changed; the screen must then be
// the one a drawing of the whole sheet gives.
namespace {

struct EDIT_CASE {
  const char* name;
  std::function<void(CVorelView&)> edit;
  int nTimes;
};

class VorelViewPartialPaintTest : public ViewFixture {
 protected:
  void PlaceCaret(CEditNode* node) {
    m_view.SetCaretNode(node);
    m_view.UpdateCaret(TRUE);
    m_view.Invalidate();
    Grab();
  }
  // The caret in the middle of the line that begins at child index nLineStart of the part.
  void PlaceCaretInLine(CEditNode* part, int nLineStart) { PlaceCaret(part->GetEditChildAt(nLineStart + 12)); }

  CEditTable* AppendTable(CEditNode* part) {
    auto* table = new CEditTable;
    table->CreateCells(2, 2);
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 2; ++c) table->GetCell(r, c)->AppendChild(new CEditCR);
    part->InsertChild(part->GetChildCount() - 1, table);
    m_view.OnUpdate(nullptr, 0, nullptr);
    return table;
  }

  // Pixels that differ between the screen as the edit left it and a drawing of everything.
  int DifferingPixels() {
    const QImage partial = Grab();
    m_view.Invalidate();
    const QImage full = Grab();
    if (partial.size() != full.size()) return -1;
    int count = 0;
    for (int y = 0; y < full.height(); ++y)
      for (int x = 0; x < full.width(); ++x) count += partial.pixel(x, y) != full.pixel(x, y);
    return count;
  }

  void RunCases(bool bVertical, bool bScrolled) {
    const std::vector<EDIT_CASE> cases = {
        {"a character in a line", [](CVorelView& v) { v.TypeText(CStringW(u"字")); }, 1},
        {"characters until the line wraps", [](CVorelView& v) { v.TypeText(CStringW(u"あ")); }, 24},
        {"half-width letters", [](CVorelView& v) { v.TypeText(CStringW(u"W")); }, 3},
        {"a line end", [](CVorelView& v) { v.DoNewLine(); }, 2},
        {"backspace", [](CVorelView& v) { v.DoBackspace(); }, 3},
        {"delete forward", [](CVorelView& v) { v.DoDeleteForward(); }, 3},
    };
    for (const EDIT_CASE& c : cases) {
      MakeSheet(bVertical, 12);
      if (bScrolled) {
        m_view.OnVScroll(SB_LINEDOWN);
        m_view.OnVScroll(SB_LINEDOWN);
      }
      PlaceCaretInLine(FirstPart(), 31 * 2);
      for (int i = 0; i < c.nTimes; ++i) {
        c.edit(m_view);
        EXPECT_EQ(DifferingPixels(), 0) << c.name << " #" << i << (bVertical ? " vertical" : " horizontal")
                                        << (bScrolled ? " scrolled" : "");
      }
    }
  }
};

}  // namespace

TEST_F(VorelViewPartialPaintTest, EditsInTextPaintTheSameAsAWholeDrawing) {
  for (bool bVertical : {false, true})
    for (bool bScrolled : {false, true}) RunCases(bVertical, bScrolled);
}

// The frame around the caret's box follows the box as it grows, and goes when the caret
// leaves it by a line end typed after the table.
TEST_F(VorelViewPartialPaintTest, TypingInATableCellPaintsTheSameAsAWholeDrawing) {
  for (bool bVertical : {false, true}) {
    MakeSheet(bVertical, 3);
    CEditTable* table = AppendTable(FirstPart());
    PlaceCaret(table->GetCell(0, 1)->GetEditChildAt(0));
    for (int i = 0; i < 30; ++i) {
      m_view.TypeText(CStringW(u"表"));
      EXPECT_EQ(DifferingPixels(), 0) << "character " << i << (bVertical ? " vertical" : " horizontal");
    }
    m_view.DoBackspace();
    EXPECT_EQ(DifferingPixels(), 0);
  }
}

// Typing over a selection takes away a highlight that may stand anywhere on the screen.
TEST_F(VorelViewPartialPaintTest, TypingOverASelectionPaintsTheSameAsAWholeDrawing) {
  MakeSheet(false, 6);
  PlaceCaretInLine(FirstPart(), 31 * 3);
  for (int i = 0; i < 40; ++i) Key(Qt::Key_Left, Qt::ShiftModifier);
  Grab();
  TypeKeys(QStringLiteral("x"));
  EXPECT_EQ(DifferingPixels(), 0);
}

// One character asks for less than the screen to be painted.
TEST_F(VorelViewPartialPaintTest, ATypedCharacterRepaintsLessThanTheScreen) {
  MakeSheet(false, 12);
  PlaceCaretInLine(FirstPart(), 31 * 2);
  QApplication::processEvents();
  struct PaintRects : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) painted |= static_cast<QPaintEvent*>(event)->region();
      return false;
    }
    QRegion painted;
  } rects;
  m_view.viewport()->installEventFilter(&rects);
  TypeKeys(QString::fromUtf16(u"字"));
  QApplication::processEvents();
  m_view.viewport()->removeEventFilter(&rects);
  ASSERT_FALSE(rects.painted.isEmpty());
  EXPECT_LT(rects.painted.boundingRect().height(), m_view.viewport()->height() / 4);
}
