#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "model/CoordMapper.h"
#include "model/DefaultFonts.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditSentence.h"
#include "model/GdiCache.h"
#include "model/LayoutDC.h"
#include "model/SaturatedInt.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"

namespace {

// The default 10.5 pt font has height -371; the fake metrics give ascent 296, descent 74,
// height 370, average width 185, 371 for a wide and 185 for a narrow character.
class EditCharTest : public ::testing::Test {
 protected:
  void TearDown() override {
    g_bUnicodeText = m_bSavedUnicodeText;
    g_bShowLineEnds = m_bSavedShowLineEnds;
  }
  void Measure(CEditNode& node) {
    EDIT_LAYOUT_PARAM param{};
    node.Measure(&dc, &mapper, &param);
  }
  CRecordingDC dc;
  CCoordMapper mapper;
  const int m_bSavedUnicodeText = g_bUnicodeText;
  const int m_bSavedShowLineEnds = g_bShowLineEnds;
};

TEST_F(EditCharTest, CharacterWithoutTextIsOneWideAndNeverHitsAfter) {
  CEditChar ch;
  Measure(ch);
  EXPECT_EQ(ch.m_nWidth, 1);
  EXPECT_EQ(ch.m_nHeight, 370);
  ch.m_rcHit = RECT{0, 0, 100, 100};
  int after = 7;
  EXPECT_EQ(ch.NodeFromPoint(90, 50, &after), &ch);
  EXPECT_EQ(after, 0);

  CEditChar text(u'\u3042');
  text.m_rcHit = RECT{0, 0, 100, 100};
  EXPECT_EQ(text.NodeFromPoint(90, 50, &after), &text);
  EXPECT_EQ(after, 1);
}

TEST_F(EditCharTest, MeasuresTextWithLetterSpacing) {
  CEditChar ch(CStringW(u"\u3042a"));
  EDIT_LAYOUT_PARAM param{};
  param.nLetterSpacing = 20;
  ch.Measure(&dc, &mapper, &param);
  EXPECT_EQ(ch.m_nWidth, 371 + 185 + 20);
  EXPECT_EQ(ch.m_nAscent, 296);
  EXPECT_EQ(ch.m_nCenter, 185);
  EXPECT_EQ(ch.m_bNeedsMeasure, 0);
}

TEST_F(EditCharTest, MeasureFontFollowsStretchAndBaselineShift) {
  struct CASE {
    int stretch;
    int shift;
    LONG height;
    LONG width;
  } cases[] = {
      {CFontProperties::StretchNormal, CAreaAlignmentProperties::ShiftNone, -371, 0},
      {CFontProperties::StretchCondensed, CAreaAlignmentProperties::ShiftNone, -371, 92},
      {CFontProperties::StretchExpanded, CAreaAlignmentProperties::ShiftNone, -371, 371},
      {CFontProperties::StretchNormal, CAreaAlignmentProperties::ShiftSub, -212, 0},
      {CFontProperties::StretchExpanded, CAreaAlignmentProperties::ShiftSuper, -212, 212},
  };
  for (const CASE& c : cases) {
    CEditChar ch(u'a');
    ch.m_nFontStretch = c.stretch;
    ch.m_nBaselineShift = c.shift;
    ch.m_lf.lfEscapement = 900;
    LOGFONTA lf;
    ch.GetMeasureLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, c.height) << c.stretch << "/" << c.shift;
    EXPECT_EQ(lf.lfWidth, c.width) << c.stretch << "/" << c.shift;
    EXPECT_EQ(lf.lfEscapement, 0);
    ch.GetDrawLogFont(&lf, TRUE);
    EXPECT_EQ(lf.lfEscapement, 2700);
  }
}

TEST_F(EditCharTest, SubscriptSitsLowerAndSuperscriptHigher) {
  // The reduced font: em 212, ascent 169, descent 42.
  struct CASE {
    int shift;
    int baseline;
  } cases[] = {{0, 1000 + 300}, {1, 1000 + 300 + 42}, {2, 1000 + 300 - 169}};
  for (const CASE& c : cases) {
    CEditChar ch(u'a');
    ch.m_nBaselineShift = c.shift;
    Measure(ch);
    EDIT_LAYOUT_PARAM param{};
    param.nX = 50;
    param.nY = 1000;
    param.nLineAscent = 300;
    ch.Arrange(&param, 0);
    EXPECT_EQ(ch.m_ptOrigin.y, c.baseline) << "shift " << c.shift;
    EXPECT_EQ(ch.m_rcInk.top, c.baseline - ch.m_tm.tmAscent);
    EXPECT_EQ(ch.m_rcInk.right, 50 + ch.m_nWidth);
  }
}

TEST_F(EditCharTest, NumberedCharacterMakesRoomForItsNumber) {
  CEditChar plain(u'a');
  Measure(plain);
  CEditChar numbered(u'a');
  numbered.m_kasen.nNumberStyle = 2;
  numbered.m_kasen.nNumberSize = 176;
  Measure(numbered);
  EXPECT_EQ(numbered.m_nHeight, plain.m_nHeight + 176);
  EXPECT_EQ(numbered.m_nAscent, plain.m_nAscent);

  mapper.m_bVertical = 1;
  numbered.m_bNeedsMeasure = 1;
  Measure(numbered);
  EXPECT_EQ(numbered.m_nAscent, plain.m_nAscent + 176);
  EXPECT_EQ(numbered.m_nCenter, plain.m_nCenter + 176);
}

TEST_F(EditCharTest, AnsiPathConvertsThroughTheCodePage) {
  g_bUnicodeText = 0;
  CEditChar ch(u'\u6F22');
  Measure(ch);
  EXPECT_EQ(ch.m_nWidth, 371);  // one double-byte character, not two narrow bytes
  ch.Draw(&dc, nullptr, nullptr);
  ASSERT_EQ(dc.Recorder().Calls().size(), 1u);
  EXPECT_EQ(dc.Recorder().Calls()[0].text, u"\u6F22");
}

TEST_F(EditCharTest, TextInsideAnAnswerIsDrawnRed) {
  CEditNode answer(0x20401000);
  auto* ch = new CEditChar(u'a');
  ch->m_crColor = 0x00FF00;
  answer.AppendChild(ch);
  ch->Draw(&dc, nullptr, nullptr);
  ASSERT_EQ(dc.Recorder().Calls().size(), 1u);
  EXPECT_EQ(dc.Recorder().Calls()[0].textColor, COLORREF(0x0000FF));
}

TEST_F(EditCharTest, EmptySetTextResetsFontButKeepsUnderline) {
  CEditChar ch(u'a');
  ch.m_nUnderlineStyle = LS_SOLID;
  ch.m_lf.lfHeight = -1000;
  ch.SetText(CStringW());
  EXPECT_EQ(ch.m_nUnderlineStyle, LS_SOLID);
  LOGFONTA lf;
  GetDefaultFont(&lf, g_bVerticalWriting);
  EXPECT_EQ(ch.m_lf.lfHeight, lf.lfHeight);
  EXPECT_EQ(ch.m_nHitSide, 0);
}

TEST_F(EditCharTest, NumberStyleSeparatesFormatButNotFont) {
  CEditChar a(u'a'), b(u'b');
  b.m_kasen.nNumberStyle = 1;
  EXPECT_FALSE(a.IsSameFormat(b));
  EXPECT_TRUE(a.IsSameFont(b));
  b.m_nBaselineShift = CAreaAlignmentProperties::ShiftSub;
  EXPECT_FALSE(a.IsSameFont(b));
}

TEST_F(EditCharTest, LineEndMarkOnlyOnScreenWhileShown) {
  struct CASE {
    int show;
    bool printing;
    size_t calls;
  } cases[] = {{1, false, 1}, {0, false, 0}, {1, true, 0}};
  for (const CASE& c : cases) {
    CRecordingDC target;
    target.Recorder().m_bPrinting = c.printing;
    g_bShowLineEnds = c.show;
    CEditCR cr;
    cr.m_ptOrigin = POINT{1000, 500};
    cr.Draw(&target, nullptr, nullptr);
    ASSERT_EQ(target.Recorder().Calls().size(), c.calls) << c.show << c.printing;
    if (c.calls == 0) continue;
    const DC_CALL& call = target.Recorder().Calls()[0];
    EXPECT_EQ(call.text, u"\u2193");
    EXPECT_EQ(call.textColor, COLORREF(0x808080));
    EXPECT_EQ(call.points[0].x, 1000);
  }
}

// The mark stands in the line end's own place, after the last character, in both directions.
TEST_F(EditCharTest, LineEndMarkFollowsTheLastCharacter) {
  for (int vertical : {0, 1}) {
    g_bShowLineEnds = 1;
    CEditSentence sentence;
    for (char16_t c : {u'\u3042', u'\u3044'}) sentence.AppendChild(new CEditChar(c));
    auto* last = static_cast<CEditChar*>(sentence.GetEditChildAt(1));
    sentence.AppendChild(new CEditCR);
    CCoordMapper identity;
    identity.SetResolution(2540, 2540, 100);
    identity.m_bVertical = vertical;
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = measure.nWidth2 = 10000;
    measure.nHeight = measure.nPageHeight = 10000;
    sentence.Measure(&dc, &identity, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    sentence.Arrange(&arrange, vertical);
    dc.Recorder().Clear();
    sentence.Draw(&dc, &identity, nullptr);
    const auto along = [&](POINT p) { return vertical ? p.y : p.x; };
    int lastStart = INT_MIN, markStart = INT_MIN;
    for (const DC_CALL& call : dc.Recorder().Calls()) {
      if (call.text == u"\u3044") lastStart = along(call.points[0]);
      if (call.text == u"\u2193") markStart = along(call.points[0]);
    }
    ASSERT_NE(lastStart, INT_MIN) << vertical;
    ASSERT_NE(markStart, INT_MIN) << vertical;
    EXPECT_GE(markStart, lastStart + last->m_nWidth) << vertical;
  }
}

TEST_F(EditCharTest, SetTextAlignDoesNotAskForMeasuring) {
  CEditCR cr;
  cr.m_bNeedsMeasure = 0;
  cr.SetTextAlign(CBlockLineRelatedProperties::AlignCenter, nullptr);
  EXPECT_EQ(cr.m_nTextAlign, 1);
  EXPECT_EQ(cr.m_bNeedsMeasure, 0);
}

TEST_F(EditCharTest, CharacterRecordRoundTrips) {
  CEditChar ch(u'\u3042');
  ch.m_crColor = 0x123456;
  ch.m_nUnderlineStyle = LS_WAVE;
  ch.m_lf.lfHeight = -500;
  Bytes bytes = StoreBytes([&](CArchive& ar) { ch.Serialize(ar); });
  LONG first[2];
  std::memcpy(first, bytes.data(), sizeof first);
  EXPECT_EQ(first[0], 2);   // hit side
  EXPECT_EQ(first[1], 60);  // the LOGFONT block

  CEditChar copy;
  LoadBytes(bytes, [&](CArchive& ar) { copy.Serialize(ar); });
  EXPECT_EQ(copy.m_strText, ch.m_strText);
  EXPECT_EQ(copy.m_nHitSide, 2);
  EXPECT_EQ(copy.m_crColor, COLORREF(0x123456));
  EXPECT_EQ(copy.m_nUnderlineStyle, LS_WAVE);
  EXPECT_EQ(copy.m_lf.lfHeight, -500);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { copy.Serialize(ar); }), bytes);
}

// A record whose kept metrics no font could give (the fuzzer's case: an ascent of INT_MIN with
// no measuring asked for) is measured again; a sound one keeps its layout as stored.
TEST_F(EditCharTest, ARecordWithDamagedMetricsIsMeasuredAgain) {
  CEditChar ch(u'\u3042');
  ch.m_lf.lfHeight = -500;
  CLayoutDC dc;
  CCoordMapper mapper;
  ch.Measure(&dc, &mapper, nullptr);
  const LONG width = ch.m_nWidth;
  ASSERT_GT(width, 0);
  const Bytes sound = StoreBytes([&](CArchive& ar) { ch.Serialize(ar); });
  CEditChar kept;
  LoadBytes(sound, [&](CArchive& ar) { kept.Serialize(ar); });
  EXPECT_EQ(kept.m_bNeedsMeasure, 0);
  EXPECT_EQ(kept.m_nWidth, width);

  for (LONG* field : {&ch.m_tm.tmAscent, &ch.m_tm.tmDescent, &ch.m_tm.tmHeight}) {
    const LONG saved = *field;
    *field = INT_MIN;
    const Bytes damaged = StoreBytes([&](CArchive& ar) { ch.Serialize(ar); });
    *field = saved;
    CEditChar copy;
    LoadBytes(damaged, [&](CArchive& ar) { copy.Serialize(ar); });
    EXPECT_EQ(copy.m_bNeedsMeasure, 1);
    EXPECT_EQ(copy.m_tm.tmAscent, 0);
    copy.Measure(&dc, &mapper, nullptr);
    EDIT_LAYOUT_PARAM param{};
    param.nX = 100;
    param.nY = 200;
    copy.Arrange(&param, 0);
    EXPECT_EQ(copy.m_nWidth, width);
    EXPECT_EQ(copy.m_tm.tmAscent, ch.m_tm.tmAscent);
    EXPECT_EQ(copy.m_rcInk.left, 100);
    EXPECT_EQ(copy.m_rcInk.right, 100 + width);
  }
}

// Sizes and areas no layout gives are taken within the bound of what layout gives, and the node
// is measured again; a sound record keeps them (above).
TEST_F(EditCharTest, ARecordWithDamagedSizesKeepsThemWithinTheirBound) {
  CEditChar ch(u'\u3042');
  ch.m_nWidth = INT_MAX;
  ch.m_nHeight = INT_MIN;
  ch.m_nAscent = kMaxKeptExtent + 1;
  ch.m_nCenter = -kMaxKeptExtent;
  ch.m_nAreaWidth = INT_MAX;
  ch.m_nAreaHeight = INT_MIN;
  ch.m_bNeedsMeasure = 0;
  const Bytes damaged = StoreBytes([&](CArchive& ar) { ch.Serialize(ar); });
  CEditChar copy;
  LoadBytes(damaged, [&](CArchive& ar) { copy.Serialize(ar); });
  EXPECT_EQ(copy.m_bNeedsMeasure, 1);
  EXPECT_EQ(copy.m_nWidth, kMaxKeptExtent);
  EXPECT_EQ(copy.m_nHeight, -kMaxKeptExtent);
  EXPECT_EQ(copy.m_nAscent, kMaxKeptExtent);
  EXPECT_EQ(copy.m_nCenter, -kMaxKeptExtent);
  EXPECT_EQ(copy.m_nAreaWidth, kMaxKeptExtent);
  EXPECT_EQ(copy.m_nAreaHeight, -kMaxKeptExtent);
}

// Sizes kept from a damaged record, with no measuring asked for, place the box without
// wrapping round.
TEST_F(EditCharTest, KeptSizesNearTheTypesEndsPlaceWithoutWrapping) {
  CEditChar ch(u'\u3042');
  ch.m_nWidth = 1127809072;
  ch.m_nHeight = 1127809072;
  EDIT_LAYOUT_PARAM param{};
  param.nX = 1953064005;
  param.nY = 1953064005;
  ch.Arrange(&param, 0);
  EXPECT_EQ(ch.m_rcInk.right, INT_MAX);
  EXPECT_EQ(ch.m_rcInk.bottom, INT_MAX);
}

TEST_F(EditCharTest, LineEndRecordStartsWithItsParagraphGroup) {
  CEditCR cr;
  cr.m_nTextAlign = CBlockLineRelatedProperties::AlignRight;
  Bytes bytes = StoreBytes([&](CArchive& ar) { cr.Serialize(ar); });
  EXPECT_EQ(ToHex(Bytes(bytes.begin(), bytes.begin() + 20)),
            "10 00 00 00 00 00 00 00 47 00 00 00 00 00 00 00 02 00 00 00");
  CEditCR copy;
  LoadBytes(bytes, [&](CArchive& ar) { copy.Serialize(ar); });
  EXPECT_EQ(copy.m_nTextAlign, 2);
  EXPECT_EQ(copy.m_nLineSpacing, 71);
  EXPECT_EQ(copy.m_nType, NTYPE_EDITCR);
}

}  // namespace
