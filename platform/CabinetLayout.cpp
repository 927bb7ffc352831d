#include "platform/CabinetLayout.h"

#include <fstream>

namespace {

constexpr uint16_t kPrevCabinet = 0x0001;
constexpr uint16_t kNextCabinet = 0x0002;
constexpr uint16_t kReservePresent = 0x0004;
constexpr uint32_t kMaxBlockInput = 32768 + 6144;
constexpr uint32_t kMaxBlockOutput = 32768;
constexpr size_t kMaxNameBytes = 256;

class CReader {
 public:
  explicit CReader(const std::string& path) : m_in(path, std::ios::binary) {
    if (m_in) {
      m_in.seekg(0, std::ios::end);
      m_nSize = uint64_t(m_in.tellg());
      m_in.seekg(0);
    }
  }
  BOOL IsOpen() const { return bool(m_in); }
  uint64_t Size() const { return m_nSize; }
  uint64_t Position() { return uint64_t(m_in.tellg()); }
  BOOL Seek(uint64_t position) {
    if (position > m_nSize) return FALSE;
    m_in.clear();
    m_in.seekg(std::streamoff(position));
    return bool(m_in);
  }
  BOOL Skip(uint64_t count) { return Seek(Position() + count); }
  BOOL Bytes(void* buffer, size_t count) {
    if (Position() + count > m_nSize) return FALSE;
    m_in.read(static_cast<char*>(buffer), std::streamsize(count));
    return bool(m_in);
  }
  BOOL U8(uint8_t* value) { return Bytes(value, 1); }
  BOOL U16(uint16_t* value) {
    uint8_t b[2];
    if (!Bytes(b, 2)) return FALSE;
    *value = uint16_t(b[0] | (b[1] << 8));
    return TRUE;
  }
  BOOL U32(uint32_t* value) {
    uint8_t b[4];
    if (!Bytes(b, 4)) return FALSE;
    *value = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
    return TRUE;
  }
  BOOL String(std::string* value) {
    value->clear();
    for (char c = 0; value->size() <= kMaxNameBytes;) {
      if (!Bytes(&c, 1)) return FALSE;
      if (c == '\0') return TRUE;
      value->push_back(c);
    }
    return FALSE;
  }

 private:
  std::ifstream m_in;
  uint64_t m_nSize = 0;
};

struct HEADER {
  uint32_t nFilesOffset = 0;
  uint16_t nFolders = 0;
  uint16_t nFiles = 0;
  uint8_t nFolderReserve = 0;
  uint8_t nDataReserve = 0;
};

BOOL ReadHeader(CReader& in, HEADER* pHeader) {
  char signature[4];
  uint32_t skipped;
  uint8_t minor, major;
  uint16_t flags, setId, index;
  if (!in.Bytes(signature, 4) || std::string(signature, 4) != "MSCF") return FALSE;
  if (!in.U32(&skipped) || !in.U32(&skipped) || !in.U32(&skipped) || !in.U32(&pHeader->nFilesOffset) ||
      !in.U32(&skipped) || !in.U8(&minor) || !in.U8(&major) || !in.U16(&pHeader->nFolders) ||
      !in.U16(&pHeader->nFiles) || !in.U16(&flags) || !in.U16(&setId) || !in.U16(&index))
    return FALSE;
  if (major != 1 || (flags & (kPrevCabinet | kNextCabinet))) return FALSE;
  if (flags & kReservePresent) {
    uint16_t headerReserve;
    if (!in.U16(&headerReserve) || !in.U8(&pHeader->nFolderReserve) || !in.U8(&pHeader->nDataReserve) ||
        !in.Skip(headerReserve))
      return FALSE;
  }
  return TRUE;
}

// Packages are written with MSZIP; stored data is read too. Quantum and LZX are refused.
BOOL IsKnownCompression(uint16_t type) { return type == 0 || type == 1; }

BOOL ReadBlocks(CReader& in, uint8_t reserve, CAB_FOLDER_ENTRY* pFolder) {
  if (!in.Seek(pFolder->nDataOffset)) return FALSE;
  pFolder->nUncompressed = 0;
  pFolder->nUsedBlocks = 0;
  pFolder->nUsedEnd = pFolder->nDataOffset;
  for (int i = 0; i < pFolder->nBlocks; ++i) {
    uint32_t checksum;
    uint16_t input, output;
    if (!in.U32(&checksum) || !in.U16(&input) || !in.U16(&output)) return FALSE;
    if (input > kMaxBlockInput || output > kMaxBlockOutput) return FALSE;
    if (!in.Skip(uint64_t(reserve) + input)) return FALSE;
    pFolder->nUncompressed += output;
    if (output == 0) continue;
    pFolder->nUsedBlocks = uint16_t(i + 1);
    pFolder->nUsedEnd = in.Position();
  }
  return TRUE;
}

}  // namespace

BOOL CCabinetLayout::Read(const std::string& path) {
  m_folders.clear();
  m_files.clear();
  CReader in(path);
  HEADER header;
  if (!in.IsOpen() || !ReadHeader(in, &header)) return FALSE;
  for (int i = 0; i < header.nFolders; ++i) {
    CAB_FOLDER_ENTRY folder{};
    if (!in.U32(&folder.nDataOffset) || !in.U16(&folder.nBlocks) || !in.U16(&folder.nCompression) ||
        !in.Skip(header.nFolderReserve) || !IsKnownCompression(folder.nCompression))
      return FALSE;
    m_folders.push_back(folder);
  }
  if (!in.Seek(header.nFilesOffset)) return FALSE;
  for (int i = 0; i < header.nFiles; ++i) {
    CAB_FILE_ENTRY file{};
    file.nPosition = in.Position();
    if (!in.U32(&file.nSize) || !in.U32(&file.nOffset) || !in.U16(&file.nFolder) || !in.U16(&file.nDate) ||
        !in.U16(&file.nTime) || !in.U16(&file.nAttributes) || !in.String(&file.name))
      return FALSE;
    if (file.nFolder >= header.nFolders) return FALSE;  // also the continuation marks of spanned files
    m_files.push_back(std::move(file));
  }
  for (CAB_FOLDER_ENTRY& folder : m_folders)
    if (!ReadBlocks(in, header.nDataReserve, &folder)) return FALSE;
  for (const CAB_FILE_ENTRY& file : m_files)
    if (uint64_t(file.nOffset) + file.nSize > m_folders[file.nFolder].nUncompressed) return FALSE;
  return TRUE;
}
