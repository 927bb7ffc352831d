#include "platform/File.h"

#include <cerrno>
#include <algorithm>
#include <cstring>

CFile::CFile(const char* path, UINT flags) {
  CFileException error(CFileException::none, path);
  if (!Open(path, flags, &error)) throw error;
}

CFile::~CFile() {
  if (m_file) std::fclose(m_file);
}

BOOL CFile::Open(const char* path, UINT flags, CFileException* error) {
  Close();
  const char* mode = "rb";
  if (flags & modeCreate) {
    mode = (flags & modeNoTruncate) ? "a+b" : ((flags & modeReadWrite) ? "w+b" : "wb");
  } else if (flags & (modeWrite | modeReadWrite)) {
    mode = "r+b";
  }
  m_file = std::fopen(path, mode);
  m_strFileName = path;
  if (!m_file) {
    if (error) {
      error->m_strFileName = path;
      error->m_cause = errno == ENOENT ? CFileException::fileNotFound
                       : errno == EACCES ? CFileException::accessDenied
                                         : CFileException::generic;
    }
    return FALSE;
  }
  if ((flags & modeCreate) && (flags & modeNoTruncate)) std::fseek(m_file, 0, SEEK_SET);
  return TRUE;
}

// Buffered data reaches the disk only here, so a full disk shows as a failed close.
void CFile::Close() {
  if (!m_file) return;
  std::FILE* file = m_file;
  m_file = nullptr;
  if (std::fclose(file) != 0) throw CFileException(CFileException::diskFull, m_strFileName);
}

UINT CFile::Read(void* buffer, UINT count) {
  if (!m_file || count == 0) return 0;
  return UINT(std::fread(buffer, 1, count, m_file));
}

void CFile::Write(const void* buffer, UINT count) {
  if (!m_file) throw CFileException(CFileException::generic, m_strFileName);
  if (count && std::fwrite(buffer, 1, count, m_file) != count)
    throw CFileException(CFileException::diskFull, m_strFileName);
}

uint64_t CFile::Seek(int64_t offset, UINT from) {
  if (!m_file || std::fseek(m_file, long(offset), from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END) != 0)
    throw CFileException(CFileException::badSeek, m_strFileName);
  return GetPosition();
}

uint64_t CFile::GetPosition() const { return m_file ? uint64_t(std::ftell(m_file)) : 0; }

uint64_t CFile::GetLength() const {
  if (!m_file) return 0;
  long here = std::ftell(m_file);
  std::fseek(m_file, 0, SEEK_END);
  long length = std::ftell(m_file);
  std::fseek(m_file, here, SEEK_SET);
  return uint64_t(length);
}

void CFile::Flush() {
  if (m_file && std::fflush(m_file) != 0) throw CFileException(CFileException::diskFull, m_strFileName);
}

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(nGrowBytes ? nGrowBytes : 1024) {}

CMemFile::CMemFile(const BYTE* data, UINT size) : m_data(data, data + size), m_nGrowBytes(1024) {}

UINT CMemFile::Read(void* buffer, UINT count) {
  if (m_nPosition >= m_data.size()) return 0;
  uint64_t available = m_data.size() - m_nPosition;
  UINT n = count < available ? count : UINT(available);
  if (n) std::memcpy(buffer, m_data.data() + m_nPosition, n);
  m_nPosition += n;
  return n;
}

void CMemFile::Write(const void* buffer, UINT count) {
  if (count == 0) return;
  uint64_t needed = m_nPosition + count;
  if (needed > m_data.size()) {
    if (needed > m_data.capacity()) {
      uint64_t grown = ((needed + m_nGrowBytes - 1) / m_nGrowBytes) * m_nGrowBytes;
      m_data.reserve(std::max<uint64_t>(grown, m_data.capacity() * 2));
    }
    m_data.resize(needed);
  }
  std::memcpy(m_data.data() + m_nPosition, buffer, count);
  m_nPosition = needed;
}

uint64_t CMemFile::Seek(int64_t offset, UINT from) {
  int64_t base = from == begin ? 0 : from == current ? int64_t(m_nPosition) : int64_t(m_data.size());
  int64_t target = base + offset;
  if (target < 0) throw CFileException(CFileException::badSeek, {});
  m_nPosition = uint64_t(target);
  return m_nPosition;
}

void CMemFile::SetLength(uint64_t length) {
  m_data.resize(length);
  if (m_nPosition > length) m_nPosition = length;
}

std::vector<BYTE> CMemFile::Detach() {
  m_nPosition = 0;
  return std::move(m_data);
}
