#include "platform/Archive.h"

#include <cstring>

#include "platform/File.h"

namespace {
constexpr WORD wNullTag = 0;
constexpr WORD wNewClassTag = 0xFFFF;
constexpr WORD wClassTag = 0x8000;
constexpr DWORD dwBigClassTag = 0x80000000;
constexpr WORD wBigObjectTag = 0x7FFF;
constexpr DWORD nMaxMapCount = 0x3FFFFFFE;
}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode) : m_pFile(pFile), m_nMode(nMode) {}

CArchive::~CArchive() = default;

UINT CArchive::Read(void* buffer, UINT count) {
  if (!IsLoading()) throw CArchiveException(CArchiveException::writeOnly);
  if (m_bFailed) throw CArchiveException(CArchiveException::genericException);
  return m_pFile ? m_pFile->Read(buffer, count) : 0;
}

void CArchive::Write(const void* buffer, UINT count) {
  if (!IsStoring()) throw CArchiveException(CArchiveException::readOnly);
  if (!m_pFile) throw CArchiveException(CArchiveException::genericException);
  m_pFile->Write(buffer, count);
}

void CArchive::ReadExact(void* buffer, UINT count) {
  if (Read(buffer, count) != count) throw CArchiveException(CArchiveException::endOfFile);
}

uint64_t CArchive::GetRemaining() const {
  if (!m_pFile) return 0;
  uint64_t length = m_pFile->GetLength(), position = m_pFile->GetPosition();
  return position < length ? length - position : 0;
}

void CArchive::EnsureAvailable(uint64_t count) const {
  if (count > GetRemaining()) throw CArchiveException(CArchiveException::endOfFile);
}

template <class T>
static void WriteLE(CArchive& ar, T v) {
  BYTE bytes[sizeof(T)];
  std::memcpy(bytes, &v, sizeof(T));  // the host is little-endian, as the format
  ar.Write(bytes, sizeof(T));
}

template <class T>
static T ReadLE(CArchive& ar) {
  T v;
  ar.ReadExact(&v, sizeof(T));
  return v;
}

CArchive& CArchive::operator<<(BYTE v) { WriteLE(*this, v); return *this; }
CArchive& CArchive::operator<<(WORD v) { WriteLE(*this, v); return *this; }
CArchive& CArchive::operator<<(LONG v) { WriteLE(*this, v); return *this; }
CArchive& CArchive::operator<<(DWORD v) { WriteLE(*this, v); return *this; }
CArchive& CArchive::operator<<(float v) { WriteLE(*this, v); return *this; }
CArchive& CArchive::operator<<(double v) { WriteLE(*this, v); return *this; }
CArchive& CArchive::operator>>(BYTE& v) { v = ReadLE<BYTE>(*this); return *this; }
CArchive& CArchive::operator>>(WORD& v) { v = ReadLE<WORD>(*this); return *this; }
CArchive& CArchive::operator>>(LONG& v) { v = ReadLE<LONG>(*this); return *this; }
CArchive& CArchive::operator>>(DWORD& v) { v = ReadLE<DWORD>(*this); return *this; }
CArchive& CArchive::operator>>(SHORT& v) { v = ReadLE<SHORT>(*this); return *this; }
CArchive& CArchive::operator>>(char& v) { v = ReadLE<char>(*this); return *this; }
CArchive& CArchive::operator>>(float& v) { v = ReadLE<float>(*this); return *this; }
CArchive& CArchive::operator>>(double& v) { v = ReadLE<double>(*this); return *this; }

void CArchive::WriteCount(DWORD count) {
  if (count < 0xFFFF) {
    *this << WORD(count);
  } else {
    *this << WORD(0xFFFF) << count;
  }
}

DWORD CArchive::ReadCount() {
  WORD w;
  *this >> w;
  if (w != 0xFFFF) return w;
  DWORD d;
  *this >> d;
  return d;
}

void CArchive::WriteString8(const std::string& s) {
  size_t n = s.size();
  if (n < 255) {
    *this << BYTE(n);
  } else if (n < 0xFFFE) {
    *this << BYTE(0xFF) << WORD(n);
  } else {
    *this << BYTE(0xFF) << WORD(0xFFFF) << DWORD(n);
  }
  Write(s.data(), UINT(n));
}

std::string CArchive::ReadString8() {
  BYTE b;
  *this >> b;
  DWORD n = b;
  if (b == 0xFF) {
    WORD w;
    *this >> w;
    n = w;
    if (w == 0xFFFF) *this >> n;
  }
  EnsureAvailable(n);
  std::string s(n, '\0');
  ReadExact(s.data(), n);
  return s;
}

void CArchive::WriteIndex(DWORD index, DWORD bigFlag) {
  if (index < wBigObjectTag) {
    *this << WORD(index | (bigFlag ? wClassTag : 0));
  } else {
    *this << wBigObjectTag << DWORD(index | bigFlag);
  }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
  if (pClassRef->m_wSchema == 0xFFFF) throw CArchiveException(CArchiveException::badClass);
  auto it = m_storeMap.find(pClassRef);
  if (it != m_storeMap.end()) {
    WriteIndex(it->second, dwBigClassTag);
    return;
  }
  *this << wNewClassTag << WORD(pClassRef->m_wSchema);
  WORD len = WORD(std::strlen(pClassRef->m_lpszClassName));
  *this << len;
  Write(pClassRef->m_lpszClassName, len);
  if (m_nMapCount >= nMaxMapCount) throw CArchiveException(CArchiveException::badIndex);
  m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb) {
  if (!pOb) {
    *this << wNullTag;
    return;
  }
  auto it = m_storeMap.find(pOb);
  if (it != m_storeMap.end()) {
    WriteIndex(it->second, 0);
    return;
  }
  WriteClass(pOb->GetRuntimeClass());
  if (m_nMapCount >= nMaxMapCount) throw CArchiveException(CArchiveException::badIndex);
  m_storeMap[pOb] = m_nMapCount++;
  const_cast<CObject*>(pOb)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* requested, DWORD* pObTag) {
  WORD wTag;
  *this >> wTag;
  DWORD obTag;
  if (wTag == wBigObjectTag) {
    *this >> obTag;
  } else {
    obTag = (DWORD(wTag & wClassTag) << 16) | (wTag & ~wClassTag);
  }
  const CRuntimeClass* cls = nullptr;
  if (wTag == wNewClassTag) {
    WORD schema, len;
    *this >> schema >> len;
    EnsureAvailable(len);
    std::string name(len, '\0');
    ReadExact(name.data(), len);
    cls = CRuntimeClass::FromName(name.c_str());
    if (!cls || !cls->m_pfnCreateObject) throw CArchiveException(CArchiveException::badClass);
    if (cls->m_wSchema != schema) throw CArchiveException(CArchiveException::badSchema);
    if (m_nMapCount >= nMaxMapCount) throw CArchiveException(CArchiveException::badIndex);
    m_loadArray.push_back({cls, nullptr});
    m_nMapCount++;
  } else if (obTag & dwBigClassTag) {
    DWORD index = obTag & ~dwBigClassTag;
    if (index == 0 || index >= m_nMapCount || !m_loadArray[index].cls || m_loadArray[index].obj)
      throw CArchiveException(CArchiveException::badIndex);
    cls = m_loadArray[index].cls;
  } else {
    *pObTag = obTag;
    return nullptr;
  }
  if (requested && !cls->IsDerivedFrom(requested)) throw CArchiveException(CArchiveException::badClass);
  return cls;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
  if (!IsLoading()) throw CArchiveException(CArchiveException::writeOnly);
  DWORD obTag = 0;
  const CRuntimeClass* cls = ReadClass(pClassRefRequested, &obTag);
  if (!cls) {
    if (obTag == 0) return nullptr;
    // A reference to an object read before in this archive.
    if (obTag >= m_nMapCount || !m_loadArray[obTag].obj) throw CArchiveException(CArchiveException::badIndex);
    CObject* pOb = m_loadArray[obTag].obj;
    if (pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
      throw CArchiveException(CArchiveException::badClass);
    return pOb;
  }
  CObject* pOb = cls->CreateObject();
  if (!pOb) throw CArchiveException(CArchiveException::badClass);
  if (m_nMapCount >= nMaxMapCount) {
    delete pOb;
    throw CArchiveException(CArchiveException::badIndex);
  }
  m_loadArray.push_back({nullptr, pOb});
  m_nMapCount++;
  if (++m_nDepth > kMaxDepth) m_bFailed = true;
  try {
    if (m_bFailed) throw CArchiveException(CArchiveException::genericException);
    pOb->Serialize(*this);
  } catch (...) {
    // The object and what it read are freed; the archive refuses further reads, so that
    // nothing can refer to them again.
    m_bFailed = true;
    m_nDepth--;
    delete pOb;
    throw;
  }
  m_nDepth--;
  return pOb;
}

CObject* CArchive::ReadNewObject(const CRuntimeClass* pClassRefRequested) {
  DWORD countBefore = m_nMapCount;
  CObject* pOb = ReadObject(pClassRefRequested);
  if (!pOb || m_nMapCount == countBefore) {
    m_bFailed = true;
    throw CArchiveException(CArchiveException::badIndex);
  }
  return pOb;
}
