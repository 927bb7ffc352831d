#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ImeFunctions.h"
#include "tests/support/FakeInputMethod.h"

namespace {

using Calls = std::vector<std::string>;

TEST(ImeFunctions, WindowWithoutContextAnswersZeroAndCallsNothingElse) {
  CFakeInputMethod ime;
  ime.m_bHasContext = FALSE;
  const POINT pt{1, 2};
  const LOGFONTA lf{};
  EXPECT_EQ(ImeGetOpenStatus(ime.m_hWnd), 0);
  EXPECT_EQ(ImeSetOpenStatus(ime.m_hWnd, TRUE), 0);
  EXPECT_EQ(ImeSetCompositionPos(ime.m_hWnd, &pt), 0);
  EXPECT_EQ(ImeSetCompositionFont(ime.m_hWnd, &lf), 0);
  EXPECT_EQ(ImeGetProperty(ime.m_hWnd, IGP_PROPERTY), 0u);
  EXPECT_EQ(ime.m_calls, Calls(5, "GetContext"));
}

TEST(ImeFunctions, EachCallTakesAndReleasesTheContext) {
  CFakeInputMethod ime;
  const POINT pt{120, 340};
  LOGFONTA lf{};
  lf.lfHeight = -16;
  EXPECT_TRUE(ImeSetCompositionPos(ime.m_hWnd, &pt));
  EXPECT_EQ(ime.m_form.dwStyle, CFS_POINT);
  EXPECT_EQ(CPoint(ime.m_form.ptCurrentPos), CPoint(pt));
  EXPECT_EQ(CRect(ime.m_form.rcArea), CRect(0, 0, 0, 0));
  EXPECT_TRUE(ImeSetCompositionFont(ime.m_hWnd, &lf));
  EXPECT_EQ(ime.m_font.lfHeight, -16);
  EXPECT_EQ(ImeGetProperty(ime.m_hWnd, IGP_PROPERTY), IME_PROP_AT_CARET);
  EXPECT_EQ(ime.m_calls, (Calls{"GetContext", "SetCompositionWindow", "ReleaseContext", "GetContext",
                                "SetCompositionFont", "ReleaseContext", "GetContext", "GetKeyboardLayout",
                                "GetProperty", "ReleaseContext"}));
  EXPECT_EQ(ime.m_nTaken, 0);

  ime.m_bHasLayout = FALSE;
  EXPECT_EQ(ImeGetProperty(ime.m_hWnd, IGP_PROPERTY), 0u);
  EXPECT_EQ(ime.m_nTaken, 0);
}

TEST(ImeFunctions, OpenStatusChangesOnlyWhenItDiffers) {
  CFakeInputMethod ime;
  ime.m_bOpen = TRUE;
  EXPECT_TRUE(ImeSetOpenStatus(ime.m_hWnd, TRUE));
  EXPECT_EQ(ime.m_calls, (Calls{"GetContext", "GetOpenStatus", "ReleaseContext"}));
  ime.m_calls.clear();
  EXPECT_TRUE(ImeSetOpenStatus(ime.m_hWnd, FALSE));
  EXPECT_EQ(ime.m_calls, (Calls{"GetContext", "GetOpenStatus", "SetOpenStatus", "ReleaseContext"}));
  EXPECT_FALSE(ImeGetOpenStatus(ime.m_hWnd));
  EXPECT_EQ(ime.m_nTaken, 0);
}

}  // namespace
