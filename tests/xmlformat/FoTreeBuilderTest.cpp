#include "tests/xmlformat/FoBuildFixture.h"

TEST_F(FoBuildTest, Probe) {
  CEditSentence* s = NewSentence();
  AddLineEnd(s);
  AddText(s, u"ab");
  AddText(s, u"c", "B");
  AddLineEnd(s);
  AddText(s, u"x");
  AddFormula(s, u"12+y");
  AddText(s, u"z");
  AddLineEnd(s);
  std::cout << Build(s);
}
