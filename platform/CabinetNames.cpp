#include "platform/CabinetNames.h"

#include <glib.h>

#include "platform/AnsiCodePage.h"

namespace {

BOOL Utf8ToUtf16(const std::string& text, std::u16string* pOut) {
  glong written = 0;
  gunichar2* wide = g_utf8_to_utf16(text.data(), glong(text.size()), nullptr, &written, nullptr);
  if (!wide) return FALSE;
  pOut->assign(reinterpret_cast<const char16_t*>(wide), size_t(written));
  g_free(wide);
  return TRUE;
}

BOOL Utf16ToUtf8(const std::u16string& text, std::string* pOut) {
  glong written = 0;
  gchar* narrow = g_utf16_to_utf8(reinterpret_cast<const gunichar2*>(text.data()), glong(text.size()), nullptr,
                                  &written, nullptr);
  if (!narrow) return FALSE;
  pOut->assign(narrow, size_t(written));
  g_free(narrow);
  return TRUE;
}

}  // namespace

CAB_NAME EncodeCabinetName(const std::string& utf8) {
  std::u16string wide;
  if (Utf8ToUtf16(utf8, &wide)) {
    std::string ansi = WideToAnsi(wide);
    if (AnsiToWide(ansi) == wide) return CAB_NAME{ansi, 0};
  }
  return CAB_NAME{utf8, kCabNameIsUtf};
}

BOOL DecodeCabinetName(const std::string& bytes, WORD attributes, std::string* pUtf8) {
  if (attributes & kCabNameIsUtf) {
    if (!g_utf8_validate(bytes.data(), gssize(bytes.size()), nullptr)) return FALSE;
    *pUtf8 = bytes;
    return TRUE;
  }
  return Utf16ToUtf8(AnsiToWide(bytes), pUtf8);
}

BOOL IsBareFileName(const std::string& utf8) {
  if (utf8.empty() || utf8 == "." || utf8 == "..") return FALSE;
  return utf8.find_first_of(std::string("/\\:\0", 4)) == std::string::npos;
}

void ToDosDateTime(std::time_t t, WORD* pDate, WORD* pTime) {
  std::tm tm{};
  localtime_r(&t, &tm);
  const int year = tm.tm_year + 1900;
  if (year < 1980) {
    *pDate = (1 << 5) | 1;
    *pTime = 0;
  } else if (year > 2107) {
    *pDate = WORD((127 << 9) | (12 << 5) | 31);
    *pTime = WORD((23 << 11) | (59 << 5) | 29);
  } else {
    *pDate = WORD(((year - 1980) << 9) | ((tm.tm_mon + 1) << 5) | tm.tm_mday);
    *pTime = WORD((tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2));
  }
}

BOOL FromDosDateTime(WORD date, WORD time, std::time_t* pTime) {
  std::tm tm{};
  tm.tm_year = (date >> 9) + 80;
  tm.tm_mon = ((date >> 5) & 0x0F) - 1;
  tm.tm_mday = date & 0x1F;
  tm.tm_hour = time >> 11;
  tm.tm_min = (time >> 5) & 0x3F;
  tm.tm_sec = (time & 0x1F) * 2;
  tm.tm_isdst = -1;
  if (tm.tm_mon < 0 || tm.tm_mon > 11 || tm.tm_mday < 1 || tm.tm_hour > 23 || tm.tm_min > 59 || tm.tm_sec > 59)
    return FALSE;
  const std::time_t t = std::mktime(&tm);
  if (t == std::time_t(-1)) return FALSE;
  *pTime = t;
  return TRUE;
}
