#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "elements/EditDmonno.h"
#include "elements/EditMonno.h"
#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "model/EditSentence.h"
#include "model/GdiCache.h"
#include "platform/AnsiCodePage.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"
#include "tests/support/StringWPrint.h"

namespace {

// With the fake metrics a wide character of the default 10.5 pt font (height -371) is 371
// wide and every line is 370 high.
constexpr int kWide = 371;
constexpr int kLineHeight = 370;

std::string Face(const CEditNode& node) { return node.m_lf.lfFaceName; }
std::string Ansi(const char16_t* text) { return WideToAnsi(text); }

class EditQuestionNumberTest : public ::testing::Test {
 protected:
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  // A question sentence of the numbers given, holding the number node.
  template <class T>
  T* AddNumber(int nFormat, int nMajor, int nMinor) {
    auto* number = new T(nFormat);
    auto* sentence = new CEditSentence;
    sentence->m_nKind = CEditSentence::KindQuestion;
    sentence->m_nMajor = nMajor;
    sentence->m_nMinor = nMinor;
    sentence->AppendChild(number);
    sentence->AppendChild(new CEditCR);
    m_sheet.AppendChild(sentence);
    return number;
  }

  void Measure(CEditNode& node, int nLetterSpacing = 0) {
    EDIT_LAYOUT_PARAM param{};
    param.nLetterSpacing = nLetterSpacing;
    node.Measure(&m_dc, &m_mapper, &param);
  }

  void Arrange(CEditNode& node, int x, int y) {
    EDIT_LAYOUT_PARAM param{};
    param.nX = x;
    param.nY = y;
    node.Arrange(&param, 0);
  }

  const int m_bSavedVertical = g_bVerticalWriting;
  CEditPrint m_sheet;
  CRecordingDC m_dc;
  CCoordMapper m_mapper;
};

TEST_F(EditQuestionNumberTest, TheStyleChoosesTheFace) {
  CEditDmonno framed(2);
  EXPECT_EQ(Face(framed), Ansi(u"ＭＳ 明朝"));
  EXPECT_EQ(framed.m_lf.lfHeight, -371);
  framed.m_lf.lfHeight = -500;
  framed.SetFormat(8);
  EXPECT_EQ(framed.m_lf.lfHeight, -500);  // Mincho styles keep the size
  EXPECT_EQ(framed.m_nFontSize, 500);

  CEditMonno bracketed(0);
  bracketed.m_lf.lfHeight = -500;
  bracketed.SetFormat(4);
  EXPECT_EQ(Face(bracketed), Ansi(u"ＭＳ Ｐゴシック"));
  EXPECT_EQ(bracketed.m_lf.lfHeight, -371);
  EXPECT_EQ(bracketed.m_lf.lfEscapement, 0);

  g_bVerticalWriting = 1;
  bracketed.SetFormat(77);
  EXPECT_EQ(Face(bracketed), Ansi(u"@ＭＳ ゴシック"));
  EXPECT_EQ(bracketed.m_lf.lfEscapement, 2700);
  EXPECT_EQ(bracketed.m_lf.lfOrientation, 2700);
  bracketed.SetFormat(11);
  EXPECT_EQ(Face(bracketed), Ansi(u"@ＭＳ 明朝"));
}

TEST_F(EditQuestionNumberTest, EachLayoutWritesTheSentenceNumber) {
  CEditDmonno* major = AddNumber<CEditDmonno>(1, 7, 0);
  CEditMonno* minor = AddNumber<CEditMonno>(1, 3, 7);
  Measure(*major);
  Measure(*minor);
  EXPECT_EQ(major->m_strText, CStringW(u"(7)"));
  EXPECT_EQ(minor->m_strText, CStringW(u"\u3000(7)"));

  m_mapper.m_bVertical = 1;
  Measure(*major);
  Measure(*minor);
  EXPECT_EQ(major->m_strText, CStringW(u"\u3000（７）"));
  EXPECT_EQ(minor->m_strText, CStringW(u"\u3000（７）\u3000"));

  // A renumbered question measures its number again.
  m_mapper.m_bVertical = 0;
  Measure(*major);
  const int narrow = major->m_nWidth;
  static_cast<CEditSentence*>(major->GetParent())->m_nMajor = 12;
  Measure(*major);
  EXPECT_EQ(major->m_strText, CStringW(u"(12)"));
  EXPECT_GT(major->m_nWidth, narrow);
}

TEST_F(EditQuestionNumberTest, ANumberOutsideAQuestionKeepsItsFont) {
  CEditSentence box;
  box.m_nType = NTYPE_EDITGAI;
  auto* number = new CEditDmonno(9);
  box.AppendChild(number);
  const LOGFONTA font = number->m_lf;
  Measure(*number);
  EXPECT_EQ(number->m_strText, CStringW(u"［］"));
  EXPECT_EQ(std::memcmp(&font, &number->m_lf, sizeof font), 0);

  CEditMonno alone(8);
  Measure(alone);
  EXPECT_TRUE(alone.m_strText.IsEmpty());
  EXPECT_EQ(alone.m_nWidth, 1);
}

TEST_F(EditQuestionNumberTest, TheFrameLeavesTheSpacesAndTheLetterSpacingOut) {
  CEditMonno* minor = AddNumber<CEditMonno>(2, 1, 5);
  Measure(*minor, 50);
  EXPECT_EQ(minor->m_strText, CStringW(u"\u3000５"));
  EXPECT_EQ(minor->m_nWidth, 2 * kWide + 50);
  EXPECT_EQ(minor->m_nBoxInset, kWide);
  EXPECT_EQ(minor->m_nBoxWidth, kWide);
  EXPECT_EQ(minor->m_nBoxHeight, kLineHeight);
  Arrange(*minor, 1000, 2000);
  const RECT expected{1000 + kWide, minor->m_rcInk.top, 1000 + 2 * kWide, minor->m_rcInk.top + kLineHeight};
  EXPECT_EQ(minor->m_rcBox.left, expected.left);
  EXPECT_EQ(minor->m_rcBox.top, expected.top);
  EXPECT_EQ(minor->m_rcBox.right, expected.right);
  EXPECT_EQ(minor->m_rcBox.bottom, expected.bottom);

  CEditDmonno* twoDigits = AddNumber<CEditDmonno>(2, 12, 0);
  Measure(*twoDigits);
  EXPECT_EQ(twoDigits->m_nBoxInset, 0);
  EXPECT_EQ(twoDigits->m_nBoxWidth, 2 * kWide);
}

TEST_F(EditQuestionNumberTest, AVerticalFrameHoldsOnlyTheKanji) {
  g_bVerticalWriting = 1;
  m_mapper.m_bVertical = 1;
  CEditMonno* minor = AddNumber<CEditMonno>(2, 1, 5);
  Measure(*minor);
  EXPECT_EQ(minor->m_strText, CStringW(u"\u3000五\u3000"));
  EXPECT_EQ(minor->m_nBoxInset, kWide);
  EXPECT_EQ(minor->m_nBoxWidth, kWide);

  CEditMonno* noDigits = new CEditMonno(2);
  m_sheet.AppendChild(noDigits);  // outside a sentence: the text is one space
  Measure(*noDigits);
  EXPECT_EQ(noDigits->m_nBoxInset, kWide);
  EXPECT_EQ(noDigits->m_nBoxWidth, 0);
}

TEST_F(EditQuestionNumberTest, DrawsMagentaOnScreenAndBlackOnPaperWithTheFrame) {
  CEditMonno* minor = AddNumber<CEditMonno>(2, 1, 5);
  Measure(*minor);
  Arrange(*minor, 1000, 2000);
  for (bool printing : {false, true}) {
    m_dc.Recorder().Clear();
    m_dc.Recorder().m_bPrinting = printing;
    minor->Draw(&m_dc, &m_mapper, nullptr);
    const COLORREF colour = printing ? 0x000000 : 0xFF00FF;
    const std::vector<DC_CALL>& calls = m_dc.Recorder().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].name, "Text");
    EXPECT_EQ(calls[0].textColor, colour);
    EXPECT_EQ(calls[1].name, "Rectangle");
    EXPECT_EQ(calls[1].penColor, colour);
    EXPECT_EQ(calls[1].brushStyle, UINT(BS_HOLLOW));
    RECT device = minor->m_rcBox;
    m_mapper.LPtoDPRect(&device);
    EXPECT_EQ(calls[1].points[0].x, device.left);
    EXPECT_EQ(calls[1].points[1].x, device.right);
  }
  m_dc.Recorder().Clear();
  minor->m_bHidden = 2;
  minor->Draw(&m_dc, &m_mapper, nullptr);
  EXPECT_TRUE(m_dc.Recorder().Calls().empty());
}

TEST_F(EditQuestionNumberTest, OtherStylesDrawNoFrame) {
  CEditDmonno* major = AddNumber<CEditDmonno>(3, 1, 0);
  Measure(*major);
  Arrange(*major, 0, 0);
  major->Draw(&m_dc, &m_mapper, nullptr);
  ASSERT_EQ(m_dc.Recorder().Calls().size(), 1u);
  EXPECT_EQ(m_dc.Recorder().Calls()[0].name, "Text");
}

// A sequence stored from outside 1 to 3 lays out as 0: the question text already shows the number.
TEST_F(EditQuestionNumberTest, OtherPartsHideTheirNumbersWhileEveryQuestionIsFollowedByThem) {
  CEditDmonno* question = AddNumber<CEditDmonno>(0, 1, 0);
  CEditDmonno* field = AddNumber<CEditDmonno>(0, 1, 0);
  static_cast<CEditSentence*>(field->GetParent())->m_nKind = CEditSentence::KindAnswerField;
  for (int sequence : {4, 1}) {
    m_sheet.m_nFieldSequence = sequence;
    m_sheet.Measure(&m_dc, &m_mapper, nullptr);
    EXPECT_EQ(question->m_bHidden, 0);
    EXPECT_EQ(field->m_bHidden, sequence == 4 ? 2 : 0);
    EXPECT_EQ(field->m_strText, CStringW(u"[1]"));
  }
}

TEST_F(EditQuestionNumberTest, TheRecordIsTheCodeThenTheCharacter) {
  CEditMonno minor(13);
  minor.SetText(u"x");
  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&minor); });
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("CEditMonno"), std::string::npos);

  Bytes record = StoreBytes([&](CArchive& ar) { minor.Serialize(ar); });
  LONG code = 0;
  std::memcpy(&code, record.data(), sizeof code);
  EXPECT_EQ(code, 13);
  const Bytes character = StoreBytes([&](CArchive& ar) { minor.CEditChar::Serialize(ar); });
  EXPECT_EQ(Bytes(record.begin() + 4, record.end()), character);

  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
  auto* copy = dynamic_cast<CEditMonno*>(loaded.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_nFormat, 13);
  EXPECT_EQ(copy->m_nType, NTYPE_EDITMONNO);
  EXPECT_EQ(Face(*copy), Face(minor));
  EXPECT_TRUE(copy->IsKindOf(RUNTIME_CLASS(CEditChar)));
}

TEST_F(EditQuestionNumberTest, TheSheetSetsAndReadsTheStylesOfAllNumbers) {
  EXPECT_EQ(m_sheet.GetMajorNumberFormat(), -1);
  EXPECT_EQ(m_sheet.GetMinorNumberFormat(), -1);
  auto* direct = new CEditDmonno(5);
  m_sheet.AppendChild(direct);  // the root's own children are not looked at
  CEditDmonno* first = AddNumber<CEditDmonno>(3, 1, 0);
  CEditMonno* minor = AddNumber<CEditMonno>(4, 1, 1);
  auto* nested = new CEditNode(NTYPE_EDITCELL);
  auto* deep = new CEditDmonno(7);
  nested->AppendChild(deep);
  minor->GetParent()->AppendChild(nested);
  EXPECT_EQ(m_sheet.GetMajorNumberFormat(), 3);
  EXPECT_EQ(m_sheet.GetMinorNumberFormat(), 4);

  first->m_bNeedsMeasure = deep->m_bNeedsMeasure = 0;
  m_sheet.SetAllMajorNumberFormat(9);
  EXPECT_EQ(first->m_nFormat, 9);
  EXPECT_EQ(deep->m_nFormat, 9);
  EXPECT_TRUE(first->m_bNeedsMeasure && deep->m_bNeedsMeasure);
  EXPECT_EQ(direct->m_nFormat, 5);
  EXPECT_EQ(minor->m_nFormat, 4);
  m_sheet.SetAllMinorNumberFormat(1);
  EXPECT_EQ(m_sheet.GetMinorNumberFormat(), 1);
}

class WideTableTest : public ::testing::Test {
 protected:
  // A4 with 2000 margins: 17000 printable, two columns of (17000 - 500) / 2 = 8250.
  WideTableTest() {
    const RECT margins{2000, 2000, 2000, 2000};
    m_sheet.SetMargins(&margins);
  }
  CEditTable* AddTable(int width) {
    auto* sentence = new CEditSentence;
    auto* table = new CEditTable;
    table->m_rcInk = RECT{1000, 0, 1000 + width, 500};
    sentence->AppendChild(table);
    m_sheet.AppendChild(sentence);
    return table;
  }
  CEditPrint m_sheet;
};

TEST_F(WideTableTest, OnlyAVisibleTableWiderThanAColumnCounts) {
  AddTable(8250);
  EXPECT_FALSE(m_sheet.HasTableWiderThanColumn(2));
  CEditTable* wide = AddTable(8251);
  EXPECT_TRUE(m_sheet.HasTableWiderThanColumn(2));
  EXPECT_FALSE(m_sheet.HasTableWiderThanColumn(1));
  EXPECT_FALSE(m_sheet.HasTableWiderThanColumn(0));
  auto* holder = static_cast<CEditNode*>(wide->GetParent());
  holder->m_bHidden = 2;
  EXPECT_FALSE(m_sheet.HasTableWiderThanColumn(2));
  holder->m_bHidden = 0;
  wide->m_bHidden = 2;
  EXPECT_FALSE(m_sheet.HasTableWiderThanColumn(2));
}

}  // namespace
