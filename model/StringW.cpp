#include "model/StringW.h"

#include <climits>
#include <cstring>

#include "platform/AnsiCodePage.h"
#include "platform/Archive.h"
#include "platform/WideChar.h"

IMPLEMENT_SERIAL(CStringW, CObject, 1)

namespace {

constexpr int kFormatLimit = 1023;  // units a formatted result may hold

size_t WideLength(const char16_t* psz) {
  size_t n = 0;
  if (psz)
    while (psz[n]) ++n;
  return n;
}

std::u16string FromAnsi(const char* psz) {
  std::u16string wide = AnsiToWide(psz ? std::string_view(psz) : std::string_view());
  size_t nul = wide.find(u'\0');
  if (nul != std::u16string::npos) wide.resize(nul);
  return wide;
}

}  // namespace

CStringW::CStringW(const char* pszAnsi) : m_str(FromAnsi(pszAnsi)) {}

char16_t CStringW::GetAt(int index) const {
  return (index >= 0 && index < GetLength()) ? m_str[size_t(index)] : u'\0';
}

const char* CStringW::GetAnsiString() {
  m_pAnsi.reset(AllocAnsiCopy());
  return m_pAnsi.get();
}

char16_t* CStringW::AllocWideCopy() const {
  if (m_str.empty()) return nullptr;
  char16_t* copy = new char16_t[m_str.size() + 1]();
  std::memcpy(copy, m_str.data(), m_str.size() * sizeof(char16_t));
  return copy;
}

char* CStringW::AllocAnsiCopy() const {
  if (m_str.empty()) return nullptr;
  std::string ansi = WideToAnsi(m_str);
  char* copy = new char[m_str.size() * 2 + 1]();
  std::memcpy(copy, ansi.data(), std::min(ansi.size(), m_str.size() * 2));
  return copy;
}

CStringW& CStringW::operator=(const CStringW& other) {
  if (this != &other) m_str = other.m_str;
  return *this;
}

CStringW& CStringW::operator=(CStringW&& other) noexcept {
  m_str = std::move(other.m_str);
  return *this;
}

CStringW& CStringW::operator=(char16_t ch) {
  m_str.assign(1, ch);
  return *this;
}

CStringW& CStringW::operator=(const char16_t* psz) {
  if (psz != m_str.c_str()) m_str.assign(psz ? psz : u"");
  return *this;
}

CStringW& CStringW::operator=(const char* pszAnsi) {
  if (pszAnsi && *pszAnsi) m_str = FromAnsi(pszAnsi);
  return *this;
}

CStringW& CStringW::operator+=(const char16_t* psz) {
  m_str.append(psz, WideLength(psz));
  return *this;
}

CStringW& CStringW::operator+=(char16_t ch) {
  m_str.push_back(ch);
  return *this;
}

CStringW& CStringW::operator+=(const CStringW& other) {
  m_str.append(other.m_str);
  return *this;
}

void CStringW::Empty() { m_str.clear(); }

int CStringW::Delete(int index, int count) {
  int length = GetLength();
  if (length == 0 || count <= 0) return length;
  if (index < 0) index = 0;
  if (index > length - 1) index = length - 1;
  m_str.erase(size_t(index), size_t(std::min(count, length - index)));
  return GetLength();
}

void CStringW::TrimLeft() {
  size_t i = 0;
  while (i < m_str.size() && IsWideSpace(m_str[i])) ++i;
  m_str.erase(0, i);
}

void CStringW::TrimRight() {
  size_t n = m_str.size();
  while (n > 0 && IsWideSpace(m_str[n - 1])) --n;
  m_str.resize(n);
}

void CStringW::MakeLower() {
  for (char16_t& c : m_str) c = WideToLower(c);
}

CStringW CStringW::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (count < 0) count = 0;
  if (first >= GetLength()) return CStringW();
  return CStringW(std::u16string_view(m_str).substr(size_t(first), size_t(count)));
}

CStringW CStringW::Mid(int first) const { return Mid(first, GetLength()); }

CStringW CStringW::Left(int count) const {
  if (count < 0) return CStringW();
  return CStringW(std::u16string_view(m_str).substr(0, size_t(count)));
}

CStringW CStringW::Right(int count) const {
  if (count < 0) return CStringW();
  if (count >= GetLength()) return *this;
  return CStringW(std::u16string_view(m_str).substr(m_str.size() - size_t(count)));
}

int CStringW::Find(char16_t ch, int start) const {
  if (start < 0) start = 0;
  if (start >= GetLength()) return -1;
  size_t pos = m_str.find(ch, size_t(start));
  return pos == std::u16string::npos ? -1 : int(pos);
}

int CStringW::Find(const char16_t* sub) const {
  size_t n = WideLength(sub);
  if (n == 0) return 0;
  size_t pos = m_str.find(sub, 0, n);
  return pos == std::u16string::npos ? -1 : int(pos);
}

int CStringW::FindOneOf(const char16_t* set) const {
  size_t n = WideLength(set);
  if (n == 0) return -1;
  size_t pos = m_str.find_first_of(set, 0, n);
  return pos == std::u16string::npos ? -1 : int(pos);
}

int CStringW::FindFirstNotOf(const char16_t* set) const {
  if (m_str.empty()) return -1;
  size_t pos = m_str.find_first_not_of(set ? set : u"", 0, WideLength(set));
  return pos == std::u16string::npos ? -1 : int(pos);
}

BOOL CStringW::IsAllSpaces() const {
  for (char16_t c : m_str)
    if (c != u' ') return FALSE;
  return TRUE;
}

int CStringW::Compare(const char16_t* psz) const {
  std::u16string_view other(psz ? psz : u"");
  int r = std::u16string_view(m_str).compare(other);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

void CStringW::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    DWORD bytes = DWORD(m_str.size() * 2 + 2);
    ar << bytes;
    ar.Write(m_str.c_str(), bytes);
    return;
  }
  // A damaged record leaves the string as it was and throws, so that the reader of the
  // enclosing record fails as a whole.
  DWORD bytes;
  ar >> bytes;
  ar.EnsureAvailable(bytes);
  std::u16string units(bytes / 2, u'\0');
  ar.ReadExact(units.data(), bytes & ~1u);
  if (bytes & 1u) {
    BYTE odd;
    ar >> odd;
  }
  size_t nul = units.find(u'\0');
  if (nul != std::u16string::npos) units.resize(nul);
  m_str = std::move(units);
}

void CStringW::Format(const char16_t* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  FormatV(fmt, args);
  va_end(args);
}

namespace {

struct FormatSpec {
  bool left = false, plus = false, space = false, zero = false, alt = false;
  int width = 0;
  int precision = -1;
  int size = 0;  // -1 h, 1 l, 2 ll
};

void AppendPadded(std::u16string& out, std::u16string_view body, const FormatSpec& spec,
                  std::u16string_view sign = {}, bool numeric = false) {
  int pad = spec.width - int(body.size() + sign.size());
  if (pad > 0 && !spec.left && !(spec.zero && numeric)) out.append(size_t(pad), u' ');
  out.append(sign);
  if (pad > 0 && !spec.left && spec.zero && numeric) out.append(size_t(pad), u'0');
  out.append(body);
  if (pad > 0 && spec.left) out.append(size_t(pad), u' ');
}

std::u16string Digits(unsigned long long v, unsigned base, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::u16string s;
  do {
    s.insert(s.begin(), char16_t(digits[v % base]));
    v /= base;
  } while (v);
  return s;
}

void FormatInteger(std::u16string& out, char conv, const FormatSpec& spec, va_list& args) {
  bool isSigned = conv == 'd' || conv == 'i';
  long long sv = 0;
  unsigned long long uv = 0;
  if (isSigned) {
    sv = spec.size == 2 ? va_arg(args, long long) : spec.size == 1 ? va_arg(args, long) : va_arg(args, int);
    if (spec.size == -1) sv = short(sv);
    uv = sv < 0 ? 0ull - (unsigned long long)(sv) : (unsigned long long)(sv);
  } else {
    uv = spec.size == 2   ? va_arg(args, unsigned long long)
         : spec.size == 1 ? va_arg(args, unsigned long)
                          : va_arg(args, unsigned int);
    if (spec.size == -1) uv = (unsigned short)(uv);
  }
  unsigned base = (conv == 'x' || conv == 'X') ? 16 : conv == 'o' ? 8 : 10;
  std::u16string body = Digits(uv, base, conv == 'X');
  if (spec.precision >= 0 && int(body.size()) < spec.precision)
    body.insert(0, size_t(spec.precision) - body.size(), u'0');
  if (spec.precision == 0 && uv == 0) body.clear();
  std::u16string sign;
  if (isSigned && sv < 0) sign = u"-";
  else if (isSigned && spec.plus) sign = u"+";
  else if (isSigned && spec.space) sign = u" ";
  if (spec.alt && base == 16 && uv) sign += conv == 'X' ? u"0X" : u"0x";
  FormatSpec padSpec = spec;
  if (spec.precision >= 0) padSpec.zero = false;
  AppendPadded(out, body, padSpec, sign, true);
}

}  // namespace

void CStringW::FormatV(const char16_t* fmt, va_list argsIn) {
  va_list args;
  va_copy(args, argsIn);
  std::u16string out;
  for (const char16_t* p = fmt ? fmt : u""; *p && out.size() <= size_t(kFormatLimit); ++p) {
    if (*p != u'%') {
      out.push_back(*p);
      continue;
    }
    ++p;
    FormatSpec spec;
    for (;; ++p) {
      if (*p == u'-') spec.left = true;
      else if (*p == u'+') spec.plus = true;
      else if (*p == u' ') spec.space = true;
      else if (*p == u'0') spec.zero = true;
      else if (*p == u'#') spec.alt = true;
      else break;
    }
    if (*p == u'*') {
      spec.width = va_arg(args, int);
      if (spec.width < 0) { spec.left = true; spec.width = -spec.width; }
      ++p;
    } else {
      while (*p >= u'0' && *p <= u'9') spec.width = std::min(spec.width * 10 + (*p++ - u'0'), kFormatLimit);
    }
    if (*p == u'.') {
      ++p;
      spec.precision = 0;
      if (*p == u'*') {
        spec.precision = va_arg(args, int);
        ++p;
      } else {
        while (*p >= u'0' && *p <= u'9') spec.precision = std::min(spec.precision * 10 + (*p++ - u'0'), kFormatLimit);
      }
    }
    if (*p == u'h') { spec.size = -1; ++p; }
    else if (*p == u'l') { spec.size = 1; ++p; if (*p == u'l') { spec.size = 2; ++p; } }
    else if (*p == u'I' && p[1] == u'6' && p[2] == u'4') { spec.size = 2; p += 3; }
    char16_t conv = *p;
    switch (conv) {
      case u'd': case u'i': case u'u': case u'x': case u'X': case u'o':
        FormatInteger(out, char(conv), spec, args);
        break;
      case u'c': {
        char16_t ch = char16_t(va_arg(args, int));
        AppendPadded(out, std::u16string_view(&ch, 1), spec);
        break;
      }
      case u's': {
        const char16_t* s = va_arg(args, const char16_t*);
        std::u16string_view body(s ? s : u"(null)");
        if (spec.precision >= 0) body = body.substr(0, size_t(spec.precision));
        AppendPadded(out, body, spec);
        break;
      }
      case u'S': {
        const char* s = va_arg(args, const char*);
        std::u16string body = FromAnsi(s ? s : "(null)");
        if (spec.precision >= 0 && body.size() > size_t(spec.precision)) body.resize(size_t(spec.precision));
        AppendPadded(out, body, spec);
        break;
      }
      case u'%':
        out.push_back(u'%');
        break;
      case u'\0':
        --p;  // a lone '%' at the end
        break;
      default:
        out.push_back(conv);
        break;
    }
  }
  va_end(args);
  if (out.size() > size_t(kFormatLimit)) out.resize(size_t(kFormatLimit));
  m_str = std::move(out);
}

bool operator==(const CStringW& a, const CStringW& b) { return a.str() == b.str(); }
bool operator==(const CStringW& a, const char16_t* b) { return a.Compare(b) == 0; }
bool operator==(const char16_t* a, const CStringW& b) { return b.Compare(a) == 0; }
bool operator!=(const CStringW& a, const CStringW& b) { return !(a == b); }
bool operator!=(const CStringW& a, const char16_t* b) { return !(a == b); }
bool operator<(const CStringW& a, const CStringW& b) { return a.str() < b.str(); }

CStringW operator+(const CStringW& a, const CStringW& b) {
  CStringW r(a);
  r += b;
  return r;
}

int LeadingDecimal(const CStringW& text) {
  int i = 0;
  while (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')) ++i;
  bool negative = text[i] == u'-';
  if (text[i] == u'-' || text[i] == u'+') ++i;
  long long value = 0;
  for (; text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
  }
  return int(negative ? -value : value);
}
