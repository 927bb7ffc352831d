#pragma once
// The document's text type: UTF-16 code units, serialisable, with an ANSI (CP932) cache.

#include <cstdarg>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Object.h"

class CStringW : public CObject {
  DECLARE_SERIAL(CStringW)

 public:
  CStringW() = default;
  CStringW(char16_t ch) : m_str(1, ch) {}
  CStringW(const char16_t* psz) : m_str(psz ? psz : u"") {}
  CStringW(std::u16string_view text) : m_str(text) {}
  explicit CStringW(const char* pszAnsi);
  CStringW(const CStringW& other) : CObject(), m_str(other.m_str) {}
  CStringW(CStringW&& other) noexcept : CObject(), m_str(std::move(other.m_str)) {}
  ~CStringW() override = default;

  int GetLength() const { return int(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  // The unit at the index; 0 outside the text.
  char16_t GetAt(int index) const;
  char16_t operator[](int index) const { return GetAt(index); }
  const char16_t* GetString() const { return m_str.c_str(); }
  operator const char16_t*() const { return m_str.c_str(); }
  const std::u16string& str() const { return m_str; }

  // A CP932 copy kept by the string until the next call; null for an empty string.
  const char* GetAnsiString();
  // New zero-filled copies that the caller frees with delete[]; null for an empty string.
  char16_t* AllocWideCopy() const;
  char* AllocAnsiCopy() const;

  CStringW& operator=(const CStringW& other);
  CStringW& operator=(CStringW&& other) noexcept;
  CStringW& operator=(char16_t ch);
  CStringW& operator=(const char16_t* psz);
  // An empty ANSI text leaves the string unchanged.
  CStringW& operator=(const char* pszAnsi);
  CStringW& operator+=(const char16_t* psz);
  CStringW& operator+=(char16_t ch);
  CStringW& operator+=(const CStringW& other);

  void Empty();
  int Delete(int index, int count = 1);
  void TrimLeft();
  void TrimRight();
  void MakeLower();
  // printf-style: %d %i %u %x %X %o %c %s (wide string) %S (ANSI string) %%, with flags,
  // width, precision and the l/h/ll size prefixes.
  void Format(const char16_t* fmt, ...);
  void FormatV(const char16_t* fmt, va_list args);

  CStringW Mid(int first, int count) const;
  CStringW Mid(int first) const;
  CStringW Left(int count) const;
  CStringW Right(int count) const;

  int Find(char16_t ch) const { return Find(ch, 0); }
  int Find(char16_t ch, int start) const;
  int Find(const char16_t* sub) const;
  int FindOneOf(const char16_t* set) const;
  int FindFirstNotOf(const char16_t* set) const;
  BOOL IsAllSpaces() const;
  // Character classes (tables in CharClass.cpp); the empty string passes each.
  BOOL IsAllDigits() const;
  BOOL IsAllMathSymbols() const;
  BOOL IsAllLineStartProhibited() const;
  BOOL IsLetterOrPrime() const;

  int Compare(const char16_t* psz) const;
  int Compare(const CStringW& other) const { return Compare(other.GetString()); }

  void Serialize(CArchive& ar) override;

 private:
  std::u16string m_str;
  std::unique_ptr<char[]> m_pAnsi;
};

bool operator==(const CStringW& a, const CStringW& b);
bool operator==(const CStringW& a, const char16_t* b);
bool operator==(const char16_t* a, const CStringW& b);
bool operator!=(const CStringW& a, const CStringW& b);
bool operator!=(const CStringW& a, const char16_t* b);
bool operator<(const CStringW& a, const CStringW& b);
CStringW operator+(const CStringW& a, const CStringW& b);

// The decimal integer after leading blanks and an optional sign, clamped to the int range;
// 0 when there is none.
int LeadingDecimal(const CStringW& text);

struct CStringWHash {
  size_t operator()(const CStringW& s) const { return std::hash<std::u16string>()(s.str()); }
};
