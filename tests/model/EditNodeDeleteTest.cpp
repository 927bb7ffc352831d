#include <gtest/gtest.h>

#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditContainer.h"
#include "tests/support/EditSession.h"

namespace {

constexpr DWORD kFraction = 0x22001040;
constexpr DWORD kMathCR = 0x13001021;

class EditDeleteTest : public EditSessionTest {
 protected:
  CEditNode* Sentence() { return Add(m_root.get(), NTYPE_EDITSENTENCE); }
  CEditChar* Char(CEditNode* parent, char16_t c) {
    auto* node = new CEditChar(c);
    parent->AppendChild(node);
    return node;
  }
  CEditCR* LineEnd(CEditNode* parent) {
    auto* node = new CEditCR();
    parent->AppendChild(node);
    return node;
  }
};

TEST_F(EditDeleteTest, BackspaceAndDeleteRemoveOneNodeEach) {
  CEditNode* s = Sentence();
  CEditChar* a = Char(s, u'a');
  CEditChar* b = Char(s, u'b');
  CEditChar* c = Char(s, u'c');
  CEditCR* end = LineEnd(s);
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = c;
  m_caret.m_bKeepX = 1;
  c->m_bNeedsMeasure = 0;

  ASSERT_TRUE(c->DeleteBackward(&m_caret, m_undo.get()));
  EXPECT_EQ(b->GetParent(), nullptr);
  EXPECT_EQ(c->m_bNeedsMeasure, 1);
  EXPECT_EQ(m_caret.m_bKeepX, 0);
  ASSERT_TRUE(c->DeleteForward(&m_caret, m_undo.get()));
  EXPECT_EQ(m_caret.m_pCaretNode, end);
  EXPECT_EQ(s->GetChildCount(), 2);
  EXPECT_FALSE(end->DeleteForward(&m_caret, m_undo.get()));  // the closing line end stays

  ASSERT_EQ(m_undo->GetCount(), 2);
  EXPECT_EQ(m_undo->GetAt(0).m_nCode, UNDO_REMOVE_SELECTED);
  EXPECT_EQ(m_undo->GetAt(0).m_pNeighbour, c);
  EXPECT_EQ(m_undo->GetAt(1).m_nCode, UNDO_REMOVE_BEFORE);
  EXPECT_EQ(m_undo->GetAt(1).m_pNode, c);
  EXPECT_EQ(m_undo->GetAt(1).m_pNeighbour, end);
  c->m_bNeedsMeasure = 1;
  ExpectUndoRestores(before);
  EXPECT_EQ(m_view.m_pCaretNode, c);
  EXPECT_EQ(a->GetNextSibling(), b);
}

TEST_F(EditDeleteTest, WithoutAGroupRemovedNodesAreDestroyed) {
  CEditNode* s = Sentence();
  Char(s, u'a');
  Char(s, u'b');
  CEditChar* c = Char(s, u'c');
  CEditCR* end = LineEnd(s);
  m_caret.m_pCaretNode = c;
  ASSERT_TRUE(c->DeleteForward(&m_caret, nullptr));  // the caret node itself goes
  ASSERT_TRUE(end->DeleteBackward(&m_caret, nullptr));
  EXPECT_EQ(s->GetChildCount(), 2);
  EXPECT_EQ(s->GetChildAt(0)->m_strText, CStringW(u"a"));
}

TEST_F(EditDeleteTest, BackspaceAtAParagraphStartJoinsTheParagraphs) {
  CEditNode* s = Sentence();
  Char(s, u'a');
  CEditCR* first = LineEnd(s);
  CEditChar* b = Char(s, u'b');
  LineEnd(s);
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = b;
  ASSERT_TRUE(b->DeleteBackward(&m_caret, m_undo.get()));
  EXPECT_EQ(first->GetParent(), nullptr);
  EXPECT_EQ(s->CountLineBreaks(), 1);
  b->m_bNeedsMeasure = 1;
  ExpectUndoRestores(before);
}

// Backspace after and delete before a line end of a protected box are refused.
TEST_F(EditDeleteTest, ProtectedLineEndsStay) {
  struct Case {
    DWORD box;
    DWORD lineEnd;
    int lineEnds;  // in the box
    bool removable;
  };
  for (const Case& c : {Case{NTYPE_EDITSENTENCE, NTYPE_EDITCR, 2, true}, Case{NTYPE_EDITCYUKAI, NTYPE_EDITCR, 2, false},
                        Case{kFraction, kMathCR, 2, false}, Case{NTYPE_EDITKUNTEN, NTYPE_EDITKANCR, 2, false},
                        Case{NTYPE_EDITOKURIGANA, NTYPE_EDITKANCR, 2, true},
                        Case{NTYPE_EDITOKURIGANA, NTYPE_EDITKANCR, 1, false}}) {
    SCOPED_TRACE(testing::Message() << std::hex << c.box << " with " << c.lineEnds << " line ends");
    m_root->DeleteAllChildren();
    CEditNode* box = Add(Sentence(), c.box);
    CEditNode* lineEnd = Add(box, c.lineEnd);
    CEditNode* after = Char(box, u'x');
    if (c.lineEnds == 2) Add(box, c.lineEnd);
    const Bytes before = TreeBytes();
    for (bool forward : {false, true}) {
      m_caret.m_pCaretNode = forward ? lineEnd : after;
      m_undo = std::make_unique<CUndoGroup>();
      const BOOL done = forward ? lineEnd->DeleteForward(&m_caret, m_undo.get())
                                : after->DeleteBackward(&m_caret, m_undo.get());
      EXPECT_EQ(bool(done), c.removable) << forward;
      EXPECT_EQ(lineEnd->GetParent() == nullptr, c.removable);
      if (done)
        ExpectUndoRestores(before);
      else
        EXPECT_EQ(TreeBytes(), before);
    }
  }
}

class EditSelectionDeleteTest : public EditDeleteTest {
 protected:
  void SetUp() override {
    CEditNode* s = Sentence();
    for (char16_t c : std::u16string(u"abcd")) m_chars.push_back(Char(s, c));
    m_end = LineEnd(s);
  }
  std::vector<CEditChar*> m_chars;
  CEditCR* m_end = nullptr;
};

TEST_F(EditSelectionDeleteTest, BackspaceAndDeleteTakeTheSelectionWithAGroup) {
  for (bool forward : {false, true}) {
    const Bytes before = TreeBytes();
    m_caret.m_pAnchor = m_chars[1];
    m_caret.m_pCaretNode = m_chars[3];
    CEditNode* caret = m_caret.m_pCaretNode;
    ASSERT_TRUE(forward ? caret->DeleteForward(&m_caret, m_undo.get()) : caret->DeleteBackward(&m_caret, m_undo.get()));
    EXPECT_EQ(m_chars[1]->GetParent(), nullptr);
    EXPECT_EQ(m_chars[2]->GetParent(), nullptr);
    EXPECT_EQ(m_caret.m_pCaretNode, m_chars[3]);
    EXPECT_EQ(m_caret.m_pAnchor, nullptr);
    EXPECT_EQ(m_undo->GetCount(), 2);
    ExpectUndoRestores(before);
    m_undo = std::make_unique<CUndoGroup>();
  }
}

TEST_F(EditSelectionDeleteTest, WithoutAGroupTheSelectionIsDestroyed) {
  m_caret.m_pAnchor = m_end;
  m_caret.m_pCaretNode = m_chars[0];
  ASSERT_TRUE(m_chars[0]->DeleteBackward(&m_caret, nullptr));
  EXPECT_EQ(m_root->GetEditChildAt(0)->GetChildCount(), 1);
  EXPECT_EQ(m_caret.m_pCaretNode, m_end);
}

TEST_F(EditSelectionDeleteTest, ASelectionAcrossParentsIsDroppedUntouched) {
  CEditNode* other = Sentence();
  m_caret.m_pAnchor = Char(other, u'z');
  m_caret.m_pCaretNode = m_chars[2];
  const Bytes before = TreeBytes();
  EXPECT_FALSE(m_chars[2]->DeleteBackward(&m_caret, m_undo.get()));
  EXPECT_EQ(m_caret.m_pAnchor, nullptr);
  EXPECT_EQ(m_caret.m_pCaretNode, m_chars[2]);
  EXPECT_EQ(m_undo->GetCount(), 0);
  EXPECT_EQ(TreeBytes(), before);
}

// s: a [float: x CR] b CR
class EditFloatDeleteTest : public EditDeleteTest {
 protected:
  void SetUp() override {
    m_sentence = Sentence();
    m_a = Char(m_sentence, u'a');
    m_float = Add(m_sentence, NTYPE_EDITFLOAT);
    m_x = Char(m_float, u'x');
    m_floatEnd = LineEnd(m_float);
    m_b = Char(m_sentence, u'b');
    LineEnd(m_sentence);
  }
  CEditNode* m_sentence = nullptr;
  CEditNode* m_float = nullptr;
  CEditChar *m_a = nullptr, *m_x = nullptr, *m_b = nullptr;
  CEditCR* m_floatEnd = nullptr;
};

TEST_F(EditFloatDeleteTest, BackspacingTheLastCharacterRemovesTheFloatInTheSameGroup) {
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = m_floatEnd;
  ASSERT_TRUE(m_floatEnd->DeleteBackward(&m_caret, m_undo.get()));
  EXPECT_EQ(m_float->GetParent(), nullptr);
  EXPECT_EQ(m_caret.m_pCaretNode, m_a);
  ASSERT_EQ(m_undo->GetCount(), 2);
  EXPECT_EQ(m_undo->GetAt(1).m_nCode, UNDO_REMOVE_BEFORE);
  EXPECT_EQ(m_undo->GetAt(1).m_pNode, m_float);
  EXPECT_EQ(m_undo->GetAt(1).m_pNeighbour, m_b);  // undo puts it back where it was
  m_floatEnd->m_bNeedsMeasure = 1;
  ExpectUndoRestores(before);
}

TEST_F(EditFloatDeleteTest, DeletingForwardPrefersTheNextSibling) {
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = m_x;
  ASSERT_TRUE(m_x->DeleteForward(&m_caret, m_undo.get()));
  EXPECT_EQ(m_float->GetParent(), nullptr);
  EXPECT_EQ(m_caret.m_pCaretNode, m_b);
  EXPECT_EQ(m_undo->GetCount(), 2);
  ExpectUndoRestores(before);
}

TEST_F(EditFloatDeleteTest, WithoutAGroupTheEmptiedFloatIsDestroyed) {
  m_caret.m_pCaretNode = m_floatEnd;
  ASSERT_TRUE(m_floatEnd->DeleteBackward(&m_caret, nullptr));
  EXPECT_EQ(m_sentence->GetChildCount(), 3);
  EXPECT_EQ(m_sentence->FindDescendant(NTYPE_EDITFLOAT), nullptr);
  EXPECT_EQ(m_caret.m_pCaretNode, m_a);
  EXPECT_TRUE(m_document.m_pending.empty());
}

TEST_F(EditFloatDeleteTest, OnlyTheEmptyFloatOfTheLastPartGoesAndOnlyOnASheet) {
  CEditNode* later = Sentence();
  Char(later, u'c');
  CEditNode* emptyFloat = Add(later, NTYPE_EDITFLOAT);
  LineEnd(emptyFloat);
  Char(later, u'd');
  CEditCR* end = LineEnd(later);
  m_x->Delete();  // the first part's float is empty too
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = end;
  ASSERT_TRUE(end->DeleteBackward(&m_caret, m_undo.get()));
  EXPECT_EQ(emptyFloat->GetParent(), nullptr);
  EXPECT_EQ(m_float->GetParent(), m_sentence);
  EXPECT_EQ(m_undo->GetCount(), 2);
  ExpectUndoRestores(before);

  m_root->m_nType = NTYPE_EDITSENTENCE + 1;  // not a sheet: floats are left alone
  m_undo = std::make_unique<CUndoGroup>();
  m_caret.m_pCaretNode = end;
  ASSERT_TRUE(end->DeleteBackward(&m_caret, m_undo.get()));
  EXPECT_EQ(emptyFloat->GetParent(), later);
  EXPECT_EQ(m_float->GetParent(), m_sentence);
  EXPECT_EQ(m_undo->GetCount(), 1);
}

}  // namespace
