#include <gtest/gtest.h>

#include <memory>

#include "elements/EditRuby.h"
#include "elements/EditRubyBase.h"
#include "elements/EditRubyText.h"
#include "model/FoFlowElements.h"
#include "tests/model/SentenceTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

class EditRubyTest : public ::testing::Test {
 protected:
  EditRubyTest() {
    ruby.AppendChild(base);
    ruby.AppendChild(reading);
  }
  void Measure(CEditRuby& node) {
    EDIT_LAYOUT_PARAM param{};
    param.nWidth = 20000;
    node.Measure(&dc, &mapper, &param);
  }
  // On a line whose ascent is the ruby's, at (2000, 3000).
  void Layout() {
    Measure(ruby);
    EDIT_LAYOUT_PARAM param{};
    param.nX = 2000;
    param.nY = 3000;
    param.nLineAscent = ruby.m_nAscent;
    ruby.Arrange(&param, 0);
  }

  CEditRuby ruby;
  CEditRubyBase* base = new CEditRubyBase;
  CEditRubyText* reading = new CEditRubyText;
  CRecordingDC dc;
  CCoordMapper mapper;
};

TEST_F(EditRubyTest, StandsTheReadingAboveTheBase) {
  CSizedNode* baseText = AddSized(*base, 1000, 1000);  // ascent 800
  CSizedNode* readingText = AddSized(*reading, 600, 500);
  Layout();

  EXPECT_EQ(ruby.m_nWidth, 1000);
  EXPECT_EQ(ruby.m_nHeight, 1500);
  EXPECT_EQ(ruby.m_nAscent, 1300);
  EXPECT_EQ(ruby.m_nCenter, 500 + 500);
  EXPECT_EQ(reading->m_nWidth, 1000);  // raised to the base's width
  EXPECT_EQ(ruby.m_rcInk.top, 3000);
  EXPECT_EQ(reading->m_rcHit.left, 2000);
  EXPECT_EQ(reading->m_rcHit.top, 3000);
  EXPECT_EQ(base->m_rcHit.top, 3500);
  EXPECT_EQ(baseText->m_arranged.nY, 3500);
  EXPECT_EQ(readingText->m_arranged.nX, 2000);
}

TEST_F(EditRubyTest, ALongReadingOverhangsByItsAlignment) {
  struct Case {
    int align;
    int readingLeft;
  } cases[] = {
      {CBlockLineRelatedProperties::AlignCenter, 2000 - 200},
      {CBlockLineRelatedProperties::AlignRight, 2000 - 400},
      {CBlockLineRelatedProperties::AlignLeft, 2000},
      {CBlockLineRelatedProperties::AlignJustify, 2000},
  };
  AddSized(*base, 500);
  AddLineEnd(*base);
  CSizedNode* readingText = AddSized(*reading, 900, 500);
  CEditCR* readingEnd = AddLineEnd(*reading);
  for (const Case& c : cases) {
    readingEnd->m_nTextAlign = c.align;
    Layout();
    EXPECT_EQ(ruby.m_nWidth, 500) << c.align;
    EXPECT_EQ(reading->m_rcHit.left, c.readingLeft) << c.align;
    EXPECT_EQ(readingText->m_arranged.nX, c.readingLeft) << c.align;
  }
}

TEST_F(EditRubyTest, AShortReadingIsCentredByItsOwnParagraph) {
  AddSized(*base, 1000);
  AddLineEnd(*base);
  CSizedNode* readingText = AddSized(*reading, 400, 500);
  AddLineEnd(*reading, CBlockLineRelatedProperties::AlignCenter);
  Layout();
  EXPECT_EQ(reading->m_rcHit.left, 2000);
  EXPECT_EQ(readingText->m_arranged.nX, 2000 + 300);
}

TEST_F(EditRubyTest, PartsFillingTheWidthExactlyStayOnOneLine) {
  for (CEditNode* part : {static_cast<CEditNode*>(base), static_cast<CEditNode*>(reading)}) {
    AddSized(*part, 8000);
    AddSized(*part, 12000);
    AddLineEnd(*part);
  }
  Layout();
  EXPECT_EQ(base->GetBox(0)->GetLineCount(), 1);
  EXPECT_EQ(reading->GetBox(0)->GetLineCount(), 1);
  EXPECT_EQ(ruby.m_nHeight, 2000);  // a line of 1000 each
}

TEST_F(EditRubyTest, ABaseAloneIsAnEmptyRuby) {
  CEditRuby alone;
  auto* onlyBase = new CEditRubyBase;
  AddText(*onlyBase, u"あ\n");
  alone.AppendChild(onlyBase);
  Measure(alone);
  EXPECT_EQ(alone.m_nWidth, 0);
  EXPECT_EQ(alone.m_nHeight, 0);
  EXPECT_EQ(alone.GetBase(), nullptr);
  EXPECT_EQ(alone.GetFirstCaretChild(), nullptr);
  EDIT_LAYOUT_PARAM param{};
  alone.Arrange(&param, 0);
  alone.Draw(&dc, &mapper, &param);
  EXPECT_TRUE(dc.Recorder().Calls().empty());
}

TEST_F(EditRubyTest, DrawsBothTextsAndTheCaretEntersTheBase) {
  AddText(*base, u"漢\n");
  AddText(*reading, u"かん\n");
  Layout();
  EXPECT_EQ(ruby.GetBase(), base);
  EXPECT_EQ(ruby.GetFirstCaretChild(), base->GetChildAt(0));
  EXPECT_FALSE(base->IsCaretStop());
  EXPECT_FALSE(reading->IsCaretStop());

  ruby.Draw(&dc, &mapper, nullptr);
  std::u16string drawn;
  for (const DC_CALL& call : dc.Recorder().Calls()) drawn += call.text;
  EXPECT_EQ(drawn, u"漢かん");
}

TEST_F(EditRubyTest, AClickJustBeforeTheReadingFindsItsFirstCharacter) {
  AddText(*base, u"漢字\n");
  AddText(*reading, u"か\n");
  Layout();
  CEditNode* ka = reading->GetEditChildAt(0);
  const int y = (ka->m_rcInk.top + ka->m_rcInk.bottom) / 2;
  int after = -1;
  EXPECT_EQ(ruby.NodeFromPoint(ka->m_rcInk.left - 500, y, &after), ka);
  EXPECT_EQ(after, 0);
  EXPECT_EQ(ruby.NodeFromPoint(ka->m_rcInk.left - 1500, y, &after), nullptr);

  CEditNode* last = reading->GetEditChildAt(1);
  EXPECT_EQ(ruby.NodeFromPoint(reading->m_rcInk.right, y, &after), last);
  EXPECT_EQ(after, 1);
}

TEST_F(EditRubyTest, HiddenPartsMeasureToNothingAndAreNotHit) {
  AddText(*base, u"漢\n");
  AddText(*reading, u"か\n");
  reading->m_bHidden = 1;
  Layout();
  EXPECT_EQ(reading->m_nHeight, 0);
  EXPECT_EQ(ruby.m_nHeight, base->m_nHeight);
  CEditNode* ka = reading->GetEditChildAt(0);
  EXPECT_EQ(reading->NodeFromPoint(ka->m_rcHit.left, ka->m_rcHit.top, nullptr), nullptr);
}

TEST_F(EditRubyTest, StoresTheContainerRecordsAndTheFoGroups) {
  AddText(*base, u"漢\n");
  AddText(*reading, u"かん\n");
  ruby.m_nBorderStyle = LS_DOUBLE;
  ruby.m_kasen.nNumberStyle = CKasenRenbanProperties::NumberCircled;

  CFoInline fo;
  ruby.CopyToFoInline(&fo);
  EXPECT_EQ(fo.m_borderProps.m_nBorderStyle, LS_DOUBLE);
  EXPECT_EQ(fo.m_kasenProps.m_kasen.nNumberStyle, CKasenRenbanProperties::NumberCircled);
  CEditRuby fromFo;
  fromFo.CopyFromFoInline(&fo);
  EXPECT_EQ(fromFo.m_nBorderStyle, LS_DOUBLE);
  EXPECT_EQ(fromFo.m_kasen.nNumberStyle, CKasenRenbanProperties::NumberCircled);

  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&ruby); });
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
  auto* copy = dynamic_cast<CEditRuby*>(loaded.get());
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->GetChildCount(), 2);
  EXPECT_NE(copy->GetBase(), nullptr);
  EXPECT_NE(dynamic_cast<CEditRubyText*>(copy->GetChildAt(1)), nullptr);
  EXPECT_EQ(copy->GetChildAt(1)->GetChildCount(), 3);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(copy); }), bytes);
}

}  // namespace
