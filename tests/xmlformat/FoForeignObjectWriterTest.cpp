#include <functional>

#include "model/MathMLTokenElements.h"
#include "tests/xmlformat/FoWriterFixture.h"

namespace {

CFoInstreamForeignObject* AddIsland(CQVXMLNode& parent) { return Add<CFoInstreamForeignObject>(parent); }

CMathMLMath* AddFormula(CQVXMLNode& parent, const char16_t* text) {
  auto* math = Add<CMathMLMath>(*AddIsland(parent));
  auto* mi = new CMathMLToken(XE_MI);
  mi->SetText(CStringW(text));
  math->AppendChild(mi);
  return math;
}

void AddNumbers(CQVXMLNode& line, std::initializer_list<int> majorFormats, std::initializer_list<int> minorFormats) {
  for (int format : majorFormats) Add<CMondaiDno>(*AddIsland(line))->m_nNumberFormat = format;
  for (int format : minorFormats) Add<CMondaiNo>(*AddIsland(line))->m_nNumberFormat = format;
}

CMondaiHai* AddPoints(CQVXMLNode& line, int nForm, int nEach, int nCount, int nTotal, int bVisible) {
  auto* hai = Add<CMondaiHai>(*AddIsland(line));
  hai->m_haiten.m_nForm = nForm;
  hai->m_haiten.m_nEach = nEach;
  hai->m_haiten.m_nCount = nCount;
  hai->m_haiten.m_nTotal = nTotal;
  hai->m_haiten.m_bVisible = bVisible;
  return hai;
}

std::string Copies(const std::string& name, int count) {
  std::string copies;
  for (int n = 1; n <= count; ++n)
    copies += "<fo:instream-foreign-object><xsl:copy-of select=\"" + name + "[" + std::to_string(n) +
              "]\"/></fo:instream-foreign-object>";
  return copies;
}

struct ISLAND_ROW {
  const char* name;
  BOOL bVertical;
  std::function<void(CFoBlock&)> build;
  std::string line;
  std::string data;
};

void PrintTo(const ISLAND_ROW& row, std::ostream* os) { *os << row.name; }

const ISLAND_ROW kIslandRows[] = {
    {"MajorAndMinorNumbersHorizontal", FALSE, [](CFoBlock& l) { AddNumbers(l, {0, 3, 2, 15, 16, -1}, {1, 3}); },
     Copies("dno", 6) + Copies("no", 2),
     "<dai><dno/><dno type=\"d\"/><dno type=\"c\"/><dno type=\"p\"/><dno/><dno/><no/><no type=\"d\"/></dai>"},
    {"MajorAndMinorNumbersVertical", TRUE, [](CFoBlock& l) { AddNumbers(l, {2, 0}, {3, 1}); },
     Copies("dno", 2) + Copies("no", 2), "<dai><dno/><dno type=\"a\"/><no/><no type=\"b\"/></dai>"},
    {"PointsForms", FALSE,
     [](CFoBlock& l) {
       AddPoints(l, 2, 5, 4, 20, 1);
       AddPoints(l, 1, 5, 4, 7, 0)->m_haiten.m_strFence = u"［";
       AddPoints(l, 3, 2, 9, 18, 1);
       AddPoints(l, 4, 2, 9, 30, 1);
       AddPoints(l, 7, 2, 9, 30, 1);
     },
     Copies("hai", 5),
     "<dai><hai type=\"2\" visibility=\"visible\" p1=\"5\" p2=\"4\" p3=\"20\"/>"
     "<hai type=\"1\" fence=\"［\" visibility=\"collapse\" p3=\"7\"/>"
     "<hai type=\"3\" visibility=\"visible\" p1=\"2\" p3=\"18\"/><hai type=\"4\" visibility=\"visible\" p3=\"30\"/>"
     "<hai type=\"7\" visibility=\"visible\"/></dai>"},
    {"Objects", FALSE,
     [](CFoBlock& l) {
       auto* object = Add<CMondaiObject>(*AddIsland(l));
       object->m_strData = "sheet-01.bin";
       object->m_nWidth = 4050;
       object->m_nHeight = 999;
     },
     Copies("object", 1), "<dai><object data=\"sheet-01.bin\" width=\"40mm\" height=\"9mm\"/></dai>"},
    {"Formulas", FALSE,
     [](CFoBlock& l) {
       AddFormula(l, u"x");
       AddFormula(l, u"y");
     },
     Copies("math", 2),
     "<dai><math><mi mathfamily=\"Times New Roman\" mathsize=\"10.5pt\">x</mi></math>"
     "<math><mi mathfamily=\"Times New Roman\" mathsize=\"10.5pt\">y</mi></math></dai>"},
    {"EmptyIslandAndOnlyTheFirstChild", FALSE,
     [](CFoBlock& l) {
       AddIsland(l);
       auto* island = AddIsland(l);
       Add<CMondaiDno>(*island)->m_nNumberFormat = 1;
       Add<CMondaiNo>(*island);
       Add<CMondaiSp>(*AddIsland(l));
     },
     "<fo:instream-foreign-object/>" + Copies("dno", 1) + "<fo:instream-foreign-object/>",
     "<dai><dno type=\"b\"/></dai>"},
};

class FoIslandRows : public FoWriterTest, public ::testing::WithParamInterface<ISLAND_ROW> {};

TEST_P(FoIslandRows, WritesTemplateAndData) {
  GetParam().build(*Add<CFoBlock>(m_root));
  FO_WRITE_RESULT result = Write(m_root, GetParam().bVertical);
  EXPECT_TRUE(result.bWritten);
  EXPECT_EQ(result.templ,
            "<fo:block-container><fo:block text-align=\"left\">" + GetParam().line + "</fo:block></fo:block-container>");
  EXPECT_EQ(result.data, GetParam().data);
}

INSTANTIATE_TEST_SUITE_P(Rows, FoIslandRows, ::testing::ValuesIn(kIslandRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Applying the part's template puts into each island only its own points record.
TEST_F(FoWriterTest, EachPointsFieldCopiesOnlyItsOwnRecord) {
  CFoBlock* line = Add<CFoBlock>(m_root);
  AddPoints(*line, 4, 0, 0, 10, 1);
  AddPoints(*line, 4, 0, 0, 25, 1);
  ASSERT_TRUE(Write(m_root).bWritten);
  CDomDocument result;
  ASSERT_TRUE(result.loadXML(m_doc.transformNode(m_doc.selectSingleNode(u"//xsl:stylesheet"))));
  result.setProperty(u"SelectionNamespaces", u"xmlns:fo='http://www.w3.org/1999/XSL/Format'");
  CDomNodeList islands = result.selectNodes(u"//fo:instream-foreign-object");
  ASSERT_EQ(islands.length(), 2);
  for (int i = 0; i < 2; ++i) {
    CDomNodeList copied = islands.item(i).selectNodes(u"hai");
    ASSERT_EQ(copied.length(), 1);
    EXPECT_EQ(copied.item(0).attributes().item(2).nodeValue(), i == 0 ? u"10" : u"25");
  }
}

// A numbered underline inside an in-text answer keeps its formulas marked as answer text;
// one outside an answer marks them as its own.
TEST_F(FoWriterTest, FormulaInUnderlineInAnswerStaysAnswerText) {
  CFoBlock* line = Add<CFoBlock>(m_root);
  auto* answer = AddSpecial(*line, BK_CYUKAI);
  auto* inner = AddSpecial(*Add<CFoBlock>(*answer), BK_KASEN);
  CMathMLMath* answerMath = AddFormula(*Add<CFoBlock>(*inner), u"a");
  auto* outer = AddSpecial(*line, BK_KASEN);
  CMathMLMath* underlineMath = AddFormula(*Add<CFoBlock>(*outer), u"u");
  FO_WRITE_RESULT result = Write(m_root);
  ASSERT_TRUE(result.bWritten);
  EXPECT_EQ(answerMath->m_nContext, 2);
  EXPECT_EQ(underlineMath->m_nContext, 6);
  EXPECT_EQ(result.data,
            "<dai><cyukai><kasen><math qvtype=\"cyukai\"><mi mathfamily=\"Times New Roman\" mathsize=\"10.5pt\">a</mi>"
            "</math></kasen></cyukai><kasen><math><mi mathfamily=\"Times New Roman\" mathsize=\"10.5pt\">u</mi>"
            "</math></kasen></dai>");
}

}  // namespace
