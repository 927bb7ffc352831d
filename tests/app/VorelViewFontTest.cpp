#include <QCheckBox>
#include <QComboBox>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/AnsiCodePage.h"
#include "tests/app/ViewFixture.h"
#include "resources/Resource.h"
#include "ui/CmdUI.h"
#include "ui/FontDefaultSheet.h"

namespace {

// "あいう", the points node and the line end: a whole sentence runs from 0 to the points
// node, the caret standing before the line end.
struct FONT_COMMAND_CASE {
  const char* name;
  int nCaret;
  const char16_t* face;
  bool bDefaults;  // the program's defaults and the line end change
};

class VorelViewFontTest : public ViewFixture, public ::testing::WithParamInterface<FONT_COMMAND_CASE> {
 protected:
  void SetUp() override { m_saved = g_DefaultFonts; }
  void TearDown() override { g_DefaultFonts = m_saved; }
  CEditNode* Node(int i) { return FirstPart()->GetEditChildAt(i); }
  bool NeedsSelectionEnabled() {
    CCmdUI state(ID_FORMAT_FONT);
    m_view.OnUpdateNeedSelection(&state);
    return state.m_bEnabled;
  }

  DEFAULT_FONTS m_saved;
};

std::string Ansi(const char16_t* text) { return WideToAnsi(text); }

}  // namespace

// The sheet's Default face goes to the selection and to the caret. A whole question sentence
// also makes it the program's default, and its line end takes the caret's font; with the gaiji
// face, or a part of a sentence, only the selection changes.
TEST_P(VorelViewFontTest, TheFontCommandChangesTheSelection) {
  const FONT_COMMAND_CASE& c = GetParam();
  MakeSheet(false);
  TypeKeys(QString::fromUtf16(u"あいう"));
  std::vector<std::string> faces;
  for (int i = 0; i < 5; ++i) faces.push_back(Node(i)->m_lf.lfFaceName);
  m_view.GetCaret().m_pAnchor = Node(0);
  m_view.SetCaretNode(Node(c.nCaret));
  EXPECT_TRUE(NeedsSelectionEnabled());
  CScriptedDialogs script([&](CModalDialog& dialog) {
    auto& sheet = dynamic_cast<CFontDefaultSheet&>(dialog);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("フォント"));
    QComboBox* faces = sheet.GetFaceList(CFontDefaultSheet::RowDefault);
    const int index = faces->findText(QString::fromUtf16(c.face));
    ASSERT_GT(index, 0);
    faces->setCurrentIndex(index);
    sheet.GetItalicBox(CFontDefaultSheet::RowHankaku)->setChecked(false);
    dialog.PressOK();
  });
  m_view.OnFormatFont();
  ASSERT_EQ(script.m_nRuns, 1);
  const std::string chosen = Ansi(c.face);
  EXPECT_EQ(std::string(Node(0)->m_lf.lfFaceName), chosen);
  EXPECT_EQ(std::string(Node(1)->m_lf.lfFaceName), chosen);
  EXPECT_EQ(std::string(Node(2)->m_lf.lfFaceName) == chosen, c.nCaret == 4);
  EXPECT_EQ(std::string(m_view.GetCaret().m_lfNew.lfFaceName), chosen);
  EXPECT_EQ(m_view.GetCaret().m_lfNew.lfHeight, -370);
  LOGFONTA programDefault{};
  GetDefaultFont(&programDefault, FALSE);
  EXPECT_EQ(std::string(programDefault.lfFaceName) == chosen, c.bDefaults);
  EXPECT_EQ(GetHankakuItalic(FALSE), c.bDefaults ? 0 : 1);
  EXPECT_EQ(std::string(Node(4)->m_lf.lfFaceName) == chosen, c.bDefaults);
  EXPECT_TRUE(m_doc.IsModified());
  // Undo gives the text its fonts back; the program's defaults are settings and stay.
  Key(Qt::Key_Z, Qt::ControlModifier);
  for (int i : {0, 1, 2, 4}) EXPECT_EQ(std::string(Node(i)->m_lf.lfFaceName), faces[size_t(i)]) << i;
}

INSTANTIATE_TEST_SUITE_P(Selections, VorelViewFontTest,
                         ::testing::Values(FONT_COMMAND_CASE{"whole", 4, u"ＭＳ ゴシック", true},
                                           FONT_COMMAND_CASE{"part", 2, u"ＭＳ ゴシック", false},
                                           FONT_COMMAND_CASE{"gaiji", 4, u"Halvern Gaiji", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Cancel changes nothing; without a selection the command does not run.
TEST_F(VorelViewFontTest, CancelAndNoSelectionChangeNothing) {
  MakeSheet(false);
  TypeKeys(QString::fromUtf16(u"あいう"));
  const Bytes before = TreeBytes();
  CScriptedDialogs script([](CModalDialog& dialog) { dialog.PressCancel(); });
  m_view.OnFormatFont();
  EXPECT_EQ(script.m_nRuns, 0);
  EXPECT_FALSE(NeedsSelectionEnabled());
  m_view.GetCaret().m_pAnchor = Node(0);
  m_view.SetCaretNode(Node(2));
  m_view.OnFormatFont();
  EXPECT_EQ(script.m_nRuns, 1);
  EXPECT_EQ(TreeBytes(), before);
}
