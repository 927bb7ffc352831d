#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "elements/EditPrint.h"
#include "model/NodeTypes.h"
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
  const int passes = m_view.GetLayoutPassCount();
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes);
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
