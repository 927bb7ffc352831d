#pragma once
// Byte streams for archives: a file on disk or a growable block in memory.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CFileException {
 public:
  enum Cause { none, generic, fileNotFound, accessDenied, endOfFile, badSeek, diskFull };
  CFileException(Cause cause, std::string path) : m_cause(cause), m_strFileName(std::move(path)) {}
  Cause m_cause;
  std::string m_strFileName;
};

class CFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  CFile() = default;
  CFile(const char* path, UINT flags);  // throws CFileException
  virtual ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  virtual BOOL Open(const char* path, UINT flags, CFileException* error = nullptr);
  virtual void Close();
  // Reads up to count bytes; returns how many were read.
  virtual UINT Read(void* buffer, UINT count);
  virtual void Write(const void* buffer, UINT count);
  virtual uint64_t Seek(int64_t offset, UINT from);
  virtual uint64_t GetPosition() const;
  virtual uint64_t GetLength() const;
  virtual void Flush();
  void SeekToBegin() { Seek(0, begin); }
  uint64_t SeekToEnd() { return Seek(0, end); }
  const std::string& GetFilePath() const { return m_strFileName; }

 protected:
  std::FILE* m_file = nullptr;
  std::string m_strFileName;
};

// A file in memory that grows in steps of nGrowBytes.
class CMemFile : public CFile {
 public:
  explicit CMemFile(UINT nGrowBytes = 1024);
  CMemFile(const BYTE* data, UINT size);  // a copy of the data, positioned at its start

  BOOL Open(const char*, UINT, CFileException* = nullptr) override { return FALSE; }
  void Close() override {}
  UINT Read(void* buffer, UINT count) override;
  void Write(const void* buffer, UINT count) override;
  uint64_t Seek(int64_t offset, UINT from) override;
  uint64_t GetPosition() const override { return m_nPosition; }
  uint64_t GetLength() const override { return m_data.size(); }
  void Flush() override {}
  void SetLength(uint64_t length);

  const std::vector<BYTE>& Data() const { return m_data; }
  std::vector<BYTE> Detach();

 private:
  std::vector<BYTE> m_data;
  uint64_t m_nPosition = 0;
  UINT m_nGrowBytes;
};
