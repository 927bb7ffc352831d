#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "elements/EditPrint.h"
#include "model/EditViewServices.h"
#include "model/NodeTypes.h"
#include "model/UndoGroup.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScriptedMessages.h"

namespace {

class VorelViewEditTest : public ::testing::Test {
 protected:
  VorelViewEditTest() {
    EXPECT_TRUE(m_doc.OnNewDocument());
    m_view.resize(800, 600);
    m_view.show();
    m_view.setFocus();
    m_view.OnInitialUpdate();
  }

  CEditNode* FirstPart() { return m_doc.GetPrint()->GetEditChildAt(0); }
  std::u16string PartText() {
    CStringW text;
    FirstPart()->GetText(text);
    return text.str();
  }
  // Undo flags the caret's question sentence as changed, as every edit does; the flag is set
  // before a snapshot so that the snapshot compares the content.
  Bytes Snapshot() {
    FirstPart()->SetSentenceModified(1);
    return TreeBytes();
  }
  Bytes TreeBytes() { return StoreBytes([&](CArchive& ar) { ar.WriteObject(m_doc.GetPrint()); }); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&m_view, key, modifiers); }
  // Each character as the key event a keyboard layout delivers for it.
  void TypeKeys(const QString& text) {
    for (QChar c : text) {
      QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QCoreApplication::sendEvent(&m_view, &event);
    }
  }
  void Commit(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(&m_view, &event);
  }

  CScriptedMessages m_messages;
  CVorelDoc m_doc{&m_messages};
  CVorelView m_view{&m_doc};
};

}  // namespace

TEST_F(VorelViewEditTest, TypedTextBackspaceUndoAndRedo) {
  const Bytes before = Snapshot();
  CEditNode* caretBefore = m_view.GetCaret().m_pCaretNode;
  TypeKeys(QString::fromUtf16(u"あいう"));
  EXPECT_EQ(PartText().substr(0, 3), u"あいう");
  EXPECT_TRUE(m_doc.IsModified());
  CEditNode* typed = FirstPart()->GetEditChildAt(0);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(PartText().substr(0, 3), std::u16string(u"あい") + PartText().substr(2, 1));
  EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), 4);

  for (int i = 0; i < 4; ++i) Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(TreeBytes(), before);
  EXPECT_EQ(m_view.GetCaret().m_pCaretNode, caretBefore);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(FirstPart()->GetEditChildAt(0), typed);
}

TEST_F(VorelViewEditTest, ACommitIsOneStepAndOneLayoutPass) {
  const int passes = m_view.GetLayoutPassCount();
  const Bytes before = Snapshot();
  QInputMethodEvent preedit(QStringLiteral("へんかん"), {});
  QCoreApplication::sendEvent(&m_view, &preedit);
  EXPECT_EQ(TreeBytes(), before);
  Commit(QString::fromUtf16(u"一二三四五六七八九十"));
  EXPECT_EQ(FirstPart()->GetChildCount(), 1 + 10 + 1);  // points node, ten characters, line end
  EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), 1);
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes + 1);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(TreeBytes(), before);
}

TEST_F(VorelViewEditTest, PairsStayWholeAndControlsAreDropped) {
  Commit(QString::fromUtf16(u"\U00020BB7\u0007x"));
  CEditNode* first = FirstPart()->GetEditChildAt(0);
  ASSERT_TRUE(first);
  CStringW text;
  first->GetText(text);
  EXPECT_EQ(text.str(), u"\U00020BB7");
  EXPECT_EQ(PartText().substr(0, 3), u"\U00020BB7x");
  const Bytes before = TreeBytes();
  Key(Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(TreeBytes(), before);
}

TEST_F(VorelViewEditTest, NothingToUndoChangesNothing) {
  QCoreApplication::processEvents();
  const int passes = m_view.GetLayoutPassCount();
  const int paints = m_view.GetPaintCount();
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Y, Qt::ControlModifier);
  QCoreApplication::processEvents();
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes);
  EXPECT_EQ(m_view.GetPaintCount(), paints);
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(VorelViewEditTest, UndoTwiceThenTypeDropsTheRedoBranch) {
  TypeKeys(QStringLiteral("ab"));
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier);
  TypeKeys(QStringLiteral("c"));
  const Bytes after = TreeBytes();
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(TreeBytes(), after);
  EXPECT_EQ(PartText()[0], u'c');
}

TEST_F(VorelViewEditTest, ARefusedUndoChangesNothing) {
  TypeKeys(QStringLiteral("a"));
  // Leaving a name field that is no longer there cannot be undone.
  auto* group = new CUndoGroup;
  group->AddValueAction(UNDO_LEAVE_NAME_FIELD, nullptr, kModeNameFieldEditing, 0);
  m_doc.GetHistory().PushUndo(group);
  const Bytes before = TreeBytes();
  const int index = m_doc.GetHistory().GetUndoIndex();
  const int passes = m_view.GetLayoutPassCount();
  for (int i = 0; i < 2; ++i) {
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(TreeBytes(), before);
    EXPECT_EQ(m_doc.GetHistory().GetUndoIndex(), index);
    EXPECT_EQ(m_view.GetLayoutPassCount(), passes);
  }
  // The history stands where it stood: there is nothing to redo.
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(TreeBytes(), before);
  EXPECT_EQ(m_doc.GetHistory().GetUndoIndex(), index);
}

TEST_F(VorelViewEditTest, NameFieldRecordsSwitchTheMode) {
  CEditNode* field = &m_doc.GetPrint()->m_kimeiran;
  struct {
    int code, oldMode;
    int undoMode;
    bool undoField;
    int redoMode;
    bool redoField;
  } const cases[] = {
      {UNDO_ENTER_NAME_FIELD, 0, 0, false, kModeNameFieldEditing, true},
      {UNDO_LEAVE_NAME_FIELD, kModeNameFieldEditing, kModeNameFieldEditing, true, 0, false},
  };
  for (const auto& c : cases) {
    auto* group = new CUndoGroup;
    group->AddNodeAction(c.code, field, nullptr, c.oldMode, 0);
    m_doc.GetHistory().PushUndo(group);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_view.GetInteractionMode(), c.undoMode) << c.code;
    EXPECT_EQ(m_view.GetEditedNameField(), c.undoField ? field : nullptr) << c.code;
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(m_view.GetInteractionMode(), c.redoMode) << c.code;
    EXPECT_EQ(m_view.GetEditedNameField(), c.redoField ? field : nullptr) << c.code;
  }
}

TEST_F(VorelViewEditTest, TheCaretNeverStaysOnARemovedNode) {
  TypeKeys(QStringLiteral("ab"));
  CEditNode* after = m_view.GetCaret().m_pCaretNode;
  ASSERT_TRUE(after);
  auto* parent = dynamic_cast<CEditNode*>(after->GetParent());
  ASSERT_TRUE(parent);
  CEditNode* b = parent->GetEditChildAt(parent->IndexOfChild(after) - 1);
  ASSERT_TRUE(b);
  ASSERT_EQ(b->m_strText, CStringW(u"b"));
  m_view.SetCaretNode(b);
  // An insertion recorded at an index, without a neighbour for the caret.
  auto* group = new CUndoGroup;
  group->AddIndexAction(UNDO_INSERT_AT, b, nullptr, parent->IndexOfChild(b), parent, 0, 0);
  m_doc.GetHistory().PushUndo(group);
  Key(Qt::Key_Z, Qt::ControlModifier);
  CEditNode* caret = m_view.GetCaret().m_pCaretNode;
  ASSERT_TRUE(caret);
  EXPECT_NE(caret, b);
  EXPECT_TRUE(m_doc.GetPrint()->IsDescendant(caret));
  TypeKeys(QStringLiteral("c"));
  EXPECT_NE(PartText().find(u'c'), std::u16string::npos);
  EXPECT_EQ(PartText().find(u'b'), std::u16string::npos);
}

TEST_F(VorelViewEditTest, AnUnknownActionIsStillLaidOut) {
  auto* group = new CUndoGroup;
  group->AddValueAction(9999, FirstPart(), 0, 1);
  m_doc.GetHistory().PushUndo(group);
  const int passes = m_view.GetLayoutPassCount();
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes + 1);
}

// The caret's x is taken again after every move that is not up or down. The keys follow the
// writing direction: in vertical writing lines run right to left.
TEST_F(VorelViewEditTest, UpAndDownFromTheSecondCharacterLandOnTheSecondCharacter) {
  const bool vertical = m_view.GetCoordMapper()->m_bVertical;
  TypeKeys(QString::fromUtf16(u"あい"));
  Key(Qt::Key_Return);
  TypeKeys(QString::fromUtf16(u"うえ"));
  Key(vertical ? Qt::Key_Up : Qt::Key_Left);
  CEditNode* lower = m_view.GetCaret().m_pCaretNode;
  ASSERT_EQ(lower->m_strText.str(), u"え");
  Key(vertical ? Qt::Key_Right : Qt::Key_Up);
  EXPECT_EQ(m_view.GetCaret().m_pCaretNode->m_strText.str(), u"い");
  Key(vertical ? Qt::Key_Left : Qt::Key_Down);
  EXPECT_EQ(m_view.GetCaret().m_pCaretNode, lower);
}
