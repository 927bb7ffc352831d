#include <gtest/gtest.h>

#include "tests/elements/SheetPages.h"
#include "tests/support/TestPaths.h"
#include "tests/xmlformat/FoImportFixture.h"

namespace {

constexpr const char16_t* kSampleMasters =
    u"<fo:simple-page-master master-name=\"Body\" page-width=\"210mm\" page-height=\"148mm\" margin-left=\"15mm\" "
    u"margin-top=\"15mm\" margin-right=\"15mm\" margin-bottom=\"15mm\"><fo:region-body column-count=\"1\"/>"
    u"</fo:simple-page-master><fo:page-sequence-master master-name=\"Seq\">"
    u"<fo:single-page-master-reference master-reference=\"KimeiBodyPage\"/></fo:page-sequence-master>";

constexpr const char16_t* kSampleBody =
    u"<fo:block-container><fo:block><fo:instream-foreign-object><dno/></fo:instream-foreign-object>"
    u"<fo:inline font-size=\"14pt\">次の表を完成させなさい。\U00020BB7野家</fo:inline></fo:block>"
    u"<fo:block><fo:table-and-caption><fo:table><fo:table-body>"
    u"<fo:table-row><fo:table-cell border-style=\"solid\"><fo:block><fo:inline>春</fo:inline></fo:block>"
    u"</fo:table-cell><fo:table-cell border-style=\"solid\"><fo:block><fo:inline>夏</fo:inline></fo:block>"
    u"</fo:table-cell><fo:table-cell border-style=\"solid\"><fo:block><fo:inline>秋</fo:inline></fo:block>"
    u"</fo:table-cell></fo:table-row>"
    u"<fo:table-row><fo:table-cell border-style=\"solid\"><fo:block><fo:inline>冬</fo:inline></fo:block>"
    u"</fo:table-cell></fo:table-row>"
    u"</fo:table-body></fo:table></fo:table-and-caption></fo:block></fo:block-container>"
    u"<fo:block-container id=\"gai1\"><fo:block><fo:inline>表の空いた欄は読み込みで埋めた枠です。</fo:inline>"
    u"</fo:block></fo:block-container>";

TEST_F(FoImportTest, AnImportedSheetDrawsForAPersonToLookAt) {
  std::u16string xml = FoFlowDocument(kSampleBody, kSampleMasters);
  xml.insert(xml.find(u"<fo:flow"),
             u"<fo:static-content flow-name=\"kimei-region\"><fo:block-container><fo:block>"
             u"<fo:inline>組　　番　氏名</fo:inline></fo:block></fo:block-container></fo:static-content>");
  ASSERT_TRUE(Import(xml)) << FoUtf8(m_error);
  LayOutSheet(m_root, FALSE);
  EXPECT_TRUE(SavePagePng(m_root, FALSE, 1, BuildPath("imported-sheet.png")));
}

}  // namespace
