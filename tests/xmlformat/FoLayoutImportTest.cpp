#include <gtest/gtest.h>

#include "elements/EditCell.h"
#include "tests/xmlformat/FoImportFixture.h"

namespace {

struct FLOW_CASE {
  const char* name;
  std::u16string body;
  const char* dump;
};

class FoFlowImportTest : public FoImportTest, public ::testing::WithParamInterface<FLOW_CASE> {};

TEST_P(FoFlowImportTest, BuildsTheEditTree) {
  ASSERT_TRUE(Import(FoFlowDocument(GetParam().body))) << FoUtf8(m_error);
  EXPECT_EQ(Dump(), GetParam().dump);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FoFlowImportTest,
    ::testing::Values(
        FLOW_CASE{"BareBlockIsPassedOver",
                  u"<fo:block><fo:inline>x</fo:inline></fo:block>"
                  u"<fo:block-container><fo:block><fo:inline>ab</fo:inline><fo:inline>c</fo:inline></fo:block>"
                  u"</fo:block-container>",
                  "CEditPrint\n"
                  "  CEditSentence\n"
                  "    text a|b|c\n"
                  "    CR\n"},
        FLOW_CASE{"LineEndOnlyWhereMissing",
                  u"<fo:block-container/>"
                  u"<fo:block-container><fo:block/></fo:block-container>"
                  u"<fo:block-container><fo:table-and-caption/></fo:block-container>",
                  "CEditPrint\n"
                  "  CEditSentence\n"
                  "  CEditSentence\n"
                  "    CR\n"
                  "  CEditSentence\n"
                  "    CEditTable 0x0\n"
                  "    CR\n"},
        FLOW_CASE{"PageBreakIgnoresItsContentTextBoxKeepsIt",
                  u"<fo:block-container id=\"kaipage1\"><fo:block><fo:inline>x</fo:inline></fo:block>"
                  u"</fo:block-container>"
                  u"<fo:block-container id=\"gai1\"><fo:block><fo:inline>y</fo:inline></fo:block></fo:block-container>",
                  "CEditPrint\n"
                  "  CEditKaiPage\n"
                  "    CR\n"
                  "  CEditGai\n"
                  "    text y\n"
                  "    CR\n"},
        FLOW_CASE{"FloatWithOnlyItsLineEndDisappears",
                  u"<fo:block-container><fo:block><fo:inline>a</fo:inline></fo:block>"
                  u"<fo:float float=\"left\"><fo:block/></fo:float>"
                  u"<fo:float float=\"right\"><fo:block><fo:inline>b</fo:inline></fo:block></fo:float>"
                  u"</fo:block-container>",
                  "CEditPrint\n"
                  "  CEditSentence\n"
                  "    text a\n"
                  "    CR\n"
                  "    CEditFloat side=2\n"
                  "      text b\n"
                  "      CR\n"
                  "    CR\n"},
        FLOW_CASE{"KimAndKunAddTheirContentToTheLine",
                  u"<fo:block-container><fo:block><fo:inline>a</fo:inline>"
                  u"<fo:inline-container id=\"kim1\"><fo:block><fo:inline>b</fo:inline></fo:block></fo:inline-container>"
                  u"<fo:inline-container id=\"kun2\"><fo:block><fo:inline>c</fo:inline></fo:block></fo:inline-container>"
                  u"<fo:inline-container id=\"kim3\"/>"
                  u"<fo:character character=\"z\"/></fo:block></fo:block-container>",
                  "CEditPrint\n"
                  "  CEditSentence\n"
                  "    text a|b\n"
                  "    CR\n"
                  "    text c\n"
                  "    CR\n"
                  "    CR\n"},
        FLOW_CASE{"CharacterBeyondTheBasicPlaneStaysWhole",
                  u"<fo:block-container><fo:block><fo:inline>a\U00020BB7b</fo:inline></fo:block></fo:block-container>",
                  "CEditPrint\n"
                  "  CEditSentence\n"
                  "    text a|\U00020BB7|b\n"
                  "    CR\n"},
        FLOW_CASE{"RaggedTableTakesItsWidestRow",
                  u"<fo:block-container><fo:block><fo:table-and-caption><fo:table><fo:table-body>"
                  u"<fo:table-row><fo:table-cell border-style=\"dotted\"><fo:block><fo:inline>a</fo:inline>"
                  u"</fo:block></fo:table-cell><fo:table-cell border-style=\"dashed\"/></fo:table-row>"
                  u"<fo:table-row><fo:table-cell border-style=\"solid\"><fo:block/></fo:table-cell></fo:table-row>"
                  u"</fo:table-body></fo:table></fo:table-and-caption></fo:block></fo:block-container>",
                  "CEditPrint\n"
                  "  CEditSentence\n"
                  "    CEditTable 2x2 border=1\n"
                  "      CEditCell border=3\n"
                  "        text a\n"
                  "        CR\n"
                  "      CEditCell border=4\n"
                  "        CR\n"
                  "      CEditCell border=1\n"
                  "        CR\n"
                  "      CEditCell border=1\n"
                  "        CR\n"
                  "    CR\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FoImportTest, ARaggedTableLaysOutAndSavesWhole) {
  ASSERT_TRUE(Import(FoFlowDocument(
      u"<fo:block-container><fo:block><fo:table-and-caption><fo:table><fo:table-body>"
      u"<fo:table-row><fo:table-cell/></fo:table-row>"
      u"<fo:table-row><fo:table-cell/><fo:table-cell/><fo:table-cell/></fo:table-row>"
      u"</fo:table-body></fo:table></fo:table-and-caption></fo:block></fo:block-container>")));
  auto* table = dynamic_cast<CEditTable*>(m_root.GetChildAt(0)->GetChildAt(0));
  ASSERT_TRUE(table);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col) EXPECT_TRUE(table->GetCell(row, col)) << row << "," << col;
  CEditTable copy;
  ASSERT_TRUE(table->CopyInto(&copy));
  EXPECT_EQ(DumpEditTree(copy), DumpEditTree(*table));
}

TEST_F(FoImportTest, AGridBeyondTheBoundFailsTheRead) {
  std::u16string cells;
  for (int i = 0; i <= CFoLayoutImport::kMaxTableSide; ++i) cells += u"<fo:table-cell/>";
  EXPECT_FALSE(Import(FoFlowDocument(u"<fo:block-container><fo:block><fo:table-and-caption><fo:table><fo:table-body>"
                                     u"<fo:table-row>" + cells + u"</fo:table-row>"
                                     u"</fo:table-body></fo:table></fo:table-and-caption></fo:block></fo:block-container>")));
  EXPECT_FALSE(m_error.IsEmpty());
}

TEST_F(FoImportTest, ContentThatCannotBeReadFailsTheRead) {
  // Without a document to make its item, an embedded object cannot be read.
  std::unique_ptr<CQVXMLNode> fo = ReadFoText(FoFlowDocument(
      u"<fo:block-container><fo:block><fo:instream-foreign-object><object data=\"x.bin\"/>"
      u"</fo:instream-foreign-object></fo:block></fo:block-container>"));
  ASSERT_TRUE(fo);
  CFoLayoutImport import(&m_root, nullptr, FALSE);
  EXPECT_FALSE(import.Import(fo.get(), &m_root));
  EXPECT_FALSE(import.GetError().IsEmpty());
}

TEST_F(FoImportTest, SpacingGoesToThePartAndTheRoot) {
  ASSERT_TRUE(Import(FoFlowDocument(
      u"<fo:block-container><fo:initial-property-set line-height.optimum=\"5mm\" letter-spacing.optimum=\"1mm\"/>"
      u"<fo:block/></fo:block-container>")));
  auto* part = dynamic_cast<CEditContainer*>(m_root.GetChildAt(0));
  ASSERT_TRUE(part);
  EXPECT_EQ(part->m_nLineSpacing, 500);
  EXPECT_EQ(part->m_nLetterSpacing, 100);
  EXPECT_EQ(m_root.m_nLineSpacing, 500);
  EXPECT_EQ(m_root.m_nLetterSpacing, 100);
}

}  // namespace

namespace {

struct NUMBER_CASE {
  const char* name;
  const char16_t* attributes;
  BOOL bVertical;
  int nMajor;
  int nMinor;
};

class FoNumberImportTest : public FoImportTest, public ::testing::WithParamInterface<NUMBER_CASE> {};

TEST_P(FoNumberImportTest, TakesTheFormatOrTheDirectionsDefault) {
  std::u16string attributes = GetParam().attributes;
  ASSERT_TRUE(Import(FoFlowDocument(u"<fo:block-container><fo:block>"
                                    u"<fo:instream-foreign-object><dno " + attributes + u"/></fo:instream-foreign-object>"
                                    u"<fo:instream-foreign-object><no " + attributes + u"/></fo:instream-foreign-object>"
                                    u"</fo:block></fo:block-container>"),
                     GetParam().bVertical));
  EXPECT_EQ(Dump(), "CEditPrint\n"
                    "  CEditSentence\n"
                    "    CEditDmonno format=" + std::to_string(GetParam().nMajor) + "\n"
                    "    CEditMonno format=" + std::to_string(GetParam().nMinor) + "\n"
                    "    CR\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, FoNumberImportTest,
                         ::testing::Values(NUMBER_CASE{"NoneHorizontal", u"", FALSE, 0, 1},
                                           NUMBER_CASE{"NoneVertical", u"", TRUE, 2, 3},
                                           NUMBER_CASE{"Given", u"type=\"f\"", TRUE, 5, 5},
                                           NUMBER_CASE{"LastStyle", u"type=\"p\"", FALSE, 15, 15},
                                           NUMBER_CASE{"OutOfRangeHorizontal", u"type=\"q\"", FALSE, 0, 1},
                                           NUMBER_CASE{"OutOfRangeVertical", u"type=\"z\"", TRUE, 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
