#include <functional>

#include "model/MathMLTokenElements.h"
#include "tests/xmlformat/FoWriterFixture.h"

namespace {

struct FAILURE_ROW {
  const char* name;
  std::function<void(CFoBlockContainer&)> build;
  std::string templ;  // what stays written
};

void PrintTo(const FAILURE_ROW& row, std::ostream* os) { *os << row.name; }

const FAILURE_ROW kFailureRows[] = {
    {"RunWithAControlCharacter",
     [](CFoBlockContainer& r) {
       AddRun(*Add<CFoBlock>(r), u"a\u0001b");
       Add<CFoBlock>(r);
     },
     "<fo:block-container><fo:block text-align=\"left\"><fo:inline/></fo:block></fo:block-container>"},
    {"ChildCodeWithoutAName",
     [](CFoBlockContainer& r) {
       Add<CFoBlock>(r);
       r.AppendChild(new CQVXMLNode(0x999));
       Add<CFoBlock>(r);
     },
     "<fo:block-container><fo:block text-align=\"left\"/></fo:block-container>"},
    {"IncompleteFormula",
     [](CFoBlockContainer& r) {
       auto* math = Add<CMathMLMath>(*Add<CFoInstreamForeignObject>(*Add<CFoBlock>(r)));
       Add<CMondaiSp>(*math);
     },
     "<fo:block-container><fo:block text-align=\"left\"><fo:instream-foreign-object>"
     "<xsl:copy-of select=\"math[1]\"/></fo:instream-foreign-object></fo:block></fo:block-container>"},
    {"EmptyCellSlot",
     [](CFoBlockContainer& r) {
       auto* body = Add<CFoTableBody>(*Add<CFoTable>(*Add<CFoTableAndCaption>(r)));
       auto* row = Add<CFoTableRow>(*body);
       Add<CFoTableCell>(*row)->m_borderProps.m_nBorderWidth = 0;
       row->m_arrChildren.push_back(nullptr);
       Add<CFoTableCell>(*row);
       Add<CFoTableRow>(*body);
       Add<CFoBlock>(r);
     },
     "<fo:block-container><fo:table-and-caption><fo:table><fo:table-body><fo:table-row><fo:table-cell/>"
     "</fo:table-row></fo:table-body></fo:table></fo:table-and-caption></fo:block-container>"},
    {"TableWithoutContent", [](CFoBlockContainer& r) { Add<CFoTableAndCaption>(r); },
     "<fo:block-container><fo:table-and-caption/></fo:block-container>"},
    {"TableOfAnotherShape", [](CFoBlockContainer& r) { Add<CFoTableRow>(*Add<CFoTable>(*Add<CFoTableAndCaption>(r))); },
     "<fo:block-container><fo:table-and-caption><fo:table/></fo:table-and-caption></fo:block-container>"},
};

class FoFailureRows : public FoWriterTest, public ::testing::WithParamInterface<FAILURE_ROW> {};

// A failure ends the whole write; what was written before it stays, nothing after it.
TEST_P(FoFailureRows, EndsTheWrite) {
  GetParam().build(m_root);
  FO_WRITE_RESULT result = Write(m_root);
  EXPECT_FALSE(result.bWritten);
  EXPECT_EQ(result.templ, GetParam().templ);
}

INSTANTIATE_TEST_SUITE_P(Rows, FoFailureRows, ::testing::ValuesIn(kFailureRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A block passes over children it does not write, without failing.
TEST_F(FoWriterTest, UnnamedChildOfABlockIsNoFailure) {
  CFoBlock* line = Add<CFoBlock>(m_root);
  line->AppendChild(new CQVXMLNode(0x999));
  AddRun(*line, u"x");
  FO_WRITE_RESULT result = Write(m_root);
  EXPECT_TRUE(result.bWritten);
  EXPECT_EQ(result.data, "<dai><sp>x</sp></dai>");
}

}  // namespace
