#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <memory>
#include <string>

#include "model/GdiCache.h"
#include "tests/math/FormulaSamples.h"
#include "tests/math/TurnedInk.h"

namespace {

// One formula element whose strokes a vertical formula must draw turned with the rest of it.
// Its characters are painted white, so that only the strokes leave ink.
struct STROKED_ELEMENT {
  const char* name;
  std::function<void(CEditNode* end, std::vector<CEditNode*>& held)> put;
};

template <class T>
T* Fence(CEditNode* end, const char16_t* open, const char16_t* close) {
  auto* fenced = Put<T>(end, {u"a+b"});
  fenced->m_open.SetText(CStringW(open));
  fenced->m_close.SetText(CStringW(close));
  return fenced;
}

void PutFence(CEditNode* end, std::vector<CEditNode*>& held, const char16_t* open, const char16_t* close) {
  auto* fenced = Fence<CEditFenced>(end, open, close);
  held.insert(held.end(), {&fenced->m_open, &fenced->m_close});
}

const STROKED_ELEMENT kElements[] = {
    {"parentheses", [](CEditNode* e, auto& held) { PutFence(e, held, u"(", u")"); }},
    {"braces", [](CEditNode* e, auto& held) { PutFence(e, held, u"{", u"}"); }},
    {"square brackets", [](CEditNode* e, auto& held) { PutFence(e, held, u"[", u"]"); }},
    {"angle brackets", [](CEditNode* e, auto& held) { PutFence(e, held, u"\u3008", u"\u3009"); }},
    {"tortoise-shell brackets", [](CEditNode* e, auto& held) { PutFence(e, held, u"\u3014", u"\u3015"); }},
    {"bars", [](CEditNode* e, auto& held) { PutFence(e, held, u"|", u"|"); }},
    {"square root", [](CEditNode* e, auto&) { Put<CEditSqrt>(e, {u"x+1"}); }},
    {"root with an index", [](CEditNode* e, auto&) { Put<CEditRoot>(e, {u"3", u"x+1"}); }},
    {"fraction bar", [](CEditNode* e, auto&) { Put<CEditFrac>(e, {u"x+1", u"2"}); }},
    {"slash", [](CEditNode* e, auto&) { Put<CEditFrac>(e, {u"3", u"4"})->m_bSideBySide = 1; }},
    {"long division", [](CEditNode* e, auto&) { Put<CEditLongdiv>(e, {u"1234"}); }},
    {"arc over", [](CEditNode* e, auto&) { Put<CEditOver>(e, {u"\u2322", u"a+b"}); }},
    {"overline", [](CEditNode* e, auto&) { Put<CEditOver>(e, {u"\uFFE3", u"a+b"}); }},
    {"over-brace", [](CEditNode* e, auto&) { Put<CEditOver>(e, {u"\uFE37", u"a+b"}); }},
    {"arc under", [](CEditNode* e, auto&) { Put<CEditUnder>(e, {u"xyz", u"\uFE36"}); }},
    {"arrow and arc", [](CEditNode* e, auto&) { Put<CEditUnderover>(e, {u"\u2190", u"AB", u"\uFE36"}); }},
    {"arrow over",
     [](CEditNode* e, auto& held) {
       auto* over = Put<CEditOver2>(e, {u"AB"});
       over->m_over.SetText(CStringW(u"\u2192"));
       held.push_back(&over->m_over);
     }},
    {"under-brace",
     [](CEditNode* e, auto& held) {
       auto* under = Put<CEditUnder2>(e, {u"x+y"});
       under->m_under.SetText(CStringW(u"\uFE38"));
       held.push_back(&under->m_under);
     }},
    {"double arrow with texts",
     [](CEditNode* e, auto& held) {
       auto* reaction = Put<CEditOUnderover>(e, {u"heat", u"cool"});
       reaction->m_operator.SetText(CStringW(u"\u21C4"));
       held.push_back(&reaction->m_operator);
     }},
    {"arrow both ways with texts",
     [](CEditNode* e, auto& held) {
       auto* arrow = Put<CEditOUnderover>(e, {u"heat", u"cool"});
       arrow->m_operator.SetText(CStringW(u"\uF578"));
       held.push_back(&arrow->m_operator);
     }},
    {"matrix grid",
     [](CEditNode* e, auto&) {
       auto* matrix = new CEditMatrix;
       matrix->m_lf.lfHeight = e->m_lf.lfHeight;
       matrix->CreateCells(2, 2);
       matrix->m_nBorderStyle = LS_SOLID;
       for (int i = 0; i < 4; ++i) Fill(SlotEnd(matrix, i), u"1");
       e->InsertBefore(matrix);
     }},
};

void Whiten(CEditNode* node) {
  node->m_crColor = RGB(255, 255, 255);
  for (int i = 0; i < node->GetChildCount(); ++i)
    if (CEditNode* child = node->GetEditChildAt(i)) Whiten(child);
}

constexpr int kDotsPerInch = 300;
constexpr int kMargin = 200;
constexpr int kLineLength = 6000;

// The element alone in a line of a sentence, laid out in one writing direction; only the
// formula is drawn.
class TurnedFormulaStrokesTest : public ::testing::Test {
 protected:
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  QImage Draw(const STROKED_ELEMENT& element, int vertical) {
    g_bVerticalWriting = vertical;
    CEditSentence sentence;
    CEditMath* formula = MakeFormula(u"");
    std::vector<CEditNode*> held;
    element.put(formula->GetEditChildAt(0), held);
    Finish(formula);
    for (CEditNode* node : held) node->m_lf.lfHeight = formula->m_lf.lfHeight;
    sentence.AppendChild(formula);
    sentence.AppendChild(new CEditCR);
    Whiten(&sentence);
    for (CEditNode* node : held) Whiten(node);

    CLayoutDC measureDC;
    CCoordMapper mapper;
    mapper.m_bVertical = vertical;
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = measure.nWidth2 = kLineLength;
    measure.nHeight = measure.nPageHeight = 20000;
    sentence.Measure(&measureDC, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    arrange.nX = arrange.nY = kMargin;
    sentence.Arrange(&arrange, vertical);

    mapper.SetResolution(kDotsPerInch, kDotsPerInch, 100);
    m_across = (sentence.m_nHeight + 2 * kMargin) * kDotsPerInch / 2540;
    QSize page((kLineLength + 2 * kMargin) * kDotsPerInch / 2540, m_across);
    if (vertical) {
      mapper.m_nOriginY = MulDiv(m_across, 2540, kDotsPerInch);
      page.transpose();
    }
    QImage image(page, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(MakeImageBackend(&image));
    EDIT_LAYOUT_PARAM draw{};
    formula->Draw(&dc, &mapper, &draw);
    return image;
  }

  const int m_bSavedVertical = g_bVerticalWriting;
  int m_across = 0;
};

TEST_F(TurnedFormulaStrokesTest, AVerticalFormulaDrawsItsStrokesTurned) {
  for (const STROKED_ELEMENT& element : kElements) {
    SCOPED_TRACE(element.name);
    const QImage upright = Draw(element, 0);
    ExpectTurnedInk(upright, Draw(element, 1), m_across);
  }
}

}  // namespace
