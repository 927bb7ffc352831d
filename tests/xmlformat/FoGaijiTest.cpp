#include "model/MathMLTokenElements.h"
#include "tests/xmlformat/FoBuildFixture.h"

namespace {

CFoInline* AddRun(CQVXMLNode* parent, const char16_t* text) {
  auto* run = AddNode(parent, new CFoInline());
  run->SetText(CStringW(text));
  run->m_fontProps.SetFontFamily("A");
  return run;
}

TEST(FoGaijiTest, OneCharacterRunTakesItsSlotAndTheVerticalFace) {
  CFoBlock block;
  AddRun(&block, u"\u2236");
  AddRun(&block, u"\u3042");
  AddRun(&block, u"");
  ASSERT_TRUE(CFoTreeBuilder::ApplyGaijiFont(&block, TRUE));
  EXPECT_EQ(DumpFoFields(&block),
            "fo:block line=71\n"
            "  fo:inline face=@Halvern Gaiji size=371 '：'\n"
            "  fo:inline face=A size=371 'あ'\n"
            "  fo:inline face=A size=371\n");
}

TEST(FoGaijiTest, MixedRunKeepsEveryCharacter) {
  CFoBlock block;
  AddRun(&block, u"\u2236a\u3229\u3229b");
  AddRun(&block, u"c\u2236");
  ASSERT_TRUE(CFoTreeBuilder::ApplyGaijiFont(&block, FALSE));
  EXPECT_EQ(DumpFoFields(&block),
            "fo:block line=71\n"
            "  fo:inline face=Halvern Gaiji size=371 '：'\n"
            "  fo:inline face=A size=371 'a'\n"
            "  fo:inline face=Halvern Gaiji size=371 '０'\n"
            "  fo:inline face=Halvern Gaiji size=371 '０'\n"
            "  fo:inline face=A size=371 'b'\n"
            "  fo:inline face=A size=371 'c'\n"
            "  fo:inline face=Halvern Gaiji size=371 '：'\n");
}

TEST(FoGaijiTest, MathTokensChangeInPlaceExceptOperators) {
  CFoInstreamForeignObject island;
  auto* math = AddNode(&island, new CMathMLMath());
  AddNode(math, new CMathMLToken(XE_MI))->SetText(CStringW(u"x\u2236"));
  AddNode(math, new CMathMLOperator())->SetText(CStringW(u"\u2236"));
  AddNode(math, new CMathMLToken(XE_MN))->SetText(CStringW(u"1"));
  ASSERT_TRUE(CFoTreeBuilder::ApplyGaijiFont(&island, TRUE));
  EXPECT_EQ(DumpFoFields(&island),
            "fo:instream-foreign-object\n"
            "  math\n"
            "    mi face=Halvern Gaiji 'x：'\n"
            "    mo face=Times New Roman '∶'\n"
            "    mn face=Times New Roman '1'\n");
}

}  // namespace
