#include <gtest/gtest.h>

#include <cstring>

#include "platform/AnsiCodePage.h"

TEST(AnsiCodePage, RoundTripsJapaneseFacesAndNecSymbols) {
  struct Case { std::u16string wide; std::string ansi; } cases[] = {
      {u"ＭＳ Ｐ明朝", "\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9"},
      {u"①", "\x87\x40"},
      {u"abc", "abc"},
      {u"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WideToAnsi(c.wide), c.ansi);
    EXPECT_EQ(AnsiToWide(c.ansi), c.wide);
  }
}

TEST(AnsiCodePage, UnconvertibleTextIsReplacedNotDropped) {
  EXPECT_EQ(WideToAnsi(u"a\u00E9b"), "a?b");                // é has no CP932 form
  EXPECT_EQ(WideToAnsi(u"x\U0001F600y"), "x?y");            // a surrogate pair is one '?'
  EXPECT_EQ(WideToAnsi(std::u16string(u"\xD800z")), "?z");  // a lone surrogate
  EXPECT_EQ(AnsiToWide("a\x82"), u"a\u30FB");               // a cut-off lead byte
}

TEST(AnsiCodePage, BoundedCopyNeverSplitsADoubleByteCharacter) {
  char field[6];
  std::memset(field, 'x', sizeof field);
  CopyAnsiBounded(field, sizeof field, "ab\x96\xbe\x92\xa9");  // ab明朝: 明 fits, 朝 does not
  EXPECT_EQ(std::string(field, sizeof field), std::string("ab\x96\xbe\0\0", 6));
  CopyAnsiBounded(field, sizeof field, nullptr);
  EXPECT_EQ(std::string(field, sizeof field), std::string(6, '\0'));
}

// Each user of the lead-byte range, at both edges of both runs.
TEST(AnsiCodePage, LeadByteRangeEdges) {
  struct Case { unsigned char byte; bool lead; } cases[] = {
      {0x81, true},  {0x9F, true},  {0xE0, true},  {0xFC, true},
      {0x80, false}, {0xA0, false}, {0xDF, false}, {0xFD, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.byte));
    const std::string b(1, char(c.byte));
    EXPECT_EQ(IsAnsiLeadByte(c.byte), c.lead);

    char field[3];
    CopyAnsiBounded(field, sizeof field, ("a" + b + "\x40").c_str());
    EXPECT_EQ(std::string(field, 2), c.lead ? std::string("a\0", 2) : "a" + b);

    // As a lead its character sorts above every single byte.
    EXPECT_EQ(CompareAnsi((b + "\x40").c_str(), "\xFE"), c.lead ? 1 : -1);

    // 0x7F is never a trail: a lead swallows it, any other byte leaves it standing.
    std::u16string wide = AnsiToWide(b + "\x7F");
    EXPECT_EQ(wide.back() == u'\x7F', !c.lead) << wide.size();
  }
}

// Characters that CP932 holds under another code point (the wave dash, the minus sign) are
// replaced like those it cannot hold at all; a literal '?' is kept.
TEST(AnsiCodePage, AnsiSafeTextComesBackUnchanged) {
  struct Case { std::u16string text; std::u16string safe; } cases[] = {
      {u"第1回〜第3回", u"第1回_第3回"},
      {u"第1回～第3回", u"第1回～第3回"},
      {u"A−B", u"A_B"},
      {u"café", u"caf_"},
      {u"한글", u"__"},
      {u"𠮷野", u"_野"},
      {u"①半角ｶﾅ?", u"①半角ｶﾅ?"},
      {std::u16string(u"a\xD800"), u"a_"},
      {u"", u""},
  };
  for (const Case& c : cases) {
    const std::u16string safe = ToAnsiSafe(c.text, u'_');
    EXPECT_EQ(safe, c.safe);
    EXPECT_EQ(AnsiToWide(WideToAnsi(safe)), safe);
  }
}
