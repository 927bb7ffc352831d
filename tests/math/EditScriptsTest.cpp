#include <gtest/gtest.h>

#include <memory>

#include "math/EditFenced.h"
#include "math/EditLongdiv.h"
#include "math/EditMatrix.h"
#include "math/EditMulti.h"
#include "math/EditOPresubSub.h"
#include "math/EditPresub.h"
#include "math/EditPresubPresup.h"
#include "math/EditPresubSub.h"
#include "math/EditPresuper.h"
#include "math/EditRoot.h"
#include "math/EditSqrt.h"
#include "math/EditSub.h"
#include "math/EditSubsup.h"
#include "math/EditSuper.h"
#include "tests/math/MathTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

// With the fake metrics a 10.5-point character (lfHeight -371) is 370 high, ascent 296, half
// height 185 and 185 wide; a script one (-212) is 211 high, ascent 169, half height 105 and
// 106 wide; a 21-point one (-740) is 740 high with ascent 592.
class EditScriptsTest : public MathElementTest {
 protected:
  // The first node of a slot.
  static CEditNode* First(CEditNode& element, int slot) {
    CEditNode* end = SlotEndOf(element, slot);
    int i = element.IndexOfChild(end);
    while (i > 0 && !(element.GetEditChildAt(i - 1)->m_nType & NT_LINEBREAK)) --i;
    return element.GetEditChildAt(i);
  }
  // Lays the element out with its baseline and half-height line those of a line at y.
  void Place(CEditNode& node) { Layout(node, 100000, 1000, 2000); }
  static void MakeItalicF(CEditNode* f, BYTE italic) {
    f->m_lf.lfItalic = italic;
    f->m_lf.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
  }
};

TEST_F(EditScriptsTest, SmallSubscriptEndsAtTheBaseBottomATallOneStandsOnIt) {
  CEditSub* small = Make<CEditSub>({u"x", u"1"});
  Place(*small);
  EXPECT_EQ(small->m_nWidth, 185 + 106);
  EXPECT_EQ(small->m_nHeight, 370);
  EXPECT_EQ(small->m_nAscent, 296);
  EXPECT_EQ(First(*small, 1)->m_rcInk.bottom, small->m_rcInk.top + 370);

  CEditSub* tall = Make<CEditSub>({u"x", u"1"}, {-371, -740});
  Place(*tall);
  EXPECT_EQ(tall->m_nHeight, 370 + 740 - 592);
  EXPECT_EQ(tall->m_nCenter, 185);
  EXPECT_EQ(First(*tall, 1)->m_ptOrigin.y, tall->m_rcInk.top + 370);
  EXPECT_EQ(First(*tall, 1)->m_rcInk.left, 1185);
}

TEST_F(EditScriptsTest, SuperscriptDropsTheBaseByATenthOfItsHeight) {
  CEditSuper* super = Make<CEditSuper>({u"x", u"2"});
  Place(*super);
  const int raise = 211 / 10;
  EXPECT_EQ(super->m_nHeight, 370 + raise);
  EXPECT_EQ(super->m_nAscent, 296 + raise);
  EXPECT_EQ(super->m_nCenter, 185 + raise);
  EXPECT_EQ(First(*super, 0)->m_rcInk.top, super->m_rcInk.top + raise);
  EXPECT_EQ(First(*super, 1)->m_rcInk.top, super->m_rcInk.top);
  EXPECT_EQ(First(*super, 1)->m_rcInk.left, 1185);
  // Centred: the element's half-height line lies on the line's.
  EXPECT_EQ(super->m_rcInk.top, 2000);

  // A superscript taller than the base's ascent: half its height less a tenth.
  CEditSuper* tall = Make<CEditSuper>({u"x", u"2"}, {-371, -740});
  Place(*tall);
  EXPECT_EQ(tall->m_nHeight, 370 + 370 - 74);
}

// 'f' is 174 wide with a right overhang of 37 at 10.5 points.
TEST_F(EditScriptsTest, ItalicFLeansOutAtLeastFiftyBeforeItsScripts) {
  dc.Recorder().m_font.overrides[u'f'] = ABC{-30, 600, -100};
  struct CASE {
    BYTE italic;
    int overhang;
  } cases[] = {{1, 50}, {0, 37}};
  for (const CASE& k : cases) {
    CEditSuper* super = Make<CEditSuper>({u"f", u"2"});
    MakeItalicF(First(*super, 0), k.italic);
    CEditSubsup* both = Make<CEditSubsup>({u"f", u"2", u"1"});
    MakeItalicF(First(*both, 0), k.italic);
    Place(*super);
    Place(*both);
    EXPECT_EQ(super->m_nOverhangRight, k.overhang);
    EXPECT_EQ(super->m_nOverhangLeft, 11);
    EXPECT_EQ(First(*super, 1)->m_rcInk.left, 1000 + 174 + k.overhang);
    EXPECT_EQ(super->m_nWidth, 174 + k.overhang + 106);
    EXPECT_EQ(First(*both, 1)->m_rcInk.left, 1000 + 174 + k.overhang);
    EXPECT_EQ(First(*both, 2)->m_rcInk.left, 1000 + 174 + k.overhang);
  }
  // The pre-scripts element records the base's overhang without moving anything.
  auto* pre = Make<CEditPresubPresup>({u"2", u"1", u"f"});
  MakeItalicF(First(*pre, 2), 1);
  Place(*pre);
  EXPECT_EQ(pre->m_nOverhangRight, 50);
  EXPECT_EQ(pre->m_nOverhangLeft, 0);
  EXPECT_EQ(pre->m_nWidth, 106 + 174);
}

TEST_F(EditScriptsTest, FenceStartingTheBaseGrowsToBothScripts) {
  struct CASE {
    int scriptHeight, fenceHeight;
  } cases[] = {{-212, 211 + 211}, {-150, 370}};
  for (const CASE& k : cases) {
    auto* subsup = Make<CEditSubsup>({u"", u"2", u"1"}, {-371, k.scriptHeight, k.scriptHeight});
    auto* fence = new CEditFenced;
    fence->m_lf.lfHeight = -371;
    fence->CreateSlots();
    SlotEndOf(*fence, 0)->InsertBefore(new CEditMathChar(u'x'));
    fence->GetEditChildAt(0)->m_lf.lfHeight = -371;
    SlotEndOf(*subsup, 0)->InsertBefore(fence);
    Place(*subsup);
    EXPECT_EQ(fence->m_nHeight, k.fenceHeight) << k.scriptHeight;
    EXPECT_EQ(fence->m_nExtraHeight, 0);
    EXPECT_EQ(Line(*subsup, 0).props.m_nHeight, k.fenceHeight);
  }
}

// Script slot ends are 211 high, 106 wide, with a half height of 105: the raise is 10.
TEST_F(EditScriptsTest, MultiWithAllFiveSlotsEmpty) {
  CEditMulti* multi = Make<CEditMulti>({});
  Place(*multi);
  EXPECT_EQ(multi->GetBox(0)->GetLineCount(), 5);
  EXPECT_EQ(multi->m_nWidth, 106 + 185 + 106);
  EXPECT_EQ(multi->m_nHeight, 370 + 10);
  EXPECT_EQ(multi->m_nAscent, 296 + 10);
  const RECT top = multi->m_rcInk;
  EXPECT_EQ(CRect(SlotEndOf(*multi, 0)->m_rcInk).TopLeft(), CPoint(1000, top.top));
  EXPECT_EQ(CRect(SlotEndOf(*multi, 1)->m_rcInk).BottomRight(), CPoint(1106, top.bottom));
  EXPECT_EQ(CRect(SlotEndOf(*multi, 2)->m_rcInk).TopLeft(), CPoint(1106, top.top + 10));
  EXPECT_EQ(CRect(SlotEndOf(*multi, 3)->m_rcInk).TopLeft(), CPoint(1291, top.top));
  EXPECT_EQ(CRect(SlotEndOf(*multi, 4)->m_rcInk).BottomRight(), CPoint(1397, top.bottom));
  multi->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 5);
  dc.Recorder().Clear();
  dc.Recorder().m_bPrinting = true;
  multi->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Count("Rectangle"), 0);
}

TEST_F(EditScriptsTest, TallPreSubscriptReachesAboveTheBaseWithoutAddingHeight) {
  CEditPresub* presub = Make<CEditPresub>({u"1", u"x"}, {-740, -371});
  CEditPresubSub* both = Make<CEditPresubSub>({u"1", u"x", u"2"}, {-740, -371, -212});
  for (CEditNode* element : {static_cast<CEditNode*>(presub), static_cast<CEditNode*>(both)}) {
    Place(*element);
    EXPECT_EQ(element->m_nHeight, 370);
    EXPECT_EQ(element->m_nAscent, 296);
    // On the baseline: the line's baseline is the element's.
    EXPECT_EQ(element->m_rcInk.top, 2000);
    EXPECT_EQ(First(*element, 0)->m_rcInk.top, 2000 + 370 - 740);
    EXPECT_EQ(First(*element, 1)->m_rcInk.left, 1000 + 370);
  }
  EXPECT_EQ(First(*both, 2)->m_rcInk.bottom, 2370);
  EXPECT_EQ(both->m_nWidth, 370 + 185 + 106);
}

TEST_F(EditScriptsTest, PreSuperscriptsRaiseByATenthOfThePreSuperscript) {
  auto* presuper = Make<CEditPresuper>({u"2", u"x"});
  Place(*presuper);
  EXPECT_EQ(presuper->m_nHeight, 370 + 21);
  EXPECT_EQ(First(*presuper, 1)->m_rcInk.top, presuper->m_rcInk.top + 21);
  auto* pre = Make<CEditPresubPresup>({u"22", u"1", u"x"});
  Place(*pre);
  EXPECT_EQ(pre->m_nWidth, 212 + 185);
  EXPECT_EQ(First(*pre, 1)->m_rcInk.left, 1000 + 212 - 106);
  EXPECT_EQ(First(*pre, 1)->m_rcInk.bottom, pre->m_rcInk.bottom);
}

TEST_F(EditScriptsTest, OperatorLetterCarriesNumbersAtItsFoot) {
  auto* choose = Make<CEditOPresubSub>({u"n", u"r"});
  choose->m_operator.SetText(CStringW(u"C"));
  choose->m_operator.m_lf.lfHeight = -371;
  Place(*choose);
  EXPECT_EQ(choose->m_nWidth, 106 + 185 + 106);
  EXPECT_EQ(choose->m_nHeight, 370);
  EXPECT_EQ(choose->m_nAscent, 296);
  EXPECT_EQ(choose->m_nCenter, 185);
  EXPECT_EQ(CRect(choose->m_operator.m_rcHit), CRect(1106, 2000, 1291, 2370));
  EXPECT_EQ(First(*choose, 0)->m_rcInk.bottom, 2370);
  EXPECT_EQ(First(*choose, 1)->m_rcInk.bottom, 2370);
  EXPECT_EQ(First(*choose, 1)->m_rcInk.left, 1291);
  // The letter is not a child: hits at it find nothing.
  EXPECT_EQ(choose->NodeFromPoint(1200, 2100, nullptr), nullptr);
  choose->Draw(&dc, &mapper, nullptr);
  ASSERT_GE(dc.Recorder().Calls().size(), 1u);
  EXPECT_EQ(dc.Recorder().Calls()[0].text, u"C");

  // The letter's record comes before the container's; a truncated record fails cleanly.
  Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(choose); });
  Bytes letter = StoreBytes([&](CArchive& ar) { choose->m_operator.Serialize(ar); });
  Bytes own = StoreBytes([&](CArchive& ar) { choose->Serialize(ar); });
  EXPECT_TRUE(std::equal(letter.begin(), letter.end(), own.begin()));
  CObject* loaded = nullptr;
  LoadBytes(bytes, [&](CArchive& ar) { loaded = ar.ReadObject(nullptr); });
  std::unique_ptr<CObject> copy(loaded);
  auto* reloaded = dynamic_cast<CEditOPresubSub*>(loaded);
  ASSERT_NE(reloaded, nullptr);
  EXPECT_EQ(reloaded->m_operator.m_strText, CStringW(u"C"));
  EXPECT_EQ(reloaded->GetChildCount(), choose->GetChildCount());
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(reloaded); }), bytes);
  CEditOPresubSub truncated;
  EXPECT_THROW(LoadBytes(Bytes(own.begin(), own.begin() + own.size() / 2),
                         [&](CArchive& ar) { truncated.Serialize(ar); }),
               CArchiveException);
}

TEST_F(EditScriptsTest, HiddenOrMissingSlotsLeaveTheOperatorElementEmpty) {
  CEditOPresubSub broken;
  broken.AppendChild(new CEditMathCR);
  broken.m_operator.SetText(CStringW(u"P"));
  Layout(broken);
  EXPECT_EQ(broken.m_nWidth, 0);
  EXPECT_EQ(broken.m_nHeight, 0);
  // Elements with fewer lines than slots keep the plain slot layout and place nothing.
  CEditSubsup plain;
  plain.AppendChild(new CEditMathCR);
  plain.AppendChild(new CEditMathCR);
  plain.m_rcInk = RECT{1, 2, 3, 4};
  Layout(plain);
  EXPECT_EQ(plain.m_nHeight, 2 * 370);
  EXPECT_EQ(CRect(plain.m_rcInk), CRect(1, 2, 3, 4));
}

// Which slots take the element's height and which the script height.
TEST_F(EditScriptsTest, ApplyFontSizeGivesEachSlotItsSize) {
  struct CASE {
    std::unique_ptr<CEditMathElement> element;
    const char* sizes;
  };
  CASE cases[] = {{std::make_unique<CEditSub>(), "fs"},          {std::make_unique<CEditSuper>(), "fs"},
                  {std::make_unique<CEditSubsup>(), "fss"},      {std::make_unique<CEditPresub>(), "sf"},
                  {std::make_unique<CEditPresuper>(), "sf"},     {std::make_unique<CEditPresubPresup>(), "ssf"},
                  {std::make_unique<CEditMulti>(), "ssfss"},     {std::make_unique<CEditPresubSub>(), "sfs"},
                  {std::make_unique<CEditOPresubSub>(), "ss"},   {std::make_unique<CEditRoot>(), "sf"},
                  {std::make_unique<CEditSqrt>(), "f"},          {std::make_unique<CEditLongdiv>(), "f"}};
  for (CASE& k : cases) {
    CEditMathElement& element = *k.element;
    element.m_lf.lfHeight = -371;
    for (size_t i = 0; k.sizes[i]; ++i) element.AppendChild(new CEditMathCR);
    element.GetEditChildAt(0)->InsertBefore(new CEditMathChar(u'a'));
    element.m_lf.lfHeight = -560;
    element.ApplyFontSize(nullptr);
    EXPECT_EQ(element.GetEditChildAt(0)->m_lf.lfHeight, k.sizes[0] == 'f' ? -560 : -320) << k.sizes;
    for (size_t i = 0; k.sizes[i]; ++i)
      EXPECT_EQ(element.GetEditChildAt(int(i) + 1)->m_lf.lfHeight, k.sizes[i] == 'f' ? -560 : -320)
          << k.sizes << " slot " << i;
  }
  CEditOPresubSub choose;
  choose.m_lf.lfHeight = -560;
  choose.ApplyFontSize(nullptr);
  EXPECT_EQ(choose.m_operator.m_lf.lfHeight, -560);
  CEditMatrix matrix;
  matrix.m_lf.lfHeight = -560;
  matrix.CreateCells(2, 2);
  matrix.m_lf.lfHeight = -371;
  matrix.ApplyFontSize(nullptr);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(matrix.GetEditChildAt(i)->m_lf.lfHeight, -371);
}

}  // namespace
