#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "model/StringW.h"
#include "tests/support/Bytes.h"

namespace {

Bytes StoreString(CStringW s) {
  return StoreBytes([&](CArchive& ar) { s.Serialize(ar); });
}

CStringW LoadString(const Bytes& bytes) {
  CStringW s(u"unchanged");
  LoadBytes(bytes, [&](CArchive& ar) { s.Serialize(ar); });
  return s;
}

}  // namespace

TEST(StringW, RecordIsByteCountThenUnitsWithNul) {
  EXPECT_EQ(ToHex(StoreString(u"ab")), "06 00 00 00 61 00 62 00 00 00");
  EXPECT_EQ(ToHex(StoreString(u"")), "02 00 00 00 00 00");
  EXPECT_EQ(LoadString(StoreString(u"漢文")), u"漢文");
}

TEST(StringW, LoaderStopsAtNulAndNeverReadsPastItsBytes) {
  EXPECT_EQ(LoadString(HexBytes("08 00 00 00 61 00 00 00 62 00 00 00")), u"a");
  EXPECT_EQ(LoadString(HexBytes("05 00 00 00 61 00 62 00 63")), u"ab");  // odd count, no NUL
  EXPECT_EQ(LoadString(HexBytes("00 00 00 00")), u"");
  // A count beyond the data fails and leaves the string as it was.
  CStringW s(u"kept");
  EXPECT_THROW(LoadBytes(HexBytes("FF FF FF 7F 61 00"), [&](CArchive& ar) { s.Serialize(ar); }), CArchiveException);
  EXPECT_EQ(s, u"kept");
}

TEST(StringW, SubstringsClampTheirArguments) {
  CStringW s(u"abcdef");
  EXPECT_EQ(s.Mid(2, 3), u"cde");
  EXPECT_EQ(s.Mid(-1, 2), u"ab");
  EXPECT_EQ(s.Mid(4, 10), u"ef");
  EXPECT_EQ(s.Mid(6, 1), u"");
  EXPECT_EQ(s.Mid(2), u"cdef");
  EXPECT_EQ(s.Left(10), u"abcdef");
  EXPECT_EQ(s.Left(-1), u"");
  EXPECT_EQ(s.Right(2), u"ef");
  EXPECT_EQ(s.Right(10), u"abcdef");
  EXPECT_EQ(s.Right(-3), u"");
}

TEST(StringW, DeleteClampsIndexAndCount) {
  struct Case { const char16_t* text; int index, count; const char16_t* result; } cases[] = {
      {u"abc", 7, 1, u"ab"}, {u"abc", -2, 1, u"bc"}, {u"abc", 1, 0, u"abc"},
      {u"abc", 1, 10, u"a"}, {u"", 0, 1, u""},     {u"abc", 0, -1, u"abc"},
  };
  for (const Case& c : cases) {
    CStringW s(c.text);
    EXPECT_EQ(s.Delete(c.index, c.count), int(std::char_traits<char16_t>::length(c.result)));
    EXPECT_EQ(s, c.result) << c.index << "," << c.count;
  }
}

TEST(StringW, SearchFunctions) {
  CStringW s(u"a,b;c");
  EXPECT_EQ(s.Find(u'b'), 2);
  EXPECT_EQ(s.Find(u'a', 1), -1);
  EXPECT_EQ(s.Find(u'c', 5), -1);
  EXPECT_EQ(s.Find(u'a', -4), 0);
  EXPECT_EQ(s.Find(u";c"), 3);
  EXPECT_EQ(s.Find(u""), 0);
  EXPECT_EQ(CStringW().Find(u"x"), -1);
  EXPECT_EQ(CStringW(u"x").Find(u"xy"), -1);
  EXPECT_EQ(s.FindOneOf(u";,"), 1);
  EXPECT_EQ(s.FindOneOf(u""), -1);
  EXPECT_EQ(s.FindFirstNotOf(u"a,"), 2);
  EXPECT_EQ(s.FindFirstNotOf(u""), 0);
  EXPECT_EQ(s.FindFirstNotOf(u"abc,;"), -1);
  EXPECT_EQ(CStringW().FindFirstNotOf(u""), -1);
  EXPECT_EQ(s.GetAt(99), u'\0');
  EXPECT_EQ(s.GetAt(-1), u'\0');
}

TEST(StringW, BlanksAndWhiteSpace) {
  EXPECT_TRUE(CStringW().IsAllSpaces());
  EXPECT_TRUE(CStringW(u"  ").IsAllSpaces());
  EXPECT_FALSE(CStringW(u" \t").IsAllSpaces());
  EXPECT_FALSE(CStringW(u"\u3000").IsAllSpaces());
  CStringW s(u"\t \u3000x y \r\n");
  s.TrimLeft();
  EXPECT_EQ(s, u"x y \r\n");
  s.TrimRight();
  EXPECT_EQ(s, u"x y");
  CStringW blank(u"\t \t ");
  blank.TrimRight();
  EXPECT_EQ(blank, u"");
  CStringW mixed(u"ABC Ａｂ ÄΣ");
  mixed.MakeLower();
  EXPECT_EQ(mixed, u"abc ａｂ äσ");
}

TEST(StringW, AnsiAssignmentKeepsTextOnEmptyInput) {
  CStringW s(u"keep");
  s = "";
  EXPECT_EQ(s, u"keep");
  s = u"";
  EXPECT_EQ(s, u"");
  s = "\x82\x6c\x82\x72";  // ＭＳ in CP932
  EXPECT_EQ(s, u"ＭＳ");
  EXPECT_EQ(CStringW("").GetLength(), 0);
}

TEST(StringW, AnsiCopiesAreFreshBuffers) {
  CStringW s(u"明朝");
  const char* first = s.GetAnsiString();
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first, "\x96\xbe\x92\xa9");
  const char* second = s.GetAnsiString();
  EXPECT_STREQ(second, "\x96\xbe\x92\xa9");
  EXPECT_EQ(CStringW().GetAnsiString(), nullptr);
  EXPECT_EQ(CStringW().AllocWideCopy(), nullptr);
  std::unique_ptr<char16_t[]> wide(s.AllocWideCopy());
  EXPECT_EQ(std::u16string(wide.get()), u"明朝");
  std::unique_ptr<char[]> ansi(s.AllocAnsiCopy());
  EXPECT_STREQ(ansi.get(), "\x96\xbe\x92\xa9");
}

TEST(StringW, FormatCoversTheCallersFormsAndNeverOverflows) {
  struct Case { CStringW result; const char16_t* expected; };
  auto fmt = [](const char16_t* f, auto... args) {
    CStringW s;
    s.Format(f, args...);
    return s;
  };
  Case cases[] = {
      {fmt(u"%d", -42), u"-42"},
      {fmt(u"[%d]", 7), u"[7]"},
      {fmt(u"%dmm", 2540), u"2540mm"},
      {fmt(u"%d.%dpt", 10, 5), u"10.5pt"},
      {fmt(u"(%d点)", 3), u"(3点)"},
      {fmt(u"kasen001%d", 2), u"kasen0012"},
      {fmt(u"%04d|%-4d|%4d", 12, 12, 12), u"0012|12  |  12"},
      {fmt(u"%x %X %#x", 255, 255, 255), u"ff FF 0xff"},
      {fmt(u"%s=%c", u"名前", int(u'値')), u"名前=値"},
      {fmt(u"%S", "ab"), u"ab"},
      {fmt(u"%ld %u %%", 123456789L, 4000000000u), u"123456789 4000000000 %"},
      {fmt(u"%.2s", u"abc"), u"ab"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.result, c.expected);

  std::u16string longArg(5000, u'x');
  CStringW big = fmt(u"%s%s", longArg.c_str(), longArg.c_str());
  EXPECT_EQ(big.GetLength(), 1023);
  EXPECT_EQ(fmt(u"%99999d", 1).GetLength(), 1023);
}

TEST(StringW, ComparesByUnits) {
  EXPECT_LT(CStringW(u"a").Compare(u"b"), 0);
  EXPECT_GT(CStringW(u"b").Compare(CStringW(u"a")), 0);
  EXPECT_EQ(CStringW(u"漢").Compare(u"漢"), 0);
  EXPECT_LT(CStringW(u"A").Compare(u"a"), 0);  // no case folding
  EXPECT_TRUE(u"x" == CStringW(u"x"));
  EXPECT_TRUE(CStringW(u"x") != u"y");
}

TEST(StringW, LeadingDecimalSaturatesAndStopsAtTheFirstNonDigit) {
  struct Case { const char16_t* text; int value; } cases[] = {
      {u"42", 42},          {u"  -7px", -7},        {u"+3", 3},           {u"", 0},
      {u"abc", 0},          {u"99999999999", INT_MAX}, {u"-99999999999", INT_MIN}, {u"12]", 12},
  };
  for (const Case& c : cases) EXPECT_EQ(LeadingDecimal(c.text), c.value) << std::u16string(c.text).size();
}
