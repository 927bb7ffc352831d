#pragma once
// The class library's archive: little-endian values, counts, 8-bit strings and object records
// (new-class tag 0xFFFF, class references 0x8000 | index, object references by index, the
// 0x7FFF escape to 32-bit indexes). Readers throw CArchiveException on damaged data.

#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "platform/Object.h"

class CFile;

class CArchiveException {
 public:
  enum Cause { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
  explicit CArchiveException(Cause cause) : m_cause(cause) {}
  Cause m_cause;
};

class CArchive {
 public:
  enum Mode { store = 0, load = 1 };

  CArchive(CFile* pFile, UINT nMode);
  ~CArchive();
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return m_nMode == load; }
  BOOL IsStoring() const { return m_nMode == store; }
  CFile* GetFile() const { return m_pFile; }
  void Flush() {}
  void Close() { m_pFile = nullptr; }

  // Raw bytes; Read returns how many were read.
  UINT Read(void* buffer, UINT count);
  void Write(const void* buffer, UINT count);
  // Reads exactly count bytes or throws endOfFile.
  void ReadExact(void* buffer, UINT count);
  // Bytes left to load, for checking stored lengths against the data.
  uint64_t GetRemaining() const;
  // Throws endOfFile unless at least count bytes are left to load.
  void EnsureAvailable(uint64_t count) const;

  CArchive& operator<<(BYTE v);
  CArchive& operator<<(WORD v);
  CArchive& operator<<(LONG v);
  CArchive& operator<<(DWORD v);
  CArchive& operator<<(SHORT v) { return *this << WORD(v); }
  CArchive& operator<<(char v) { return *this << BYTE(v); }
  CArchive& operator<<(float v);
  CArchive& operator<<(double v);
  CArchive& operator>>(BYTE& v);
  CArchive& operator>>(WORD& v);
  CArchive& operator>>(LONG& v);
  CArchive& operator>>(DWORD& v);
  CArchive& operator>>(SHORT& v);
  CArchive& operator>>(char& v);
  CArchive& operator>>(float& v);
  CArchive& operator>>(double& v);

  // Counts: 16-bit, or 0xFFFF then 32-bit.
  void WriteCount(DWORD count);
  DWORD ReadCount();

  // 8-bit strings: length below 255 as a byte, else 0xFF and a 16-bit length,
  // else 0xFF 0xFFFF and a 32-bit length.
  void WriteString8(const std::string& s);
  std::string ReadString8();

  void WriteObject(const CObject* pOb);
  // Reads an object record; with a class given, the object must be of that class or derived.
  CObject* ReadObject(const CRuntimeClass* pClassRefRequested = nullptr);
  // Like ReadObject, for owned members: refuses null and references to objects read before,
  // so that damaged data cannot make one object owned twice.
  CObject* ReadNewObject(const CRuntimeClass* pClassRefRequested);

 private:
  const CRuntimeClass* ReadClass(const CRuntimeClass* requested, DWORD* pObTag);
  void WriteClass(const CRuntimeClass* pClassRef);
  void WriteIndex(DWORD index, DWORD bigFlag);

  static constexpr int kMaxDepth = 1000;  // nesting of object records

  CFile* m_pFile;
  UINT m_nMode;
  int m_nDepth = 0;
  bool m_bFailed = false;
  DWORD m_nMapCount = 1;  // index 0 is the null object
  std::unordered_map<const void*, DWORD> m_storeMap;
  // Loaded entries by index: a class record or an object.
  struct LoadEntry {
    const CRuntimeClass* cls;
    CObject* obj;
  };
  std::vector<LoadEntry> m_loadArray{{nullptr, nullptr}};
};

template <class T>
CArchive& operator<<(CArchive& ar, const T* pOb) requires std::is_base_of_v<CObject, T> {
  ar.WriteObject(pOb);
  return ar;
}
