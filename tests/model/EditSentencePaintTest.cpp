#include <gtest/gtest.h>

#include <string>

#include "tests/model/SentenceTestSupport.h"

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kOutlineGrey = 0xC0C0C0;

class EditSentencePaintTest : public ::testing::Test, public CSentenceLayoutFixture {
 protected:
  void LayOut(int kind, int minor) {
    sentence.m_nKind = kind;
    sentence.m_nMinor = minor;
    AddText(sentence, u"あい\n");
    Layout(sentence, {.nWidth = 5000});
    dc.Recorder().Clear();
  }
  void Draw() {
    EDIT_LAYOUT_PARAM param{};
    sentence.Draw(&dc, &mapper, &param);
  }
  int CountRectangles(COLORREF pen) {
    int n = 0;
    for (const DC_CALL& call : dc.Recorder().Calls()) n += call.name == "Rectangle" && call.penColor == pen;
    return n;
  }
  const DC_CALL* FindText(const std::u16string& text) {
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Text" && call.text == text) return &call;
    return nullptr;
  }

  CEditSentence sentence;
};

TEST_F(EditSentencePaintTest, KindLabelIsFramedInTheKindColourOnScreen) {
  struct Case {
    int kind;
    const char16_t* label;
    COLORREF colour;
  };
  for (const Case& c : {Case{3, u"解答", kRed}, Case{1, u"問題", kBlue}, Case{4, u"解説", kGrey}}) {
    sentence.DeleteAllChildren();
    LayOut(c.kind, 0);
    Draw();
    EXPECT_EQ(CountRectangles(c.colour), 1) << "kind " << c.kind;
    const DC_CALL* label = FindText(c.label);
    ASSERT_NE(label, nullptr) << "kind " << c.kind;
    EXPECT_EQ(label->textColor, c.colour);
    EXPECT_EQ(CountRectangles(kOutlineGrey), 1);
  }
}

TEST_F(EditSentencePaintTest, LabelFrameSitsTenMillimetresBeforeTheLine) {
  LayOut(3, 0);
  Draw();
  for (const DC_CALL& call : dc.Recorder().Calls()) {
    if (call.name != "Rectangle" || call.penColor != kRed) continue;
    RECT expected = sentence.m_label.m_rcInk;
    mapper.LPtoDPRect(&expected);
    EXPECT_EQ(sentence.m_label.m_rcInk.left, 0);
    EXPECT_EQ(call.points[0].x, expected.left - 1);
    EXPECT_EQ(call.points[0].y, expected.top - 1);
  }
}

TEST_F(EditSentencePaintTest, MinorQuestionPartShowsItsLabelWithoutFrame) {
  LayOut(3, 2);
  Draw();
  EXPECT_EQ(CountRectangles(kRed), 0);
  EXPECT_NE(FindText(u"解答"), nullptr);
}

TEST_F(EditSentencePaintTest, PrintingDrawsNeitherLabelNorOutlines) {
  LayOut(3, 0);
  dc.Recorder().m_bPrinting = true;
  Draw();
  EXPECT_EQ(CountRectangles(kRed), 0);
  EXPECT_EQ(CountRectangles(kOutlineGrey), 0);
  EXPECT_EQ(FindText(u"解答"), nullptr);
  EXPECT_NE(FindText(u"あ"), nullptr);
}

TEST_F(EditSentencePaintTest, HiddenSentenceDrawsNothing) {
  LayOut(1, 0);
  sentence.m_bHidden = 2;
  Draw();
  EXPECT_TRUE(dc.Recorder().Calls().empty());
}

}  // namespace
