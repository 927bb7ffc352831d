#include <sys/stat.h>

#include <libgcab.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/Cabinet.h"
#include "platform/CabinetLayout.h"
#include "platform/CabinetNames.h"
#include "platform/GObjectPtr.h"
#include "platform/TempFolder.h"

namespace fs = std::filesystem;

namespace {

constexpr uint16_t kSetId = 12345;

struct PACK_ITEM {
  std::string path;
  CAB_NAME name;
  WORD date;
  WORD time;
  WORD attributes;
  BOOL bNewFolder;
};

BOOL DescribeFile(const std::string& path, PACK_ITEM* pItem, uint64_t* pSize) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return FALSE;
  const std::string bare = fs::path(path).filename().string();
  if (!IsBareFileName(bare)) return FALSE;
  pItem->path = path;
  pItem->name = EncodeCabinetName(bare);
  ToDosDateTime(info.st_mtime, &pItem->date, &pItem->time);
  pItem->attributes = WORD(kCabArchive | ((info.st_mode & S_IWUSR) ? 0 : kCabReadOnly));
  *pSize = uint64_t(info.st_size);
  return TRUE;
}

// The files in order, each marked where a new folder starts; FALSE for a file that cannot be
// packed, two files of one name, or more than one cabinet holds.
BOOL ListItems(const std::vector<std::string>& files, std::vector<PACK_ITEM>* pItems) {
  std::set<std::string> names;
  uint64_t total = 0;
  uint64_t inFolder = 0;
  BOOL breakPending = TRUE;
  for (const std::string& entry : files) {
    if (entry == kCabinetFolderBreak) {
      breakPending = TRUE;
      continue;
    }
    PACK_ITEM item{};
    uint64_t size = 0;
    if (!DescribeFile(entry, &item, &size) || !names.insert(item.name.bytes).second) return FALSE;
    total += size;
    if (total > kCabinetMaxSize) return FALSE;
    item.bNewFolder = breakPending || inFolder >= kCabinetFolderThreshold;
    inFolder = item.bNewFolder ? size : inFolder + size;
    breakPending = FALSE;
    pItems->push_back(std::move(item));
  }
  return !pItems->empty();
}

// The library writes one folder per cabinet: each folder is compressed into a cabinet of its
// own, and the package is put together from their data blocks with entries of its own.
BOOL CompressFolder(const std::vector<const PACK_ITEM*>& items, const std::string& path) {
  GObjectPtr<GCabCabinet> cabinet(gcab_cabinet_new());
  GObjectPtr<GCabFolder> folder(gcab_folder_new(GCAB_COMPRESSION_MSZIP));
  CGError error;
  if (!gcab_cabinet_add_folder(cabinet.get(), folder.get(), error.Out())) return FALSE;
  for (size_t i = 0; i < items.size(); ++i) {
    GObjectPtr<GFile> source(g_file_new_for_path(items[i]->path.c_str()));
    GObjectPtr<GCabFile> file(gcab_file_new_with_file(std::to_string(i).c_str(), source.get()));
    if (!file || !gcab_folder_add_file(folder.get(), file.get(), FALSE, nullptr, error.Out())) return FALSE;
  }
  GObjectPtr<GFile> target(g_file_new_for_path(path.c_str()));
  GObjectPtr<GFileOutputStream> out(
      g_file_replace(target.get(), nullptr, FALSE, G_FILE_CREATE_PRIVATE, nullptr, error.Out()));
  if (!out) return FALSE;
  const BOOL written =
      gcab_cabinet_write_simple(cabinet.get(), G_OUTPUT_STREAM(out.get()), nullptr, nullptr, nullptr, error.Out());
  CGError closeError;
  return g_output_stream_close(G_OUTPUT_STREAM(out.get()), nullptr, closeError.Out()) && written;
}

struct PART {
  std::string path;
  CCabinetLayout layout;
  uint64_t nDataSize;  // of the blocks that hold data
};

BOOL ReadPart(const std::string& path, size_t fileCount, PART* pPart) {
  pPart->path = path;
  if (!pPart->layout.Read(path) || pPart->layout.m_folders.size() != 1 || pPart->layout.m_files.size() != fileCount)
    return FALSE;
  const CAB_FOLDER_ENTRY& folder = pPart->layout.m_folders[0];
  pPart->nDataSize = folder.nUsedEnd - folder.nDataOffset;
  return TRUE;
}

void Put16(std::ostream& out, uint16_t value) {
  const char bytes[2] = {char(value & 0xFF), char(value >> 8)};
  out.write(bytes, 2);
}

void Put32(std::ostream& out, uint32_t value) {
  Put16(out, uint16_t(value & 0xFFFF));
  Put16(out, uint16_t(value >> 16));
}

BOOL CopyData(const PART& part, std::ostream& out) {
  std::ifstream in(part.path, std::ios::binary);
  in.seekg(std::streamoff(part.layout.m_folders[0].nDataOffset));
  std::vector<char> buffer(65536);
  for (uint64_t left = part.nDataSize; left > 0;) {
    const size_t count = size_t(std::min<uint64_t>(left, buffer.size()));
    if (!in.read(buffer.data(), std::streamsize(count))) return FALSE;
    out.write(buffer.data(), std::streamsize(count));
    left -= count;
  }
  return bool(out);
}

using GROUPS = std::vector<std::vector<const PACK_ITEM*>>;

struct PACKAGE_SIZES {
  uint64_t nFiles = 0;
  uint64_t nEntries = 0;      // bytes of the file entries
  uint64_t nFilesOffset = 0;  // where the file entries start
  uint64_t nTotal = 0;
};

PACKAGE_SIZES MeasurePackage(const GROUPS& groups, const std::vector<PART>& parts) {
  PACKAGE_SIZES sizes;
  for (const auto& group : groups)
    for (const PACK_ITEM* item : group) {
      ++sizes.nFiles;
      sizes.nEntries += 16 + item->name.bytes.size() + 1;
    }
  sizes.nFilesOffset = 36 + 8 * uint64_t(parts.size());
  sizes.nTotal = sizes.nFilesOffset + sizes.nEntries;
  for (const PART& part : parts) sizes.nTotal += part.nDataSize;
  return sizes;
}

void WriteHeader(std::ostream& out, const PACKAGE_SIZES& sizes, size_t folders) {
  out.write("MSCF", 4);
  for (uint64_t value : {uint64_t(0), sizes.nTotal, uint64_t(0), sizes.nFilesOffset, uint64_t(0)})
    Put32(out, uint32_t(value));
  out.put(3);  // format 1.3
  out.put(1);
  for (uint64_t value : {uint64_t(folders), sizes.nFiles, uint64_t(0), uint64_t(kSetId), uint64_t(0)})
    Put16(out, uint16_t(value));
}

void WriteFolders(std::ostream& out, const PACKAGE_SIZES& sizes, const std::vector<PART>& parts) {
  uint64_t dataOffset = sizes.nFilesOffset + sizes.nEntries;
  for (const PART& part : parts) {
    Put32(out, uint32_t(dataOffset));
    Put16(out, part.layout.m_folders[0].nUsedBlocks);
    Put16(out, part.layout.m_folders[0].nCompression);
    dataOffset += part.nDataSize;
  }
}

// Sizes and offsets as compressed; the stored names, local times and attributes our own.
void WriteEntries(std::ostream& out, const GROUPS& groups, const std::vector<PART>& parts) {
  for (size_t g = 0; g < groups.size(); ++g) {
    for (size_t i = 0; i < groups[g].size(); ++i) {
      const PACK_ITEM& item = *groups[g][i];
      const CAB_FILE_ENTRY& stored = parts[g].layout.m_files[i];
      Put32(out, stored.nSize);
      Put32(out, stored.nOffset);
      const WORD attributes = WORD((item.attributes & kCabKeptAttributes) | item.name.attribute);
      for (uint16_t value : {uint16_t(g), item.date, item.time, attributes}) Put16(out, value);
      out.write(item.name.bytes.c_str(), std::streamsize(item.name.bytes.size() + 1));
    }
  }
}

// A full disk may show only when the buffer is written out or the file is closed.
BOOL Assemble(const GROUPS& groups, const std::vector<PART>& parts, std::filebuf& buffer) {
  const PACKAGE_SIZES sizes = MeasurePackage(groups, parts);
  if (sizes.nTotal > kCabinetMaxSize || parts.size() > 0xFFFF || sizes.nFiles > 0xFFFF) return FALSE;
  std::ostream out(&buffer);
  WriteHeader(out, sizes, parts.size());
  WriteFolders(out, sizes, parts);
  WriteEntries(out, groups, parts);
  for (const PART& part : parts)
    if (!CopyData(part, out)) return FALSE;
  const BOOL flushed = bool(out.flush());
  return buffer.close() != nullptr && flushed;
}

BOOL WritePackage(const std::vector<PACK_ITEM>& items, const std::string& work, const std::string& path,
                  PackageBufferMaker makeBuffer) {
  GROUPS groups;
  for (const PACK_ITEM& item : items) {
    if (item.bNewFolder) groups.emplace_back();
    groups.back().push_back(&item);
  }
  std::vector<PART> parts(groups.size());
  for (size_t g = 0; g < groups.size(); ++g) {
    const std::string partPath = (fs::path(work) / ("part" + std::to_string(g))).string();
    if (!CompressFolder(groups[g], partPath) || !ReadPart(partPath, groups[g].size(), &parts[g])) return FALSE;
  }
  std::unique_ptr<std::filebuf> buffer = makeBuffer ? makeBuffer() : std::make_unique<std::filebuf>();
  if (!buffer || !buffer->open(path, std::ios::out | std::ios::binary | std::ios::trunc)) return FALSE;
  return Assemble(groups, parts, *buffer);
}

}  // namespace

BOOL PackCabinet(const std::vector<std::string>& files, const std::string& folder, const std::string& name,
                 PackageBufferMaker makeBuffer) {
  try {
    if (!IsBareFileName(name)) return FALSE;
    std::vector<PACK_ITEM> items;
    CTempFolder work(folder);
    if (!ListItems(files, &items) || !work.IsValid()) return FALSE;
    const std::string written = (fs::path(work.GetPath()) / "package").string();
    if (!WritePackage(items, work.GetPath(), written, makeBuffer)) return FALSE;
    std::error_code error;
    fs::rename(written, fs::path(folder) / name, error);
    return !error;
  } catch (...) {
    return FALSE;
  }
}
