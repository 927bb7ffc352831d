#include <QImage>
#include <gtest/gtest.h>

#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "tests/support/ScriptedMessages.h"

namespace {

constexpr QRgb kGrey = qRgb(128, 128, 128);
constexpr QRgb kWhite = qRgb(255, 255, 255);

class VorelViewTest : public ::testing::Test {
 protected:
  VorelViewTest() {
    EXPECT_TRUE(m_doc.OnNewDocument());
    m_view.resize(800, 600);
    m_view.show();
    m_view.OnInitialUpdate();
  }
  QImage Grab() { return m_view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  CScriptedMessages m_messages;
  CVorelDoc m_doc{&m_messages};
  CVorelView m_view{&m_doc};
};

}  // namespace

// At zoom 100 and 96 dots per inch 5 mm are 18 pixels: the first page of a vertical sheet
// stands at the right, 5 mm below the top and 5 mm from the right end.
TEST_F(VorelViewTest, AVerticalSheetShowsItsFirstPageAtTheRight) {
  ASSERT_EQ(m_view.logicalDpiX(), 96);
  QImage image = Grab();
  image.save(QStringLiteral(QR_BUILD_DIR "/view-new-vertical.png"));
  const int w = image.width();
  EXPECT_EQ(image.pixel(w - 19 - 4, 19 + 4), kWhite);
  EXPECT_EQ(image.pixel(w - 19 - 4, 10), kGrey);
  EXPECT_EQ(image.pixel(w - 8, 100), kGrey);
  EXPECT_EQ(m_view.GetLayoutPassCount(), 1);
}

TEST_F(VorelViewTest, HintsLayOutOnceAndAnEmptiedDocumentPaintsGrey) {
  m_doc.UpdateAllViews(nullptr, 0);
  EXPECT_EQ(m_view.GetLayoutPassCount(), 2);
  m_view.viewport()->repaint();
  EXPECT_EQ(m_view.GetLayoutPassCount(), 2);
  m_doc.DeleteContents();
  QImage image = Grab();
  EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2), kGrey);
}
