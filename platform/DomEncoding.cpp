#include "platform/DomEncoding.h"

#include <iconv.h>
#include <libxml/encoding.h>

#include <cerrno>

#include "platform/Utf16.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += char16_t(c);
  } else {
    c -= 0x10000;
    out += char16_t(0xD800 + (c >> 10));
    out += char16_t(0xDC00 + (c & 0x3FF));
  }
}

// Decodes one UTF-8 sequence at text[i]; advances i; returns U+FFFD for a bad one.
char32_t DecodeUtf8(std::string_view text, size_t& i) {
  unsigned char lead = text[i++];
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 && lead <= 0xF4 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
  if (extra < 0) return kReplacement;
  char32_t c = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return kReplacement;
    c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
  if (overlong || c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) return kReplacement;
  return c;
}

class IconvCodec {
 public:
  IconvCodec(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
  ~IconvCodec() {
    if (m_cd != iconv_t(-1)) iconv_close(m_cd);
  }
  // libxml2's codec contract: consumed and produced counts, -2 at a unit that cannot be converted.
  int Convert(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
    if (m_cd == iconv_t(-1)) return -1;
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    char* src = reinterpret_cast<char*>(const_cast<unsigned char*>(in));
    char* dst = reinterpret_cast<char*>(out);
    size_t srcLeft = size_t(*inlen), dstLeft = size_t(*outlen);
    size_t result = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
    int error = result == size_t(-1) ? errno : 0;
    *inlen -= int(srcLeft);
    *outlen -= int(dstLeft);
    // EINVAL: an incomplete sequence at the end waits for the next chunk.
    return error == EILSEQ ? -2 : *outlen;
  }

 private:
  iconv_t m_cd;
};

int Cp932ToUtf8(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
  thread_local IconvCodec codec("UTF-8", "CP932");
  return codec.Convert(out, outlen, in, inlen);
}

int Utf8ToCp932(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
  thread_local IconvCodec codec("CP932", "UTF-8");
  return codec.Convert(out, outlen, in, inlen);
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text, bool* valid) {
  std::string out;
  out.reserve(text.size() * 3);
  for (size_t i = 0; i < text.size(); ++i) {
    size_t units = 1;
    char32_t c = CodePointAt(text, i, &units);
    if (units == 2) {
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      c = kReplacement;
      if (valid) *valid = false;
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) AppendUtf16(out, DecodeUtf8(text, i));
  return out;
}

std::u16string Utf8ToUtf16(const unsigned char* text) {
  return text ? Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(text))) : std::u16string();
}

bool IsXmlText(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      ++i;
      continue;
    }
    bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c < 0xD800) || (c >= 0xE000 && c <= 0xFFFD);
    if (!allowed) return false;
  }
  return true;
}

void RegisterCp932Codec() {
  // Plain Shift-JIS lacks the NEC and IBM rows (circled digits and the like) that
  // documents written by the Windows code page hold.
  xmlNewCharEncodingHandler("CP932", Cp932ToUtf8, Utf8ToCp932);
  for (const char* alias : {"SHIFT-JIS", "SHIFT_JIS", "SJIS", "MS_KANJI", "WINDOWS-31J", "CSWINDOWS31J"})
    xmlAddEncodingAlias("CP932", alias);
}
