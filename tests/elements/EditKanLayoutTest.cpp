#include <gtest/gtest.h>

#include "elements/EditKanChar.h"
#include "model/EditBox.h"
#include "model/SaturatedInt.h"
#include "tests/elements/KanbunTestParts.h"

namespace {

class KanbunLayoutTest : public ::testing::Test, public CKanbunLayout {};

std::unique_ptr<CEditKunten> MarkBox(int advance, const char16_t* text, int height) {
  auto box = std::make_unique<CEditKunten>();
  box->m_nAdvance = advance;
  FillBox(*box, text, height);
  return box;
}

}  // namespace

// A 1000 em kanji gives a kanji box of 1000 by 1000.
TEST_F(KanbunLayoutTest, TheBlockGridFollowsTheKanji) {
  auto block = MakeBlock(u"之");
  block->SetOpenBracketText(u"「", nullptr);
  Measure(*block);
  const CEditKunten* kanji = block->GetKanjiBox();
  ASSERT_EQ(kanji->m_nWidth, 1000);
  ASSERT_EQ(kanji->m_nHeight, 1000);
  EXPECT_EQ(block->m_nWidth, 2000);
  EXPECT_EQ(block->m_nHeight, 3000);
  EXPECT_EQ(block->m_nAscent, kanji->m_nAscent + 1000);
  EXPECT_EQ(block->m_nCenter, kanji->m_nCenter + 1000);
  EXPECT_EQ(block->GetRightKanaBox()->m_nHeight, 1000);
  EXPECT_EQ(block->GetLeftKanaBox()->m_nHeight, 1000);

  const int x = 10000, y = 20000;
  Arrange(*block, x, y, block->m_nAscent);
  EXPECT_EQ(block->m_rcInk.left, x);
  EXPECT_EQ(block->m_rcInk.top, y);
  EXPECT_EQ(block->m_rcInk.bottom, y + 3000);
  EXPECT_EQ(kanji->m_rcInk.left, x + 333);
  EXPECT_EQ(kanji->m_rcInk.top, y + 1000);
  EXPECT_EQ(block->GetOpenBracketBox()->m_rcInk.right, x + 333);
  EXPECT_EQ(block->GetOpenBracketBox()->m_rcInk.top, y + 1000);
  EXPECT_EQ(block->GetCloseBracketBox()->m_rcInk.left, x + 1667);
  EXPECT_EQ(block->GetPunctuationBox()->m_rcInk.left, x + 1333);
  EXPECT_EQ(block->GetRightKanaBox()->m_rcInk.top, y);
  EXPECT_EQ(block->GetLeftKanaBox()->m_rcInk.top, y + 2000);
  const CEditKunten* kaeriten = block->GetKaeritenBox();
  EXPECT_EQ(kaeriten->m_rcInk.left, x + 1333);
  EXPECT_EQ(kaeriten->m_rcInk.bottom, y + 2000);
  EXPECT_EQ(kaeriten->m_rcHit.bottom, y + 2000);
}

TEST_F(KanbunLayoutTest, HyphenModePlacesTheMarkAfterTheKanji) {
  auto block = MakeBlock(u"之");
  block->SetHyphen(TRUE, nullptr, nullptr);
  Measure(*block);
  Arrange(*block, 0, 0, block->m_nAscent);
  const CEditNode& mark = block->m_HyphenMark;
  EXPECT_EQ(mark.m_rcHit.left, 1499);
  EXPECT_EQ(mark.m_rcHit.top, 1500);
  EXPECT_EQ(mark.m_rcHit.right, 1499 + 667);
  EXPECT_EQ(block->GetKaeritenBox()->m_rcInk.left, 1499);
}

// The hyphen line runs along the text at the mark's near edge, the middle of the kanji row:
// across the page in horizontal writing, down it in vertical writing.
TEST_F(KanbunLayoutTest, TheHyphenLineRunsAlongTheText) {
  auto block = MakeBlock(u"之");
  block->SetHyphen(TRUE, nullptr, nullptr);
  Measure(*block);
  Arrange(*block, 0, 0, block->m_nAscent);
  const RECT& mark = block->m_HyphenMark.m_rcHit;
  for (int vertical : {0, 1}) {
    mapper.m_bVertical = vertical;
    dc.Recorder().Clear();
    block->Draw(&dc, &mapper, nullptr);
    const DC_CALL* line = nullptr;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Polyline") line = &call;
    ASSERT_NE(line, nullptr) << vertical;
    POINT start{mark.left, mark.top}, end{mark.right, mark.top};
    mapper.LPtoDP(&start);
    mapper.LPtoDP(&end);
    ASSERT_EQ(line->points.size(), 2u);
    EXPECT_EQ(CPoint(line->points[0]), CPoint(start)) << vertical;
    EXPECT_EQ(CPoint(line->points[1]), CPoint(end)) << vertical;
    EXPECT_NE(vertical ? end.y - start.y : end.x - start.x, 0);
  }
}

TEST_F(KanbunLayoutTest, MarksOverlapByTheAdvance) {
  const auto owned = MarkBox(60, u"一レ", 400);
  CEditKunten& box = *owned;
  Measure(box);
  EXPECT_EQ(box.m_nWidth, 400 + 240 + 0);
  Arrange(box, 3000, 0);
  EXPECT_EQ(box.GetEditChildAt(0)->m_rcInk.left, 3000);
  EXPECT_EQ(box.GetEditChildAt(1)->m_rcInk.left, 3240);
  EXPECT_EQ(box.GetEditChildAt(2)->m_rcInk.left, 3640);
  EDIT_LINE_INFO line;
  ASSERT_TRUE(box.GetBox(0)->GetLine(0, line));
  EXPECT_EQ(line.nCount, 3);
  EXPECT_EQ(line.props.m_rcInk.right, 3640);
}

// An advance from a damaged record (five million per cent) takes the line to its bound, not
// past what layout may give.
TEST_F(KanbunLayoutTest, AHugeAdvanceStopsAtTheLinesBound) {
  const auto owned = MarkBox(500000000, u"一レ", 400);
  CEditKunten& box = *owned;
  Measure(box);
  EXPECT_EQ(box.m_nWidth, kMaxLineExtent);
  Arrange(box, 3000, 0);
  EXPECT_EQ(box.GetEditChildAt(2)->m_rcInk.left, kMaxLineExtent);
}

TEST_F(KanbunLayoutTest, ALoneLineEndIsOneAverageCharacterWide) {
  const auto owned = MarkBox(40, u"", 1000);
  CEditKunten& box = *owned;
  Measure(box);
  EXPECT_EQ(box.m_nWidth, 500);
  EXPECT_EQ(box.m_nHeight, 1000);
}

TEST_F(KanbunLayoutTest, OwnWidthBreaksTheLines) {
  const auto owned = MarkBox(50, u"上中下", 1000);
  CEditKunten& box = *owned;
  Measure(box);
  EXPECT_EQ(box.GetBox(0)->GetLineCount(), 1);
  EXPECT_EQ(box.m_nWidth, 1000 + 500 + 500);
  box.m_nAreaWidth = 1500;
  Measure(box);
  EXPECT_EQ(box.GetBox(0)->GetLineCount(), 3);
  EXPECT_EQ(box.m_nHeight, 3000);
  Arrange(box, 0, 0);
  EXPECT_EQ(box.GetEditChildAt(2)->m_rcInk.top, 2000);
  EXPECT_EQ(box.GetEditChildAt(3)->m_rcInk.left, 1000);
}

// The line end is 500 wide when it is measured, yet it stays beside the kanji that fill the width.
TEST_F(KanbunLayoutTest, ALineEndStaysOnTheLineItsKanjiFill) {
  struct CASE {
    const char16_t* text;
    int lines;
  } cases[] = {{u"上", 1}, {u"上中下", 3}};
  for (const CASE& k : cases) {
    const auto owned = MarkBox(50, k.text, 1000);
    CEditKunten& box = *owned;
    box.m_nAreaWidth = 1000;
    Measure(box);
    ASSERT_EQ(box.GetBox(0)->GetLineCount(), k.lines) << k.lines;
    EDIT_LINE_INFO last;
    ASSERT_TRUE(box.GetBox(0)->GetLine(k.lines - 1, last));
    EXPECT_EQ(last.nCount, 2) << k.lines;
    EXPECT_EQ(box.m_nWidth, 1000) << k.lines;
    EXPECT_EQ(box.m_nHeight, 1000 * k.lines) << k.lines;
  }
}

TEST_F(KanbunLayoutTest, AClickJustBeforeASmallMarkReachesIt) {
  const auto owned = MarkBox(60, u"レ", 400);
  CEditKunten& box = *owned;
  Measure(box);
  Arrange(box, 5000, 0);
  int after = -1;
  EXPECT_EQ(box.NodeFromPoint(4200, 200, &after), box.GetEditChildAt(0));
  EXPECT_EQ(after, 0);
  EXPECT_EQ(box.NodeFromPoint(3900, 200, &after), nullptr);
  after = -1;
  EXPECT_EQ(box.NodeFromPoint(5100, 200, &after), box.GetEditChildAt(0));
}

TEST_F(KanbunLayoutTest, EndAlignedKanaSitAgainstTheKanji) {
  for (int alignEnd : {0, 1}) {
    CEditOkurigana box;
    box.m_bAlignEnd = alignEnd;
    FillBox(box, u"ヲ", 400);
    Measure(box);
    box.m_nHeight = 1000;
    Arrange(box, 0, 5000);
    EXPECT_EQ(box.GetEditChildAt(0)->m_rcInk.top, alignEnd ? 5600 : 5000);
    EXPECT_EQ(box.m_rcInk.top, 5000);
    EXPECT_EQ(box.m_rcInk.bottom, 6000);
  }
}

TEST_F(KanbunLayoutTest, APointBesideAStoredLineHitsItsEnds) {
  auto block = MakeBlock(u"之");
  Measure(*block);
  Arrange(*block, 1000, 0, block->m_nAscent);
  auto* stored = new CEditBox;
  EDIT_LINE_INFO line;
  line.nFirst = 1;
  line.nCount = 1;
  line.props.m_rcInk = RECT{-20000, 5000, 40000, 6000};
  stored->SetLine(0, line);
  block->m_arrBoxes.push_back(stored);
  int after = -1;
  EXPECT_EQ(block->NodeFromPoint(-10000, 5500, &after), block->GetKanjiBox());
  EXPECT_EQ(after, 0);
  EXPECT_EQ(block->NodeFromPoint(30000, 5500, &after), block->GetKanjiBox());
  EXPECT_EQ(after, 1);
  EXPECT_EQ(block->NodeFromPoint(-10000, 7000, &after), nullptr);
}

TEST_F(KanbunLayoutTest, ARunStartDrawsItsNumberInTheMinchoFace) {
  auto block = MakeBlock(u"之");
  block->m_kasen.nNumberStyle = 1;
  block->m_kasen.nNumberSize = 300;
  block->m_nKasenNumber = 2;
  mapper.m_bVertical = 1;
  Measure(*block);
  Arrange(*block, 0, 0, block->m_nAscent);
  for (int flags : {0, 1}) {
    block->m_nBorderRunFlags = flags;
    dc.Recorder().Clear();
    block->Draw(&dc, &mapper, nullptr);
    const DC_CALL* label = nullptr;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.text == u"②") label = &call;
    EXPECT_EQ(label != nullptr, flags == 1);
    if (!label) continue;
    LOGFONTA mincho;
    GetDefaultFont(&mincho, TRUE);
    EXPECT_STREQ(label->font.lfFaceName, mincho.lfFaceName);
    EXPECT_EQ(label->font.lfEscapement, 2700);
  }
}
