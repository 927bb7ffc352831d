#include <QLineEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <vector>

#include "tests/app/ViewFixture.h"

namespace {

// Two lines "あいう": nodes 0 to 2, the line end 3, nodes 4 to 6; the same characters stand
// at the same places, also in proportional faces.
struct KEY_CASE {
  bool bVertical;
  int nFrom;
  Qt::Key key;
  bool bShift;
  int nTo;
  int bKeepX;
};

class VorelViewKeysTest : public ViewFixture, public ::testing::WithParamInterface<KEY_CASE> {
 protected:
  void MakeLines(bool bVertical, QSize size = QSize(800, 600)) {
    MakeSheet(bVertical, 0, size);
    TypeKeys(QString::fromUtf16(u"あいう"));
    Key(Qt::Key_Return);
    TypeKeys(QString::fromUtf16(u"あいう"));
    ASSERT_EQ(PartText().substr(0, 8), u"あいう\r\nあいう");
  }
  CEditNode* Node(int i) { return FirstPart()->GetEditChildAt(i); }
};

}  // namespace

// In vertical writing Up and Down move along the line and Left and Right to the next and the
// previous line; moves between lines keep the desired x, Shift extends the selection.
TEST_P(VorelViewKeysTest, ACaretKeyMovesAsItsDirectionSays) {
  const KEY_CASE& c = GetParam();
  MakeLines(c.bVertical);
  m_view.SetCaretNode(Node(c.nFrom));
  m_view.UpdateCaret(TRUE);
  const int desired = m_view.GetCaret().m_nDesiredX;
  Key(c.key, c.bShift ? Qt::ShiftModifier : Qt::NoModifier);
  const CEditCaret& caret = m_view.GetCaret();
  EXPECT_EQ(caret.m_pCaretNode, Node(c.nTo));
  EXPECT_EQ(caret.m_bKeepX, c.bKeepX);
  EXPECT_EQ(caret.m_pAnchor, c.bShift ? Node(c.nFrom) : nullptr);
  if (c.bKeepX) {
    EXPECT_EQ(caret.m_nDesiredX, desired);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VorelViewKeysTest,
    ::testing::Values(KEY_CASE{false, 1, Qt::Key_Right, false, 2, 0}, KEY_CASE{false, 1, Qt::Key_Left, false, 0, 0},
                      KEY_CASE{false, 1, Qt::Key_Down, false, 5, 1}, KEY_CASE{false, 5, Qt::Key_Up, false, 1, 1},
                      KEY_CASE{false, 1, Qt::Key_End, false, 3, 0}, KEY_CASE{false, 2, Qt::Key_Home, false, 0, 0},
                      KEY_CASE{false, 1, Qt::Key_Right, true, 2, 0}, KEY_CASE{true, 1, Qt::Key_Down, false, 2, 0},
                      KEY_CASE{true, 1, Qt::Key_Up, false, 0, 0}, KEY_CASE{true, 1, Qt::Key_Left, false, 5, 1},
                      KEY_CASE{true, 5, Qt::Key_Right, false, 1, 1}, KEY_CASE{true, 1, Qt::Key_Down, true, 2, 0},
                      KEY_CASE{true, 5, Qt::Key_Home, false, 4, 0}));

// From a place that is no caret stop, the caret goes to the nearest stop that way; with Shift
// that move selects what the caret passed over.
TEST_F(VorelViewKeysTest, ShiftFromAPlaceThatIsNoStopSelects) {
  struct {
    bool bVertical;
    Qt::Key key;
    int nTo;
  } const cases[] = {
      {false, Qt::Key_Left, 0}, {false, Qt::Key_Right, 2}, {true, Qt::Key_Up, 0}, {true, Qt::Key_Down, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.bVertical << ' ' << c.key);
    MakeLines(c.bVertical);
    Node(1)->m_bCaretStop = 0;
    m_view.SetCaretNode(Node(1));
    Key(c.key, Qt::ShiftModifier);
    EXPECT_EQ(m_view.GetCaret().m_pCaretNode, Node(c.nTo));
    EXPECT_EQ(m_view.GetCaret().m_pAnchor, Node(1));
    m_view.SetCaretNode(Node(1));
    Key(c.key);
    EXPECT_EQ(m_view.GetCaret().m_pCaretNode, Node(c.nTo));
    EXPECT_EQ(m_view.GetCaret().m_pAnchor, nullptr);
  }
}

// Outside text mode the caret keys do nothing.
TEST_F(VorelViewKeysTest, CaretKeysRestOutsideTextMode) {
  MakeLines(false);
  m_view.SetCaretNode(Node(1));
  for (int mode : {VIEWMODE_SCALE, VIEWMODE_GRAPHIC, VIEWMODE_FIELD}) {
    m_view.SetInteractionMode(mode);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(m_view.GetCaret().m_pCaretNode, Node(1)) << mode;
  }
}

// Page Down scrolls a screen, towards the left in vertical writing, and Page Up back; the caret
// stays where it is and keeps its desired x. Tab stays in the view, with another widget to go
// to, and does nothing.
TEST_F(VorelViewKeysTest, ScrollKeysAndTab) {
  struct {
    bool bVertical;
    std::vector<Qt::Key> keys;
    int nScreens;  // along the lines from the sheet's start
  } const cases[] = {
      {false, {Qt::Key_PageDown}, 1}, {false, {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}, 1},
      {false, {Qt::Key_PageDown, Qt::Key_Tab}, 1}, {true, {Qt::Key_PageDown}, 1},
      {true, {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}, 1}, {true, {Qt::Key_PageDown, Qt::Key_Tab}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.bVertical << ' ' << c.keys.size() << ' ' << c.keys.back());
    MakeLines(c.bVertical, QSize(200, 200));
    QLineEdit other(&m_view);
    other.show();
    m_view.setFocus();
    m_view.SetCaretNode(Node(1));
    m_view.GetCaret().m_bKeepX = 1;
    const Bytes before = TreeBytes();
    for (Qt::Key key : c.keys) Key(key);
    SIZE screen{m_view.viewport()->width(), m_view.viewport()->height()};
    m_view.GetCoordMapper()->DPtoLPSize(&screen);
    const CCoordMapper& mapper = *m_view.GetCoordMapper();
    EXPECT_EQ(mapper.m_nOriginY, c.nScreens * screen.cy);
    EXPECT_EQ(mapper.m_nOriginX, 0);
    if (c.bVertical) {
      QScrollBar* bar = m_view.horizontalScrollBar();
      EXPECT_EQ(bar->value(), bar->maximum() - c.nScreens * bar->pageStep());
    }
    EXPECT_EQ(m_view.GetCaret().m_pCaretNode, Node(1));
    EXPECT_EQ(m_view.GetCaret().m_bKeepX, 1);
    EXPECT_TRUE(m_view.hasFocus());
    EXPECT_EQ(TreeBytes(), before);
  }
}
