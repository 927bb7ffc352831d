#include <functional>

#include "tests/xmlformat/FoWriterFixture.h"

namespace {

struct BLOCK_ROW {
  const char* name;
  std::function<void(CFoBlockContainer&)> build;
  std::string templ;
  std::string data = "<dai/>";
};

void PrintTo(const BLOCK_ROW& row, std::ostream* os) { *os << row.name; }

CFoTableCell* AddTable(CFoBlockContainer& root, int nBorderStyle, int nBorderWidth) {
  auto* table = Add<CFoTable>(*Add<CFoTableAndCaption>(root));
  auto* cell = Add<CFoTableCell>(*Add<CFoTableRow>(*Add<CFoTableBody>(*table)));
  cell->m_borderProps.m_nBorderStyle = nBorderStyle;
  cell->m_borderProps.m_nBorderWidth = nBorderWidth;
  return cell;
}

const BLOCK_ROW kBlockRows[] = {
    {"HiddenContainerWithWidth",
     [](CFoBlockContainer& r) {
       r.m_nVisibility = CFoBlockContainer::VisibilityCollapse;
       r.m_nWidth = 15050;
     },
     "<fo:block-container visibility=\"collapse\" width=\"150mm\"/>"},
    {"WidthBelowOneMillimetre", [](CFoBlockContainer& r) { r.m_nWidth = 99; },
     "<fo:block-container width=\"0mm\"/>"},
    {"NoWidth", [](CFoBlockContainer& r) { r.m_nWidth = -5; }, "<fo:block-container/>"},
    {"TextBox", [](CFoBlockContainer& r) { r.m_nBlockKind = BK_GAI; },
     "<fo:block-container id=\"gai0011\"/>"},
    {"PageBreak", [](CFoBlockContainer& r) { r.m_nBlockKind = BK_KAIPAGE; },
     "<fo:block-container id=\"kaipage0011\" break-after=\"page\"/>"},
    {"NameFieldHasNoId", [](CFoBlockContainer& r) { r.m_nBlockKind = BK_KIM; }, "<fo:block-container/>"},
    {"UnlistedChildOfAContainerIsAnEmptyElement", [](CFoBlockContainer& r) { AddRun(r, u"x"); },
     "<fo:block-container><fo:inline/></fo:block-container>"},
    {"Alignments",
     [](CFoBlockContainer& r) {
       for (int align : {0, 1, 2, 3, 4, 7}) Add<CFoBlock>(r)->m_lineProps.m_nTextAlign = align;
     },
     "<fo:block-container><fo:block text-align=\"left\"/><fo:block text-align=\"center\"/>"
     "<fo:block text-align=\"right\"/><fo:block text-align=\"justify\"/>"
     "<fo:block text-justify=\"distribute\"/><fo:block/></fo:block-container>"},
    {"UnlistedChildOfABlockLeavesNoTrace",
     [](CFoBlockContainer& r) {
       auto* block = Add<CFoBlock>(r);
       Add<CFoFloat>(*block);
       Add<CFoBlock>(*block)->m_lineProps.m_nTextAlign = 2;
     },
     "<fo:block-container><fo:block text-align=\"left\"><fo:block text-align=\"right\"/></fo:block>"
     "</fo:block-container>"},
    {"FloatSides",
     [](CFoBlockContainer& r) {
       AddRun(*Add<CFoFloat>(r), u"f");
       Add<CFoFloat>(r)->m_dimensionProps.m_nAreaHeight = CFoFloat::SideRight;
       Add<CFoFloat>(r)->m_dimensionProps.m_nAreaHeight = CFoFloat::SideLeft;
     },
     std::string("<fo:block-container><fo:float><fo:inline ") + kRunFont +
         "><xsl:value-of select=\"sp[1]\"/></fo:inline></fo:float><fo:float float=\"right\"/>"
         "<fo:float float=\"left\"/></fo:block-container>",
     "<dai><sp>f</sp></dai>"},
    {"SpacingTruncatesTenths",
     [](CFoBlockContainer& r) {
       Add<CFoInitialPropertySet>(r)->m_lineProps.m_nLineSpacing = 371;
       auto* both = Add<CFoInitialPropertySet>(r);
       both->m_lineProps.m_nLineSpacing = 0;
       both->m_charProps.m_nLetterSpacing = 71;
     },
     "<fo:block-container><fo:initial-property-set line-height.optimum=\"10.5pt\"/>"
     "<fo:initial-property-set letter-spacing.optimum=\"2pt\"/></fo:block-container>"},
    {"TableStartingWithACaption",
     [](CFoBlockContainer& r) {
       auto* table = Add<CFoTableAndCaption>(r);
       Add<CFoTableCaption>(*table);
       Add<CFoTable>(*table);
     },
     "<fo:block-container><fo:table-and-caption/></fo:block-container>"},
    {"TableStartingWithAHeader",
     [](CFoBlockContainer& r) { Add<CFoTableHeader>(*Add<CFoTable>(*Add<CFoTableAndCaption>(r))); },
     "<fo:block-container><fo:table-and-caption><fo:table/></fo:table-and-caption></fo:block-container>"},
    {"CellBorders",
     [](CFoBlockContainer& r) {
       AddRun(*AddTable(r, LS_DOTTED, 53), u"c");
       AddTable(r, LS_SOLID, 18);
     },
     std::string("<fo:block-container><fo:table-and-caption><fo:table><fo:table-body><fo:table-row>"
                 "<fo:table-cell border-width=\"1.5pt\"><fo:inline ") +
         kRunFont +
         "><xsl:value-of select=\"sp[1]\"/></fo:inline></fo:table-cell></fo:table-row></fo:table-body></fo:table>"
         "</fo:table-and-caption><fo:table-and-caption><fo:table><fo:table-body><fo:table-row>"
         "<fo:table-cell border-style=\"solid\" border-width=\"0.5pt\"/></fo:table-row></fo:table-body></fo:table>"
         "</fo:table-and-caption></fo:block-container>",
     "<dai><sp>c</sp></dai>"},
};

class FoBlockRows : public FoWriterTest, public ::testing::WithParamInterface<BLOCK_ROW> {};

TEST_P(FoBlockRows, WritesTemplateAndData) {
  GetParam().build(m_root);
  FO_WRITE_RESULT result = Write(m_root);
  EXPECT_TRUE(result.bWritten);
  EXPECT_EQ(result.templ, GetParam().templ);
  EXPECT_EQ(result.data, GetParam().data);
}

INSTANTIATE_TEST_SUITE_P(Rows, FoBlockRows, ::testing::ValuesIn(kBlockRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
