#include <gtest/gtest.h>

#include <vector>

#include "model/EditNode.h"

namespace {

constexpr int kStyle = CKasenRenbanProperties::NumberCircled;

// A child that belongs to the runs numbered below (style 1, solid thin underline), or not.
CEditNode* AddChild(CEditNode& parent, bool matches, DWORD type = 0x01001001) {
  auto* child = new CEditNode(type);
  if (matches) {
    child->m_kasen.nNumberStyle = kStyle;
    child->m_nUnderlineStyle = LS_SOLID;
    child->m_nUnderlineWidth = 1;
  }
  child->m_nKasenNumber = 99;
  parent.AppendChild(child);
  return child;
}

std::vector<int> Numbers(const std::vector<CEditNode*>& nodes) {
  std::vector<int> out;
  for (CEditNode* node : nodes) out.push_back(node->m_nKasenNumber);
  return out;
}

TEST(KasenRunsTest, AdjacentMatchesShareANumberAndAGapStartsTheNext) {
  CEditNode sentence(NTYPE_EDITSENTENCE);
  CEditNode* a = AddChild(sentence, true);
  CEditNode* b = AddChild(sentence, true);
  CEditNode* c = AddChild(sentence, false);
  CEditNode* d = AddChild(sentence, true);
  EXPECT_EQ(sentence.NumberKasenRuns(1, kStyle, LS_SOLID, 1), 2);
  EXPECT_EQ(Numbers({a, b, c, d}), (std::vector<int>{1, 1, 99, 2}));

  b->m_kasen.nForcedNumber = 5;
  EXPECT_EQ(sentence.NumberKasenRuns(1, kStyle, LS_SOLID, 1), 6);
  EXPECT_EQ(Numbers({a, b, c, d}), (std::vector<int>{1, 5, 99, 6}));
}

TEST(KasenRunsTest, OtherStyleOrLineDoesNotMatch) {
  CEditNode sentence(NTYPE_EDITSENTENCE);
  CEditNode* a = AddChild(sentence, true);
  CEditNode* thick = AddChild(sentence, true);
  thick->m_nUnderlineWidth = 3;
  CEditNode* otherStyle = AddChild(sentence, true);
  otherStyle->m_kasen.nNumberStyle = CKasenRenbanProperties::NumberKatakana;
  CEditNode* d = AddChild(sentence, true);
  sentence.NumberKasenRuns(1, kStyle, LS_SOLID, 1);
  EXPECT_EQ(Numbers({a, thick, otherStyle, d}), (std::vector<int>{1, 99, 99, 2}));
}

TEST(KasenRunsTest, NumberingContinuesIntoANestedContainerAndBackOut) {
  CEditNode sentence(NTYPE_EDITSENTENCE);
  CEditNode* a = AddChild(sentence, true);
  CEditNode* box = AddChild(sentence, false, 0x20001010);
  CEditNode* inner1 = AddChild(*box, true);
  AddChild(*box, false);
  CEditNode* inner2 = AddChild(*box, true);
  CEditNode* e = AddChild(sentence, true);
  EXPECT_EQ(sentence.NumberKasenRuns(1, kStyle, LS_SOLID, 1), 3);
  EXPECT_EQ(Numbers({a, inner1, inner2, e}), (std::vector<int>{1, 1, 2, 3}));
}

TEST(KasenRunsTest, KanbunBlockMatchesByItsBorderBeforeLine) {
  CEditNode sentence(NTYPE_EDITSENTENCE);
  CEditNode* kan = AddChild(sentence, false, NTYPE_EDITKAN);
  kan->m_kasen.nNumberStyle = kStyle;
  kan->m_nBorderBeforeStyle = LS_SOLID;
  kan->m_nBorderBeforeWidth = 1;
  CEditNode* underlinedKan = AddChild(sentence, true, NTYPE_EDITKAN);  // underline alone does not count
  sentence.NumberKasenRuns(1, kStyle, LS_SOLID, 1);
  EXPECT_EQ(Numbers({kan, underlinedKan}), (std::vector<int>{1, 99}));
}

}  // namespace
