#include "elements/EditHaiten.h"
#include "elements/EditRuby.h"
#include "elements/EditRubyBase.h"
#include "elements/EditRubyText.h"
#include "tests/xmlformat/FoBuildFixture.h"

namespace {

CEditFloat* AddFloat(CQVXMLNode* parent) {
  auto* fl = AddNode(parent, new CEditFloat());
  fl->m_floatDim.m_nAreaWidth = 3000;
  fl->m_floatDim.m_nAreaHeight = CFoFloat::SideRight;
  AddText(fl, u"f");
  AddLineEnd(fl);
  return fl;
}

struct LINE_CASE {
  const char* name;
  void (*fill)(CEditSentence*);
  const char* expected;
};

const LINE_CASE kLineCases[] = {
    {"EmptyLine", [](CEditSentence* s) { AddLineEnd(s, "B"); },
     "fo:block-container\n"
     "  fo:block line=71\n"
     "    fo:inline face=B size=371\n"},
    {"RunsOfTwoFormatsClosedByTheLineEnd",
     [](CEditSentence* s) {
       AddText(s, u"ab");
       AddText(s, u"c", "B");
       AddLineEnd(s)->m_nTextAlign = CBlockLineRelatedProperties::AlignCenter;
       AddText(s, u"d");
       AddLineEnd(s);
     },
     "fo:block-container\n"
     "  fo:block line=71 align=1\n"
     "    fo:inline face=A size=371 'ab'\n"
     "    fo:inline face=B size=371 'c'\n"
     "  fo:block line=71\n"
     "    fo:inline face=A size=371 'd'\n"},
    {"TextFormulaText",
     [](CEditSentence* s) {
       AddText(s, u"x");
       AddFormula(s, u"12+y");
       AddText(s, u"z");
       AddLineEnd(s);
     },
     "fo:block-container\n"
     "  fo:block line=71\n"
     "    fo:inline face=A size=371 'x'\n"
     "    fo:instream-foreign-object\n"
     "      math\n"
     "        mn face=Times New Roman '12'\n"
     "        mo face=Times New Roman '+'\n"
     "        mi face=Times New Roman 'y'\n"
     "    fo:inline face=A size=371 'z'\n"},
    {"FloatStartingALine",
     [](CEditSentence* s) {
       AddFloat(s);
       AddText(s, u"ab");
       AddLineEnd(s);
     },
     "fo:block-container\n"
     "  fo:float width=3000 side=2\n"
     "    fo:block line=71\n"
     "      fo:inline face=A size=371 'f'\n"
     "  fo:block line=71\n"
     "    fo:inline face=A size=371 'ab'\n"},
    {"FloatInsideALineKeepsTheRun",
     [](CEditSentence* s) {
       AddText(s, u"a");
       AddFloat(s);
       AddText(s, u"b");
       AddLineEnd(s);
     },
     "fo:block-container\n"
     "  fo:block line=71\n"
     "    fo:inline face=A size=371 'ab'\n"
     "  fo:float width=3000 side=2\n"
     "    fo:block line=71\n"
     "      fo:inline face=A size=371 'f'\n"},
    {"FloatEndingALine",
     [](CEditSentence* s) {
       AddText(s, u"a");
       AddFloat(s);
       AddLineEnd(s);
     },
     "fo:block-container\n"
     "  fo:block line=71\n"
     "    fo:inline face=A size=371 'a'\n"
     "  fo:float width=3000 side=2\n"
     "    fo:block line=71\n"
     "      fo:inline face=A size=371 'f'\n"},
    {"RunWithoutClosingLineEndIsKept", [](CEditSentence* s) { AddText(s, u"ab"); },
     "fo:block-container\n"
     "  fo:block line=71\n"
     "    fo:inline face=A size=371 'ab'\n"},
    {"QuestionNumbersKeepTheirFormats",
     [](CEditSentence* s) {
       AddNode(s, new CEditDmonno())->m_nFormat = 3;
       AddNode(s, new CEditMonno())->m_nFormat = 7;
       AddLineEnd(s);
     },
     "fo:block-container\n"
     "  fo:block line=71\n"
     "    fo:instream-foreign-object\n"
     "      dno format=3\n"
     "    fo:instream-foreign-object\n"
     "      no format=7\n"
     "    fo:inline face=A size=371\n"},
    {"PointsWithoutPointsGiveNothing",
     [](CEditSentence* s) {
       AddNode(s, new CEditHaiten());
       auto* points = AddNode(s, new CEditHaiten());
       points->m_haiten.m_nEach = 2;
       points->m_haiten.m_nTotal = 10;
       AddLineEnd(s);
     },
     "fo:block-container\n"
     "  fo:block line=71\n"
     "    fo:instream-foreign-object\n"
     "      hai each=2 total=10\n"
     "    fo:inline face=A size=371\n"},
    {"RubyTextBeforeItsBase",
     [](CEditSentence* s) {
       auto* ruby = AddNode(s, new CEditRuby());
       auto* base = AddNode(ruby, new CEditRubyBase());
       AddText(base, u"漢");
       AddLineEnd(base);
       auto* reading = AddNode(ruby, new CEditRubyText());
       AddText(reading, u"かん", "B");
       AddLineEnd(reading, "B");
       AddLineEnd(s);
     },
     "fo:block-container\n"
     "  fo:block line=71\n"
     "    fo:inline-container kind=1\n"
     "      fo:block line=71\n"
     "        fo:inline face=B size=371 'かん'\n"
     "      fo:block line=71\n"
     "        fo:inline face=A size=371 '漢'\n"
     "    fo:inline face=A size=371\n"},
    {"TwoByTwoTable",
     [](CEditSentence* s) {
       auto* table = AddNode(s, new CEditTable());
       table->CreateCells(2, 2);
       const char16_t* texts[] = {u"1", u"2", u"3", u"4"};
       for (int i = 0; i < 4; ++i) {
         CQVXMLNode* cell = table->GetChildAt(i);
         CopyFaceName(static_cast<CEditCR*>(cell->GetLastChild())->m_lf.lfFaceName, "A");
         cell->InsertChild(0, new CEditChar(texts[i][0]));
         CopyFaceName(static_cast<CEditChar*>(cell->GetFirstChild())->m_lf.lfFaceName, "A");
       }
       AddLineEnd(s);
     },
     "fo:block-container\n"
     "  fo:block line=71\n"
     "    fo:inline-container\n"
     "      fo:table-and-caption\n"
     "        fo:table\n"
     "          fo:table-body\n"
     "            fo:table-row\n"
     "              fo:table-cell border=1 border-width=18\n"
     "                fo:block line=71\n"
     "                  fo:inline face=A size=371 '1'\n"
     "              fo:table-cell border=1 border-width=18\n"
     "                fo:block line=71\n"
     "                  fo:inline face=A size=371 '2'\n"
     "            fo:table-row\n"
     "              fo:table-cell border=1 border-width=18\n"
     "                fo:block line=71\n"
     "                  fo:inline face=A size=371 '3'\n"
     "              fo:table-cell border=1 border-width=18\n"
     "                fo:block line=71\n"
     "                  fo:inline face=A size=371 '4'\n"
     "    fo:inline face=A size=371\n"},
};

class FoLineTest : public FoBuildTest, public ::testing::WithParamInterface<LINE_CASE> {};

TEST_P(FoLineTest, BuildsTheExpectedTree) {
  CEditSentence* sentence = NewSentence();
  GetParam().fill(sentence);
  EXPECT_EQ(Build(sentence), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, FoLineTest, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FoBuildTest, SheetRootGivesOneBlockContainerPerPartInOrder) {
  m_print.m_nLineSpacing = 250;
  m_print.m_nLetterSpacing = 30;
  for (int i = 0; i < 2; ++i) {
    CEditSentence* part = NewSentence();
    AddText(part, i == 0 ? u"q" : u"r");
    AddLineEnd(part);
  }
  static_cast<CEditSentence*>(m_print.GetChildAt(1))->m_bHidden = 1;
  static_cast<CEditSentence*>(m_print.GetChildAt(1))->m_nAreaWidth = 8000;
  AddNode(&m_print, new CEditKaiPage());
  auto* box = AddNode(&m_print, new CEditGai());
  AddLineEnd(box);

  CFoFlow flow;
  CFoTreeBuilder builder;
  ASSERT_TRUE(builder.BuildFoTree(&m_print, &flow));
  EXPECT_EQ(DumpFoFields(&flow),
            "fo:flow\n"
            "  fo:block-container\n"
            "    fo:initial-property-set line=250 letter=30\n"
            "    fo:block line=71\n"
            "      fo:inline face=A size=371 'q'\n"
            "  fo:block-container hidden=1 width=8000\n"
            "    fo:initial-property-set line=250 letter=30\n"
            "    fo:block line=71\n"
            "      fo:inline face=A size=371 'r'\n"
            "  fo:block-container kind=8 break-after=2\n"
            "  fo:block-container kind=3\n"
            "    fo:initial-property-set line=250 letter=30\n"
            "    fo:block line=71\n"
            "      fo:inline face=A size=371\n");
}

TEST_F(FoBuildTest, NullChildFailsWithItsCause) {
  CEditSentence* sentence = NewSentence();
  AddText(sentence, u"a");
  sentence->m_arrChildren.push_back(nullptr);
  CFoBlockContainer root;
  CFoTreeBuilder builder;
  EXPECT_FALSE(builder.BuildFoTree(sentence, &root));
  EXPECT_EQ(builder.GetError(), u"a container holds a null child");
  EXPECT_TRUE(builder.GetUserMessage().IsEmpty());
  sentence->m_arrChildren.pop_back();
}

TEST_F(FoBuildTest, TableWhoseCellsDoNotMatchItsGridFails) {
  CEditSentence* sentence = NewSentence();
  auto* table = AddNode(sentence, new CEditTable());
  table->CreateCells(2, 2);
  table->m_nRows = 3;
  AddLineEnd(sentence);
  CFoBlockContainer root;
  CFoTreeBuilder builder;
  EXPECT_FALSE(builder.BuildFoTree(sentence, &root));
  EXPECT_EQ(builder.GetError(), u"the table's cells do not match its rows and columns");
  EXPECT_EQ(DumpFoFields(&root),
            "fo:block-container\n"
            "  fo:block line=71\n"
            "    fo:inline-container\n"
            "      fo:table-and-caption\n");
}

}  // namespace
