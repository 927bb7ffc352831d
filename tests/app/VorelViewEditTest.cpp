#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "math/EditMath.h"
#include "model/EditCaret.h"
#include "model/EditViewServices.h"
#include "model/UndoGroup.h"
#include "model/NodeTypes.h"
#include "platform/AnsiCodePage.h"
#include "tests/app/ViewFixture.h"
#include "tests/support/FakeInputMethod.h"

namespace {

std::string Face(const LOGFONTA& lf) { return std::string(lf.lfFaceName); }
std::string Ansi(const char16_t* text) { return WideToAnsi(text); }

class VorelViewEditTest : public ViewFixture {
 protected:
  void SetUp() override { MakeSheet(true); }

  // Undo flags the caret's question sentence as changed, as every edit does; the flag is set
  // before a snapshot so that the snapshot compares the content.
  Bytes Snapshot() {
    FirstPart()->SetSentenceModified(1);
    return TreeBytes();
  }
  CEditNode* LineEnd() { return FirstPart()->GetEditChildAt(FirstPart()->GetChildCount() - 1); }
};

// A node that refuses every insertion.
class CRefusingNode : public CEditNode {
 public:
  CRefusingNode() : CEditNode(NTYPE_EDITCHAR) { m_bCaretStop = 1; }
  BOOL InsertNode(CEditCaret*, const CStringW&, CUndoGroup*) override { return FALSE; }
};

}  // namespace

// Each character and the Backspace are a step; an undo is one layout pass, and redo brings
// back the very nodes.
TEST_F(VorelViewEditTest, TypedTextBackspaceUndoAndRedo) {
  const Bytes before = Snapshot();
  const std::u16string original = PartText();
  CEditNode* caretBefore = m_view.GetCaret().m_pCaretNode;
  TypeKeys(QString::fromUtf16(u"あいう"));
  EXPECT_EQ(PartText(), u"あいう" + original);
  EXPECT_TRUE(m_doc.IsModified());
  CEditNode* typed = FirstPart()->GetEditChildAt(0);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(PartText(), u"あい" + original);
  const Bytes after = Snapshot();
  EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), 4);

  for (int i = 0; i < 4; ++i) {
    const int passes = m_view.GetLayoutPassCount();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_view.GetLayoutPassCount(), passes + 1) << i;
  }
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(m_view.GetCaret().m_pCaretNode, caretBefore);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(FirstPart()->GetEditChildAt(0), typed);
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Snapshot(), after);
}

// The composition is drawn by the view and changes nothing in the sheet; the commit is one
// undo step and one layout pass.
TEST_F(VorelViewEditTest, ACommitIsOneStepAndOneLayoutPassAndTheCompositionNone) {
  const int passes = m_view.GetLayoutPassCount();
  const Bytes before = Snapshot();
  const QImage plain = Grab();
  QInputMethodEvent preedit(QStringLiteral("へんかん"), {});
  QCoreApplication::sendEvent(&m_view, &preedit);
  EXPECT_EQ(TreeBytes(), before);
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes);
  EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), 0);
  EXPECT_EQ(m_view.GetPreeditText(), QStringLiteral("へんかん"));
  EXPECT_NE(Grab(), plain);
  Commit(QString::fromUtf16(u"一二三四五六七八九十"));
  EXPECT_TRUE(m_view.GetPreeditText().isEmpty());
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
  Key(Qt::Key_Tab);
  EXPECT_EQ(TreeBytes(), before);
  EXPECT_TRUE(m_view.hasFocus());
}

TEST_F(VorelViewEditTest, NothingToUndoChangesNothing) {
  QCoreApplication::processEvents();
  const int passes = m_view.GetLayoutPassCount();
  const int draws = m_view.GetSheetDrawCount();
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Y, Qt::ControlModifier);
  QCoreApplication::processEvents();
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes);
  EXPECT_EQ(m_view.GetSheetDrawCount(), draws);
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

// Redo keeps the caret the user had before it moves the caret to the recorded node.
TEST_F(VorelViewEditTest, RedoOfANameFieldRecordSavesTheCaretBeforeItMoves) {
  CEditNode* field = &m_doc.GetPrint()->m_kimeiran;
  TypeKeys(QString::fromUtf16(u"あい"));
  CEditNode* recorded = FirstPart()->GetEditChildAt(0);
  CEditNode* user = FirstPart()->GetEditChildAt(1);
  for (int code : {UNDO_ENTER_NAME_FIELD, UNDO_LEAVE_NAME_FIELD}) {
    SCOPED_TRACE(code);
    auto* group = new CUndoGroup;
    group->AddNodeAction(code, field, recorded, 0, 0);
    m_doc.GetHistory().PushUndo(group);
    Key(Qt::Key_Z, Qt::ControlModifier);
    m_view.SetCaretNode(user);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(m_view.GetSavedCaret().m_pCaretNode, user);
    EXPECT_EQ(m_view.GetCaret().m_pCaretNode, recorded);
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

// Two bytes of the ANSI code page make one character, inserted after the second.
TEST_F(VorelViewEditTest, ALeadByteWaitsForItsTrailByte) {
  const Bytes before = TreeBytes();
  m_view.OnChar(0x82);
  EXPECT_EQ(TreeBytes(), before);
  m_view.OnChar(0xA0);
  m_view.OnChar('A');
  EXPECT_EQ(PartText().substr(0, 2), u"あA");
  EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), 2);
  m_view.OnChar(0x82);
  m_doc.DeleteContents();
  ASSERT_TRUE(m_doc.OnNewDocument());
  m_view.OnInitialUpdate();
  m_view.OnChar('B');
  EXPECT_EQ(PartText()[0], u'B');
}

// Typing replaces the selection; one undo brings back the selection and removes the typing, one
// redo does both again.
TEST_F(VorelViewEditTest, TypingOverASelectionIsUndoneInOneStep) {
  TypeKeys(QStringLiteral("abc"));
  m_view.SetCaretNode(FirstPart()->GetEditChildAt(1));
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  ASSERT_TRUE(m_view.GetCaret().m_pAnchor);
  const Bytes selected = Snapshot();
  const int groups = m_doc.GetHistory().GetGroupCount();
  TypeKeys(QStringLiteral("Z"));
  EXPECT_EQ(PartText().substr(0, 2), u"aZ");
  EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), groups + 1);
  const Bytes typed = Snapshot();
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Snapshot(), selected);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Snapshot(), typed);
  EXPECT_EQ(PartText().substr(0, 2), u"aZ");
}

// A refused insertion leaves the caret's font as it was; a selection deleted on the way stays
// undoable.
TEST_F(VorelViewEditTest, ARefusedInsertionKeepsTheCaretFontAndTheDeletionUndoable) {
  TypeKeys(QStringLiteral("ab"));
  auto* refusing = new CRefusingNode;
  FirstPart()->InsertChild(2, refusing);
  m_view.OnUpdate(nullptr, 0, nullptr);
  m_view.SetCaretNode(refusing);
  const LOGFONTA before = m_view.GetCaret().m_lfNew;
  const Bytes unchanged = TreeBytes();
  EXPECT_FALSE(m_view.TypeText(CStringW(u"あ")));
  EXPECT_EQ(std::memcmp(&m_view.GetCaret().m_lfNew, &before, sizeof before), 0);
  EXPECT_EQ(TreeBytes(), unchanged);

  m_view.GetCaret().m_pAnchor = FirstPart()->GetEditChildAt(1);
  const int groups = m_doc.GetHistory().GetGroupCount();
  EXPECT_FALSE(m_view.TypeText(CStringW(u"あ")));
  EXPECT_EQ(PartText().substr(0, 1), u"a");
  EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), groups + 1);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(PartText().substr(0, 2), u"ab");
}

// A palette character takes the palette font's face at the caret's size, upright and plain; the
// caret's font stays as it was.
TEST_F(VorelViewEditTest, APaletteCharacterTakesThePalettesFaceOnly) {
  m_view.SetInteractionMode(VIEWMODE_FIELD);
  LOGFONTA palette{};
  std::strcpy(palette.lfFaceName, Ansi(u"ＭＳ ゴシック").c_str());
  palette.lfHeight = -5000;
  palette.lfWeight = FW_BOLD;
  m_view.GetCaret().m_lfNew.lfItalic = 1;
  const LOGFONTA before = m_view.GetCaret().m_lfNew;
  m_view.OnPaletteChar(u'※', &palette);
  CEditNode* node = FirstPart()->GetEditChildAt(0);
  CStringW text;
  node->GetText(text);
  EXPECT_EQ(text.str(), u"※");
  EXPECT_EQ(Face(node->m_lf), Ansi(u"ＭＳ ゴシック"));
  EXPECT_EQ(node->m_lf.lfHeight, before.lfHeight);
  EXPECT_EQ(node->m_lf.lfWeight, FW_NORMAL);
  EXPECT_EQ(node->m_lf.lfItalic, 0);
  EXPECT_EQ(std::memcmp(&m_view.GetCaret().m_lfNew, &before, sizeof before), 0);
  EXPECT_EQ(m_doc.GetHistory().GetGroupCount(), 1);
}

// The input method gets the caret's corner and font at the zoom; the gaiji face has no kana,
// so the composition takes the Default face.
TEST_F(VorelViewEditTest, TheCompositionFollowsTheCaret) {
  CFakeInputMethod ime;
  ime.m_hWnd = m_view.GetSafeHwnd();
  LOGFONTA& lf = m_view.GetCaret().m_lfNew;
  std::strcpy(lf.lfFaceName, "Halvern Gaiji");
  lf.lfHeight = -529;
  m_view.PlaceImeWindow();
  LOGFONTA expected{};
  GetDefaultFont(&expected, TRUE);
  EXPECT_EQ(Face(ime.m_font), Face(expected));
  EXPECT_EQ(ime.m_font.lfHeight, -20);
  EXPECT_EQ(ime.m_font.lfEscapement, 2700);
  POINT corner{m_view.GetCaretRect().left, m_view.GetCaretRect().top};
  m_view.DocToClient(&corner);
  EXPECT_EQ(ime.m_form.ptCurrentPos.x, corner.x);
  EXPECT_EQ(ime.m_form.ptCurrentPos.y, corner.y);
  EXPECT_EQ(ime.m_nTaken, 0);
}

namespace {

struct FONT_CASE {
  bool bVertical;
  bool bFormula;
  const char16_t* typed;
  const char16_t* stored;
  int nEntry;  // the default format the character takes its face and italic flag from
};

class VorelViewInputFontTest : public ViewFixture, public ::testing::WithParamInterface<FONT_CASE> {
 protected:
  void SetUp() override {
    m_saved = g_DefaultFonts;
    const char16_t* faces[DEFAULT_FONTS::Count] = {u"ＭＳ Ｐ明朝",      u"ＭＳ ゴシック", u"Times New Roman",
                                                    u"@ＭＳ 明朝",       u"ＭＳ Ｐゴシック", u"ＭＳ 明朝",
                                                    u"Times New Roman", u"ＭＳ Ｐゴシック", u"ＭＳ 明朝"};
    for (int i = 0; i < DEFAULT_FONTS::Count; ++i) {
      std::strcpy(g_DefaultFonts.entries[i].lf.lfFaceName, Ansi(faces[i]).c_str());
      g_DefaultFonts.entries[i].bItalic = i % 2;
    }
  }
  void TearDown() override { g_DefaultFonts = m_saved; }

  DEFAULT_FONTS m_saved;
};

}  // namespace

// Text takes the Default face for full-width characters, Numeric for digits and Hankaku for
// other half-width ones; a formula takes Math for letters, MathNumeric for the rest and
// MathOperator for operators, which become full-width and leave the caret's font alone.
TEST_P(VorelViewInputFontTest, ANewCharacterTakesTheFaceOfItsKind) {
  const FONT_CASE& c = GetParam();
  MakeSheet(c.bVertical);
  CEditNode* parent = FirstPart();
  if (c.bFormula) {
    auto* math = new CEditMath;
    math->InitMath(TRUE);
    FirstPart()->InsertChild(0, math);
    m_view.OnUpdate(nullptr, 0, nullptr);
    parent = math;
  }
  m_view.SetCaretNode(parent->GetEditChildAt(parent->GetChildCount() - 1));
  m_view.UpdateCaret(TRUE);
  const LOGFONTA before = m_view.GetCaret().m_lfNew;
  TypeKeys(QString::fromUtf16(c.typed));
  CEditNode* node = parent->GetEditChildAt(parent->GetChildCount() - 2);
  CStringW text;
  node->GetText(text);
  EXPECT_EQ(text.str(), c.stored);
  EXPECT_EQ(Face(node->m_lf), Face(g_DefaultFonts.entries[c.nEntry].lf));
  EXPECT_EQ(node->m_lf.lfItalic, g_DefaultFonts.entries[c.nEntry].bItalic);
  EXPECT_EQ(node->m_lf.lfHeight, before.lfHeight);
  const bool bOperator = c.nEntry == DEFAULT_FONTS::MathOperatorDefault;
  const LOGFONTA& after = m_view.GetCaret().m_lfNew;
  if (bOperator)
    EXPECT_EQ(std::memcmp(&after, &before, sizeof before), 0);
  else
    EXPECT_EQ(Face(after), Face(node->m_lf));
}

INSTANTIATE_TEST_SUITE_P(
    Contexts, VorelViewInputFontTest,
    ::testing::Values(FONT_CASE{false, false, u"A", u"A", DEFAULT_FONTS::HankakuDefault},
                      FONT_CASE{false, false, u"7", u"7", DEFAULT_FONTS::NumericDefault},
                      FONT_CASE{false, false, u"あ", u"あ", DEFAULT_FONTS::Default},
                      FONT_CASE{true, false, u"A", u"A", DEFAULT_FONTS::AtHankakuDefault},
                      FONT_CASE{true, false, u"7", u"7", DEFAULT_FONTS::AtNumericDefault},
                      FONT_CASE{true, false, u"あ", u"あ", DEFAULT_FONTS::AtDefault},
                      FONT_CASE{false, true, u"x", u"x", DEFAULT_FONTS::MathDefault},
                      FONT_CASE{false, true, u"2", u"2", DEFAULT_FONTS::MathNumericDefault},
                      FONT_CASE{false, true, u"+", u"＋", DEFAULT_FONTS::MathOperatorDefault}));
