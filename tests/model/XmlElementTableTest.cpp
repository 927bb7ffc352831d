#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/XmlElementTable.h"

namespace {

std::u16string Str(const CStringW& s) { return s.str(); }

int ElementCount() {
  int n = 1;
  while (g_XmlElementTable[n].nCode != -1) ++n;
  return n - 1;
}

TEST(XmlElementTable, EveryCodeMapsToItsNameAndBack) {
  ASSERT_EQ(ElementCount(), 94);
  for (int slot = 1; slot <= 94; ++slot) {
    const XML_TABLE_ENTRY& entry = g_XmlElementTable[slot];
    SCOPED_TRACE(slot);
    EXPECT_EQ(Str(ElementNameFromCode(entry.nCode)), entry.pszName);
    EXPECT_EQ(ElementCodeFromName(entry.pszName), entry.nCode);
  }
}

TEST(XmlElementTable, CodesAndNamesAreUniqueAndFamiliesFollowTheHighBits) {
  std::set<int> codes;
  std::set<std::u16string> names;
  for (int slot = 1; slot <= 94; ++slot) {
    int code = g_XmlElementTable[slot].nCode;
    std::u16string name = g_XmlElementTable[slot].pszName;
    EXPECT_TRUE(codes.insert(code).second) << std::hex << code;
    EXPECT_TRUE(names.insert(name).second);
    bool mathml = code >= 0x201 && code <= 0x234;
    EXPECT_EQ((code & XE_MATHML_BIT) != 0, mathml) << std::hex << code;
    EXPECT_EQ(name.starts_with(u"fo:"), code >= 0xC01 && code <= 0xC53) << std::hex << code;
    EXPECT_EQ(name.starts_with(u"xsl:"), code >= 0x401 && code <= 0x405) << std::hex << code;
  }
  EXPECT_EQ(g_XmlElementTable[0].nCode, 0);
  EXPECT_EQ(g_XmlElementTable[95].nCode, -1);
}

TEST(XmlElementTable, KnownExamples) {
  EXPECT_EQ(ElementCodeFromName(u"fo:block"), 0xC22);
  EXPECT_EQ(Str(ElementNameFromCode(0xC22)), u"fo:block");
  EXPECT_EQ(ElementCodeFromName(u"mrow"), 0x211);
  EXPECT_EQ(ElementCodeFromName(u"mgryph"), 0x209);
  EXPECT_EQ(ElementCodeFromName(u"fo:region-before"), 0xC05);
  EXPECT_EQ(ElementCodeFromName(u"none"), 0x229);
}

TEST(XmlElementTable, NamesOutsideTheTableGiveZero) {
  for (const char16_t* name : {u"mglyph", u"fo:basic-link", u"xsl:if", u"Fo:block", u"block", u"",
                               u"FO:ROOT", u"m:math", u"math "}) {
    EXPECT_EQ(ElementCodeFromName(name), 0) << std::u16string(name).size();
  }
  // A name with an embedded NUL is not its prefix.
  EXPECT_EQ(ElementCodeFromName(CStringW(std::u16string(u"mrow\0x", 6))), 0);
}

TEST(XmlElementTable, CodesOutsideTheTableGiveTheEmptyName) {
  for (int code : {0, -1, 0x202, 0x100, 0xC43, 0x999, 0x7FFFFFFF}) {
    EXPECT_TRUE(ElementNameFromCode(code).IsEmpty()) << std::hex << code;
  }
}

TEST(XmlElementTable, IdPrefixKind) {
  struct Case {
    const char16_t* value;
    int kind;
  };
  const Case cases[] = {
      {u"ruby0011", BK_RUBY},
      {u"cyukai0013", BK_CYUKAI},
      {u"gai0011", BK_GAI},
      {u"kim1", BK_KIM},
      {u"kanA0011", BK_KANA},
      {u"kanB0012", BK_KANB},
      {u"kun7", BK_KUN},
      {u"kaipage0012", BK_KAIPAGE},
      {u"kasen0013", BK_KASEN},
      {u"xgai001", BK_GAI},
      {u"", -1},
      {u"id5", -1},
      {u"RUBY1", -1},
      {u"kana1", -1},
      // A substring test in table order: the earlier prefix wins.
      {u"kasengai", BK_GAI},
      {u"kasenruby", BK_RUBY},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IdPrefixKind(c.value), c.kind) << std::u16string(c.value).size();
  }
}

TEST(XmlElementTable, ParsePathIndex) {
  struct Case {
    const char16_t* step;
    int index;
  };
  const Case cases[] = {
      {u"mon[3]", 3},    {u"mon", 1},     {u"mon]", 0},  {u"mon[", 0},
      {u"mon[]", 0},     {u"mon[x]", 0},  {u"", -1},     {u"]mon[2", 0},
      {u"dmon[12]", 12}, {u"mon[7x]", 7}, {u"a][1]", 0}, {u"mon[99999999999]", 2147483647},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParsePathIndex(c.step), c.index) << std::u16string(c.step).size();
  }
}

TEST(XmlElementTable, FormatPathStep) {
  EXPECT_EQ(Str(FormatPathStep(u"dmon", 2)), u"dmon[2]");
  EXPECT_EQ(Str(FormatPathStep(u"dmon", 0)), u"dmon");
  EXPECT_TRUE(FormatPathStep(u"dmon", -1).IsEmpty());
  EXPECT_EQ(ParsePathIndex(FormatPathStep(u"smon", 41)), 41);
}

std::vector<std::u16string> Split(CStringW& path, std::vector<CStringW> steps = {}) {
  SplitXPath(steps, path);
  std::vector<std::u16string> out;
  for (const CStringW& s : steps) out.push_back(s.str());
  return out;
}

TEST(XmlElementTable, SplitXPathStripsTheBracesFromTheCallersPath) {
  CStringW path = u"{/print/dmon[1]/smon[2]/dai}";
  EXPECT_EQ(Split(path), (std::vector<std::u16string>{u"print", u"dmon[1]", u"smon[2]", u"dai"}));
  EXPECT_EQ(Str(path), u"/print/dmon[1]/smon[2]/dai");
}

TEST(XmlElementTable, SplitXPathDropsEmptySteps) {
  CStringW path = u"a//b";
  EXPECT_EQ(Split(path), (std::vector<std::u16string>{u"a", u"b"}));
  path = u"//x/";
  EXPECT_EQ(Split(path), (std::vector<std::u16string>{u"x"}));
  path = u"/";
  EXPECT_TRUE(Split(path, {u"old"}).empty());
}

TEST(XmlElementTable, SplitXPathKeepsTheStepsForAnEmptyPath) {
  CStringW empty;
  EXPECT_EQ(Split(empty, {u"old"}), (std::vector<std::u16string>{u"old"}));
  CStringW braces = u"{}";
  EXPECT_EQ(Split(braces, {u"old"}), (std::vector<std::u16string>{u"old"}));
  EXPECT_TRUE(braces.IsEmpty());
  CStringW path = u"c";
  EXPECT_EQ(Split(path, {u"old"}), (std::vector<std::u16string>{u"c"}));
}

}  // namespace
