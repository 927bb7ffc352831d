#include <gtest/gtest.h>

#include "tests/xmlformat/FoImportFixture.h"

namespace {

std::u16string PageMaster(const char16_t* attributes, const char16_t* columns = u"1") {
  return u"<fo:simple-page-master master-name=\"Body\" " + std::u16string(attributes) +
         u"><fo:region-body column-count=\"" + columns + u"\"/></fo:simple-page-master>";
}

TEST_F(FoImportTest, PageSetupComesFromTheLastPageMaster) {
  ASSERT_TRUE(Import(FoFlowDocument(u"", PageMaster(u"page-width=\"100mm\" page-height=\"100mm\"") +
                                             PageMaster(u"page-width=\"257mm\" page-height=\"364mm\" margin-left=\"10mm\" "
                                                        u"margin-top=\"20mm\" margin-right=\"30mm\" margin-bottom=\"40mm\"",
                                                        u"3"))));
  SIZE page;
  m_root.GetPageSize(&page);
  EXPECT_EQ(page.cx, 25700);
  EXPECT_EQ(page.cy, 36400);
  RECT margins;
  m_root.GetMargins(&margins);
  EXPECT_EQ(margins.left, 1000);
  EXPECT_EQ(margins.top, 2000);
  EXPECT_EQ(margins.right, 3000);
  EXPECT_EQ(margins.bottom, 4000);
  EXPECT_EQ(m_root.m_page.m_nColumnCount, 3);
}

struct PAGE_CASE {
  const char* name;
  const char16_t* attributes;
  const char16_t* columns;
};

class FoBadPageTest : public FoImportTest, public ::testing::WithParamInterface<PAGE_CASE> {};

TEST_P(FoBadPageTest, FailsTheRead) {
  EXPECT_FALSE(Import(FoFlowDocument(u"", PageMaster(GetParam().attributes, GetParam().columns))));
  EXPECT_FALSE(m_error.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FoBadPageTest,
    ::testing::Values(PAGE_CASE{"NoWidth", u"page-width=\"0mm\"", u"1"},
                      PAGE_CASE{"MarginsFillThePage", u"page-height=\"100mm\" margin-top=\"60mm\" margin-bottom=\"40mm\"",
                                u"1"},
                      PAGE_CASE{"NegativeMargin", u"margin-left=\"-5mm\"", u"1"},
                      PAGE_CASE{"NoColumn", u"", u"0"},
                      PAGE_CASE{"ColumnsLeaveNoWidth", u"page-width=\"30mm\"", u"9"}),
    [](const auto& info) { return std::string(info.param.name); });

std::u16string PageReferences(int count, int nameFieldEvery) {
  std::u16string refs = u"<fo:page-sequence-master master-name=\"Seq\">";
  for (int i = 0; i < count; ++i)
    refs += i % nameFieldEvery == 0 ? u"<fo:single-page-master-reference master-reference=\"KimeiBodyPage\"/>"
                                    : u"<fo:single-page-master-reference master-reference=\"BodyPage\"/>";
  return refs + u"</fo:page-sequence-master>";
}

TEST_F(FoImportTest, PageReferencesBeyondThePageTableAreIgnored) {
  ASSERT_TRUE(Import(FoFlowDocument(u"", PageReferences(1100, 1))));
  EXPECT_EQ(m_root.m_nodePageKimeiran.GetChildCount(), CEditPrint::kPageTableSize);
  EXPECT_TRUE(m_root.IsNameFieldPage(CEditPrint::kPageTableSize));
  EXPECT_FALSE(m_root.IsNameFieldPage(CEditPrint::kPageTableSize + 1));
}

TEST_F(FoImportTest, TheNameFieldIsCopiedToEachPageThatCarriesIt) {
  std::u16string xml = FoFlowDocument(u"", PageReferences(3, 2));
  xml.insert(xml.find(u"<fo:flow"),
             u"<fo:static-content flow-name=\"kimei-region\"><fo:block-container><fo:block><fo:inline>名前</fo:inline>"
             u"</fo:block></fo:block-container></fo:static-content>");
  ASSERT_TRUE(Import(xml)) << FoUtf8(m_error);
  EXPECT_TRUE(m_root.IsNameFieldPage(1));
  EXPECT_FALSE(m_root.IsNameFieldPage(2));
  EXPECT_TRUE(m_root.IsNameFieldPage(3));
  const char* field =
      "CEditKimeiran\n"
      "  text 名|前\n"
      "  CR\n";
  EXPECT_EQ(DumpEditTree(m_root.m_kimeiran), field);
  ASSERT_EQ(m_root.m_nodePageKimeiran.GetChildCount(), 2);
  for (CQVXMLNode* page : m_root.m_nodePageKimeiran.m_arrChildren) EXPECT_EQ(DumpEditTree(*page), field);
  EXPECT_NE(m_root.m_nodePageKimeiran.GetChildAt(0)->GetChildAt(0), m_root.m_kimeiran.GetChildAt(0));
}

TEST_F(FoImportTest, StaticContentOfAnotherRegionIsPassedOver) {
  std::u16string xml = FoFlowDocument(u"");
  xml.insert(xml.find(u"<fo:flow"),
             u"<fo:static-content flow-name=\"xsl-region-before\"><fo:block-container><fo:block/></fo:block-container>"
             u"</fo:static-content>");
  ASSERT_TRUE(Import(xml));
  EXPECT_EQ(m_root.m_kimeiran.GetChildCount(), 0);
}

}  // namespace
