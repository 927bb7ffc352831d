#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <typeinfo>

#include "math/EditIntegralSub.h"
#include "math/EditMathCyukai.h"
#include "math/EditMulti.h"
#include "math/EditPresub.h"
#include "math/EditPresubPresup.h"
#include "math/EditPresubSub.h"
#include "math/EditPresuper.h"
#include "math/EditSub.h"
#include "tests/math/FormulaSamples.h"
#include "tests/math/MathMLFixture.h"

namespace {

// The elements, token texts and the attributes that carry structure (fraction, fences, answer,
// stretchy mark) of the MathML inside the math element; fonts and sizes are left out.
std::string Structure(const std::string& xml) {
  static const QRegularExpression tag(QStringLiteral(R"re(<([\w:]+)((?:\s+[\w:-]+="[^"]*")*)\s*(/?)>)re"));
  static const QRegularExpression attribute(QStringLiteral(R"re(\s+([\w:-]+)="([^"]*)")re"));
  static const QStringList kept{"bevelled", "open", "close", "qvtype", "stretchy"};
  const QString text = QString::fromStdString(xml);
  QString out;
  qsizetype at = 0;
  for (const QRegularExpressionMatch& m : tag.globalMatch(text)) {
    out += text.mid(at, m.capturedStart() - at);
    at = m.capturedEnd();
    QString attributes;
    for (const QRegularExpressionMatch& a : attribute.globalMatch(m.captured(2)))
      if (kept.contains(a.captured(1))) attributes += " " + a.captured(0).trimmed();
    out += "<" + m.captured(1) + attributes + m.captured(3) + ">";
  }
  out += text.mid(at);
  const qsizetype open = out.indexOf("<math>");
  const qsizetype close = out.lastIndexOf("</math>");
  return open < 0 || close < open ? out.toStdString() : out.mid(open + 6, close - open - 6).toStdString();
}

struct FORMULA_CLASS {
  const char* name;
  std::function<void(CEditNode* end)> put;
  const std::type_info& type;
  const char16_t* mathml;
};

void PrintTo(const FORMULA_CLASS& row, std::ostream* os) { *os << row.name; }

// An in-text answer holding x.
void PutAnswer(CEditNode* end) {
  auto* answer = new CEditMathCyukai;
  answer->AppendChild(new CEditMathChar(u'x'));
  answer->AppendChild(new CEditMathCR);
  end->InsertBefore(answer);
}

void PutMatrix(CEditNode* end) {
  auto* matrix = new CEditMatrix;
  matrix->CreateCells(2, 2);
  const char16_t* cells[] = {u"1", u"2", u"3", u"4"};
  for (int i = 0; i < 4; ++i) Fill(SlotEnd(matrix, i), cells[i]);
  end->InsertBefore(matrix);
}

// The slot texts are given slot 0 first; the MathML lists the slots in each class's own order.
const FORMULA_CLASS kClasses[] = {
    {"fraction", [](CEditNode* e) { Put<CEditFrac>(e, {u"1", u"2"}); }, typeid(CEditFrac),
     u"<mfrac><mrow><mn>1</mn></mrow><mrow><mn>2</mn></mrow></mfrac>"},
    {"side-by-side fraction", [](CEditNode* e) { Put<CEditFrac>(e, {u"1", u"2"})->m_bSideBySide = 1; },
     typeid(CEditFrac), u"<mfrac bevelled=\"true\"><mrow><mn>1</mn></mrow><mrow><mn>2</mn></mrow></mfrac>"},
    {"square root", [](CEditNode* e) { Put<CEditSqrt>(e, {u"x"}); }, typeid(CEditSqrt),
     u"<msqrt><mrow><mi>x</mi></mrow></msqrt>"},
    {"root", [](CEditNode* e) { Put<CEditRoot>(e, {u"3", u"x"}); }, typeid(CEditRoot),
     u"<mroot><mrow><mi>x</mi></mrow><mrow><mn>3</mn></mrow></mroot>"},
    {"subscript", [](CEditNode* e) { Put<CEditSub>(e, {u"x", u"1"}); }, typeid(CEditSub),
     u"<msub><mrow><mi>x</mi></mrow><mrow><mn>1</mn></mrow></msub>"},
    {"superscript", [](CEditNode* e) { Put<CEditSuper>(e, {u"x", u"2"}); }, typeid(CEditSuper),
     u"<msup><mrow><mi>x</mi></mrow><mrow><mn>2</mn></mrow></msup>"},
    {"sub- and superscript", [](CEditNode* e) { Put<CEditSubsup>(e, {u"x", u"2", u"1"}); }, typeid(CEditSubsup),
     u"<msubsup><mrow><mi>x</mi></mrow><mrow><mn>1</mn></mrow><mrow><mn>2</mn></mrow></msubsup>"},
    {"presubscript", [](CEditNode* e) { Put<CEditPresub>(e, {u"a", u"x"}); }, typeid(CEditPresub),
     u"<mmultiscripts><mrow><mi>x</mi></mrow><mprescripts><mrow><mi>a</mi></mrow><none/></mprescripts>"
     u"</mmultiscripts>"},
    {"presuperscript", [](CEditNode* e) { Put<CEditPresuper>(e, {u"b", u"x"}); }, typeid(CEditPresuper),
     u"<mmultiscripts><mrow><mi>x</mi></mrow><mprescripts><none/><mrow><mi>b</mi></mrow></mprescripts>"
     u"</mmultiscripts>"},
    {"pre-sub- and superscript", [](CEditNode* e) { Put<CEditPresubPresup>(e, {u"b", u"a", u"x"}); },
     typeid(CEditPresubPresup),
     u"<mmultiscripts><mrow><mi>x</mi></mrow><mprescripts><mrow><mi>a</mi></mrow><mrow><mi>b</mi></mrow>"
     u"</mprescripts></mmultiscripts>"},
    {"scripts on both sides", [](CEditNode* e) { Put<CEditMulti>(e, {u"p", u"q", u"x", u"r", u"s"}); },
     typeid(CEditMulti),
     u"<mmultiscripts><mrow><mi>x</mi></mrow><mrow><mi>s</mi></mrow><mrow><mi>r</mi></mrow><mprescripts>"
     u"<mrow><mi>q</mi></mrow><mrow><mi>p</mi></mrow></mprescripts></mmultiscripts>"},
    {"presubscript and subscript", [](CEditNode* e) { Put<CEditPresubSub>(e, {u"a", u"x", u"b"}); },
     typeid(CEditPresubSub),
     u"<mmultiscripts><mrow><mi>x</mi></mrow><mrow><mi>b</mi></mrow><none/><mprescripts><mrow><mi>a</mi></mrow>"
     u"<none/></mprescripts></mmultiscripts>"},
    {"combination",
     [](CEditNode* e) { Put<CEditOPresubSub>(e, {u"n", u"r"})->m_operator.SetText(CStringW(u"C")); },
     typeid(CEditOPresubSub),
     u"<mmultiscripts><mo>C</mo><mrow><mi>r</mi></mrow><none/><mprescripts><mrow><mi>n</mi></mrow><none/>"
     u"</mprescripts></mmultiscripts>"},
    {"under", [](CEditNode* e) { Put<CEditUnder>(e, {u"x", u"y"}); }, typeid(CEditUnder),
     u"<munder><mrow><mi>x</mi></mrow><mrow><mi>y</mi></mrow></munder>"},
    {"over", [](CEditNode* e) { Put<CEditOver>(e, {u"a", u"x"}); }, typeid(CEditOver),
     u"<mover><mrow><mi>x</mi></mrow><mrow><mi>a</mi></mrow></mover>"},
    {"under and over", [](CEditNode* e) { Put<CEditUnderover>(e, {u"a", u"x", u"b"}); }, typeid(CEditUnderover),
     u"<munderover><mrow><mi>x</mi></mrow><mrow><mi>b</mi></mrow><mrow><mi>a</mi></mrow></munderover>"},
    {"over mark", [](CEditNode* e) { Put<CEditOver2>(e, {u"x"})->m_over.SetText(CStringW(u"\u2192")); },
     typeid(CEditOver2), u"<mover><mrow><mi>x</mi></mrow><mo>\u2192</mo></mover>"},
    {"under mark", [](CEditNode* e) { Put<CEditUnder2>(e, {u"x"})->m_under.SetText(CStringW(u"\uFE38")); },
     typeid(CEditUnder2), u"<munder><mrow><mi>x</mi></mrow><mo>\uFE38</mo></munder>"},
    {"under and over marks",
     [](CEditNode* e) {
       auto* marks = Put<CEditUnderover2>(e, {u"x"});
       marks->m_over.SetText(CStringW(u"\u2194"));
       marks->m_under.SetText(CStringW(u"\uFE38"));
     },
     typeid(CEditUnderover2), u"<munderover><mrow><mi>x</mi></mrow><mo>\uFE38</mo><mo>\u2194</mo></munderover>"},
    {"operator with texts",
     [](CEditNode* e) { Put<CEditOUnderover>(e, {u"a", u"b"})->m_operator.SetText(CStringW(u"\u21C4")); },
     typeid(CEditOUnderover), u"<munderover><mo>\u21C4</mo><mrow><mi>b</mi></mrow><mrow><mi>a</mi></mrow></munderover>"},
    {"long division", [](CEditNode* e) { Put<CEditLongdiv>(e, {u"12"}); }, typeid(CEditLongdiv),
     u"<menclose><mrow><mn>12</mn></mrow></menclose>"},
    {"fences",
     [](CEditNode* e) {
       auto* fenced = Put<CEditFenced>(e, {u"x"});
       fenced->m_open.SetText(CStringW(u"["));
       fenced->m_close.SetText(CStringW(u"}"));
     },
     typeid(CEditFenced), u"<mfenced open=\"[\" close=\"}\"><mrow><mi>x</mi></mrow></mfenced>"},
    {"matrix", PutMatrix, typeid(CEditMatrix),
     u"<mtable><mtr><mtd><mrow><mn>1</mn></mrow></mtd><mtd><mrow><mn>2</mn></mrow></mtd></mtr>"
     u"<mtr><mtd><mrow><mn>3</mn></mrow></mtd><mtd><mrow><mn>4</mn></mrow></mtd></mtr></mtable>"},
    {"integral with a lower limit", [](CEditNode* e) { Put<CEditIntegralSub>(e, {u"0"}); }, typeid(CEditIntegralSub),
     u"<msub><mo>\u222B</mo><mrow><mn>0</mn></mrow></msub>"},
    {"integral with limits", [](CEditNode* e) { Put<CEditIntegralSubsup>(e, {u"1", u"0"}); },
     typeid(CEditIntegralSubsup), u"<msubsup><mo>\u222B</mo><mrow><mn>0</mn></mrow><mrow><mn>1</mn></mrow></msubsup>"},
    {"sum with a subscript", [](CEditNode* e) { Put<CEditSigmaSub>(e, {u"k"}); }, typeid(CEditSigmaSub),
     u"<msub><mo>\u03A3</mo><mrow><mi>k</mi></mrow></msub>"},
    {"sum with sub- and superscript", [](CEditNode* e) { Put<CEditSigmaSubsup>(e, {u"n", u"k"}); },
     typeid(CEditSigmaSubsup), u"<msubsup><mo>\u03A3</mo><mrow><mi>k</mi></mrow><mrow><mi>n</mi></mrow></msubsup>"},
    {"sum with a limit under", [](CEditNode* e) { Put<CEditSigmaUnder>(e, {u"i"}); }, typeid(CEditSigmaUnder),
     u"<munder><mo>\u03A3</mo><mrow><mi>i</mi></mrow></munder>"},
    {"sum with limits under and over", [](CEditNode* e) { Put<CEditSigmaUnderover>(e, {u"n", u"k"}); },
     typeid(CEditSigmaUnderover),
     u"<munderover><mo>\u03A3</mo><mrow><mi>k</mi></mrow><mrow><mi>n</mi></mrow></munderover>"},
    {"in-text answer", PutAnswer, typeid(CEditMathCyukai), u"<mrow qvtype=\"cyukai\"><mi>x</mi></mrow>"},
};

class MathMLTextTest : public MathMLTest, public ::testing::WithParamInterface<FORMULA_CLASS> {};

}  // namespace

// Each class writes the MathML its mapping gives, and that MathML reads back as the class and
// writes the same again.
TEST_P(MathMLTextTest, AFormulaClassWritesAndReadsItsMathML) {
  const FORMULA_CLASS& row = GetParam();
  const std::string expected = QString::fromUtf16(row.mathml).toStdString();
  std::unique_ptr<CEditMath> formula(MakeFormula(u""));
  row.put(formula->GetEditChildAt(0));
  EXPECT_EQ(Structure(Exported(formula.get())), expected);

  std::unique_ptr<CEditMath> read = Imported("<math>" + expected + "</math>");
  ASSERT_EQ(read->GetChildCount(), 2);
  CEditNode* element = read->GetEditChildAt(0);
  EXPECT_EQ(typeid(*element), row.type) << typeid(*element).name();
  EXPECT_EQ(Structure(Exported(read.get())), expected);
}

INSTANTIATE_TEST_SUITE_P(Classes, MathMLTextTest, ::testing::ValuesIn(kClasses), [](const auto& info) {
  std::string name;
  for (const char* c = info.param.name; *c; ++c)
    name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
});
