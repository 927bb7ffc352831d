#include <gtest/gtest.h>

#include <cstring>

#include "model/GdiCache.h"
#include "tests/elements/KanbunTestParts.h"
#include "tests/support/EditSession.h"
#include "tests/support/StringWPrint.h"

namespace {

const CEditNode* LineEndOf(const CEditNode* box) { return box->GetEditChildAt(box->GetChildCount() - 1); }

CStringW Text(const CEditNode* box) {
  CStringW text;
  box->GetText(text);
  return text;
}

}  // namespace

TEST(EditKan, EmptyPartsInBothModes) {
  CEditKan block;
  for (BOOL bHyphen : {FALSE, TRUE}) {
    block.m_bHyphen = bHyphen;
    block.CreateEmptyParts(bHyphen);
    ASSERT_EQ(block.GetChildCount(), bHyphen ? 5 : 7);
    for (int i = 0; i < block.GetChildCount(); ++i) {
      const CEditNode* box = block.GetEditChildAt(i);
      ASSERT_EQ(box->GetChildCount(), 1) << i;
      EXPECT_EQ(LineEndOf(box)->m_nType, NTYPE_EDITKANCR) << i;
      EXPECT_FALSE(box->m_bCaretStop) << i;
    }
    EXPECT_EQ(block.GetPunctuationBox() == nullptr, bHyphen);
    EXPECT_EQ(block.GetCloseBracketBox() == nullptr, bHyphen);
    ASSERT_NE(block.GetKaeritenBox(), nullptr);
    EXPECT_EQ(block.GetKaeritenBox()->m_nKind, 2);
    EXPECT_EQ(block.GetKaeritenBox()->m_nAdvance, 60);
    EXPECT_EQ(block.GetOpenBracketBox()->m_nAdvance, 40);
    EXPECT_EQ(block.GetKanjiBox()->m_nAdvance, 50);
    EXPECT_EQ(block.GetRightKanaBox()->m_bAlignEnd, 1);
    EXPECT_EQ(block.GetLeftKanaBox()->m_bAlignEnd, 0);
  }
  const int full = block.GetOpenBracketBox()->GetEditChildAt(0)->m_lf.lfHeight;
  EXPECT_EQ(LineEndOf(block.GetKaeritenBox())->m_lf.lfHeight, full / 2);
  EXPECT_EQ(LineEndOf(block.GetRightKanaBox())->m_lf.lfHeight, full / 2);
}

TEST(EditKan, PartsFromAKanji) {
  CEditChar typed(u'之');
  typed.m_lf.lfHeight = -600;
  typed.m_crColor = RGB(200, 0, 0);
  CEditKan block;
  block.CreatePartsFromChar(&typed, TRUE);
  ASSERT_EQ(block.GetChildCount(), 5);
  const CEditNode* kanji = block.GetKanjiBox()->GetEditChildAt(0);
  EXPECT_EQ(kanji->m_nType, NTYPE_EDITKANCHAR);
  EXPECT_EQ(kanji->m_strText, CStringW(u"之"));
  EXPECT_EQ(kanji->m_crColor, RGB(200, 0, 0));
  EXPECT_EQ(kanji->m_lf.lfHeight, -600);
  LOGFONTA vertical;
  GetDefaultFont(&vertical, TRUE);
  EXPECT_EQ(block.m_HyphenMark.m_lf.lfHeight, vertical.lfHeight / 2);
  EXPECT_EQ(block.m_HyphenMark.m_strText, CStringW(u"\u3000"));

  const LOGFONTA font = KanjiFont(800);
  block.CreatePartsFromText(u"而", FALSE, &font);
  ASSERT_EQ(block.GetChildCount(), 7);
  EXPECT_EQ(std::memcmp(&block.GetKanjiBox()->GetEditChildAt(0)->m_lf, &font, sizeof font), 0);
  EXPECT_EQ(std::memcmp(&LineEndOf(block.GetKanjiBox())->m_lf, &font, sizeof font), 0);
}

TEST(EditKan, MarksAreSizedFromTheKanji) {
  auto block = MakeBlock(u"之", 600);
  block->SetPunctuationText(u"○", nullptr);
  CUndoGroup undo;
  block->UpdatePartFonts(&undo);
  EXPECT_EQ(block->GetOpenBracketBox()->GetEditChildAt(0)->m_lf.lfHeight, -600);
  EXPECT_EQ(block->GetCloseBracketBox()->GetEditChildAt(0)->m_lf.lfHeight, -600);
  EXPECT_EQ(block->GetPunctuationBox()->GetEditChildAt(0)->m_lf.lfHeight, -200);
  EXPECT_EQ(LineEndOf(block->GetPunctuationBox())->m_lf.lfHeight, -300);
  for (const CEditNode* box : {static_cast<const CEditNode*>(block->GetKaeritenBox()),
                               static_cast<const CEditNode*>(block->GetRightKanaBox()),
                               static_cast<const CEditNode*>(block->GetLeftKanaBox())})
    EXPECT_EQ(LineEndOf(box)->m_lf.lfHeight, -300);
  // One size action for each child of the six mark boxes.
  EXPECT_EQ(undo.GetCount(), 7);
  EXPECT_EQ(undo.GetAt(0).m_nCode, UNDO_FONT_SIZE);
  EXPECT_TRUE(block->m_bNeedsMeasure);
}

TEST(EditKan, PunctuationTextSizes) {
  auto block = MakeBlock(u"之", 400);
  struct Case {
    const char16_t* text;
    int height;
  };
  for (const Case& c : {Case{u"。", -200}, Case{u"○", -133}, Case{u"、", -200}}) {
    block->SetPunctuationText(c.text, nullptr);
    const CEditKunten* box = block->GetPunctuationBox();
    ASSERT_EQ(box->GetChildCount(), 2);
    EXPECT_EQ(box->GetEditChildAt(0)->m_lf.lfHeight, c.height);
    EXPECT_EQ(box->GetEditChildAt(0)->m_nType, NTYPE_EDITKANCHAR);
    EXPECT_EQ(LineEndOf(box)->m_nType, NTYPE_EDITKANCR);
  }
  block->SetPunctuationText(u"レ", nullptr);
  EXPECT_STREQ(block->GetPunctuationBox()->GetEditChildAt(0)->m_lf.lfFaceName, "@Halvern Gaiji");
  EXPECT_EQ(block->GetPunctuationBox()->GetEditChildAt(0)->m_lf.lfHeight, -200);

  CStringW text;
  block->SetPunctuationText(u"。、」』）〕〉》", nullptr);
  EXPECT_FALSE(block->GetPunctuationText(text));
  EXPECT_EQ(text, CStringW(u"。、」』）〕〉》"));
}

TEST(EditKan, MarkTextsAndTheGaijiFlag) {
  auto block = MakeBlock(u"之");
  block->SetKaeritenText(u"上レ", nullptr);
  CStringW text = u"old";
  EXPECT_TRUE(block->GetKaeritenText(text));
  EXPECT_EQ(text, CStringW(u"上レ"));
  const CEditNode* mark = block->GetKaeritenBox()->GetEditChildAt(1);
  EXPECT_STREQ(mark->m_lf.lfFaceName, "@Halvern Gaiji");
  EXPECT_EQ(mark->m_lf.lfHeight, -500);  // keeps the size of the box's format

  block->SetOpenBracketText(u"「", nullptr);
  block->SetCloseBracketText(u"」", nullptr);
  EXPECT_FALSE(block->GetOpenBracketText(text));
  EXPECT_EQ(text, CStringW(u"「"));
  EXPECT_FALSE(block->GetCloseBracketText(text));
  EXPECT_EQ(text, CStringW(u"」"));
  EXPECT_EQ(block->GetCloseBracketBox()->GetEditChildAt(0)->m_lf.lfHeight, -1000);

  // A given face goes to the marks, never to the line end.
  LOGFONTA gaiji{};
  std::strcpy(gaiji.lfFaceName, "@Halvern Gaiji");
  block->SetOpenBracketText(u"（", &gaiji);
  EXPECT_TRUE(block->GetOpenBracketText(text));
  EXPECT_STRNE(LineEndOf(block->GetOpenBracketBox())->m_lf.lfFaceName, "@Halvern Gaiji");

  block->SetHyphen(TRUE, nullptr, nullptr);
  text = u"kept";
  EXPECT_FALSE(block->GetPunctuationText(text));
  EXPECT_FALSE(block->GetCloseBracketText(text));
  EXPECT_EQ(text, CStringW(u"kept"));
  block->SetPunctuationText(u"。", nullptr);
  EXPECT_EQ(block->GetChildCount(), 5);
}

TEST(EditKan, LockedPartsTakeNoCaret) {
  auto block = MakeBlock(u"之");
  block->SetKaeritenText(u"一", nullptr);
  block->LockParts(TRUE);
  EXPECT_EQ(block->GetFirstCaretDescendant(), nullptr);
  block->LockParts(FALSE);
  EXPECT_EQ(block->GetFirstCaretDescendant(), block->GetOpenBracketBox()->GetEditChildAt(0));
  for (int i = 0; i < block->GetChildCount(); ++i) EXPECT_FALSE(block->GetEditChildAt(i)->m_bCaretStop);
  EXPECT_EQ(block->GetFirstCaretChild(), block->GetOpenBracketBox()->GetEditChildAt(0));
}

// Damaged archives and clipboard data can bring blocks with fewer or other children.
TEST(EditKan, ABlockWithMissingPartsCopes) {
  CEditKan block;
  block.AppendChild(new CEditKunten);
  block.AppendChild(new CEditChar(u'x'));
  EXPECT_EQ(block.GetKanjiBox(), nullptr);
  for (BOOL bHyphen : {FALSE, TRUE}) {
    block.m_bHyphen = bHyphen;
    EXPECT_EQ(block.GetRightKanaBox(), nullptr);
    EXPECT_EQ(block.GetLeftKanaBox(), nullptr);
    EXPECT_EQ(block.GetPunctuationBox(), nullptr);
    EXPECT_EQ(block.GetKaeritenBox(), nullptr);
    EXPECT_EQ(block.GetCloseBracketBox(), nullptr);
  }
  CStringW text;
  EXPECT_FALSE(block.GetKaeritenText(text));
  CUndoGroup undo;
  block.UpdatePartFonts(&undo);
  block.SetPunctuationText(u"。", nullptr);
  block.SetKaeritenText(u"レ", nullptr);
  block.SetHyphen(FALSE, nullptr, &undo);
  block.SetHyphen(TRUE, nullptr, &undo);
  EXPECT_EQ(block.GetChildCount(), 2);
  CRecordingDC dc;
  CCoordMapper mapper;
  EDIT_LAYOUT_PARAM p{};
  p.nWidth = p.nWidth2 = 10000;
  block.Measure(&dc, &mapper, &p);
  EXPECT_EQ(block.m_nWidth, 0);
  block.Arrange(&p, 0);
  block.Draw(&dc, &mapper, &p);
  int after = 0;
  EXPECT_EQ(block.NodeFromPoint(50, 50, &after), nullptr);
}

class KanbunHyphenTest : public EditSessionTest {
 protected:
  // Undo of the mode change reaches the block through the document.
  class CHyphenDocument : public CFakeDocumentServices {
   public:
    void SetKanbunHyphen(CEditNode* pBlock, int bHyphen) override {
      if (auto* block = dynamic_cast<CEditKan*>(pBlock)) block->m_bHyphen = bHyphen;
    }
  };

  void SetUp() override {
    m_block = MakeBlock(u"之").release();
    m_block->SetPunctuationText(u"。", nullptr);
    m_block->SetCloseBracketText(u"」", nullptr);
    m_root->AppendChild(m_block);
    m_caret.m_pCaretNode = m_block;
  }
  Bytes BlockBytes() { return StoreBytes([&](CArchive& ar) { ar.WriteObject(m_block); }); }
  UndoResult Undo() {
    CUndoGroup* group = m_undo.release();
    m_hyphenDocument.PushUndo(group);
    return m_hyphenExecutor.Undo(*group);
  }

  CEditKan* m_block = nullptr;
  CHyphenDocument m_hyphenDocument;
  CUndoExecutor m_hyphenExecutor{m_hyphenDocument, m_view};
};

TEST_F(KanbunHyphenTest, SwitchingOnRecordsTheRemovalsThenTheMode) {
  CEditNode* punctuation = m_block->GetPunctuationBox();
  CEditNode* close = m_block->GetCloseBracketBox();
  const Bytes before = BlockBytes();
  m_block->SetHyphen(TRUE, &m_caret, m_undo.get());
  ASSERT_EQ(m_block->GetChildCount(), 5);
  EXPECT_EQ(m_block->GetKaeritenBox(), m_block->GetChildAt(4));
  EXPECT_EQ(m_block->m_HyphenMark.m_lf.lfHeight, -500);
  ASSERT_EQ(m_undo->GetCount(), 4);
  const CUndoAction& first = m_undo->GetAt(0);
  const CUndoAction& second = m_undo->GetAt(1);
  const CUndoAction& mode = m_undo->GetAt(2);
  EXPECT_EQ(first.m_nCode, UNDO_REMOVE_AT);
  EXPECT_EQ(first.m_pNode, punctuation);
  EXPECT_EQ(first.m_nIndex, 4);
  EXPECT_EQ(first.m_pParent, m_block);
  EXPECT_EQ(first.m_pNeighbour, m_block);
  EXPECT_EQ(second.m_pNode, close);
  EXPECT_EQ(second.m_nIndex, 5);
  EXPECT_EQ(mode.m_nCode, UNDO_KANBUN_HYPHEN);
  EXPECT_EQ(mode.m_nOldValue, 0);
  EXPECT_EQ(mode.m_nNewValue, 1);
  // The hyphen mark's new font comes last, so that undo can give it back.
  EXPECT_EQ(m_undo->GetAt(3).m_pNode, &m_block->m_HyphenMark);

  m_block->SetHyphen(TRUE, &m_caret, m_undo.get());
  EXPECT_EQ(m_undo->GetCount(), 4);
  EXPECT_EQ(Undo(), UndoResult::Applied);
  EXPECT_EQ(BlockBytes(), before);
}

TEST_F(KanbunHyphenTest, SwitchingOffBringsBackEmptyBoxes) {
  m_block->SetHyphen(TRUE, &m_caret, nullptr);
  m_block->SetKaeritenText(u"二", nullptr);
  const Bytes before = BlockBytes();
  m_block->SetHyphen(FALSE, &m_caret, m_undo.get());
  ASSERT_EQ(m_block->GetChildCount(), 7);
  const CEditKunten* punctuation = m_block->GetPunctuationBox();
  const CEditKunten* close = m_block->GetCloseBracketBox();
  ASSERT_NE(punctuation, nullptr);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(punctuation->m_nAdvance, 50);
  EXPECT_EQ(LineEndOf(punctuation)->m_lf.lfHeight, -500);
  EXPECT_EQ(LineEndOf(close)->m_lf.lfHeight, -1000);
  EXPECT_EQ(Text(m_block->GetKaeritenBox()), CStringW(u"二"));
  EXPECT_EQ(m_block->m_HyphenMark.m_lf.lfHeight, -500);
  ASSERT_EQ(m_undo->GetCount(), 3);
  EXPECT_EQ(m_undo->GetAt(0).m_nCode, UNDO_INSERT_AT);
  EXPECT_EQ(m_undo->GetAt(0).m_nIndex, 4);
  EXPECT_EQ(m_undo->GetAt(1).m_nIndex, 6);
  EXPECT_EQ(m_undo->GetAt(2).m_nCode, UNDO_KANBUN_HYPHEN);
  EXPECT_EQ(Undo(), UndoResult::Applied);
  EXPECT_EQ(BlockBytes(), before);
}

TEST_F(KanbunHyphenTest, ACaretInARemovedBoxMovesToTheKanji) {
  m_block->LockParts(FALSE);
  m_caret.m_pCaretNode = m_block->GetCloseBracketBox()->GetEditChildAt(0);
  m_caret.m_pAnchor = m_caret.m_pCaretNode;
  m_block->SetHyphen(TRUE, &m_caret, m_undo.get());
  EXPECT_EQ(m_caret.m_pCaretNode, m_block->GetKanjiBox()->GetEditChildAt(0));
  EXPECT_EQ(m_caret.m_pAnchor, nullptr);
}

class KanbunTypingTest : public EditSessionTest {
 protected:
  void SetUp() override {
    m_sentence = Add<CEditContainer>(m_root.get(), NTYPE_EDITKANSENTENCE);
    m_end = Add<CEditKanCR>(m_sentence, NTYPE_EDITKANCR);
    m_caret.m_pCaretNode = m_end;
    m_caret.m_lfNew = KanjiFont(600);
  }
  CEditNode* m_sentence = nullptr;
  CEditNode* m_end = nullptr;
};

TEST_F(KanbunTypingTest, EachKanjiBecomesALockedBlock) {
  const Bytes before = TreeBytes();
  m_caret.m_bKeepX = 1;
  ASSERT_TRUE(m_end->InsertNode(&m_caret, u"之", m_undo.get()));
  ASSERT_EQ(m_sentence->GetChildCount(), 2);
  auto* block = dynamic_cast<CEditKan*>(m_sentence->GetChildAt(0));
  ASSERT_NE(block, nullptr);
  ASSERT_EQ(block->GetChildCount(), 7);
  EXPECT_EQ(block->m_bHyphen, 0);
  const CEditNode* kanji = block->GetKanjiBox()->GetEditChildAt(0);
  EXPECT_EQ(kanji->m_strText, CStringW(u"之"));
  EXPECT_EQ(std::memcmp(&kanji->m_lf, &m_caret.m_lfNew, sizeof(LOGFONTA)), 0);
  EXPECT_EQ(block->GetFirstCaretDescendant(), nullptr);
  EXPECT_EQ(LineEndOf(block->GetOpenBracketBox())->m_lf.lfHeight, -600);
  EXPECT_EQ(LineEndOf(block->GetRightKanaBox())->m_lf.lfHeight, -300);
  EXPECT_EQ(m_caret.m_pCaretNode, m_end);
  EXPECT_EQ(m_caret.m_bKeepX, 0);
  ASSERT_EQ(m_undo->GetCount(), 1);
  EXPECT_EQ(m_undo->GetAt(0).m_nCode, UNDO_INSERT_BEFORE);
  EXPECT_EQ(m_undo->GetAt(0).m_pNeighbour, m_end);
  ExpectUndoRestores(before);
}

// Pasted text takes the same classes as typing: one block for each unit.
TEST_F(KanbunTypingTest, PastedTextMakesOneBlockPerUnit) {
  ASSERT_TRUE(m_end->InsertText(&m_caret, u"学而", m_undo.get()));
  ASSERT_EQ(m_sentence->GetChildCount(), 3);
  for (int i = 0; i < 2; ++i) {
    auto* block = dynamic_cast<CEditKan*>(m_sentence->GetChildAt(i));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->GetKanjiBox()->GetEditChildAt(0)->m_strText, CStringW(i == 0 ? u"学" : u"而"));
  }
  EXPECT_EQ(m_undo->GetCount(), 2);
}

TEST(EditKanChar, StartsInTheVerticalDefaultFont) {
  const int saved = g_bVerticalWriting;
  for (int vertical : {0, 1}) {
    g_bVerticalWriting = vertical;
    for (const CEditKanChar& c : {CEditKanChar(), CEditKanChar(u'之'), CEditKanChar(CStringW(u"之"))}) {
      EXPECT_EQ(c.m_lf.lfFaceName[0], '@');
      EXPECT_EQ(c.m_nType, NTYPE_EDITKANCHAR);
    }
  }
  g_bVerticalWriting = saved;
  EXPECT_EQ(CEditKanChar(u'之').m_nHitSide, 2);
  const CEditKanCR lineEnd;
  EXPECT_EQ(lineEnd.m_nType, NTYPE_EDITKANCR);
  EXPECT_EQ(lineEnd.m_lf.lfFaceName[0], '@');
  EXPECT_EQ(lineEnd.m_nLineSpacing, 71);
  EXPECT_TRUE(lineEnd.m_strText.IsEmpty());
}
