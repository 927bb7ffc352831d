#include <gtest/gtest.h>

#include "model/FoFlowElements.h"
#include "tests/support/FoTreeDump.h"
#include "tests/xmlformat/FoTestDocuments.h"

namespace {

std::u16string InFo(const std::u16string& inner) {
  return u"<fo:block-container " + std::u16string(kFoNamespace) + u">" + inner + u"</fo:block-container>";
}

struct READ_CASE {
  const char* name;
  std::u16string xml;
  const char* dump;
};

class FoDomReaderTest : public ::testing::TestWithParam<READ_CASE> {};

TEST_P(FoDomReaderTest, ReadsTheTree) {
  auto node = ReadFoText(GetParam().xml);
  EXPECT_EQ(DumpFoTree(node.get()), GetParam().dump);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FoDomReaderTest,
    ::testing::Values(
        READ_CASE{"QuestionRootIsRefused", u"<print><dai/></print>", ""},
        READ_CASE{"MathRootIsRefused", u"<math><mi>x</mi></math>", ""},
        READ_CASE{"FlowRootIsRead", u"<fo:flow " + std::u16string(kFoNamespace) + u"/>",
                  "fo:flow\n"},
        READ_CASE{"MisspeltElementDropsItsSubtree",
                  InFo(u"<fo:block><fo:inlin><fo:inline>x</fo:inline></fo:inlin><fo:inline>y</fo:inline></fo:block>"),
                  "fo:block-container\n"
                  "  fo:block\n"
                  "    fo:inline 'y'\n"},
        READ_CASE{"TextAndCDataJoinInOrder",
                  InFo(u"<fo:inline>ab<![CDATA[<c>]]>d<!-- note --></fo:inline>"),
                  "fo:block-container\n"
                  "  fo:inline 'ab<c>d'\n"},
        READ_CASE{"HorizontalHatchIsSkippedOthersKept",
                  InFo(u"<fo:inline background-image=\"horizontal\">a</fo:inline>"
                       u"<fo:inline background-image=\"vertical\" made-up=\"1\">b</fo:inline>"),
                  "fo:block-container\n"
                  "  fo:inline 'a'\n"
                  "  fo:inline background-image=vertical made-up=1 'b'\n"},
        READ_CASE{"QuestionElementsComeInAsChildren",
                  InFo(u"<fo:instream-foreign-object><dno type=\"c\"/></fo:instream-foreign-object>"),
                  "fo:block-container\n"
                  "  fo:instream-foreign-object\n"
                  "    dno type=c\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FoDomReaderValues, AttributesReachTheNodeClass) {
  auto node = ReadFoText(InFo(u"<fo:inline background-image=\"horizontal\"/><fo:inline background-image=\"vertical\"/>"));
  ASSERT_TRUE(node);
  auto* hatch = dynamic_cast<CFoInline*>(node->GetChildAt(0));
  auto* vertical = dynamic_cast<CFoInline*>(node->GetChildAt(1));
  ASSERT_TRUE(hatch && vertical);
  EXPECT_EQ(hatch->m_borderProps.m_nBackgroundPattern, 0);
  EXPECT_NE(vertical->m_borderProps.m_nBackgroundPattern, 0);
}

std::u16string Nested(int depth) {
  std::u16string xml;
  for (int i = 0; i < depth; ++i) xml += i == 0 ? InFo(u"").substr(0, InFo(u"").find(u'>') + 1) : u"<fo:block-container>";
  for (int i = 0; i < depth; ++i) xml += u"</fo:block-container>";
  return xml;
}

TEST(FoDomReaderDepth, TheWalkFollowsWhatTheParserAccepts) {
  CDomDocument deep;
  EXPECT_FALSE(deep.loadXML(Nested(kMaxFoNodeDepth + 1)));
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(Nested(kMaxFoNodeDepth)));
  std::unique_ptr<CQVXMLNode> node(CreateFoNodeFromDom(doc.documentElement()));
  ASSERT_TRUE(node);
  int depth = 1;
  for (CQVXMLNode* p = node.get(); p->GetFirstChild(); p = p->GetFirstChild()) ++depth;
  EXPECT_EQ(depth, kMaxFoNodeDepth);
}

TEST(FoDomReaderDepth, ADeeperTreeBuiltInMemoryIsRefused) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(Nested(1)));
  CDomNode parent = doc.documentElement();
  for (int i = 0; i < kMaxFoNodeDepth; ++i) parent = parent.appendChild(doc.createElement(u"fo:block-container"));
  EXPECT_EQ(CreateFoNodeFromDom(doc.documentElement()), nullptr);
}

}  // namespace
