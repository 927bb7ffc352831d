#include <gtest/gtest.h>

#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditContainer.h"
#include "tests/support/EditSession.h"

namespace {

constexpr DWORD kFraction = 0x22001040;
constexpr DWORD kKanChar = 0x81001012;

class EditInsertTest : public EditSessionTest {
 protected:
  void SetUp() override {
    m_sentence = Add(m_root.get(), NTYPE_EDITSENTENCE);
    m_caret.m_lfNew.lfHeight = -500;
  }
  CEditChar* Char(CEditNode* parent, char16_t c) {
    auto* node = new CEditChar(c);
    parent->AppendChild(node);
    return node;
  }
  CEditCR* LineEnd(CEditNode* parent, int align = CBlockLineRelatedProperties::AlignLeft) {
    auto* node = new CEditCR();
    node->m_nTextAlign = align;
    parent->AppendChild(node);
    return node;
  }
  CStringW TextOf(CEditNode* node) {
    CStringW text;
    node->GetText(text);
    return text;
  }

  CEditNode* m_sentence = nullptr;
};

TEST_F(EditInsertTest, TypingBeforeALineEndKeepsTheCaretThere) {
  CEditCR* end = LineEnd(m_sentence);
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = end;
  m_caret.m_bKeepX = 1;
  ASSERT_TRUE(end->InsertNode(&m_caret, u"a", m_undo.get()));
  ASSERT_TRUE(end->InsertNode(&m_caret, u"b", m_undo.get()));

  EXPECT_EQ(TextOf(m_sentence), CStringW(u"ab\r\n"));
  EXPECT_EQ(m_caret.m_pCaretNode, end);
  EXPECT_EQ(m_caret.m_bKeepX, 0);
  ASSERT_EQ(m_undo->GetCount(), 2);
  for (int i = 0; i < 2; ++i) {
    const CUndoAction& action = m_undo->GetAt(i);
    EXPECT_EQ(action.m_nCode, UNDO_INSERT_BEFORE);
    EXPECT_EQ(action.m_pNode, m_sentence->GetChildAt(i));
    EXPECT_EQ(action.m_pNeighbour, end);
    EXPECT_EQ(action.m_pNode->GetRuntimeClass(), RUNTIME_CLASS(CEditChar));
    EXPECT_EQ(action.m_pNode->m_lf.lfHeight, -500);
  }
  CEditNode* a = m_undo->GetAt(0).m_pNode;
  CEditNode* b = m_undo->GetAt(1).m_pNode;
  ExpectUndoRestores(before);
  EXPECT_EQ(m_view.m_pCaretNode, end);
  EXPECT_TRUE(m_document.IsPending(a));
  EXPECT_TRUE(m_document.IsPending(b));
}

TEST_F(EditInsertTest, PastedTextBecomesOneNodePerUnit) {
  CEditCR* end = LineEnd(m_sentence);
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = end;
  ASSERT_TRUE(end->InsertText(&m_caret, u"xyz", m_undo.get()));
  EXPECT_EQ(m_sentence->GetChildCount(), 4);
  EXPECT_EQ(TextOf(m_sentence->GetEditChildAt(1)), CStringW(u"y"));
  EXPECT_EQ(m_undo->GetCount(), 3);
  ExpectUndoRestores(before);
}

TEST_F(EditInsertTest, AnsiTextIsConvertedIntoOneNode) {
  CEditCR* end = LineEnd(m_sentence);
  m_caret.m_pCaretNode = end;
  ASSERT_TRUE(end->InsertTextA(&m_caret, "\x82\xA0z", nullptr));
  ASSERT_EQ(m_sentence->GetChildCount(), 2);
  EXPECT_EQ(TextOf(m_sentence->GetEditChildAt(0)), CStringW(u"あz"));
}

// The class of new text follows the parent, also for a caret standing before a formula.
TEST_F(EditInsertTest, TheParentChoosesTheCharacterClass) {
  CEditNode* formula = Add(m_sentence, NTYPE_EDITFORMULA);
  CEditNode* line = Add(formula, kFraction);
  CEditNode* slotEnd = Add(line, 0x13001021);
  LineEnd(m_sentence);
  const Bytes before = TreeBytes();

  m_caret.m_pCaretNode = formula;
  ASSERT_TRUE(formula->InsertText(&m_caret, u"p", m_undo.get()));
  ASSERT_TRUE(formula->InsertNode(&m_caret, u"q", m_undo.get()));
  EXPECT_EQ(m_sentence->GetEditChildAt(0)->m_nType, NTYPE_EDITCHAR);
  EXPECT_EQ(m_sentence->GetEditChildAt(1)->m_nType, NTYPE_EDITCHAR);

  m_caret.m_pCaretNode = slotEnd;
  ASSERT_TRUE(slotEnd->InsertText(&m_caret, u"12", m_undo.get()));
  ASSERT_TRUE(slotEnd->InsertNode(&m_caret, u"x", m_undo.get()));
  ASSERT_EQ(line->GetChildCount(), 4);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(line->GetEditChildAt(i)->m_nType, NTYPE_EDITMATHCHAR) << i;
  ExpectUndoRestores(before);
}

class EditKuntenInsertTest : public EditInsertTest {
 protected:
  // A seven-part block; each box holds its line end.
  void SetUp() override {
    EditInsertTest::SetUp();
    m_block = Add(m_sentence, NTYPE_EDITKAN);
    for (int i = 0; i < 7; ++i) {
      CEditNode* box = Add(m_block, i == 2 || i == 3 ? NTYPE_EDITOKURIGANA : NTYPE_EDITKUNTEN);
      Add(box, NTYPE_EDITKANCR);
    }
    LineEnd(m_sentence);
  }
  CEditNode* Box(int part) { return m_block->GetEditChildAt(part); }
  CEditNode* EndOf(int part) { return Box(part)->GetEditChildAt(Box(part)->GetChildCount() - 1); }

  CEditNode* m_block = nullptr;
};

TEST_F(EditKuntenInsertTest, AFullBoxAnswersTrueAndTakesNothing) {
  Box(4)->InsertChild(0, new CEditNode(kKanChar));
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = EndOf(4);
  EXPECT_TRUE(EndOf(4)->InsertNode(&m_caret, u"。", m_undo.get()));
  EXPECT_EQ(Box(4)->GetChildCount(), 2);
  EXPECT_EQ(m_undo->GetCount(), 0);
  EXPECT_EQ(TreeBytes(), before);
}

TEST_F(EditKuntenInsertTest, TheKaeritenBoxTakesTwoMarks) {
  m_caret.m_pCaretNode = EndOf(5);
  EXPECT_TRUE(EndOf(5)->InsertNode(&m_caret, u"一", m_undo.get()));
  EXPECT_TRUE(EndOf(5)->InsertNode(&m_caret, u"レ", m_undo.get()));
  EXPECT_TRUE(EndOf(5)->InsertNode(&m_caret, u"二", m_undo.get()));
  EXPECT_EQ(Box(5)->GetChildCount(), 3);
  EXPECT_EQ(Box(5)->GetEditChildAt(0)->m_nType, kKanChar);
  EXPECT_EQ(m_undo->GetCount(), 2);
}

TEST_F(EditKuntenInsertTest, PastingIntoAnEmptyBoxAddsOnlyTheFirstUnit) {
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = EndOf(1);
  EXPECT_TRUE(EndOf(1)->InsertText(&m_caret, u"あい", m_undo.get()));
  ASSERT_EQ(Box(1)->GetChildCount(), 2);
  EXPECT_EQ(TextOf(Box(1)->GetEditChildAt(0)), CStringW(u"あ"));
  ExpectUndoRestores(before);
}

TEST_F(EditInsertTest, EnterAtTheEndOfACentredParagraphLeavesBothLineEndsCentred) {
  Char(m_sentence, u'a');
  CEditCR* centred = LineEnd(m_sentence, CBlockLineRelatedProperties::AlignCenter);
  centred->m_nLineSpacing = 150;
  Char(m_sentence, u'b');
  LineEnd(m_sentence, CBlockLineRelatedProperties::AlignLeft);
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = centred;
  m_caret.m_pAnchor = centred;
  m_caret.m_bKeepX = 1;

  ASSERT_TRUE(centred->InsertLineBreak(&m_caret, m_undo.get()));
  auto* added = dynamic_cast<CEditCR*>(m_sentence->GetChildAt(1));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->m_nTextAlign, CBlockLineRelatedProperties::AlignCenter);
  EXPECT_EQ(added->m_nLineSpacing, 150);
  EXPECT_EQ(centred->m_nTextAlign, CBlockLineRelatedProperties::AlignCenter);
  EXPECT_EQ(m_caret.m_pCaretNode, centred);
  EXPECT_EQ(m_caret.m_pAnchor, nullptr);
  EXPECT_EQ(m_caret.m_bKeepX, 0);
  ASSERT_EQ(m_undo->GetCount(), 1);
  EXPECT_EQ(m_undo->GetAt(0).m_nCode, UNDO_INSERT_BEFORE);
  EXPECT_EQ(m_undo->GetAt(0).m_pNeighbour, centred);
  ExpectUndoRestores(before);
}

TEST_F(EditInsertTest, EnterIsRefusedWhereNoParagraphMayStart) {
  struct Case {
    DWORD outer, inner;
  };
  const DWORD kPlainBox = 0x20001300;
  for (const Case& c : {Case{kPlainBox, NTYPE_EDITRUBYTEXT}, Case{kPlainBox, NTYPE_EDITRUBYBASE},
                        Case{kPlainBox, NTYPE_EDITKUNTEN}, Case{kPlainBox, kFraction},
                        Case{NTYPE_EDITFORMULA, kPlainBox}, Case{NTYPE_EDITCYUKAI, kPlainBox}}) {
    CEditNode* outer = Add(m_sentence, c.outer);
    CEditNode* inner = Add(outer, c.inner);
    CEditNode* ch = Char(inner, u'x');
    LineEnd(inner);
    m_caret.m_pCaretNode = ch;
    EXPECT_FALSE(ch->InsertLineBreak(&m_caret, m_undo.get())) << std::hex << c.outer << " " << c.inner;
    EXPECT_EQ(inner->GetChildCount(), 2);
  }
  EXPECT_EQ(m_undo->GetCount(), 0);
}

TEST_F(EditInsertTest, EnterInAnOkuriganaBoxStopsAtThreeLineEnds) {
  CEditNode* box = Add(m_sentence, NTYPE_EDITOKURIGANA);
  CEditNode* kana = Add(box, kKanChar);
  Add(box, NTYPE_EDITKANCR);
  const Bytes before = TreeBytes();
  m_caret.m_pCaretNode = kana;
  EXPECT_TRUE(kana->InsertLineBreak(&m_caret, m_undo.get()));
  EXPECT_TRUE(kana->InsertLineBreak(&m_caret, m_undo.get()));
  EXPECT_FALSE(kana->InsertLineBreak(&m_caret, m_undo.get()));
  EXPECT_EQ(box->CountLineBreaks(), 3);
  EXPECT_EQ(box->GetEditChildAt(0)->m_nType, NTYPE_EDITKANCR);
  ExpectUndoRestores(before);
}

TEST_F(EditInsertTest, EnterNeedsAParagraphEnd) {
  CEditNode* ch = Char(m_sentence, u'a');
  m_caret.m_pCaretNode = ch;
  EXPECT_FALSE(ch->InsertLineBreak(&m_caret, m_undo.get()));
  EXPECT_EQ(m_sentence->GetChildCount(), 1);
}

TEST_F(EditInsertTest, NothingHappensWithoutACaretNodeInTheTree) {
  CEditChar loose(u'a');
  for (CEditNode* node : {static_cast<CEditNode*>(nullptr), static_cast<CEditNode*>(&loose)}) {
    m_caret.m_pCaretNode = node;
    EXPECT_FALSE(loose.InsertNode(&m_caret, u"a", m_undo.get()));
    EXPECT_FALSE(loose.InsertText(&m_caret, u"a", m_undo.get()));
    EXPECT_FALSE(loose.InsertLineBreak(&m_caret, m_undo.get()));
    EXPECT_FALSE(loose.DeleteBackward(&m_caret, m_undo.get()));
    EXPECT_FALSE(loose.DeleteForward(&m_caret, m_undo.get()));
  }
  EXPECT_FALSE(loose.InsertNode(nullptr, u"a", nullptr));
  EXPECT_EQ(m_undo->GetCount(), 0);
}

}  // namespace
