#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "math/EditEditMath.h"
#include "tests/support/TestPaths.h"
#include "math/EditIntegralSub.h"
#include "math/EditMathCyukai.h"
#include "math/EditOPresubSub.h"
#include "math/EditSub.h"
#include "math/EditSuper.h"
#include "math/EditSubsup.h"
#include "math/EditSigmaSubsup.h"
#include "math/EditRoot.h"
#include "math/EditOver.h"
#include "math/EditFrac.h"
#include "math/EditUnder2.h"
#include "math/FormulaBitmap.h"
#include "math/MathMLExport.h"
#include "math/MathMLImport.h"
#include "model/MathMLDomWriter.h"
#include "model/MathMLTokenElements.h"
#include "model/NodeFactory.h"
#include "platform/DomNodeList.h"
#include "tests/math/FormulaSamples.h"
#include "tests/math/MathMLFixture.h"

TEST_F(MathMLTest, RunsBecomeTokensByClassAndFormat) {
  std::unique_ptr<CEditMath> formula(MakeFormula(u"12x"));
  std::string xml = Exported(formula.get());
  EXPECT_NE(xml.find("<mn"), std::string::npos);
  EXPECT_NE(xml.find(">12</mn>"), std::string::npos) << xml;
  EXPECT_NE(xml.find(">x</mi>"), std::string::npos) << xml;

  std::unique_ptr<CEditMath> symbols(MakeFormula(u"\uFF0B\uFF1D="));
  xml = Exported(symbols.get());
  EXPECT_NE(xml.find(">\uFF0B\uFF1D</mo>"), std::string::npos) << xml;
  EXPECT_NE(xml.find(">=</mi>"), std::string::npos) << xml;
}

TEST_F(MathMLTest, EveryFormulaClassSurvivesARoundTrip) {
  const std::function<CEditMath*()> rows[] = {MakeFractionRow, MakeOperatorRow, MakeScriptRow, MakeOverUnderRow,
                                              MakeSumRow};
  std::string all;
  for (const auto& make : rows) {
    std::unique_ptr<CEditMath> formula(make());
    const std::string first = Exported(formula.get());
    all += first;
    std::unique_ptr<CEditMath> read = Imported(first);
    const std::string second = Exported(read.get());
    // An over or under mark in a slot of its own comes back as the element's held mark.
    if (first.find("\uFE37") == std::string::npos) {
      EXPECT_EQ(second, first);
    }
    EXPECT_EQ(Exported(Imported(second).get()), second);
  }
  for (const char* element : {"<mfrac", "<mfenced", "<msub>", "<msup>", "<msubsup", "<mmultiscripts", "<mprescripts",
                              "<msqrt", "<mroot", "<menclose", "<mtable", "<munder>", "<mover>", "<munderover"})
    EXPECT_NE(all.find(element), std::string::npos) << element;
}

TEST_F(MathMLTest, ANestedFormulaAndEverySlotElementSurvive) {
  std::unique_ptr<CEditMath> formula(MakeFormula(u"a"));
  CEditMath* nested = MakeFormula(u"b+c");
  formula->GetEditChildAt(0)->InsertBefore(nested);
  formula->GetEditChildAt(1)->InsertBefore(new CEditMathChar(u'd'));
  const std::string xml = Exported(formula.get());
  EXPECT_NE(xml.find("b"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<mrow"), std::string::npos) << xml;
  std::unique_ptr<CEditMath> read = Imported(xml);
  CStringW text;
  read->GetText(text);
  EXPECT_NE(text.str().find(u"b+c"), std::u16string::npos);
  EXPECT_NE(text.str().find(u"d"), std::u16string::npos);
}

TEST_F(MathMLTest, EverySlotOfAFormulaIsWritten) {
  std::unique_ptr<CEditMath> formula(MakeFormula(u"ab"));
  // A second slot after the first one's end: "cd", then the closing end.
  formula->AppendChild(new CEditMathChar(u'c'));
  formula->AppendChild(new CEditMathChar(u'd'));
  formula->AppendChild(new CEditMathCR);
  CMathMLMath math;
  ExportMathSlots(formula.get(), &math);
  const std::string xml = Written(&math);
  EXPECT_NE(xml.find(">ab</mi>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<mrow"), std::string::npos) << xml;
  EXPECT_NE(xml.find(">cd</mi>"), std::string::npos) << xml;
  CStringW text;
  Imported(xml)->GetText(text);
  EXPECT_NE(text.str().find(u"ab"), std::u16string::npos);
  EXPECT_NE(text.str().find(u"cd"), std::u16string::npos);
}

TEST_F(MathMLTest, SpecialFormsImportAsTheirClasses) {
  struct ROW {
    const char16_t* body;
    std::function<bool(CEditNode*)> check;
  } rows[] = {
      {u"<msub><mo>\u222B</mo><mn>0</mn></msub>",
       [](CEditNode* n) { return dynamic_cast<CEditIntegralSub*>(n) != nullptr; }},
      {u"<msub><mi>x</mi><mn>0</mn></msub>", [](CEditNode* n) { return dynamic_cast<CEditSub*>(n) != nullptr; }},
      {u"<munder><mi>x</mi><mo>\uFE38</mo></munder>",
       [](CEditNode* n) {
         auto* e = dynamic_cast<CEditUnder2*>(n);
         return e && e->m_under.m_strText == CStringW(u"\uFE38");
       }},
      {u"<mover><mi>x</mi><mo>\u2192</mo></mover>",
       [](CEditNode* n) { return dynamic_cast<CEditOver2*>(n) != nullptr; }},
      {u"<mover><mi>x</mi><mi>ab</mi></mover>", [](CEditNode* n) { return dynamic_cast<CEditOver*>(n) != nullptr; }},
      {u"<mmultiscripts><mi>C</mi><mi>r</mi><none/><mprescripts><mi>n</mi><none/></mprescripts></mmultiscripts>",
       [](CEditNode* n) {
         auto* e = dynamic_cast<CEditOPresubSub*>(n);
         return e && e->m_operator.m_strText == CStringW(u"C");
       }},
      {u"<mi>abc</mi>", [](CEditNode* n) { return n->m_strText == CStringW(u"a") && n->GetNextSibling(); }},
      {u"<mrow qvtype=\"cyukai\"><mi>x</mi></mrow>",
       [](CEditNode* n) { return dynamic_cast<CEditMathCyukai*>(n) != nullptr; }},
  };
  for (const ROW& row : rows) {
    std::unique_ptr<CEditMath> formula = ImportedText(row.body);
    ASSERT_GE(formula->GetChildCount(), 2) << QString::fromUtf16(row.body).toStdString();
    EXPECT_TRUE(row.check(formula->GetEditChildAt(0))) << QString::fromUtf16(row.body).toStdString();
  }
}

// An empty slot is written as an empty mrow without a size; read back, its end takes the size
// its position gives, so that the formula lays out as it did before it was written.
TEST_F(MathMLTest, AnEmptySlotKeepsTheSizeOfItsPosition) {
  struct ROW {
    const char* name;
    LONG lfHeight;
    std::function<void(CEditNode*)> put;
  };
  const ROW rows[] = {
      {"empty exponent", -371, [](CEditNode* end) { Put<CEditSuper>(end, {u"x", u""}); }},
      {"empty exponent at 20 points", -706, [](CEditNode* end) { Put<CEditSuper>(end, {u"x", u""}); }},
      {"empty subscript", -371, [](CEditNode* end) { Put<CEditSub>(end, {u"x", u""}); }},
      {"one empty script of two", -371, [](CEditNode* end) { Put<CEditSubsup>(end, {u"x", u"", u"1"}); }},
      {"empty root index", -371, [](CEditNode* end) { Put<CEditRoot>(end, {u"", u"x"}); }},
      {"empty over script", -371, [](CEditNode* end) { Put<CEditOver>(end, {u"", u"ab"}); }},
      {"empty denominator at 20 points", -706, [](CEditNode* end) { Put<CEditFrac>(end, {u"1", u""}); }},
      {"sum with an empty upper limit", -371, [](CEditNode* end) { Put<CEditSigmaSubsup>(end, {u"", u"k=1"}); }},
  };
  for (const ROW& row : rows) {
    std::unique_ptr<CEditMath> formula(MakeFormula(u""));
    CEditNode* end = formula->GetEditChildAt(0);
    end->m_lf.lfHeight = row.lfHeight;
    row.put(end);
    Layout(*formula);
    std::unique_ptr<CEditMath> read = Imported(Exported(formula.get()));
    Layout(*read);
    CEditNode* element = formula->GetEditChildAt(0);
    CEditNode* readElement = read->GetEditChildAt(0);
    ASSERT_EQ(readElement->GetChildCount(), element->GetChildCount()) << row.name;
    for (int i = 0; i < element->GetChildCount(); ++i)
      EXPECT_EQ(readElement->GetEditChildAt(i)->m_lf.lfHeight, element->GetEditChildAt(i)->m_lf.lfHeight)
          << row.name << ", child " << i;
    EXPECT_EQ(read->m_nWidth, formula->m_nWidth) << row.name;
    EXPECT_EQ(read->m_nHeight, formula->m_nHeight) << row.name;
  }
}

TEST_F(MathMLTest, TooFewChildrenAndUnknownElementsGiveNothing) {
  for (const char16_t* body : {u"<mfrac><mn>1</mn></mfrac>", u"<msubsup><mi>x</mi><mn>1</mn></msubsup>",
                               u"<mstyle><mi>x</mi></mstyle>", u"<mtable/>"}) {
    std::unique_ptr<CEditMath> formula = ImportedText(body);
    EXPECT_EQ(formula->GetChildCount(), 1) << QString::fromUtf16(body).toStdString();
  }
}

TEST_F(MathMLTest, DeepNestingFailsCleanly) {
  std::string xml;
  for (int i = 0; i < 230; ++i) xml += "<mrow>";
  xml += "<mi>x</mi>";
  for (int i = 0; i < 230; ++i) xml += "</mrow>";
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(QString::fromStdString("<math>" + xml + "</math>").toStdU16String()));
  std::unique_ptr<CQVXMLNode> tree(CreateNode(XE_MATH));
  EXPECT_THROW(LoadXmlNodeTree(tree.get(), doc.documentElement()), CMathMLTooDeep);

  CEditEditMath root;
  root.InitContent();
  EXPECT_FALSE(root.ImportMathML(doc.documentElement()));
  EXPECT_EQ(root.GetChildCount(), 2);
}

TEST_F(MathMLTest, AnEditRootImportsAMathElement) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<math><mfrac><mn>1</mn><mn>2</mn></mfrac></math>"));
  CEditEditMath root;
  ASSERT_TRUE(root.ImportMathML(doc.documentElement()));
  ASSERT_EQ(root.GetChildCount(), 2);
  auto* formula = dynamic_cast<CEditMath*>(root.GetEditChildAt(0));
  ASSERT_TRUE(formula);
  EXPECT_TRUE(dynamic_cast<CEditFrac*>(formula->GetEditChildAt(0)));
}

// Every element inside an in-text answer carries its mark; only the outermost opens an answer.
TEST_F(MathMLTest, AnAnswerOpensOnceHoweverManyElementsCarryItsMark) {
  std::unique_ptr<CEditMath> formula =
      ImportedText(u"<mrow qvtype=\"cyukai\"><mrow qvtype=\"cyukai\"><mi qvtype=\"cyukai\">x</mi></mrow></mrow>");
  auto* answer = dynamic_cast<CEditMathCyukai*>(formula->GetEditChildAt(0));
  ASSERT_TRUE(answer);
  ASSERT_EQ(answer->GetChildCount(), 2);
  EXPECT_EQ(answer->GetEditChildAt(0)->m_strText, CStringW(u"x"));
}

TEST_F(MathMLTest, AFormulaRendersAtItsMeasuredSizeInColour) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<math qvtype=\"cyukai\"><mfrac><mn>1</mn><mn>2</mn></mfrac></math>"));
  CEditEditMath root;
  ASSERT_TRUE(root.ImportMathML(doc.documentElement()));
  const QImage image = RenderToBitmap(&root);
  ASSERT_FALSE(image.isNull());
  image.save(QString::fromStdString(BuildPath("formula-bitmap.png")));
  SIZE size{root.m_nWidth, root.m_nHeight};
  CCoordMapper mapper;
  mapper.SetResolution(96, 96, 100);
  mapper.LPtoDPSize(&size);
  EXPECT_EQ(image.size(), QSize(size.cx, size.cy));
  EXPECT_EQ(image.format(), QImage::Format_RGB32);
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
  bool bRed = false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c(image.pixel(x, y));
      bRed = bRed || (c.red() > 150 && c.green() < 100 && c.blue() < 100);
    }
  EXPECT_TRUE(bRed);
}
