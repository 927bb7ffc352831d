#include <gtest/gtest.h>

#include <cstring>

#include "model/AreaAlignmentProperties.h"
#include "model/AreaDimensionProperties.h"
#include "model/BlockLineRelatedProperties.h"
#include "model/BlockMarginProperties.h"
#include "model/BorderPaddingBackgroundProperties.h"
#include "model/CharacterProperties.h"
#include "model/ColorRelatedProperties.h"
#include "model/DefaultFonts.h"
#include "model/EditProperties.h"
#include "model/FontProperties.h"
#include "model/KasenRenbanProperties.h"
#include "model/PageProperties.h"
#include "platform/AnsiCodePage.h"

namespace {

std::string Mincho() { return WideToAnsi(u"ＭＳ Ｐ明朝"); }

TEST(PropertiesTest, FreshGroupsHoldTheirDefaults) {
  CFontProperties font;
  EXPECT_EQ(std::string(font.m_szFontFamily), Mincho());
  EXPECT_EQ(font.m_nFontSize, 371);
  EXPECT_EQ(font.m_nFontStretch, 0);
  EXPECT_EQ(font.m_nFontItalic, 0);
  EXPECT_EQ(font.m_nFontWeight, 400);

  EXPECT_EQ(CColorRelatedProperties().m_crColor, 0u);

  CBorderPaddingBackgroundProperties border;
  EXPECT_EQ(border.m_crBackground, 0xFFFFFFu);
  const LONG borderInts[] = {border.m_nBackgroundPattern, border.m_nBorderStyle, border.m_nBorderWidth,
                             border.m_nBorderBeforeStyle, border.m_nBorderBeforeWidth,
                             border.m_nBorderAfterStyle, border.m_nBorderAfterWidth};
  const LONG expectedBorder[] = {0, 0, 1, 0, 1, 0, 1};
  EXPECT_TRUE(std::equal(std::begin(borderInts), std::end(borderInts), std::begin(expectedBorder)));

  CAreaAlignmentProperties align;
  EXPECT_EQ(align.m_nAlignmentReserved, 1);
  EXPECT_EQ(align.m_nBaselineShift, 0);

  CCharacterProperties chars;
  EXPECT_EQ(std::memcmp(&chars, "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 28), 0);

  CBlockLineRelatedProperties line;
  EXPECT_EQ(line.m_nLineSpacing, 71);
  EXPECT_EQ(line.m_nTextAlign, 0);

  CPageProperties page;
  EXPECT_EQ(page.m_nPageHeight, 29700);
  EXPECT_EQ(page.m_nPageWidth, 21000);
  EXPECT_EQ(page.m_nColumnCount, 1);
  EXPECT_EQ(page.m_nColumnGap, 500);

  CKasenRenbanProperties kasen;
  EXPECT_EQ(kasen.m_kasen.nForcedNumber, -1);
  EXPECT_EQ(kasen.m_kasen.nNumberStyle, 0);
  EXPECT_EQ(std::string(kasen.m_kasen.szNumberFace), Mincho());
  EXPECT_EQ(kasen.m_kasen.nNumberSize, 176);
  EXPECT_TRUE(kasen.m_strKasenString.IsEmpty());
}

TEST(PropertiesTest, EditPropertiesStartUnlaidOutWithTheHorizontalDefaultFont) {
  CEditProperties props;
  LOGFONTA expected;
  GetDefaultFont(&expected, FALSE);
  EXPECT_EQ(std::memcmp(&props.m_lf, &expected, sizeof(LOGFONTA)), 0);
  EXPECT_EQ(props.m_bNeedsMeasure, 1);
  EXPECT_EQ(props.m_bCaretStop, 1);
  EXPECT_EQ(props.m_nPage, 1);
  EXPECT_EQ(props.m_bHidden, 0);
}

TEST(PropertiesTest, ResetKeepsHitBoxOriginAndReservedInts) {
  CEditProperties props;
  props.m_rcHit = RECT{1, 2, 3, 4};
  props.m_ptOrigin = POINT{5, 6};
  props.m_nReserved1 = 7;
  props.m_nReserved2 = 8;
  props.m_nReserved0 = 1;
  props.m_nWidth = 100;
  props.m_rcInk = RECT{9, 9, 9, 9};
  props.m_nPage = 4;
  props.m_bNeedsMeasure = 0;
  props.m_tm.tmHeight = 12;
  props.Reset();
  EXPECT_EQ(CRect(props.m_rcHit), CRect(1, 2, 3, 4));
  EXPECT_EQ(CPoint(props.m_ptOrigin), CPoint(5, 6));
  EXPECT_EQ(props.m_nReserved1, 7);
  EXPECT_EQ(props.m_nReserved2, 8);
  EXPECT_EQ(props.m_nReserved0, 0);
  EXPECT_EQ(props.m_nWidth, 0);
  EXPECT_TRUE(CRect(props.m_rcInk).IsRectNull());
  EXPECT_EQ(props.m_nPage, 1);
  EXPECT_EQ(props.m_bNeedsMeasure, 1);
  EXPECT_EQ(props.m_tm.tmHeight, 0);
}

TEST(PropertiesTest, CopiedGroupsEqualTheirSource) {
  CFontProperties font;
  font.SetFontFamily("Times New Roman");
  font.m_nFontSize = 500;
  font.m_nFontWeight = 700;
  CFontProperties fontCopy;
  fontCopy.Copy(font);
  EXPECT_EQ(std::memcmp(&font, &fontCopy, sizeof(font)), 0);

  CBorderPaddingBackgroundProperties border;
  border.m_nBorderAfterWidth = 3;
  border.m_crBackground = 0x123456;
  CBorderPaddingBackgroundProperties borderCopy;
  borderCopy.Copy(border);
  EXPECT_EQ(std::memcmp(&border, &borderCopy, sizeof(border)), 0);
}

TEST(PropertiesTest, KasenCopyOwnsItsString) {
  CKasenRenbanProperties source;
  source.m_kasen.nForcedNumber = 5;
  source.m_kasen.nNumberStyle = CKasenRenbanProperties::NumberString;
  source.m_strKasenString = u"ア";
  CKasenRenbanProperties copy;
  copy.Copy(source);
  EXPECT_EQ(copy.m_kasen.nForcedNumber, 5);
  EXPECT_EQ(copy.m_kasen.nNumberStyle, 6);
  source.m_strKasenString = u"イ";
  EXPECT_EQ(copy.m_strKasenString, u"ア");

  copy.Init();
  EXPECT_TRUE(copy.m_strKasenString.IsEmpty());
  EXPECT_EQ(copy.m_kasen.nForcedNumber, -1);
}

TEST(PropertiesTest, LongFaceIsCutWithItsNul) {
  CFontProperties font;
  font.SetFontFamily("0123456789012345678901234567890123456789");
  EXPECT_EQ(std::strlen(font.m_szFontFamily), 31u);
}

}  // namespace
