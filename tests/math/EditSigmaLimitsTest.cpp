#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "math/EditMath.h"
#include "math/EditSigmaSub.h"
#include "math/EditSigmaSubsup.h"
#include "math/EditSigmaUnder.h"
#include "math/EditSigmaUnderover.h"
#include "model/ShowCyukai.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

// The sign at twice 10.5 points: em 742, ascent 593, descent 148, height 741, internal leading
// -1, so trim 147: room 594 high (half 297), ascent 520; Σ is wide, 742 less an average
// character of 371: 371 wide, shift 123. Script limits: 211 high, ascent 169, 106 wide.
class EditSigmaLimitsTest : public MathElementTest {
 protected:
  const DC_CALL* SignText() {
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Text" && call.text == u"\u03A3") return &call;
    return nullptr;
  }

};

TEST_F(EditSigmaLimitsTest, SignTakesTheHeightOfTheLetterAfterItAndIsDrawnAtTwice) {
  CEditMath formula;
  auto* sum = new CEditSigmaSubsup;
  sum->m_lf.lfHeight = -371;
  sum->CreateSlots();
  sum->m_lf.lfHeight = -200;
  formula.AppendChild(sum);
  Char(&formula, u"k", -371);
  SlotEnd(&formula);
  Layout(formula, 100000, 1000, 2000);
  EXPECT_EQ(sum->m_lf.lfHeight, -371);
  EXPECT_EQ(sum->m_sign.m_lf.lfHeight, -742);
  EXPECT_EQ(sum->m_sign.m_nWidth, 371);
  EXPECT_EQ(sum->m_sign.m_nHeight, 594);
  EXPECT_EQ(sum->m_sign.m_nAscent, 520);
  EXPECT_EQ(sum->m_nShift, 123);
  EXPECT_EQ(sum->m_nAscent, 0);
  // Upper limit: half its half height of 105 above the sign's room.
  EXPECT_EQ(sum->m_nCenter, 297 + 52);
  EXPECT_EQ(sum->m_nHeight, 594 + 42 + 52);
  // No baseline: the sum's middle lies on the letter's half-height line.
  const CEditNode* k = formula.GetEditChildAt(1);
  EXPECT_EQ(sum->m_sign.m_rcHit.top + 297, k->m_rcInk.top + 185);
  formula.Draw(&dc, &mapper, nullptr);
  const DC_CALL* sign = SignText();
  ASSERT_NE(sign, nullptr);
  EXPECT_EQ(sign->font.lfHeight, -742);
  // The glyph's cell starts half the trim above the room, the shift left of it.
  EXPECT_EQ(sum->m_sign.m_rcInk.top, sum->m_sign.m_rcHit.top - 73);
  EXPECT_EQ(sign->points[0].x, sum->m_sign.m_rcInk.left - 123);
  EXPECT_EQ(sign->points[0].y, sum->m_sign.m_rcInk.top + 593);
}

TEST_F(EditSigmaLimitsTest, LimitsBesideTheSign) {
  auto* sub = Make<CEditSigmaSub>({u"k"});
  Layout(*sub, 100000, 1000, 2000);
  EXPECT_EQ(sub->m_nWidth, 371 + 106);
  EXPECT_EQ(sub->m_nHeight, 594 + 42);
  EXPECT_EQ(sub->m_nCenter, 297);
  // The limit's baseline at the bottom of the sign's room.
  EXPECT_EQ(sub->GetEditChildAt(0)->m_ptOrigin.y, 2000 + 594);
  EXPECT_EQ(sub->GetEditChildAt(0)->m_rcInk.left, 1371);
}

TEST_F(EditSigmaLimitsTest, LimitsOverAndUnderAreCentredWithTheSign) {
  auto* under = Make<CEditSigmaUnder>({u"k=1"});
  Layout(*under, 100000, 1000, 2000);
  const int limit = 106 + 206 + 106;
  EXPECT_EQ(under->m_nInner, limit);
  EXPECT_EQ(under->m_nWidth, limit + 123);
  EXPECT_EQ(under->m_nHeight, 594 + 211);
  EXPECT_EQ(under->m_sign.m_rcHit.left, 1000 + (limit - 371) / 2);
  EXPECT_EQ(under->GetEditChildAt(0)->m_rcInk.top, 2000 + 594);

  auto* both = Make<CEditSigmaUnderover>({u"n", u"k"});
  Layout(*both, 100000, 1000, 2000);
  EXPECT_EQ(both->m_nInner, 371);
  EXPECT_EQ(both->m_nHeight, 211 + 594 + 211);
  EXPECT_EQ(both->m_nCenter, 211 + 297);
  EXPECT_EQ(both->m_nAscent, 0);
  EXPECT_EQ(both->GetEditChildAt(0)->m_rcInk.left, 1000 + (371 - 106) / 2);
}

TEST_F(EditSigmaLimitsTest, MarksAsLimitsTakeTheSignsWidthAndArePainted) {
  auto* both = Make<CEditSigmaUnderover>({u"\uFE37", u"\u2192"});
  Layout(*both, 100000, 1000, 2000);
  EXPECT_TRUE(both->m_bUpperMark);
  EXPECT_TRUE(both->m_bLowerMark);
  EXPECT_EQ(both->GetEditChildAt(0)->m_nWidth, 371);
  EXPECT_EQ(Line(*both, 1).props.m_nHeight, 211 / 4);
  EXPECT_EQ(both->GetEditChildAt(2)->m_nWidth, 371);
  both->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Arc"), 4);
  EXPECT_EQ(Count("Polygon"), 1);
  EXPECT_NE(SignText(), nullptr);

  dc.Recorder().Clear();
  auto* bar = Make<CEditSigmaUnder>({u"\uFFE3"});
  Layout(*bar, 100000, 1000, 2000);
  bar->Draw(&dc, &mapper, nullptr);
  const CEditNode* mark = bar->GetEditChildAt(0);
  EXPECT_EQ(mark->m_nHeight, 211 / 4);
  ASSERT_EQ(Count("Polyline"), 1);
  for (const DC_CALL& call : dc.Recorder().Calls()) {
    if (call.name != "Polyline") continue;
    EXPECT_EQ(call.ToString(), "Polyline " + std::to_string(mark->m_rcInk.left) + "," +
                                     std::to_string(mark->m_rcInk.bottom) + " " +
                                     std::to_string(mark->m_rcInk.left + 371) + "," +
                                     std::to_string(mark->m_rcInk.bottom));
  }
}

TEST_F(EditSigmaLimitsTest, SignIsRedInAnAnswerAndEmptyLimitsAreMarkedOnScreenOnly) {
  owner.m_nType |= NT_ANNOTATION;
  CEditMathElement* sums[] = {Make<CEditSigmaSub>({}), Make<CEditSigmaSubsup>({}), Make<CEditSigmaUnder>({}),
                              Make<CEditSigmaUnderover>({})};
  for (CEditMathElement* sum : sums) {
    dc.Recorder().Clear();
    dc.Recorder().m_bPrinting = false;
    Layout(*sum);
    sum->Draw(&dc, &mapper, nullptr);
    ASSERT_NE(SignText(), nullptr);
    EXPECT_EQ(SignText()->textColor, COLORREF(0x0000FF));
    EXPECT_EQ(Count("Rectangle"), int(std::string(sum->GetSlotSizes()).size()));
    dc.Recorder().Clear();
    dc.Recorder().m_bPrinting = true;
    sum->Draw(&dc, &mapper, nullptr);
    EXPECT_EQ(Count("Rectangle"), 0);
  }
}

TEST_F(EditSigmaLimitsTest, ArchiveKeepsTheSignBlockAndReadsOtherBlockLengths) {
  auto* both = Make<CEditSigmaUnderover>({u"\uFE37", u"k"});
  Layout(*both);
  const Bytes own = StoreBytes([&](CArchive& ar) { both->Serialize(ar); });
  // Upper flag, lower flag, then the 60-byte sign font block.
  EXPECT_EQ(ToHex(Bytes(own.begin(), own.begin() + 12)), "01 00 00 00 00 00 00 00 3C 00 00 00");
  Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(both); });
  CObject* loaded = nullptr;
  LoadBytes(bytes, [&](CArchive& ar) { loaded = ar.ReadObject(nullptr); });
  std::unique_ptr<CObject> copy(loaded);
  auto* reloaded = dynamic_cast<CEditSigmaUnderover*>(loaded);
  ASSERT_NE(reloaded, nullptr);
  EXPECT_EQ(reloaded->m_nShift, 123);
  EXPECT_EQ(reloaded->m_nInner, 371);
  EXPECT_EQ(reloaded->m_sign.m_strText, CStringW(u"\u03A3"));
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(reloaded); }), bytes);

  // A longer block is read whole and its first 60 bytes kept; a shorter one fills the start.
  auto* sub = Make<CEditSigmaSub>({u"k"});
  sub->m_nShift = 7;
  const Bytes record = StoreBytes([&](CArchive& ar) { sub->Serialize(ar); });
  Bytes longBlock = HexBytes("40 00 00 00");
  longBlock.insert(longBlock.end(), record.begin() + 4, record.begin() + 64);
  longBlock.insert(longBlock.end(), {1, 2, 3, 4});
  longBlock.insert(longBlock.end(), record.begin() + 64, record.end());
  CEditSigmaSub fromLong;
  LoadBytes(longBlock, [&](CArchive& ar) { fromLong.Serialize(ar); });
  EXPECT_EQ(fromLong.m_nShift, 7);
  EXPECT_EQ(std::memcmp(&fromLong.m_lfSign, &sub->m_lfSign, 60), 0);
  Bytes shortBlock = HexBytes("04 00 00 00 2A 00 00 00");
  shortBlock.insert(shortBlock.end(), record.begin() + 64, record.end());
  CEditSigmaSub fromShort;
  LoadBytes(shortBlock, [&](CArchive& ar) { fromShort.Serialize(ar); });
  EXPECT_EQ(fromShort.m_lfSign.lfHeight, 42);
  EXPECT_EQ(fromShort.m_nShift, 7);
  CEditSigmaSub fromBroken;
  EXPECT_THROW(LoadBytes(HexBytes("00 10 00 00 01 02"), [&](CArchive& ar) { fromBroken.Serialize(ar); }),
               CArchiveException);
}

TEST_F(EditSigmaLimitsTest, ApplyFontSizeLeavesTheSignToMeasure) {
  auto* both = Make<CEditSigmaUnderover>({u"n", u"k"});
  both->m_lf.lfHeight = -560;
  both->ApplyFontSize(nullptr);
  for (int i = 0; i < both->GetChildCount(); ++i) EXPECT_EQ(both->GetEditChildAt(i)->m_lf.lfHeight, -320);
  EXPECT_NE(both->m_sign.m_lf.lfHeight, -1120);
  Layout(*both);
  EXPECT_EQ(both->m_sign.m_lf.lfHeight, -1120);
}

}  // namespace
