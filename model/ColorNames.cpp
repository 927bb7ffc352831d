#include "model/ColorNames.h"

#include <cstdint>

namespace {

struct NAMED_COLOR {
  const char16_t* pszName;  // as written; matched without regard to case
  COLORREF crColor;
};

const NAMED_COLOR kNamedColors[] = {
    {u"Black", RGB(0, 0, 0)},          {u"Silver", RGB(192, 192, 192)}, {u"Gray", RGB(128, 128, 128)},
    {u"White", RGB(255, 255, 255)},    {u"Maroon", RGB(128, 0, 0)},     {u"Red", RGB(255, 0, 0)},
    {u"Purple", RGB(128, 0, 128)},     {u"Fuchsia", RGB(255, 0, 255)},  {u"Green", RGB(0, 128, 0)},
    {u"Lime", RGB(0, 255, 0)},         {u"Olive", RGB(128, 128, 0)},    {u"Yellow", RGB(255, 255, 0)},
    {u"Navy", RGB(0, 0, 128)},         {u"Blue", RGB(0, 0, 255)},       {u"Teal", RGB(0, 128, 128)},
    {u"Aqua", RGB(0, 255, 255)},
};

int HexDigitValue(char16_t ch) {
  if (ch >= u'0' && ch <= u'9') return ch - u'0';
  if (ch >= u'a' && ch <= u'f') return ch - u'a' + 10;
  return -1;
}

// The leading hexadecimal digits of a lower-case text; saturates like strtoul.
uint32_t LeadingHex(const CStringW& text) {
  uint64_t value = 0;
  for (int i = 0; HexDigitValue(text[i]) >= 0; ++i) {
    value = value * 16 + uint64_t(HexDigitValue(text[i]));
    if (value > UINT32_MAX) return UINT32_MAX;
  }
  return uint32_t(value);
}

}  // namespace

COLORREF ColorFromName(const CStringW& value) {
  CStringW name = value;
  name.TrimLeft();
  name.TrimRight();
  name.MakeLower();
  for (const NAMED_COLOR& named : kNamedColors) {
    CStringW lower = named.pszName;
    lower.MakeLower();
    if (name == lower) return named.crColor;
  }
  if (name[0] != u'#') return RGB(0, 0, 0);
  uint32_t v = LeadingHex(name.Mid(1));
  return RGB(BYTE(v >> 16), BYTE(v >> 8), BYTE(v));
}

CStringW ColorToName(COLORREF colour) {
  for (const NAMED_COLOR& named : kNamedColors) {
    if (named.crColor == colour) return named.pszName;
  }
  CStringW name;
  name.Format(u"#%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return name;
}
