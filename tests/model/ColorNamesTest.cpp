#include <gtest/gtest.h>

#include "model/ColorNames.h"
#include "tests/support/StringWPrint.h"

namespace {

struct NamedColor {
  const char16_t* name;
  COLORREF colour;
};

const NamedColor kHtmlColors[] = {
    {u"Black", RGB(0, 0, 0)},       {u"Silver", RGB(192, 192, 192)}, {u"Gray", RGB(128, 128, 128)},
    {u"White", RGB(255, 255, 255)}, {u"Maroon", RGB(128, 0, 0)},     {u"Red", RGB(255, 0, 0)},
    {u"Purple", RGB(128, 0, 128)},  {u"Fuchsia", RGB(255, 0, 255)},  {u"Green", RGB(0, 128, 0)},
    {u"Lime", RGB(0, 255, 0)},      {u"Olive", RGB(128, 128, 0)},    {u"Yellow", RGB(255, 255, 0)},
    {u"Navy", RGB(0, 0, 128)},      {u"Blue", RGB(0, 0, 255)},       {u"Teal", RGB(0, 128, 128)},
    {u"Aqua", RGB(0, 255, 255)},
};

}  // namespace

TEST(ColorNames, TheSixteenNamesBothWays) {
  for (const NamedColor& c : kHtmlColors) {
    EXPECT_EQ(ColorToName(c.colour), c.name);
    EXPECT_EQ(ColorFromName(c.name), c.colour) << ::testing::PrintToString(CStringW(c.name));
    CStringW upper;
    for (const char16_t* p = c.name; *p; ++p) upper += char16_t(*p >= u'a' && *p <= u'z' ? *p - 32 : *p);
    EXPECT_EQ(ColorFromName(upper), c.colour);
  }
}

TEST(ColorNames, ReadsNamesAndHexNotation) {
  const NamedColor cases[] = {
      {u" \tNavy \r\n", RGB(0, 0, 128)},
      {u"#FF8000", RGB(255, 128, 0)},
      {u"#ff8000", RGB(255, 128, 0)},
      {u"  #010203 ", RGB(1, 2, 3)},
      {u"#ff80zz", RGB(0, 0xFF, 0x80)},
      {u"#", RGB(0, 0, 0)},
      {u"orange", RGB(0, 0, 0)},
      {u"", RGB(0, 0, 0)},
      {u"#-ff", RGB(0, 0, 0)},
      {u"#0xff", RGB(0, 0, 0)},
      {u"#123456789abc", RGB(255, 255, 255)},
  };
  for (const NamedColor& c : cases)
    EXPECT_EQ(ColorFromName(c.name), c.colour) << ::testing::PrintToString(CStringW(c.name));
}

TEST(ColorNames, WritesOtherColoursAsLowerCaseHexThatReadsBack) {
  EXPECT_EQ(ColorToName(RGB(255, 128, 0)), u"#ff8000");
  EXPECT_EQ(ColorToName(RGB(1, 2, 3)), u"#010203");
  EXPECT_EQ(ColorToName(RGB(0, 0, 127)), u"#00007f");
  for (int v = 0; v < 256; v += 17) {
    COLORREF colour = RGB(BYTE(v), BYTE(255 - v), BYTE(v / 2));
    EXPECT_EQ(ColorFromName(ColorToName(colour)), colour);
  }
}
