#include <QFile>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "math/EditFenced.h"
#include "tests/support/TestPaths.h"
#include "math/EditFrac.h"
#include "math/EditIntegral.h"
#include "math/EditIntegralSub.h"
#include "math/EditIntegralSubsup.h"
#include "math/EditMath.h"
#include "math/EditSigma.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditSentence.h"
#include "tests/elements/DamagedArchive.h"

namespace {

void Fill(CEditNode* end, const char16_t* text) {
  for (const char16_t* p = text; *p; ++p) end->InsertBefore(new CEditMathChar(*p));
}

// A sentence holding a formula with every formula class there is.
std::unique_ptr<CQVXMLNode> SampleList() {
  auto* formula = new CEditMath;
  formula->InitMath(FALSE);
  CEditNode* end = formula->GetEditChildAt(0);
  end->InsertBefore(new CEditSigma);
  auto* frac = new CEditFrac;
  frac->CreateSlots();
  Fill(frac->GetEditChildAt(0), u"1");
  Fill(frac->GetEditChildAt(2), u"2");
  auto* fence = new CEditFenced;
  fence->CreateSlots();
  fence->GetEditChildAt(0)->InsertBefore(frac);
  end->InsertBefore(fence);
  end->InsertBefore(new CEditIntegral);
  auto* sub = new CEditIntegralSub;
  sub->CreateSlots();
  end->InsertBefore(sub);
  auto* subsup = new CEditIntegralSubsup;
  subsup->CreateSlots();
  Fill(subsup->GetEditChildAt(0), u"1");
  end->InsertBefore(subsup);
  Fill(end, u"x=");
  auto* sentence = new CEditSentence;
  sentence->AppendChild(new CEditChar(u'\u5F0F'));
  sentence->AppendChild(formula);
  sentence->AppendChild(new CEditCR);
  auto list = std::make_unique<CQVXMLNode>();
  list->AppendChild(sentence);
  return list;
}

TEST(FormulaArchive, FormulasLoadBackWholeAndDamagedOnesFailCleanly) {
  auto list = SampleList();
  const Bytes good = StoreBytes([&](CArchive& ar) { ar.WriteObject(list.get()); });
  std::unique_ptr<CObject> loaded;
  LoadBytes(good, [&](CArchive& ar) { loaded.reset(ar.ReadObject(RUNTIME_CLASS(CQVXMLNode))); });
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(loaded.get()); }), good);
  LayOutLoaded(*dynamic_cast<CQVXMLNode*>(loaded.get()), 0);
  LoadDamagedCopies(good, 20261211, 0);
  LoadDamagedCopies(good, 20261212, 1);
}

}  // namespace

namespace {

// Heights a damaged archive may carry: every formula still lays out and draws.
TEST(FormulaArchive, ExtremeFontHeightsLayOutWithoutOverflow) {
  for (LONG height : {LONG(INT32_MIN), LONG(INT32_MAX), LONG(0)}) {
    auto list = SampleList();
    std::function<void(CQVXMLNode*)> spoil = [&](CQVXMLNode* node) {
      if (auto* edit = dynamic_cast<CEditNode*>(node)) edit->m_lf.lfHeight = height;
      if (auto* sub = dynamic_cast<CEditIntegralLimits*>(node)) sub->m_glyph.m_lf.lfHeight = height;
      if (auto* fence = dynamic_cast<CEditFenced*>(node)) fence->m_nExtraHeight = height;
      for (int i = 0; i < node->GetChildCount(); ++i) spoil(node->GetChildAt(i));
    };
    spoil(list.get());
    for (int vertical : {0, 1}) LayOutLoaded(*list, vertical);
  }
}

// A summation sign with limits whose archive carries a font height near the type's end: the
// sign, drawn at twice the height, must not overflow (the sanitizer build checks it).
TEST(FormulaArchive, ASigmaWithAHugeFontHeightLaysOut) {
  QFile file(QString::fromStdString(DataPath("formula-huge-sign-font.bin")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray data = file.readAll();
  std::unique_ptr<CObject> loaded;
  LoadBytes(Bytes(data.begin(), data.end()),
            [&](CArchive& ar) { loaded.reset(ar.ReadObject(RUNTIME_CLASS(CQVXMLNode))); });
  auto* list = dynamic_cast<CQVXMLNode*>(loaded.get());
  ASSERT_TRUE(list);
  for (int vertical : {0, 1}) LayOutLoaded(*list, vertical);
}

}  // namespace
