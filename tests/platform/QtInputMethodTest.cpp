#include <gtest/gtest.h>

#include <QFont>
#include <QObject>
#include <QRect>

#include "platform/QtInputMethod.h"

namespace {

TEST(QtInputMethod, AttachedWindowAnswersItsQueriesFromTheContext) {
  QObject window;
  CQtInputMethod& ime = CQtInputMethod::Instance();
  HWND hWnd = ime.Attach(&window);
  HIMC hIMC = ImmGetContext(hWnd);
  ASSERT_NE(hIMC, nullptr);

  LOGFONTA lf{};
  lf.lfHeight = -20;
  lf.lfItalic = 1;
  EXPECT_TRUE(ImmSetCompositionFontA(hIMC, &lf));
  COMPOSITIONFORM form{CFS_POINT, POINT{30, 40}, RECT{}};
  EXPECT_TRUE(ImmSetCompositionWindow(hIMC, &form));
  EXPECT_EQ(ime.Query(hWnd, Qt::ImCursorRectangle).toRect(), QRect(30, 40, 1, 20));
  const QFont font = ime.Query(hWnd, Qt::ImFont).value<QFont>();
  EXPECT_EQ(font.pixelSize(), 20);
  EXPECT_TRUE(font.italic());

  EXPECT_TRUE(ImmGetOpenStatus(hIMC));
  EXPECT_TRUE(ImmSetOpenStatus(hIMC, FALSE));
  EXPECT_FALSE(ImmGetOpenStatus(hIMC));
  EXPECT_FALSE(ime.Query(hWnd, Qt::ImEnabled).toBool());
  EXPECT_EQ(ImmGetProperty(GetKeyboardLayout(0), IGP_PROPERTY), IME_PROP_AT_CARET | IME_PROP_UNICODE);
  EXPECT_TRUE(ImmReleaseContext(hWnd, hIMC));

  ime.Detach(hWnd);
  EXPECT_EQ(ImmGetContext(hWnd), nullptr);
  EXPECT_FALSE(ime.Query(hWnd, Qt::ImFont).isValid());
}

}  // namespace
