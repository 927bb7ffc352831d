#include "platform/AnsiCodePage.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

constexpr char16_t kInvalidAnsi = 0x30FB;

// One descriptor per direction, opened once per thread.
class Converter {
 public:
  Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
  ~Converter() {
    if (m_cd != iconv_t(-1)) iconv_close(m_cd);
  }
  iconv_t get() {
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    return m_cd;
  }

 private:
  iconv_t m_cd;
};

iconv_t ToAnsi() {
  thread_local Converter c("CP932", "UTF-16LE");
  return c.get();
}

iconv_t ToWide() {
  thread_local Converter c("UTF-16LE", "CP932");
  return c.get();
}

}  // namespace

std::string WideToAnsi(std::u16string_view text) {
  std::string out;
  if (text.empty()) return out;
  iconv_t cd = ToAnsi();
  out.resize(text.size() * 2 + 4);
  char* in = reinterpret_cast<char*>(const_cast<char16_t*>(text.data()));
  size_t inLeft = text.size() * 2;
  char* dst = out.data();
  size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1)) break;
    if (errno == E2BIG) break;  // cannot happen: two bytes per unit always suffice
    // An unconvertible unit (or a lone surrogate, or a pair) becomes one '?'.
    size_t skip = inLeft < 2 ? inLeft : 2;
    if (inLeft >= 4) {
      char16_t units[2];
      std::memcpy(units, in, 4);
      if (units[0] >= 0xD800 && units[0] <= 0xDBFF && units[1] >= 0xDC00 && units[1] <= 0xDFFF) skip = 4;
    }
    in += skip;
    inLeft -= skip;
    if (outLeft == 0) break;
    *dst++ = '?';
    outLeft--;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(out.size() - outLeft);
  return out;
}

bool IsAnsiLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

std::u16string AnsiToWide(std::string_view text) {
  std::u16string out;
  if (text.empty()) return out;
  iconv_t cd = ToWide();
  out.resize(text.size() + 2);
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* dst = reinterpret_cast<char*>(out.data());
  size_t outLeft = out.size() * 2;
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1)) break;
    if (errno == E2BIG) break;
    // An invalid or cut-off sequence: skip a lead byte and its trail, or one byte.
    unsigned char lead = static_cast<unsigned char>(*in);
    size_t skip = (IsAnsiLeadByte(lead) && inLeft >= 2) ? 2 : 1;
    in += skip;
    inLeft -= skip;
    if (outLeft < 2) break;
    std::memcpy(dst, &kInvalidAnsi, 2);
    dst += 2;
    outLeft -= 2;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(out.size() - outLeft / 2);
  return out;
}

bool AnsiToWideStrict(std::string_view text, std::u16string* out) {
  std::u16string result(text.size(), u'\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* dst = reinterpret_cast<char*>(result.data());
  size_t outLeft = result.size() * 2;
  if (iconv(ToWide(), &in, &inLeft, &dst, &outLeft) == size_t(-1)) return false;
  result.resize(result.size() - outLeft / 2);
  *out = std::move(result);
  return true;
}

std::u16string ToAnsiSafe(std::u16string_view text, char16_t replacement) {
  std::u16string out;
  for (size_t i = 0; i < text.size();) {
    const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    const std::u16string_view character = text.substr(i, pair ? 2 : 1);
    if (AnsiToWide(WideToAnsi(character)) == character)
      out += character;
    else
      out += replacement;
    i += character.size();
  }
  return out;
}

namespace {

// The next character's value; advances p. A lead byte before the terminator stands alone.
unsigned NextAnsiChar(const unsigned char*& p) {
  unsigned c = *p++;
  if (IsAnsiLeadByte(static_cast<unsigned char>(c)) && *p != 0) c = (c << 8) | *p++;
  return c;
}

}  // namespace

int CompareAnsi(const char* a, const char* b) {
  auto* pa = reinterpret_cast<const unsigned char*>(a);
  auto* pb = reinterpret_cast<const unsigned char*>(b);
  while (true) {
    unsigned ca = NextAnsiChar(pa);
    unsigned cb = NextAnsiChar(pb);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

void CopyAnsiBounded(char* dest, size_t size, const char* src) {
  if (size == 0) return;
  std::memset(dest, 0, size);
  if (!src) return;
  size_t used = 0;
  for (const char* p = src; *p;) {
    size_t length = (IsAnsiLeadByte(static_cast<unsigned char>(*p)) && p[1]) ? 2 : 1;
    if (used + length > size - 1) break;
    std::memcpy(dest + used, p, length);
    used += length;
    p += length;
  }
}
