#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "app/ViewCommands.h"
#include "app/VorelAppSettings.h"
#include "tests/app/ViewFixture.h"
#include "ui/MainFrame.h"
#include "ui/StandardToolBar.h"
#include "ui/ZoomDlg.h"

namespace {

class VorelViewScrollTest : public ViewFixture {
 protected:
  const CCoordMapper& Mapper() { return *m_view.GetCoordMapper(); }
  void Wheel(int delta) {
    QWheelEvent event(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_view.viewport(), &event);
  }
  // The client and one scroll bar's width in 0.01 mm, in layout axes.
  SIZE Client() {
    SIZE size{m_view.viewport()->width(), m_view.viewport()->height()};
    Mapper().DPtoLPSize(&size);
    return size;
  }
  int BarRoom() {
    const int bar = m_view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &m_view);
    SIZE size{bar, bar};
    Mapper().DPtoLPSize(&size);
    return size.cy;
  }
  // The first character of the paragraph, counting from 0.
  CEditNode* ParagraphStart(int p) { return FirstPart()->GetEditChildAt(1 + p * 31); }
};

}  // namespace

// A canvas smaller than the window hides both bars and keeps the origin at 0.
TEST_F(VorelViewScrollTest, ASmallCanvasHidesTheBars) {
  m_settings.m_nZoom = 50;
  for (bool bVertical : {false, true}) {
    MakeSheet(bVertical, 0, QSize(1600, 1200));
    QApplication::processEvents();
    SCOPED_TRACE(bVertical);
    EXPECT_FALSE(m_view.verticalScrollBar()->isVisible());
    EXPECT_FALSE(m_view.horizontalScrollBar()->isVisible());
    EXPECT_EQ(Mapper().m_nOriginX, 0);
    EXPECT_EQ(Mapper().m_nOriginY, 0);
    EXPECT_EQ(Mapper().GetZoom(), 50);
  }
}

// A new vertical sheet shows the right end of its canvas; the horizontal bar to the left moves
// the origin y up.
TEST_F(VorelViewScrollTest, AVerticalSheetStartsAtTheRightEnd) {
  MakeSheet(true);
  QScrollBar* bar = m_view.horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(Mapper().m_nOriginY, 0);
  m_view.OnHScroll(SB_LINELEFT);
  EXPECT_EQ(Mapper().m_nOriginY, 1000);
  EXPECT_EQ(bar->value(), bar->maximum() - 1000);
  bar->setValue(bar->maximum() - 2500);
  EXPECT_EQ(Mapper().m_nOriginY, 2500);
}

// One notch (120 units of angle) scrolls 10 mm down the screen in either direction; finer
// wheels add up to notches.
TEST_F(VorelViewScrollTest, AWheelNotchScrollsTenMillimetres) {
  for (bool bVertical : {false, true}) {
    MakeSheet(bVertical);
    const int& origin = bVertical ? Mapper().m_nOriginX : Mapper().m_nOriginY;
    SCOPED_TRACE(bVertical);
    Wheel(-120);
    EXPECT_EQ(origin, 1000);
    Wheel(-40);
    Wheel(-40);
    EXPECT_EQ(origin, 1000);
    Wheel(-40);
    EXPECT_EQ(origin, 2000);
    Wheel(240);
    EXPECT_EQ(origin, 0);
  }
}

// A caret whose top is below the window scrolls into view with its own height and one scroll
// bar's width of room; one whose top is inside stays, even with its bottom cut off.
TEST_F(VorelViewScrollTest, TypingAtTheBottomEdgeScrollsTheCaretIntoView) {
  MakeSheet(false, 60);
  const int passes = m_view.GetLayoutPassCount();
  m_view.SetCaretNode(ParagraphStart(30));
  m_view.UpdateCaret(TRUE);
  ASSERT_GT(m_view.GetCaretRect().top, Client().cy);
  TypeKeys(QStringLiteral("x"));
  const RECT& caret = m_view.GetCaretRect();
  EXPECT_EQ(Mapper().m_nOriginY, caret.top + (caret.bottom - caret.top) + BarRoom() - Client().cy);
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes + 1);

  m_view.SetCaretNode(ParagraphStart(40));
  m_view.UpdateCaret(TRUE);
  m_view.GetCoordMapper()->m_nOriginY = m_view.GetCaretRect().top - Client().cy + 50;
  m_view.UpdateScrollSizes();
  const int origin = Mapper().m_nOriginY;
  TypeKeys(QStringLiteral("x"));
  EXPECT_EQ(Mapper().m_nOriginY, origin);
}

// A caret before the origin brings the view back, down to an origin of 0.
TEST_F(VorelViewScrollTest, HomeScrollsBackToTheStart) {
  MakeSheet(false, 2, QSize(300, 300));
  const RECT none{0, 0, 0, 0};
  Root().SetMargins(&none);
  m_view.OnUpdate(nullptr, 0, nullptr);
  m_view.SetCaretNode(ParagraphStart(0));
  m_view.GetCoordMapper()->m_nOriginX = 5000;
  m_view.UpdateScrollSizes();
  ASSERT_EQ(Mapper().m_nOriginX, 5000);
  Key(Qt::Key_Home);
  EXPECT_EQ(Mapper().m_nOriginX, 0);
}

// A new sheet's view in a main window, with the settings it stores its zoom in.
class VorelViewZoomTest : public ::testing::Test {
 protected:
  VorelViewZoomTest() {
    EXPECT_TRUE(doc.OnNewDocument());
    view->SetAppSettings(&settings);
    frame.setCentralWidget(view);
    frame.show();
  }

  CScriptedMessages messages;
  CVorelDoc doc{&messages};
  CVorelAppSettings settings;
  CMainFrame frame{nullptr};
  CVorelView* view = new CVorelView(&doc);
};

// The dialog refuses 250; 150 becomes the view's zoom and shows in the zoom box, and the
// stored zoom stays.
TEST_F(VorelViewZoomTest, TheZoomDialogTakesFiftyToTwoHundred) {
  view->OnInitialUpdate();
  bool bRefused = false;
  CScriptedDialogs script([&](CModalDialog& dialog) {
    QSpinBox* box = dynamic_cast<CZoomDlg&>(dialog).GetPercentBox();
    EXPECT_EQ(box->value(), 100);
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("250"));
    bRefused = !dialog.PressOK();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("150"));
    dialog.PressOK();
  });
  const int passes = view->GetLayoutPassCount();
  view->OnViewZoom();
  EXPECT_EQ(script.m_nRuns, 1);
  EXPECT_TRUE(bRefused);
  EXPECT_EQ(view->GetCoordMapper()->GetZoom(), 150);
  EXPECT_EQ(view->GetLayoutPassCount(), passes + 1);
  EXPECT_EQ(frame.GetStandardToolBar()->GetZoomBox()->currentText(), QStringLiteral("150%"));
  EXPECT_EQ(settings.m_nZoom, 100);
}

// 300 typed into the zoom box becomes the zoom and the stored zoom the next sheet opens at; the
// box takes 50 to 500.
TEST_F(VorelViewZoomTest, TheZoomBoxSetsAndStoresTheZoom) {
  QApplication::setActiveWindow(&frame);
  view->OnInitialUpdate();
  EXPECT_TRUE(frame.GetWritingMode());
  CStandardToolBar* bar = frame.GetStandardToolBar();
  QComboBox* box = bar->GetZoomBox();
  EXPECT_EQ(box->currentText(), QStringLiteral("100%"));
  box->lineEdit()->setFocus();
  box->lineEdit()->selectAll();
  QTest::keyClicks(box->lineEdit(), QStringLiteral("300"));
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(view->GetCoordMapper()->GetZoom(), 300);
  EXPECT_EQ(settings.m_nZoom, 300);
  EXPECT_TRUE(view->hasFocus());
  EXPECT_EQ(box->currentText(), QStringLiteral("300%"));

  doc.DeleteContents();
  ASSERT_TRUE(doc.OnNewDocument());
  view->OnInitialUpdate();
  EXPECT_EQ(view->GetCoordMapper()->GetZoom(), 300);

  box->setCurrentIndex(box->findText(QStringLiteral("75%")));
  emit box->activated(box->currentIndex());
  EXPECT_EQ(view->GetCoordMapper()->GetZoom(), 75);
  box->setEditText(QStringLiteral("20"));
  EXPECT_EQ(bar->GetZoom(), 50);
  box->setEditText(QStringLiteral("999%"));
  EXPECT_EQ(bar->GetZoom(), 500);
}

// The page pane shows the caret's page right-aligned in three places.
TEST(VorelViewPagePaneTest, ThePanesShowsTheCaretsPage) {
  CScriptedMessages messages;
  CVorelDoc doc(&messages);
  ASSERT_TRUE(doc.OnNewDocument());
  CMainFrame frame(nullptr);
  auto* view = new CVorelView(&doc);
  CViewCommands commands(view);
  frame.SetActiveView(view, &commands);
  frame.show();
  view->OnInitialUpdate();
  frame.OnIdleUpdateCmdUI();
  EXPECT_EQ(frame.GetPageText(), QStringLiteral("  1ページ"));
  CEditNode* part = doc.GetPrint()->GetEditChildAt(0);
  for (int i = 0; i < 200; ++i) part->InsertChild(0, new CEditCR);
  view->OnUpdate(nullptr, 0, nullptr);
  CEditNode* onPageTwo = nullptr;
  for (int i = 0; i < part->GetChildCount() && !onPageTwo; ++i)
    if (part->GetEditChildAt(i)->m_nPage == 2) onPageTwo = part->GetEditChildAt(i);
  ASSERT_TRUE(onPageTwo);
  view->SetCaretNode(onPageTwo);
  view->UpdateCaret(TRUE);
  frame.OnIdleUpdateCmdUI();
  EXPECT_EQ(frame.GetPageText(), QStringLiteral("  2ページ"));
  view->SetCaretNode(nullptr);
  EXPECT_TRUE(view->GetPagePaneText().IsEmpty());
}
