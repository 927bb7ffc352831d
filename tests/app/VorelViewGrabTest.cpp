#include <gtest/gtest.h>

#include <memory>

#include "tests/app/ViewFixture.h"
#include "tests/support/TestPaths.h"
#include "ui/MainFrame.h"
#include "ui/StandardToolBar.h"

// Pictures of the main window for a person to look at, in the build folder.
namespace {

class VorelViewGrabTest : public ViewFixture {
 protected:
  // The fixture's view goes into a frame for the picture and comes back out before the end.
  void TearDown() override {
    if (m_pFrame) m_pFrame->takeCentralWidget();
  }
  void ShowInFrame() {
    m_pFrame = std::make_unique<CMainFrame>(nullptr);
    m_pFrame->setCentralWidget(&m_view);
    m_pFrame->resize(1200, 900);
    m_pFrame->show();
    QApplication::setActiveWindow(m_pFrame.get());
    m_view.setFocus();
    m_view.OnInitialUpdate();
    QApplication::processEvents();
  }
  void Save(const char* name) {
    QApplication::processEvents();
    const QImage image = m_pFrame->grab().toImage();
    EXPECT_TRUE(image.save(QString::fromStdString(BuildPath("")) + QString::fromLatin1(name)));
  }

  std::unique_ptr<CMainFrame> m_pFrame;
};

}  // namespace

TEST_F(VorelViewGrabTest, NewVerticalSheet) {
  MakeSheet(true);
  ShowInFrame();
  Save("frame-new-vertical.png");
}

TEST_F(VorelViewGrabTest, HorizontalThreePagesAtHalfSize) {
  MakeSheet(false);
  ShowInFrame();
  while (Root().m_nPageCount < 3) AddParagraphs(20);
  m_pFrame->GetStandardToolBar()->SetZoom(50);
  m_view.OnZoomCombo();
  Save("frame-horizontal-three-pages.png");
}

TEST_F(VorelViewGrabTest, CommittedTextWithCaretAndComposition) {
  for (bool bVertical : {true, false}) {
    MakeSheet(bVertical);
    ShowInFrame();
    Commit(QString::fromUtf16(u"春はあけぼの。やうやう白くなりゆく山ぎは、"));
    QInputMethodEvent preedit(QString::fromUtf16(u"すこしあかりて"),
                              {QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, 3, 1)});
    QCoreApplication::sendEvent(&m_view, &preedit);
    m_view.UpdateCaret(FALSE);
    Save(bVertical ? "frame-typed-vertical.png" : "frame-typed-horizontal.png");
    m_pFrame->takeCentralWidget();
    m_pFrame.reset();
  }
}
