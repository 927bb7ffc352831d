#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "elements/EditCyukai.h"
#include "model/DefaultFonts.h"
#include "model/EditCaret.h"
#include "model/ShowCyukai.h"
#include "tests/model/SentenceTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

std::u16string DrawnText(CRecordingDC& dc) {
  std::u16string text;
  for (const DC_CALL& call : dc.Recorder().Calls()) text += call.text;
  return text;
}

// A sentence "あ[answer]え" of 1000-em characters; the answer's characters are 500 em.
class EditCyukaiTest : public ::testing::Test, public CSentenceLayoutFixture {
 protected:
  EditCyukaiTest() {
    AddChar(sentence, u'あ');
    sentence.AppendChild(answer);
    AddChar(sentence, u'え');
    AddLineEnd(sentence);
  }
  ~EditCyukaiTest() override { g_bShowCyukai = 1; }
  void AnswerText(const std::u16string& text) {
    for (char16_t c : text) {
      if (c == u'\n') {
        auto* end = new CEditCR;
        end->m_lf.lfHeight = -500;
        answer->AppendChild(end);
      } else {
        AddChar(*answer, c, 500);
      }
    }
  }
  void DrawOn(bool printing) {
    dc.Recorder().Clear();
    dc.Recorder().m_bPrinting = printing;
    sentence.Draw(&dc, &mapper, nullptr);
  }

  CEditSentence sentence;
  CEditCyukai* answer = new CEditCyukai;
};

TEST_F(EditCyukaiTest, LiesOnTheLineCentredByHalfHeights) {
  AnswerText(u"いう\n");
  Layout(sentence, {});
  EXPECT_EQ(answer->m_nWidth, 1000);
  EXPECT_EQ(answer->m_nHeight, 500);
  EXPECT_EQ(answer->m_nAscent, 400);
  EXPECT_EQ(answer->m_nCenter, 250);
  EXPECT_EQ(answer->m_rcInk.left, 2000);
  EXPECT_EQ(answer->m_rcInk.top, 2000 + 500 - 250);
  CEditNode* u = answer->GetEditChildAt(1);
  EXPECT_EQ(u->m_rcInk.left, 2500);
  EXPECT_EQ(u->m_nInLine, 1);
  EXPECT_EQ(sentence.GetEditChildAt(2)->m_rcInk.left, 3000);
}

TEST_F(EditCyukaiTest, DrawsInRedAndNothingWhileAnswersAreHidden) {
  AnswerText(u"いう\n");
  Layout(sentence, {});
  DrawOn(false);
  EXPECT_EQ(DrawnText(dc), u"あいうえ");
  for (const DC_CALL& call : dc.Recorder().Calls()) {
    if (call.text == u"い") {
      EXPECT_EQ(call.textColor, COLORREF(0x0000FF));
    }
  }

  g_bShowCyukai = 0;
  for (bool printing : {false, true}) {
    DrawOn(printing);
    EXPECT_EQ(DrawnText(dc), u"あえ") << printing;
  }
  Layout(sentence, {});
  EXPECT_EQ(answer->m_nWidth, 1000);  // the answer keeps its room
  EXPECT_EQ(sentence.GetEditChildAt(2)->m_rcInk.left, 3000);
}

TEST_F(EditCyukaiTest, ShowsOnlyItsFirstLine) {
  AnswerText(u"いう\nかき\n");
  Layout(sentence, {});
  EXPECT_EQ(answer->m_nWidth, 1000);
  EXPECT_EQ(answer->m_nHeight, 500);
  DrawOn(false);
  EXPECT_EQ(DrawnText(dc), u"あいうえ");

  CEditNode* ka = answer->GetEditChildAt(3);
  EXPECT_EQ(answer->NodeFromPoint(ka->m_rcInk.left + 100, ka->m_rcInk.top + 100, nullptr), nullptr);
  CEditNode* i = answer->GetEditChildAt(0);
  int after = -1;
  EXPECT_EQ(answer->NodeFromPoint(i->m_rcHit.left + 100, i->m_rcHit.top + 100, &after), i);
  EXPECT_EQ(after, 0);
}

TEST_F(EditCyukaiTest, TheCaretLeavesToTheNearestVisibleNodeBefore) {
  sentence.DeleteAllChildren();
  CEditNode root(NTYPE_EDITPRINT);
  auto* part = new CEditSentence;
  part->m_bCaretStop = 0;
  root.AppendChild(part);
  auto* box = new CEditContainer(NTYPE_EDITGAI);
  part->AppendChild(box);
  CEditChar* boxEnd = AddChar(*box, u'x');
  CEditChar* before = AddChar(*part, u'a');
  CEditChar* hidden = AddChar(*part, u'b');
  hidden->m_bHidden = 1;
  auto* inner = new CEditCyukai;
  inner->m_bCaretStop = 0;
  part->AppendChild(inner);
  CEditChar* first = AddChar(*inner, u'c');
  for (CEditNode* n : {static_cast<CEditNode*>(box), static_cast<CEditNode*>(boxEnd), static_cast<CEditNode*>(before),
                       static_cast<CEditNode*>(hidden), static_cast<CEditNode*>(first)})
    n->m_bCaretStop = 0;

  CEditCaret caret;
  caret.m_pCaretNode = first;
  EXPECT_EQ(inner->MoveCaretLeft(&caret, TRUE), before);
  EXPECT_EQ(caret.m_pCaretNode, before);
  EXPECT_EQ(caret.m_pAnchor, before);  // the selection does not span two parents

  before->m_bHidden = 1;
  caret.Reset();
  caret.m_pCaretNode = first;
  EXPECT_EQ(inner->MoveCaretLeft(&caret, FALSE), boxEnd);
}

TEST_F(EditCyukaiTest, NewAnswerGetsItsLineEndAndTheDefaultFont) {
  CEditCyukai fresh;
  EXPECT_EQ(fresh.m_nType, NTYPE_EDITCYUKAI);
  fresh.AppendLineEnd();
  ASSERT_EQ(fresh.GetChildCount(), 1);
  EXPECT_NE(dynamic_cast<CEditCR*>(fresh.GetChildAt(0)), nullptr);
  EXPECT_EQ(fresh.m_lf.lfHeight, -std::abs(GetDefaultHeight()));

  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&fresh); });
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
  auto* copy = dynamic_cast<CEditCyukai*>(loaded.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetChildCount(), 1);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(copy); }), bytes);
}

TEST_F(EditCyukaiTest, AnEmptyAnswerMeasuresToNothing) {
  Layout(sentence, {});
  EXPECT_EQ(answer->m_nWidth, 0);
  DrawOn(false);
  EXPECT_EQ(DrawnText(dc), u"あえ");
}

}  // namespace
