#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>

#include "elements/EditKasen.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/SaturatedInt.h"
#include "platform/AnsiCodePage.h"
#include "tests/model/LayoutTestNodes.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"
#include "tests/support/StringWPrint.h"

namespace {

// A 5-point label in the fake metrics: em 176, ascent 140, descent 35.
constexpr int kLabelHeight = 175;

// Content of one line 3000 wide and 400 high (two blocks of 1500), placed at (1000, 2000).
class EditKasenTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    mapper.SetResolution(2540, 2540, 100);
    mapper.m_bVertical = GetParam();
    first = Add(1500);
    second = Add(1500);
  }
  CSizedNode* Add(int width) {
    auto* node = new CSizedNode(width, 400, 320, 200);
    kasen.AppendChild(node);
    return node;
  }
  void Measure(int width = 10000) {
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = width;
    measure.nLineSpacing = 100;
    kasen.Measure(&dc, &mapper, &measure);
  }
  void Arrange(int lineHalf) {
    EDIT_LAYOUT_PARAM arrange{};
    arrange.nX = 1000;
    arrange.nY = 2000;
    arrange.nLineHalf = lineHalf;
    arrange.nLineSpacing = 30;
    kasen.Arrange(&arrange, GetParam());
  }
  const DC_CALL* FindCall(const char* name) {
    const auto& calls = dc.Recorder().Calls();
    auto it = std::find_if(calls.begin(), calls.end(), [&](const DC_CALL& c) { return c.name == name; });
    return it == calls.end() ? nullptr : &*it;
  }
  POINT Device(int x, int y) {
    POINT pt{x, y};
    mapper.LPtoDP(&pt);
    return pt;
  }

  CRecordingDC dc;
  CCoordMapper mapper;
  CEditKasen kasen;
  CSizedNode* first = nullptr;
  CSizedNode* second = nullptr;
};

TEST_P(EditKasenTest, LabelIsACircledNumberOrIdeographByDirection) {
  Measure();
  EXPECT_EQ(kasen.m_Label.m_strText, CStringW(GetParam() ? u"㊀" : u"①"));
  EXPECT_EQ(kasen.m_Label.m_lf.lfHeight, -176);
  EXPECT_EQ(kasen.m_Label.m_lf.lfItalic, 0);
  EXPECT_EQ(std::string(kasen.m_Label.m_lf.lfFaceName), WideToAnsi(GetParam() ? u"@ＭＳ Ｐ明朝" : u"ＭＳ Ｐ明朝"));
  EXPECT_EQ(kasen.m_Label.m_nHeight, kLabelHeight);
}

TEST_P(EditKasenTest, ElementIsTheLineWithTheLabelAcrossIt) {
  Measure();
  const int extra = GetParam() ? kLabelHeight : 0;
  EXPECT_EQ(kasen.m_nWidth, 3000);
  EXPECT_EQ(kasen.m_nHeight, 400 + kLabelHeight);
  EXPECT_EQ(kasen.m_nAscent, 320 + extra);
  EXPECT_EQ(kasen.m_nCenter, 200 + extra);
}

// Horizontal: content on top, label below. Vertical: label first, content after it.
TEST_P(EditKasenTest, PlacesContentAndLabelOnEitherSideOfTheRule) {
  Measure();
  Arrange(kasen.m_nCenter);
  const int contentTop = GetParam() ? 2000 + kLabelHeight : 2000;
  const int labelTop = GetParam() ? 2000 : 2000 + 400;
  EXPECT_EQ(kasen.m_rcInk.top, 2000);
  EXPECT_EQ(kasen.m_rcInk.bottom, 2000 + 400 + kLabelHeight);
  EXPECT_EQ(first->m_arranged.nX, 1000);
  EXPECT_EQ(second->m_arranged.nX, 2500);
  EXPECT_EQ(second->m_arranged.nY, contentTop);
  EXPECT_EQ(second->m_arranged.nLineAscent, 320);
  EXPECT_EQ(second->m_arranged.nLineSpacing, 30);
  EXPECT_EQ(second->m_nInLine, 1);
  EXPECT_EQ(kasen.m_Label.m_rcInk.top, labelTop);
  EXPECT_EQ(kasen.m_Label.m_rcInk.left, 1000);

  kasen.Draw(&dc, &mapper, nullptr);
  const DC_CALL* label = FindCall("Text");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text, GetParam() ? u"㊀" : u"①");
  const DC_CALL* rule = FindCall("Polyline");
  ASSERT_NE(rule, nullptr);
  const int ruleY = GetParam() ? 2000 + kLabelHeight : 2000 + 400;
  ASSERT_EQ(rule->points.size(), 2u);
  EXPECT_EQ(CPoint(rule->points[0]), CPoint(Device(1000, ruleY)));
  EXPECT_EQ(CPoint(rule->points[1]), CPoint(Device(4000, ruleY)));
  EXPECT_EQ(rule->penWidth, 18);
  EXPECT_EQ(rule->penColor, COLORREF(0));
}

// On a taller line the element is centred by half heights; its label stays against the content.
TEST_P(EditKasenTest, CentresOnTheLineByHalfHeights) {
  Measure();
  Arrange(kasen.m_nCenter + 300);
  EXPECT_EQ(kasen.m_rcInk.top, 2300);
  const int contentTop = GetParam() ? 2300 + kLabelHeight : 2300;
  EXPECT_EQ(first->m_arranged.nY, contentTop);
  EXPECT_EQ(kasen.m_Label.m_rcInk.top, GetParam() ? 2300 : 2300 + 400);
}

TEST_P(EditKasenTest, OnlyTheFirstLineIsPlaced) {
  Measure(2000);
  ASSERT_EQ(kasen.GetBox(0)->GetLineCount(), 2);
  EXPECT_EQ(kasen.m_nWidth, 1500);
  Arrange(kasen.m_nCenter);
  EXPECT_EQ(first->m_arranged.nX, 1000);
  EXPECT_EQ(second->m_arranged.nX, 0);
  EXPECT_EQ(second->m_arranged.nY, 0);
}

TEST_P(EditKasenTest, WithoutChildrenDrawsNoLabelAndNoRule) {
  CEditKasen empty;
  EDIT_LAYOUT_PARAM measure{};
  measure.nWidth = 10000;
  empty.Measure(&dc, &mapper, &measure);
  EXPECT_EQ(empty.m_nWidth, 0);
  EDIT_LAYOUT_PARAM arrange{};
  empty.Arrange(&arrange, GetParam());
  empty.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(FindCall("Text"), nullptr);
  EXPECT_EQ(FindCall("Polyline"), nullptr);
}

// A point inside the line beyond the last child answers that child, after it.
TEST_P(EditKasenTest, HitBesideTheChildrenAnswersTheLineEnds) {
  Measure();
  Arrange(kasen.m_nCenter);
  second->m_rcHit = RECT{0, 0, 0, 0};
  second->m_rcInk.right -= 500;
  int after = -1;
  const int y = GetParam() ? 2000 + kLabelHeight + 100 : 2100;
  EXPECT_EQ(kasen.NodeFromPoint(3800, y, &after), second);
  EXPECT_EQ(after, 1);
  EXPECT_EQ(kasen.NodeFromPoint(5000, y, &after), nullptr);
}

// A child that kept a centre of INT_MIN from a damaged record makes the line as tall as a line
// can be; the label still adds to it without overflowing.
TEST_P(EditKasenTest, ALineOfDamagedSizesStillTakesItsLabel) {
  kasen.AppendChild(new CSizedNode(0, 0, 0, INT_MIN));
  Measure();
  EXPECT_EQ(kasen.m_nHeight, kMaxLineExtent + kLabelHeight);
  EXPECT_EQ(kasen.m_nCenter, 200 + (GetParam() ? kLabelHeight : 0));
}

INSTANTIATE_TEST_SUITE_P(BothDirections, EditKasenTest, ::testing::Values(0, 1));

// Only the container record travels: a pasted element shows number 1 again.
TEST(EditKasenArchiveTest, ALoadedElementShowsNumberOne) {
  CEditKasen kasen;
  kasen.m_nNumber = 4;
  kasen.AppendChild(new CEditChar(u'答'));
  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&kasen); });
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
  auto* copy = dynamic_cast<CEditKasen*>(loaded.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_nType, NTYPE_EDITKASEN);
  EXPECT_EQ(copy->GetChildCount(), 1);
  CRecordingDC dc;
  CCoordMapper mapper;
  EDIT_LAYOUT_PARAM measure{};
  measure.nWidth = 10000;
  copy->Measure(&dc, &mapper, &measure);
  EXPECT_EQ(copy->m_Label.m_strText, CStringW(u"①"));
}

}  // namespace
