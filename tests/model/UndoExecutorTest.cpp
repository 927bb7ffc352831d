#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "model/BlockLineRelatedProperties.h"
#include "model/FontList.h"
#include "model/UndoExecutor.h"
#include "tests/support/FakeDocumentServices.h"

namespace {

class UndoExecutorTest : public ::testing::Test {
 protected:
  CEditNode* AddChar(CEditNode& parent) {
    auto* node = new CEditNode(0x01001001);
    parent.AppendChild(node);
    return node;
  }

  CFakeDocumentServices m_document;
  CFakeEditView m_view;
  CUndoExecutor m_executor{m_document, m_view};
  CEditNode m_sentence{NTYPE_EDITSENTENCE};
};

TEST_F(UndoExecutorTest, BoldOnThreeCharactersIsReversedBackwardsAndRepeatedForwards) {
  CEditNode* a = AddChar(m_sentence);
  CEditNode* b = AddChar(m_sentence);
  CEditNode* c = AddChar(m_sentence);
  a->m_lf.lfWeight = 400;
  b->m_lf.lfWeight = 300;
  c->m_lf.lfWeight = 700;
  CUndoGroup group;
  for (CEditNode* node : {a, b, c}) node->SetBold(TRUE, &group);
  b->SetBold(FALSE, &group);  // a second change of b: only the right order gives the right value
  for (CEditNode* node : {a, b, c}) node->m_bNeedsMeasure = 0;

  EXPECT_EQ(m_executor.Undo(group), UndoResult::Applied);
  EXPECT_EQ(a->m_lf.lfWeight, 400);
  EXPECT_EQ(b->m_lf.lfWeight, 300);
  EXPECT_EQ(c->m_lf.lfWeight, 700);
  for (CEditNode* node : {a, b, c}) EXPECT_EQ(node->m_bNeedsMeasure, 1);

  EXPECT_EQ(m_executor.Redo(group), UndoResult::Applied);
  EXPECT_EQ(a->m_lf.lfWeight, 700);
  EXPECT_EQ(b->m_lf.lfWeight, 400);
  EXPECT_EQ(c->m_lf.lfWeight, 700);
}

TEST_F(UndoExecutorTest, FontSizeEndsAtTheStoredHeightBothWays) {
  struct Case {
    LONG startWidth, startHeight;
    CSize size;
    LONG setHeight;
  };
  for (const Case& c : {Case{0, -371, CSize(0, 371), -371}, Case{20, -500, CSize(0, 371), -371},
                        Case{0, -371, CSize(5, -250), -250}}) {
    CEditNode* node = AddChar(m_sentence);
    node->m_lf.lfWidth = c.startWidth;
    node->m_lf.lfHeight = c.startHeight;
    CUndoGroup group;
    node->SetFontSize(c.size, &group);
    EXPECT_EQ(node->m_lf.lfHeight, c.setHeight);
    m_executor.Undo(group);
    EXPECT_EQ(node->m_lf.lfWidth, c.startWidth);
    EXPECT_EQ(node->m_lf.lfHeight, c.startHeight);
    m_executor.Redo(group);
    EXPECT_EQ(node->m_lf.lfWidth, c.size.cx);
    EXPECT_EQ(node->m_lf.lfHeight, c.setHeight);
  }
}

TEST_F(UndoExecutorTest, FaceChangeKeepsHeightWeightAndItalic) {
  LOGFONTA installed;
  if (GetFontCount() == 0 || GetFontLogFont(0, &installed) < 0) GTEST_SKIP() << "no installed fonts";
  CEditNode* node = AddChar(m_sentence);
  std::strcpy(node->m_lf.lfFaceName, "Old Face");
  node->m_lf.lfHeight = -420;
  node->m_lf.lfWeight = 700;
  node->m_lf.lfItalic = 1;
  const LOGFONTA before = node->m_lf;
  CUndoGroup group;
  ASSERT_NE(node->SetFontFace(installed.lfFaceName, &group), 0);
  ASSERT_EQ(group.GetCount(), 1);
  const LOGFONTA after = node->m_lf;
  EXPECT_STREQ(after.lfFaceName, installed.lfFaceName);
  EXPECT_EQ(after.lfCharSet, installed.lfCharSet);

  m_executor.Undo(group);
  EXPECT_EQ(std::memcmp(&node->m_lf, &before, sizeof before), 0);
  m_executor.Redo(group);
  EXPECT_EQ(std::memcmp(&node->m_lf, &after, sizeof after), 0);
  EXPECT_EQ(node->m_lf.lfHeight, -420);
  EXPECT_EQ(node->m_lf.lfWeight, 700);
  EXPECT_EQ(node->m_lf.lfItalic, 1);
}

struct IntSetterCase {
  const char* name;
  int code;
  std::function<void(CEditNode&, CUndoGroup*)> set;
  std::function<LONG(const CEditNode&)> get;
  bool remeasures;
};

TEST_F(UndoExecutorTest, EveryIntSetterRecordsAndIsReversedAndRepeated) {
  const IntSetterCase cases[] = {
      {"text colour", UNDO_TEXT_COLOR, [](CEditNode& n, CUndoGroup* g) { n.SetTextColor(0xFF, g); },
       [](const CEditNode& n) { return LONG(n.m_crColor); }, false},
      {"background", UNDO_BACKGROUND_COLOR, [](CEditNode& n, CUndoGroup* g) { n.SetBackgroundColor(0x10, g); },
       [](const CEditNode& n) { return LONG(n.m_crBackground); }, false},
      {"pattern", UNDO_BACKGROUND_PATTERN, [](CEditNode& n, CUndoGroup* g) { n.SetBackgroundPattern(6, g); },
       [](const CEditNode& n) { return n.m_nBackgroundPattern; }, false},
      {"italic", UNDO_ITALIC, [](CEditNode& n, CUndoGroup* g) { n.SetItalic(TRUE, g); },
       [](const CEditNode& n) { return LONG(n.m_lf.lfItalic); }, true},
      {"expanded", UNDO_EXPANDED, [](CEditNode& n, CUndoGroup* g) { n.SetFontExpanded(TRUE, g); },
       [](const CEditNode& n) { return n.m_nFontStretch; }, true},
      {"condensed", UNDO_CONDENSED, [](CEditNode& n, CUndoGroup* g) { n.SetFontCondensed(TRUE, g); },
       [](const CEditNode& n) { return n.m_nFontStretch; }, true},
      {"subscript", UNDO_SUBSCRIPT, [](CEditNode& n, CUndoGroup* g) { n.SetSubscript(TRUE, g); },
       [](const CEditNode& n) { return n.m_nBaselineShift; }, true},
      {"superscript", UNDO_SUPERSCRIPT, [](CEditNode& n, CUndoGroup* g) { n.SetSuperscript(TRUE, g); },
       [](const CEditNode& n) { return n.m_nBaselineShift; }, true},
      {"underline style", UNDO_UNDERLINE_STYLE, [](CEditNode& n, CUndoGroup* g) { n.SetUnderlineStyle(7, g); },
       [](const CEditNode& n) { return n.m_nUnderlineStyle; }, false},
      {"underline width", UNDO_UNDERLINE_WIDTH, [](CEditNode& n, CUndoGroup* g) { n.SetUnderlineWidth(3, g); },
       [](const CEditNode& n) { return n.m_nUnderlineWidth; }, false},
      {"line-through style", UNDO_LINE_THROUGH_STYLE,
       [](CEditNode& n, CUndoGroup* g) { n.SetLineThroughStyle(2, g); },
       [](const CEditNode& n) { return n.m_nLineThroughStyle; }, false},
      {"line-through width", UNDO_LINE_THROUGH_WIDTH,
       [](CEditNode& n, CUndoGroup* g) { n.SetLineThroughWidth(3, g); },
       [](const CEditNode& n) { return n.m_nLineThroughWidth; }, false},
      {"border style", UNDO_BORDER_STYLE, [](CEditNode& n, CUndoGroup* g) { n.SetBorderStyle(4, g); },
       [](const CEditNode& n) { return n.m_nBorderStyle; }, false},
      {"border width", UNDO_BORDER_WIDTH, [](CEditNode& n, CUndoGroup* g) { n.SetBorderWidth(3, g); },
       [](const CEditNode& n) { return n.m_nBorderWidth; }, false},
      {"before style", UNDO_BORDER_BEFORE_STYLE, [](CEditNode& n, CUndoGroup* g) { n.SetBorderBeforeStyle(1, g); },
       [](const CEditNode& n) { return n.m_nBorderBeforeStyle; }, false},
      {"before width", UNDO_BORDER_BEFORE_WIDTH, [](CEditNode& n, CUndoGroup* g) { n.SetBorderBeforeWidth(3, g); },
       [](const CEditNode& n) { return n.m_nBorderBeforeWidth; }, false},
      {"after style", UNDO_BORDER_AFTER_STYLE, [](CEditNode& n, CUndoGroup* g) { n.SetBorderAfterStyle(5, g); },
       [](const CEditNode& n) { return n.m_nBorderAfterStyle; }, false},
      {"after width", UNDO_BORDER_AFTER_WIDTH, [](CEditNode& n, CUndoGroup* g) { n.SetBorderAfterWidth(3, g); },
       [](const CEditNode& n) { return n.m_nBorderAfterWidth; }, false},
      {"number style", UNDO_KASEN_STYLE, [](CEditNode& n, CUndoGroup* g) { n.SetKasenNumberStyle(6, g); },
       [](const CEditNode& n) { return n.m_kasen.nNumberStyle; }, true},
      {"number size", UNDO_KASEN_FONT_SIZE, [](CEditNode& n, CUndoGroup* g) { n.SetKasenNumberFontSize(300, g); },
       [](const CEditNode& n) { return n.m_kasen.nNumberSize; }, true},
      {"forced number", UNDO_KASEN_FORCED_NUMBER, [](CEditNode& n, CUndoGroup* g) { n.SetKasenForcedNumber(8, g); },
       [](const CEditNode& n) { return n.m_kasen.nForcedNumber; }, true},
  };
  for (const IntSetterCase& c : cases) {
    CEditNode* node = AddChar(m_sentence);
    node->m_bNeedsMeasure = 0;
    const LONG before = c.get(*node);
    CUndoGroup group;
    c.set(*node, &group);
    const LONG after = c.get(*node);
    ASSERT_EQ(group.GetCount(), 1) << c.name;
    EXPECT_NE(before, after) << c.name;
    EXPECT_EQ(group.GetAt(0).m_nCode, c.code) << c.name;
    EXPECT_EQ(group.GetAt(0).m_nOldValue, before) << c.name;
    EXPECT_EQ(node->m_bNeedsMeasure, c.remeasures ? 1 : 0) << c.name;
    EXPECT_EQ(m_executor.Undo(group), UndoResult::Applied) << c.name;
    EXPECT_EQ(c.get(*node), before) << c.name;
    EXPECT_EQ(node->m_bNeedsMeasure, 1) << c.name;
    m_executor.Redo(group);
    EXPECT_EQ(c.get(*node), after) << c.name;
  }
}

TEST_F(UndoExecutorTest, NumberFaceStringAndLogFontAreReversedAndRepeated) {
  CEditNode* node = AddChar(m_sentence);
  const std::string oldFace = node->m_kasen.szNumberFace;
  LOGFONTA lf = node->m_lf;
  lf.lfHeight = -999;
  node->m_strKasenString = u"old";
  CUndoGroup group;
  node->SetKasenNumberFontFace("Arial", &group);
  node->SetKasenNumberString(u"new", &group);
  node->SetLogFont(lf, &group);

  m_executor.Undo(group);
  EXPECT_EQ(std::string(node->m_kasen.szNumberFace), oldFace);
  EXPECT_EQ(node->m_strKasenString, u"old");
  EXPECT_EQ(node->m_lf.lfHeight, -371);
  m_executor.Redo(group);
  EXPECT_STREQ(node->m_kasen.szNumberFace, "Arial");
  EXPECT_EQ(node->m_strKasenString, u"new");
  EXPECT_EQ(node->m_lf.lfHeight, -999);
}

TEST_F(UndoExecutorTest, SentenceWidthAndHyphenDoNotRemeasure) {
  CEditNode* kan = AddChar(m_sentence);
  kan->m_nType = NTYPE_EDITKAN;
  m_sentence.m_nAreaWidth = 5000;
  CUndoGroup group;
  group.AddValueAction(UNDO_SENTENCE_WIDTH, &m_sentence, 5000, 0);
  group.AddValueAction(UNDO_KANBUN_HYPHEN, kan, 0, 1);
  m_sentence.m_bNeedsMeasure = 0;
  kan->m_bNeedsMeasure = 0;
  m_executor.Redo(group);
  EXPECT_EQ(m_sentence.m_nAreaWidth, 0);
  EXPECT_EQ(m_document.m_hyphen[kan], 1);
  m_executor.Undo(group);
  EXPECT_EQ(m_sentence.m_nAreaWidth, 5000);
  EXPECT_EQ(m_document.m_hyphen[kan], 0);
  EXPECT_EQ(m_sentence.m_bNeedsMeasure, 0);
  EXPECT_EQ(kan->m_bNeedsMeasure, 0);
}

class LineEndNode : public CEditNode, public CBlockLineRelatedProperties {
 public:
  LineEndNode() : CEditNode(NTYPE_EDITCR) {}
};

TEST_F(UndoExecutorTest, TextAlignmentChangesOnlyLineEnds) {
  auto* lineEnd = new LineEndNode;
  m_sentence.AppendChild(lineEnd);
  CUndoGroup group;
  group.AddValueAction(UNDO_TEXT_ALIGN, lineEnd, 0, 1);
  m_executor.Redo(group);
  EXPECT_EQ(lineEnd->m_nTextAlign, 1);
  m_executor.Undo(group);
  EXPECT_EQ(lineEnd->m_nTextAlign, 0);

  lineEnd->m_nType = 0x01001001;  // no longer a line end: left alone
  m_executor.Redo(group);
  EXPECT_EQ(lineEnd->m_nTextAlign, 0);
}

TEST_F(UndoExecutorTest, TypedTextIsDetachedAndInsertedAgainInOrder) {
  CEditNode* lineEnd = AddChar(m_sentence);
  CUndoGroup group;
  for (int i = 0; i < 2; ++i) {
    auto* typed = new CEditNode(0x01001001);
    lineEnd->InsertBefore(typed);
    group.AddNodeAction(UNDO_INSERT_BEFORE, typed, lineEnd, 0, 0);
  }
  CEditNode* a = group.GetAt(0).m_pNode;
  CEditNode* b = group.GetAt(1).m_pNode;

  m_executor.Undo(group);
  EXPECT_EQ(m_sentence.GetChildCount(), 1);
  EXPECT_TRUE(m_document.IsPending(a));
  EXPECT_TRUE(m_document.IsPending(b));
  EXPECT_EQ(m_view.m_pCaretNode, lineEnd);

  m_executor.Redo(group);
  ASSERT_EQ(m_sentence.GetChildCount(), 3);
  EXPECT_EQ(m_sentence.GetChildAt(0), a);
  EXPECT_EQ(m_sentence.GetChildAt(1), b);
  EXPECT_TRUE(m_document.m_pending.empty());
}

TEST_F(UndoExecutorTest, RemovedNodesStayPendingWhileTheyAreOutOfTheTree) {
  CEditNode* removed = AddChar(m_sentence);
  CEditNode* next = AddChar(m_sentence);
  auto group = std::make_unique<CUndoGroup>();
  removed->Detach();
  group->AddNodeAction(UNDO_REMOVE_SELECTED, removed, next, 0, 0);
  CUndoGroup* pushed = group.get();
  m_document.PushUndo(group.release());
  EXPECT_TRUE(m_document.IsPending(removed));

  m_executor.Undo(*pushed);
  EXPECT_EQ(m_sentence.GetChildAt(0), removed);
  EXPECT_FALSE(m_document.IsPending(removed));
  m_executor.Redo(*pushed);
  EXPECT_EQ(m_sentence.GetChildCount(), 1);
  EXPECT_TRUE(m_document.IsPending(removed));
}

TEST_F(UndoExecutorTest, NameFieldOnAPageSetsThePageEntry) {
  CEditNode* caret = AddChar(m_sentence);
  auto* field = new CEditNode(NTYPE_EDITKIMEIRAN);
  m_sentence.InsertChild(0, field);
  CUndoGroup put;
  put.AddIndexAction(UNDO_INSERT_NAME_FIELD, field, caret, 0, &m_sentence, 2, 1);

  m_executor.Undo(put);
  EXPECT_EQ(field->GetParent(), nullptr);
  EXPECT_TRUE(m_document.IsPending(field));
  EXPECT_EQ(m_document.m_pageEntries[2], 0);
  EXPECT_EQ(m_view.m_pCaretNode, caret);
  m_executor.Redo(put);
  EXPECT_EQ(m_sentence.GetChildAt(0), field);
  EXPECT_EQ(m_document.m_pageEntries[2], 1);

  CUndoGroup take;
  field->Detach();
  take.AddIndexAction(UNDO_REMOVE_NAME_FIELD, field, caret, 0, &m_sentence, 3, 0);
  m_document.AddPendingDelete(field);
  m_executor.Undo(take);
  EXPECT_EQ(m_sentence.GetChildAt(0), field);
  EXPECT_EQ(m_document.m_pageEntries[3], 1);
  m_executor.Redo(take);
  EXPECT_EQ(field->GetParent(), nullptr);
  EXPECT_EQ(m_document.m_pageEntries[3], 0);
}

TEST_F(UndoExecutorTest, IndexActionsReinsertAtTheirIndex) {
  struct Case { int count; int index; } cases[] = {{3, 1}, {3, 2}, {1, 0}};  // middle, last, only
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    CEditNode sentence(NTYPE_EDITSENTENCE);
    std::vector<CEditNode*> chars;
    for (int i = 0; i < c.count; ++i) chars.push_back(AddChar(sentence));
    CEditNode* removed = chars[size_t(c.index)];
    CEditNode* caret = c.index > 0 ? chars[0] : nullptr;
    removed->Detach();
    CUndoGroup group;
    group.AddIndexAction(UNDO_REMOVE_AT, removed, caret, c.index, &sentence, 0, 0);
    m_document.AddPendingDelete(removed);
    m_executor.Undo(group);
    EXPECT_EQ(sentence.GetChildAt(c.index), removed);
    EXPECT_EQ(sentence.GetChildCount(), c.count);
    EXPECT_FALSE(m_document.IsPending(removed));
    m_executor.Redo(group);
    EXPECT_EQ(sentence.GetChildCount(), c.count - 1);
    EXPECT_TRUE(m_document.IsPending(removed));
  }
}

TEST_F(UndoExecutorTest, UnknownCodeSkipsTheRefreshButAppliesTheRest) {
  CEditNode* node = AddChar(m_sentence);
  CUndoGroup group;
  node->SetBold(TRUE, &group);
  group.AddValueAction(999, node, 1, 2);
  EXPECT_EQ(m_executor.Undo(group), UndoResult::AppliedNoRefresh);
  EXPECT_EQ(node->m_lf.lfWeight, 400);
  EXPECT_EQ(m_executor.Redo(group), UndoResult::AppliedNoRefresh);
  EXPECT_EQ(node->m_lf.lfWeight, 700);
}

TEST_F(UndoExecutorTest, NameFieldModeOnAnotherNodeRefusesTheWholeGroup) {
  CEditNode* node = AddChar(m_sentence);
  CEditNode* caret = AddChar(m_sentence);
  CUndoGroup group;
  node->SetBold(TRUE, &group);
  group.AddNodeAction(UNDO_ENTER_NAME_FIELD, node, caret, 0, 0);
  node->SetItalic(TRUE, &group);

  EXPECT_EQ(m_executor.Redo(group), UndoResult::Refused);
  EXPECT_EQ(node->m_lf.lfItalic, 1);
  EXPECT_EQ(m_view.m_nMode, -1);
  // Reversing an entry needs no name field.
  EXPECT_EQ(m_executor.Undo(group), UndoResult::Applied);
  EXPECT_EQ(node->m_lf.lfWeight, 400);
  EXPECT_EQ(m_view.m_nMode, 0);
}

TEST_F(UndoExecutorTest, EnteringAndLeavingTheNameField) {
  auto* field = new CEditNode(NTYPE_EDITKIMEIRAN);
  m_sentence.AppendChild(field);
  CEditNode* caret = AddChar(m_sentence);
  CUndoGroup enter;
  enter.AddNodeAction(UNDO_ENTER_NAME_FIELD, field, caret, 0, 0);
  EXPECT_EQ(m_executor.Redo(enter), UndoResult::Applied);
  EXPECT_EQ(m_view.m_nMode, kModeNameFieldEditing);
  EXPECT_EQ(m_view.m_pEditedNameField, field);
  EXPECT_EQ(m_view.m_nSavedCarets, 1);
  EXPECT_EQ(m_view.m_pCaretNode, caret);

  CUndoGroup leave;
  leave.AddNodeAction(UNDO_LEAVE_NAME_FIELD, field, caret, kModeNameFieldEditing, 0);
  m_executor.Redo(leave);
  EXPECT_EQ(m_view.m_nMode, 0);
  EXPECT_EQ(m_view.m_pEditedNameField, nullptr);
  m_executor.Undo(leave);
  EXPECT_EQ(m_view.m_nMode, kModeNameFieldEditing);
  EXPECT_EQ(m_view.m_pEditedNameField, field);

  CUndoGroup leaveOtherNode;
  leaveOtherNode.AddNodeAction(UNDO_LEAVE_NAME_FIELD, caret, caret, kModeNameFieldEditing, 0);
  EXPECT_EQ(m_executor.Undo(leaveOtherNode), UndoResult::Refused);
}

}  // namespace
