#include <gtest/gtest.h>

#include <memory>

#include "math/EditOUnderover.h"
#include "math/EditOver.h"
#include "math/EditOver2.h"
#include "math/EditUnder.h"
#include "math/EditUnder2.h"
#include "math/EditUnderover.h"
#include "math/EditUnderover2.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

// With the fake metrics a 10.5-point character (lfHeight -371) is 370 high, ascent 296, 185
// wide when narrow and 371 when wide; a script one (-212) is 211 high, ascent 169, 106 or 212
// wide. Arrows and marks are wide characters. 'W' is 2000 wide at 10.5 points, 'V' 900 at the
// script size.
class EditOverUnderTest : public MathElementTest {
 protected:
  void SetUp() override {
    MathLayoutTest::SetUp();
    dc.Recorder().m_font.overrides[u'W'] = ABC{0, 5391, 0};
    dc.Recorder().m_font.overrides[u'V'] = ABC{0, 4246, 0};
  }
  std::vector<DC_CALL> Calls(const std::string& name) {
    std::vector<DC_CALL> found;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == name) found.push_back(call);
    return found;
  }
  // The arrow heads' tips: their first points.
  std::vector<CPoint> Tips() {
    std::vector<CPoint> tips;
    for (const DC_CALL& head : Calls("Polygon")) tips.push_back(CPoint(head.points[0]));
    return tips;
  }

};

// ⇄ is 371 wide; "ab" 212: the operator becomes 712 wide, both texts centred on it.
TEST_F(EditOverUnderTest, DoubleArrowOperatorWidensToItsTextAndPaintsTwoArrows) {
  auto* reaction = Make<CEditOUnderover>({u"ab", u""});
  reaction->m_operator.SetText(CStringW(u"\u21C4"));
  Layout(*reaction, 100000, 1000, 2000);
  EXPECT_TRUE(reaction->m_bWidened);
  EXPECT_EQ(reaction->m_operator.m_nWidth, 712);
  EXPECT_EQ(reaction->m_nWidth, 712);
  EXPECT_EQ(reaction->m_nHeight, 370 + 211 + 211);
  EXPECT_EQ(reaction->m_nAscent, 296 + 211);
  EXPECT_EQ(reaction->GetEditChildAt(0)->m_rcInk.left, 1000 + 250);
  EXPECT_EQ(SlotEndOf(*reaction, 1)->m_rcInk.left, 1000 + 303);
  EXPECT_EQ(SlotEndOf(*reaction, 1)->m_rcInk.top, 2000 + 211 + 370);
  reaction->Draw(&dc, &mapper, nullptr);
  // Upper half to the right, lower half to the left: the box is 2211..2581.
  EXPECT_EQ(Tips(), (std::vector<CPoint>{CPoint(1712, 2211 + 92), CPoint(1000, 2396 + 92)}));
  EXPECT_EQ(Calls("Polygon")[0].points[1].x, 1712 - 74);
  for (const DC_CALL& call : Calls("Text")) EXPECT_NE(call.text, u"\u21C4");
}

TEST_F(EditOverUnderTest, PrivateUseArrowIsOneArrowOverTheWiderText) {
  auto* reaction = Make<CEditOUnderover>({u"a", u"abc"});
  reaction->m_operator.SetText(CStringW(u"\uF577"));
  Layout(*reaction, 100000, 1000, 2000);
  EXPECT_EQ(reaction->m_nWidth, 318 + 500);
  reaction->Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(Tips().size(), 1u);
  EXPECT_EQ(Tips()[0].x, 1818);
}

// ￣ keeps a quarter of its 370 height, ascent 74; the line runs along that room's bottom.
TEST_F(EditOverUnderTest, OverlineOperatorIsAQuarterHighLine) {
  auto* bar = Make<CEditOUnderover>({u"", u""});
  bar->m_operator.SetText(CStringW(u"\uFFE3"));
  Layout(*bar, 100000, 1000, 2000);
  EXPECT_FALSE(bar->m_bWidened);
  EXPECT_EQ(bar->m_nHeight, 92 + 211 + 211);
  EXPECT_EQ(bar->m_nAscent, 74 + 211);
  bar->Draw(&dc, &mapper, nullptr);
  const int baseline = 2000 + 285;
  ASSERT_EQ(Calls("Polyline").size(), 1u);
  EXPECT_EQ(Calls("Polyline")[0].ToString(),
            "Polyline 1000," + std::to_string(baseline + 18) + " 1371," + std::to_string(baseline + 18));
  EXPECT_EQ(Calls("Polyline")[0].penWidth, 17);
  // The under text starts at the bottom of the operator's room.
  EXPECT_EQ(SlotEndOf(*bar, 1)->m_rcInk.top, baseline + 18);
  EXPECT_EQ(Count("Rectangle"), 2);
}

TEST_F(EditOverUnderTest, MarkAloneInATextSlotStretchesToTheOperator) {
  auto* brace = Make<CEditOUnderover>({u"\uFE37", u"ab"});
  brace->m_operator.SetText(CStringW(u"\u2192"));
  Layout(*brace, 100000, 1000, 2000);
  EXPECT_TRUE(brace->m_bOverMark);
  EXPECT_FALSE(brace->m_bUnderMark);
  EXPECT_EQ(brace->GetEditChildAt(0)->m_nWidth, 371);
  EXPECT_EQ(Line(*brace, 0).props.m_nHeight, 211);
  brace->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Calls("Arc").size(), 4u);
  EXPECT_EQ(Calls("Text").size(), 2u);
  // The quartered → operator is painted between the texts, pointing right.
  ASSERT_EQ(Tips().size(), 1u);
  EXPECT_EQ(Tips()[0].x, 1371);

  // A single → in a text slot is a quarter high, takes the operator's natural width and is
  // painted; the ⇄ operator widens beyond it.
  dc.Recorder().Clear();
  auto* arrow = Make<CEditOUnderover>({u"\u2192", u""});
  arrow->m_operator.SetText(CStringW(u"\u21C4"));
  Layout(*arrow, 100000, 0, 0);
  EXPECT_EQ(Line(*arrow, 0).props.m_nHeight, 211 / 4);
  EXPECT_EQ(arrow->GetEditChildAt(0)->m_nWidth, 371);
  EXPECT_EQ(arrow->m_operator.m_nWidth, 371 + 500);
  arrow->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Tips().size(), 3u);
  EXPECT_TRUE(Calls("Text").empty());
}

// The over line is a quarter of 211: the element is 52 higher than its base.
TEST_F(EditOverUnderTest, ArrowOverABaseSpansItWithATwoPartHead) {
  auto* over = Make<CEditOver>({u"\u2192", u"W"});
  Layout(*over, 100000, 1000, 2000);
  EXPECT_TRUE(over->m_bMark);
  EXPECT_EQ(over->m_nWidth, 2000);
  EXPECT_EQ(over->m_nHeight, 52 + 370);
  EXPECT_EQ(over->m_nAscent, 52 + 296);
  over->Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(Calls("Polygon").size(), 1u);
  // A head 110 long and 75 high comes out 109 long and 36 to each side of the shaft.
  const std::vector<POINT> head = Calls("Polygon")[0].points;
  EXPECT_EQ(head[0].x, 3000);
  EXPECT_EQ(head[1].x, 3000 - 109);
  EXPECT_EQ(head[0].y - head[1].y, 36);
  EXPECT_EQ(Calls("Polyline")[0].points[0].x, 1000);
  EXPECT_EQ(Calls("Polyline")[0].penWidth, 8);
}

TEST_F(EditOverUnderTest, ArcKeepsItsHeightAndTwoArrowsAreText) {
  auto* arc = Make<CEditOver>({u"\u2322", u"W"});
  Layout(*arc, 100000, 1000, 2000);
  EXPECT_EQ(arc->m_nHeight, 211 + 370);
  arc->Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(Calls("Arc").size(), 1u);
  EXPECT_EQ(Calls("Arc")[0].penWidth, 17);

  dc.Recorder().Clear();
  auto* text = Make<CEditOver>({u"\u2192\u2192", u"W"});
  Layout(*text, 100000, 1000, 2000);
  EXPECT_FALSE(text->m_bMark);
  EXPECT_EQ(text->m_nHeight, 211 + 370);
  text->Draw(&dc, &mapper, nullptr);
  EXPECT_TRUE(Calls("Polygon").empty());
  EXPECT_EQ(Calls("Text").size(), 3u);
}

TEST_F(EditOverUnderTest, UnderStandsOnTheHalfHeightLineWithItsMarkBelow) {
  auto* under = Make<CEditUnder>({u"W", u"\uFE38"});
  Layout(*under, 100000, 1000, 2000);
  EXPECT_TRUE(under->m_bMark);
  EXPECT_EQ(under->m_rcInk.top, 2000);
  EXPECT_EQ(under->GetEditChildAt(2)->m_nWidth, 2000);
  EXPECT_EQ(under->GetEditChildAt(2)->m_rcInk.top, 2370);
  under->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Calls("Arc").size(), 4u);
}

// "V" is 900 wide: the base arrow stretches to 1400, the texts stay centred.
TEST_F(EditOverUnderTest, ArrowInTheBaseStretchesOverBothTexts) {
  auto* both = Make<CEditUnderover>({u"V", u"\uF577", u""});
  Layout(*both, 100000, 1000, 2000);
  EXPECT_TRUE(both->m_bBaseMark);
  EXPECT_EQ(both->m_nWidth, 1400);
  EXPECT_EQ(both->GetEditChildAt(0)->m_rcInk.left, 1250);
  EXPECT_EQ(SlotEndOf(*both, 2)->m_rcInk.left, 1000 + (1400 - 106) / 2);
  both->Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(Tips().size(), 1u);
  EXPECT_EQ(Tips()[0].x, 2400);

  // The three-part elements paint the single arrows and the lower arc too.
  dc.Recorder().Clear();
  auto* marks = Make<CEditUnderover>({u"\u2190", u"W", u"\uFE36"});
  Layout(*marks, 100000, 1000, 2000);
  EXPECT_TRUE(marks->m_bOverMark);
  EXPECT_TRUE(marks->m_bUnderMark);
  marks->Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(Tips().size(), 1u);
  EXPECT_EQ(Tips()[0].x, 1000);
  ASSERT_EQ(Calls("Arc").size(), 1u);
}

TEST_F(EditOverUnderTest, HeldBraceOverAWideBase) {
  dc.Recorder().m_font.overrides[u'X'] = ABC{0, 8087, 0};
  auto* over = Make<CEditOver2>({u"X"});
  over->m_over.SetText(CStringW(u"\uFE37"));
  Layout(*over, 100000, 1000, 2000);
  EXPECT_EQ(over->m_over.m_nWidth, 3000);
  EXPECT_EQ(over->m_nHeight, 211 + 370);
  EXPECT_EQ(CRect(over->m_over.m_rcInk), CRect(1000, 2000, 4000, 2211));
  over->Draw(&dc, &mapper, nullptr);
  const std::vector<DC_CALL> arcs = Calls("Arc");
  ASSERT_EQ(arcs.size(), 4u);
  EXPECT_EQ(arcs.front().points[0].x, 1000);
  EXPECT_EQ(arcs.back().points[1].x, 4000);
  EXPECT_EQ(over->NodeFromPoint(2000, 2100, nullptr), nullptr);
}

TEST_F(EditOverUnderTest, HeldArrowsPointTheirWayAndLettersPaintNothing) {
  auto* left = Make<CEditOver2>({u"W"});
  left->m_over.SetText(CStringW(u"\u2190"));
  Layout(*left, 100000, 1000, 2000);
  EXPECT_EQ(left->m_over.m_nHeight, 52);
  left->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Tips(), (std::vector<CPoint>{CPoint(1000, 2000 + 26)}));

  dc.Recorder().Clear();
  auto* letter = Make<CEditUnder2>({u"W"});
  letter->m_under.SetText(CStringW(u"a"));
  Layout(*letter, 100000, 1000, 2000);
  EXPECT_EQ(letter->m_under.m_nWidth, 2000);
  EXPECT_EQ(letter->m_nHeight, 370 + 211);
  EXPECT_EQ(letter->m_under.m_rcInk.left, 1000);
  letter->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Calls("Text").size(), 1u);
  EXPECT_TRUE(Calls("Polygon").empty());

  dc.Recorder().Clear();
  auto* both = Make<CEditUnderover2>({u"W"});
  both->m_over.SetText(CStringW(u"\u21C4"));
  both->m_under.SetText(CStringW(u"\uFE38"));
  Layout(*both, 100000, 1000, 2000);
  both->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Tips().size(), 2u);
  EXPECT_EQ(Calls("Arc").size(), 4u);
}

TEST_F(EditOverUnderTest, ApplyFontSizeGivesSlotsAndHeldMarksTheirSizes) {
  auto* over = Make<CEditOver>({u"a", u"b"});
  auto* under = Make<CEditUnder>({u"a", u"b"});
  auto* both = Make<CEditUnderover>({u"a", u"b", u"c"});
  auto* reaction = Make<CEditOUnderover>({u"a", u"b"});
  auto* held = Make<CEditUnderover2>({u"a"});
  struct CASE {
    CEditMathElement* element;
    std::vector<int> heights;
  } cases[] = {{over, {-320, -320, -560, -560}},
               {under, {-560, -560, -320, -320}},
               {both, {-320, -320, -560, -560, -320, -320}},
               {reaction, {-320, -320, -320, -320}},
               {held, {-560, -560}}};
  for (CASE& k : cases) {
    k.element->m_lf.lfHeight = -560;
    k.element->ApplyFontSize(nullptr);
    for (int i = 0; i < int(k.heights.size()); ++i)
      EXPECT_EQ(k.element->GetEditChildAt(i)->m_lf.lfHeight, k.heights[i]) << i;
  }
  EXPECT_EQ(reaction->m_operator.m_lf.lfHeight, -560);
  EXPECT_EQ(held->m_over.m_lf.lfHeight, -320);
  EXPECT_EQ(held->m_under.m_lf.lfHeight, -320);
}

template <class T>
T* RoundTrip(T* element, Bytes* pBytes) {
  *pBytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(element); });
  CObject* loaded = nullptr;
  LoadBytes(*pBytes, [&](CArchive& ar) { loaded = ar.ReadObject(nullptr); });
  return dynamic_cast<T*>(loaded);
}

TEST_F(EditOverUnderTest, ArchivesKeepFlagsAndHeldCharacters) {
  auto* reaction = Make<CEditOUnderover>({u"\uFE37", u""});
  reaction->m_operator.SetText(CStringW(u"\u21C4"));
  auto* both = Make<CEditUnderover>({u"a", u"\uF577", u"\u2192"});
  auto* held = Make<CEditUnderover2>({u"x"});
  held->m_over.SetText(CStringW(u"\u2192"));
  held->m_under.SetText(CStringW(u"\uFE38"));
  Layout(*reaction);
  Layout(*both);
  // Flags lead the record: widened, over, under.
  const Bytes own = StoreBytes([&](CArchive& ar) { reaction->Serialize(ar); });
  EXPECT_EQ(ToHex(Bytes(own.begin(), own.begin() + 12)), "01 00 00 00 01 00 00 00 00 00 00 00");

  Bytes bytes;
  std::unique_ptr<CEditOUnderover> r(RoundTrip(reaction, &bytes));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->m_operator.m_strText, CStringW(u"\u21C4"));
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(r.get()); }), bytes);
  std::unique_ptr<CEditUnderover> b(RoundTrip(both, &bytes));
  ASSERT_TRUE(b);
  EXPECT_EQ(b->m_bOverMark, 0);
  EXPECT_EQ(b->m_bBaseMark, 1);
  EXPECT_EQ(b->m_bUnderMark, 1);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(b.get()); }), bytes);
  std::unique_ptr<CEditUnderover2> h(RoundTrip(held, &bytes));
  ASSERT_TRUE(h);
  EXPECT_EQ(h->m_over.m_strText, CStringW(u"\u2192"));
  EXPECT_EQ(h->m_under.m_strText, CStringW(u"\uFE38"));
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(h.get()); }), bytes);

  CEditOUnderover truncated;
  EXPECT_THROW(LoadBytes(Bytes(own.begin(), own.begin() + 20), [&](CArchive& ar) { truncated.Serialize(ar); }),
               CArchiveException);
}

}  // namespace
