#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "elements/EditHaiten.h"
#include "model/CoordMapper.h"
#include "model/EditSentence.h"
#include "model/GdiCache.h"
#include "platform/AnsiCodePage.h"
#include "platform/Font.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"
#include "tests/support/StringWPrint.h"

namespace {

enum Place { Loose, InMajor, InMinor };

struct TEXT_CASE {
  int form, each, count, total;
  const char16_t* fence;
  int vertical;
  Place place;
  const char16_t* expected;
};

const TEXT_CASE kTexts[] = {
    {2, 2, 5, 10, u"（", 0, Loose, u"（各2点×5＝10点）"},
    {2, 2, 5, 10, u"（", 1, Loose, u"（各２点×５＝１０点）"},
    {4, 0, 0, 30, u"（", 0, InMajor, u"（計30点）"},
    {4, 0, 0, 30, u"（", 0, InMinor, u"（30点）"},
    {4, 0, 0, 30, u"（", 0, Loose, u"（30点）"},
    {4, 0, 0, 30, u"（", 1, InMajor, u"（計３０点）"},
    {0, 0, 0, 10, u"（", 0, Loose, u"（ --- 点）"},
    {5, 0, 0, 10, u"（", 1, Loose, u"（ --- 点）"},
    {1, 0, 0, 7, u"［", 0, Loose, u"［7点］"},
    {1, 0, 0, 12, u"［", 1, Loose, u"［１２点］"},
    {3, 2, 0, 10, u"", 0, Loose, u"（各2点：計10点）"},
    {3, 2, 0, 10, u"【", 1, Loose, u"（各２点：計１０点）"},
};

class EditHaitenTextTest : public ::testing::TestWithParam<TEXT_CASE> {};

TEST_P(EditHaitenTextTest, MeasureBuildsTheTextOfTheRecord) {
  const TEXT_CASE& c = GetParam();
  CEditSentence part;
  part.m_nMinor = c.place == InMinor ? 2 : 0;
  auto* points = new CEditHaiten;
  std::unique_ptr<CEditHaiten> loose;
  if (c.place == Loose)
    loose.reset(points);
  else
    part.AppendChild(points);
  points->m_haiten.m_nForm = c.form;
  points->m_haiten.m_nEach = c.each;
  points->m_haiten.m_nCount = c.count;
  points->m_haiten.m_nTotal = c.total;
  points->m_haiten.m_strFence = c.fence;
  CRecordingDC dc;
  CCoordMapper mapper;
  mapper.m_bVertical = c.vertical;
  points->Measure(&dc, &mapper, nullptr);
  EXPECT_EQ(points->m_strText, CStringW(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Forms, EditHaitenTextTest, ::testing::ValuesIn(kTexts));

class EditHaitenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    points.m_haiten.m_nForm = 2;
    points.m_haiten.m_nEach = 2;
    points.m_haiten.m_nCount = 5;
    points.m_haiten.m_nTotal = 10;
  }
  void Layout() {
    points.Measure(&dc, &mapper, nullptr);
    EDIT_LAYOUT_PARAM arrange{};
    arrange.nX = 1000;
    arrange.nY = 2000;
    arrange.nLineAscent = 400;
    points.Arrange(&arrange, 0);
  }
  const std::vector<DC_CALL>& Calls() { return dc.Recorder().Calls(); }

  CEditHaiten points;
  CRecordingDC dc;
  CCoordMapper mapper;
};

TEST_F(EditHaitenTest, ResetGivesTenAndAHalfPointProportionalGothicOfTheDirection) {
  const int saved = g_bVerticalWriting;
  for (int vertical : {0, 1}) {
    g_bVerticalWriting = vertical;
    CEditHaiten fresh;
    EXPECT_EQ(fresh.m_nType, NTYPE_EDITHAITEN);
    EXPECT_EQ(fresh.m_lf.lfHeight, -371);
    EXPECT_EQ(std::string(fresh.m_lf.lfFaceName), WideToAnsi(vertical ? u"@ＭＳ Ｐゴシック" : u"ＭＳ Ｐゴシック"));
    EXPECT_EQ(fresh.m_haiten.m_nForm, 1);
    EXPECT_EQ(fresh.m_haiten.m_strFence, CStringW(u"（"));
  }
  g_bVerticalWriting = saved;
}

// 10.5 pt is a fake em of 371: six wide characters and five half-width ones, the
// multiplication sign among them.
TEST_F(EditHaitenTest, MeasuresItsTextInItsOwnFontWithHalfWidthDigits) {
  Layout();
  EXPECT_EQ(points.m_nWidth, 6 * 371 + 5 * (371 / 2));
  EXPECT_EQ(points.m_nHeight, 296 + 74);
}

TEST_F(EditHaitenTest, HiddenMeasuresOneWideAndDrawsNothing) {
  points.m_bHidden = 1;
  Layout();
  EXPECT_EQ(points.m_nWidth, 1);
  points.Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(Calls().empty());
}

TEST_F(EditHaitenTest, DrawsMagentaOnScreenAndBlackOnPaperInItsOwnFont) {
  Layout();
  LOGFONTA other{};
  other.lfHeight = -100;
  CFont shared;
  shared.CreateFontIndirect(&other);
  for (bool printing : {false, true}) {
    dc.Recorder().Clear();
    dc.Recorder().m_bPrinting = printing;
    EDIT_LAYOUT_PARAM draw{};
    draw.hFont = &shared;
    points.Draw(&dc, &mapper, &draw);
    ASSERT_EQ(Calls().size(), 1u);
    const DC_CALL& text = Calls()[0];
    EXPECT_EQ(text.text, u"（各2点×5＝10点）");
    EXPECT_EQ(text.textColor, printing ? COLORREF(0) : COLORREF(0xFF00FF));
    EXPECT_EQ(std::string(text.font.lfFaceName), WideToAnsi(u"ＭＳ Ｐゴシック"));
    EXPECT_EQ(text.font.lfHeight, -MulDiv(371, 96, 2540));
    EXPECT_EQ(draw.hFont, &shared);
  }
}

// The record travels in the sheet XML, not in the archive: a pasted element starts afresh.
TEST_F(EditHaitenTest, ArchivesAsACharacterUnderItsOwnClassName) {
  Layout();
  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&points); });
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
  auto* copy = dynamic_cast<CEditHaiten*>(loaded.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_nType, NTYPE_EDITHAITEN);
  EXPECT_EQ(copy->m_strText, points.m_strText);
  EXPECT_EQ(copy->m_haiten.m_nForm, 1);
  copy->Measure(&dc, &mapper, nullptr);
  EXPECT_EQ(copy->m_strText, CStringW(u"（0点）"));
}

}  // namespace
