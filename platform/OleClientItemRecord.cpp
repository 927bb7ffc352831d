#include <algorithm>
#include <cstring>

#include "platform/Archive.h"
#include "platform/CompoundFile.h"
#include "platform/File.h"
#include "platform/OleClientItem.h"

namespace {

constexpr BYTE kTag[4] = {'Q', 'O', 'B', 'J'};
constexpr WORD kNoItemVersion = 0;
constexpr WORD kVersion = 1;
// How far into a foreign record its compound file may start.
constexpr size_t kMaxForeignHeader = 256;

void WriteBlock(CArchive& ar, const std::vector<BYTE>& bytes) {
  ar << DWORD(bytes.size());
  ar.Write(bytes.data(), UINT(bytes.size()));
}

std::vector<BYTE> ReadBlock(CArchive& ar) {
  DWORD size;
  ar >> size;
  ar.EnsureAvailable(size);
  std::vector<BYTE> bytes(size);
  ar.ReadExact(bytes.data(), size);
  return bytes;
}

bool IsAspect(DWORD aspect) {
  return aspect == DVASPECT_CONTENT || aspect == DVASPECT_THUMBNAIL || aspect == DVASPECT_ICON ||
         aspect == DVASPECT_DOCPRINT;
}

CFile& FileOf(const CArchive& ar) {
  if (!ar.GetFile()) throw CArchiveException(CArchiveException::genericException);
  return *ar.GetFile();
}

// True when a tag of ours with that version was read; false after reading something else.
bool ReadTag(CArchive& ar, WORD* pVersion) {
  BYTE tag[4];
  ar.ReadExact(tag, sizeof(tag));
  if (std::memcmp(tag, kTag, sizeof(tag)) != 0) return false;
  ar >> *pVersion;
  return true;
}

// The compound file of a class library record: a 32-bit length, then the file, a short way
// in. Gives the offset of the file, 0 when there is none.
size_t FindCompoundFile(const std::vector<BYTE>& head, uint64_t available, DWORD* pSize) {
  for (size_t i = 4; i + sizeof(kCompoundFileSignature) <= head.size(); ++i) {
    if (!IsCompoundFile(head.data() + i, head.size() - i)) continue;
    DWORD size;
    std::memcpy(&size, head.data() + i - 4, 4);
    if (size >= kCompoundFileHeaderSize && size <= available - i) {
      *pSize = size;
      return i;
    }
  }
  return 0;
}

}  // namespace

void COleClientItem::StoreNoItem(CArchive& ar) {
  ar.Write(kTag, sizeof(kTag));
  ar << kNoItemVersion;
}

BOOL COleClientItem::LoadNoItem(CArchive& ar) {
  CFile& file = FileOf(ar);
  uint64_t start = file.GetPosition();
  WORD version = kVersion;
  if (ar.GetRemaining() >= sizeof(kTag) + 2 && ReadTag(ar, &version) && version == kNoItemVersion) return TRUE;
  file.Seek(int64_t(start), CFile::begin);
  return FALSE;
}

void COleClientItem::Serialize(CArchive& ar) {
  if (ar.IsStoring())
    StoreRecord(ar);
  else
    LoadRecord(ar);
}

void COleClientItem::StoreRecord(CArchive& ar) const {
  if (IsForeign()) {
    ar.Write(m_foreign.data(), UINT(m_foreign.size()));
    return;
  }
  ar.Write(kTag, sizeof(kTag));
  ar << kVersion;
  ar.WriteString8(m_strClassName);
  ar << DWORD(m_nDrawAspect) << LONG(m_sizeExtent.cx) << LONG(m_sizeExtent.cy);
  WriteBlock(ar, m_native);
  WriteBlock(ar, m_picture);
}

void COleClientItem::LoadRecord(CArchive& ar) {
  CFile& file = FileOf(ar);
  uint64_t start = file.GetPosition();
  WORD version = 0;
  if (!ReadTag(ar, &version)) {
    file.Seek(int64_t(start), CFile::begin);
    LoadForeignRecord(ar);
    return;
  }
  if (version != kVersion) throw CArchiveException(CArchiveException::badSchema);
  std::string className = ar.ReadString8();
  DWORD aspect;
  LONG cx, cy;
  ar >> aspect >> cx >> cy;
  if (!IsAspect(aspect) || cx < 0 || cy < 0) throw CArchiveException(CArchiveException::badSchema);
  std::vector<BYTE> native = ReadBlock(ar);
  std::vector<BYTE> picture = ReadBlock(ar);
  CreateFromData(std::move(className), std::move(native), SIZE{cx, cy}, std::move(picture));
  m_nDrawAspect = DVASPECT(aspect);
}

// The record runs to the end of its compound file, or to the end of the data without one.
void COleClientItem::LoadForeignRecord(CArchive& ar) {
  CFile& file = FileOf(ar);
  uint64_t start = file.GetPosition();
  uint64_t available = ar.GetRemaining();
  std::vector<BYTE> head(size_t(std::min<uint64_t>(available, kMaxForeignHeader + 8)));
  ar.ReadExact(head.data(), UINT(head.size()));
  file.Seek(int64_t(start), CFile::begin);
  DWORD compoundSize = 0;
  size_t offset = FindCompoundFile(head, available, &compoundSize);
  uint64_t size = offset ? offset + compoundSize : available;
  if (size == 0 || size > 0xFFFFFFFFu) throw CArchiveException(CArchiveException::badSchema);
  std::vector<BYTE> record(static_cast<size_t>(size));
  ar.ReadExact(record.data(), UINT(size));
  std::string className = offset ? CompoundFileClassName(record.data() + offset, compoundSize) : std::string();
  CreateFromData(std::move(className), {}, SIZE{0, 0}, {});
  m_foreign = std::move(record);
}
