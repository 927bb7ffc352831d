#include <gtest/gtest.h>

#include "math/EditLongdiv.h"
#include "math/EditRoot.h"
#include "math/EditSqrt.h"
#include "model/ShowCyukai.h"
#include "tests/math/MathTestSupport.h"

namespace {

// A 10.5-point slot end is 370 high (ascent 296, half height 185) and 185 wide; the radicand's
// line grows by 53 to 423, ascent 349, half height 238.
class EditRadicalsTest : public MathLayoutTest {
 protected:
  void TearDown() override { g_bShowCyukai = 1; }

  template <class T>
  T* Make(std::initializer_list<std::u16string> texts, int firstSlotHeight = 0) {
    auto* element = new T;
    element->m_lf.lfHeight = -371;
    element->CreateSlots();
    int slot = 0;
    for (const std::u16string& text : texts) {
      CEditNode* end = SlotEnd(*element, slot);
      for (char16_t c : text) {
        auto* ch = new CEditMathChar(c);
        ch->m_lf.lfHeight = slot == 0 && firstSlotHeight ? firstSlotHeight : end->m_lf.lfHeight;
        end->InsertBefore(ch);
      }
      ++slot;
    }
    owner.AppendChild(element);
    return element;
  }
  static CEditNode* SlotEnd(CEditNode& element, int slot) {
    int seen = 0;
    for (int i = 0; i < element.GetChildCount(); ++i)
      if ((element.GetEditChildAt(i)->m_nType & NT_LINEBREAK) && seen++ == slot) return element.GetEditChildAt(i);
    return nullptr;
  }
  std::vector<std::string> Strokes() {
    std::vector<std::string> lines;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Polyline" || call.name == "Arc") lines.push_back(call.ToString());
    return lines;
  }

  CEditMathContainer owner;
};

TEST_F(EditRadicalsTest, EmptySquareRootAndItsSign) {
  CEditSqrt* root = Make<CEditSqrt>({});
  Layout(*root, 100000, 1000, 2000);
  EXPECT_EQ(root->m_nWidth, 185 + 423 / 2);
  EXPECT_EQ(root->m_nHeight, 423 + 18);
  EXPECT_EQ(root->m_nAscent, 349 + 18);
  EXPECT_EQ(root->m_nCenter, 238 + 18);
  EXPECT_EQ(root->GetEditChildAt(0)->m_rcInk.left, 1000 + 211);
  root->Draw(&dc, &mapper, nullptr);
  // d = 405, hw = 211; the bar runs over the radicand at 18 below the top.
  EXPECT_EQ(Strokes(), (std::vector<std::string>{"Polyline 1000,2342 1052,2288 1105,2423 1211,2018 1396,2018"}));
  EXPECT_EQ(Count("Rectangle"), 1);
  EXPECT_EQ(dc.Recorder().Calls().back().penWidth, 17);
  EXPECT_EQ(dc.Recorder().Calls().back().penColor, RGB(0, 0, 0));
}

// 'f' is 174 wide with a right overhang of 37.
TEST_F(EditRadicalsTest, OverhangOfTheLastLetterWidensTheBar) {
  dc.Recorder().m_font.overrides[u'f'] = ABC{-30, 600, -100};
  CEditSqrt* root = Make<CEditSqrt>({u"f"});
  CEditLongdiv* division = Make<CEditLongdiv>({u"f"});
  for (CEditNode* element : {static_cast<CEditNode*>(root), static_cast<CEditNode*>(division)}) {
    CEditNode* f = element->GetEditChildAt(0);
    f->m_lf.lfItalic = 1;
    f->m_lf.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    Layout(*element, 100000, 1000, 2000);
  }
  EXPECT_EQ(root->m_nOverhangRight, 37);
  EXPECT_EQ(Line(*root, 0).props.m_nWidth, 174 + 37);
  EXPECT_EQ(root->m_ptSign[4].x - root->m_ptSign[3].x, 174 + 37);
  EXPECT_EQ(division->m_nOverhangRight, 50);
  EXPECT_EQ(division->m_nWidth, 174 + 50 + 370 / 4);
}

TEST_F(EditRadicalsTest, WideIndexPushesTheSignRightTallIndexLowersTheRadicand) {
  CEditRoot* plain = Make<CEditRoot>({u"3"});
  Layout(*plain, 100000, 1000, 2000);
  EXPECT_EQ(plain->m_nWidth, 185 + 211);
  EXPECT_EQ(plain->m_nHeight, 423 + 18);
  EXPECT_EQ(plain->m_ptSign[0].x, 1000);

  // Three script digits are 318 wide, a third of 423 is 141: 177 further right.
  CEditRoot* wide = Make<CEditRoot>({u"123"});
  Layout(*wide, 100000, 1000, 2000);
  EXPECT_EQ(wide->m_nWidth, 185 + 211 + 177);
  EXPECT_EQ(wide->m_ptSign[0].x, 1177);
  EXPECT_EQ(SlotEnd(*wide, 1)->m_rcInk.left, 1177 + 211);
  EXPECT_EQ(wide->GetEditChildAt(0)->m_rcInk.left, 1000);

  // A 740-high index exceeds two thirds of 423 by 141 + 740 - 423 = 458.
  CEditRoot* tall = Make<CEditRoot>({u"3"}, -740);
  Layout(*tall, 100000, 1000, 2000);
  EXPECT_EQ(tall->m_nHeight, 423 + 18 + 458);
  EXPECT_EQ(tall->m_nCenter, 238 + 458);
  const int radicandTop = SlotEnd(*tall, 1)->m_rcHit.top;
  EXPECT_EQ(radicandTop - tall->m_rcInk.top, 458);
  EXPECT_EQ(tall->m_rcInk.bottom - (radicandTop + 423), 18);
  EXPECT_EQ(tall->m_ptSign[3].y, radicandTop + 18);
}

TEST_F(EditRadicalsTest, LongDivisionBarSpansTheWholeWidthOnTop) {
  CEditLongdiv* division = Make<CEditLongdiv>({u"12"});
  Layout(*division, 100000, 1000, 2000);
  EXPECT_EQ(division->m_nWidth, 370 + 92);
  EXPECT_EQ(division->m_nHeight, 370);
  EXPECT_EQ(division->GetEditChildAt(0)->m_rcInk.left, 1092);
  division->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Strokes(), (std::vector<std::string>{"Polyline 1000,2000 1462,2000", "Arc 908,2000 1092,2370 1000,2370 1000,2000"}));
  EXPECT_EQ(dc.Recorder().Calls().back().brushStyle, UINT(BS_NULL));
}

TEST_F(EditRadicalsTest, HiddenAnswerHidesSquareRootAndDivisionButNotTheRoot) {
  owner.m_nType |= NT_ANNOTATION;
  CEditSqrt* sqrt = Make<CEditSqrt>({});
  CEditLongdiv* division = Make<CEditLongdiv>({});
  CEditRoot* root = Make<CEditRoot>({});
  g_bShowCyukai = 0;
  for (CEditNode* element : {static_cast<CEditNode*>(sqrt), static_cast<CEditNode*>(division)}) {
    Layout(*element);
    element->Draw(&dc, &mapper, nullptr);
  }
  EXPECT_TRUE(Strokes().empty());
  EXPECT_EQ(Count("Rectangle"), 0);
  Layout(*root);
  root->Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(Strokes().size(), 1u);
  EXPECT_EQ(Count("Rectangle"), 2);
}

TEST_F(EditRadicalsTest, PrintingShowsBlackSignsAndNoMarks) {
  CEditSqrt* sqrt = Make<CEditSqrt>({});
  CEditLongdiv* division = Make<CEditLongdiv>({});
  dc.Recorder().m_bPrinting = true;
  for (CEditNode* element : {static_cast<CEditNode*>(sqrt), static_cast<CEditNode*>(division)}) {
    Layout(*element);
    element->Draw(&dc, &mapper, nullptr);
  }
  EXPECT_EQ(Strokes().size(), 3u);
  EXPECT_EQ(Count("Rectangle"), 0);
  for (const DC_CALL& call : dc.Recorder().Calls()) EXPECT_EQ(call.penColor, RGB(0, 0, 0));
}

TEST_F(EditRadicalsTest, NoSignBeforeTheFirstArrange) {
  CEditSqrt* sqrt = Make<CEditSqrt>({u"2"});
  CEditLongdiv* division = Make<CEditLongdiv>({u"2"});
  CEditRoot* root = Make<CEditRoot>({u"3", u"2"});
  for (CEditNode* element : {static_cast<CEditNode*>(sqrt), static_cast<CEditNode*>(division),
                             static_cast<CEditNode*>(root)}) {
    element->Measure(&dc, &mapper, nullptr);
    element->Draw(&dc, &mapper, nullptr);
  }
  EXPECT_TRUE(Strokes().empty());
  EXPECT_EQ(Count("Text"), 4);

  CEditRoot broken;
  broken.AppendChild(new CEditMathCR);
  Layout(broken);
  broken.Draw(&dc, &mapper, nullptr);
  EXPECT_FALSE(broken.m_bSignPlaced);
  EXPECT_EQ(broken.m_nHeight, 370);
}

}  // namespace
