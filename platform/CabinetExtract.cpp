#include <fcntl.h>
#include <sys/stat.h>

#include <libgcab.h>

#include <cstdio>
#include <filesystem>
#include <set>

#include "platform/Cabinet.h"
#include "platform/CabinetLayout.h"
#include "platform/CabinetNames.h"
#include "platform/GObjectPtr.h"
#include "platform/TempFolder.h"

namespace fs = std::filesystem;

namespace {

struct EXTRACT_ITEM {
  const CAB_FILE_ENTRY* pEntry;
  std::string name;  // decoded, bare
};

// Every entry must have a bare name of its own, and all of them fit one cabinet.
BOOL CheckEntries(const CCabinetLayout& layout, std::vector<EXTRACT_ITEM>* pItems) {
  std::set<std::string> names;
  uint64_t total = 0;
  for (const CAB_FILE_ENTRY& entry : layout.m_files) {
    EXTRACT_ITEM item{&entry, {}};
    if (!DecodeCabinetName(entry.name, entry.nAttributes, &item.name) || !IsBareFileName(item.name) ||
        !names.insert(item.name).second)
      return FALSE;
    total += entry.nSize;
    if (total > kCabinetMaxSize) return FALSE;
    pItems->push_back(std::move(item));
  }
  return TRUE;
}

std::string WorkName(size_t index) { return std::to_string(index); }

// The files go to numbered names in the work folder; the names of the package are used only
// when they are moved out of it.
BOOL ExtractToWork(const std::string& package, const std::vector<EXTRACT_ITEM>& items, const std::string& work) {
  GObjectPtr<GFile> source(g_file_new_for_path(package.c_str()));
  CGError error;
  GObjectPtr<GFileInputStream> in(g_file_read(source.get(), nullptr, error.Out()));
  if (!in) return FALSE;
  GObjectPtr<GCabCabinet> cabinet(gcab_cabinet_new());
  if (!gcab_cabinet_load(cabinet.get(), G_INPUT_STREAM(in.get()), nullptr, error.Out())) return FALSE;
  GPtrArray* folders = gcab_cabinet_get_folders(cabinet.get());
  size_t index = 0;
  for (guint f = 0; folders && f < folders->len; ++f) {
    GSList* files = gcab_folder_get_files(GCAB_FOLDER(g_ptr_array_index(folders, f)));
    for (GSList* l = files; l; l = l->next, ++index) {
      GCabFile* file = GCAB_FILE(l->data);
      const BOOL matches = index < items.size() && items[index].pEntry->name == gcab_file_get_name(file);
      if (!matches) {
        g_slist_free(files);
        return FALSE;
      }
      gcab_file_set_extract_name(file, WorkName(index).c_str());
    }
    g_slist_free(files);
  }
  if (index != items.size()) return FALSE;
  GObjectPtr<GFile> target(g_file_new_for_path(work.c_str()));
  return gcab_cabinet_extract_simple(cabinet.get(), target.get(), nullptr, nullptr, nullptr, error.Out());
}

// Sizes as stored, then the stored local time and the read-only attribute.
BOOL FinishWorkFiles(const std::vector<EXTRACT_ITEM>& items, const std::string& work) {
  for (size_t i = 0; i < items.size(); ++i) {
    const std::string path = (fs::path(work) / WorkName(i)).string();
    const CAB_FILE_ENTRY& entry = *items[i].pEntry;
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || uint64_t(info.st_size) != entry.nSize) return FALSE;
    std::time_t modified;
    if (FromDosDateTime(entry.nDate, entry.nTime, &modified)) {
      const struct timespec times[2] = {{modified, 0}, {modified, 0}};
      ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    }
    if (entry.nAttributes & kCabKeptAttributes & kCabReadOnly)
      ::chmod(path.c_str(), info.st_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH));
  }
  return TRUE;
}

// A file moved before a failure is removed again, so that nothing of the package stays.
BOOL MoveOut(const std::vector<EXTRACT_ITEM>& items, const std::string& work, const fs::path& folder) {
  for (size_t i = 0; i < items.size(); ++i) {
    std::error_code error;
    fs::rename(fs::path(work) / WorkName(i), folder / items[i].name, error);
    if (!error) continue;
    for (size_t k = 0; k < i; ++k) fs::remove(folder / items[k].name, error);
    return FALSE;
  }
  return TRUE;
}

}  // namespace

BOOL ExtractCabinet(const std::string& package, const std::string& folder, std::string* pFirst) {
  if (pFirst) pFirst->clear();
  try {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return FALSE;
    CCabinetLayout layout;
    std::vector<EXTRACT_ITEM> items;
    if (!layout.Read(package) || !CheckEntries(layout, &items)) return FALSE;
    CTempFolder work(folder);
    if (!work.IsValid() || !ExtractToWork(package, items, work.GetPath()) || !FinishWorkFiles(items, work.GetPath()) ||
        !MoveOut(items, work.GetPath(), fs::path(folder)))
      return FALSE;
    if (pFirst && !items.empty()) *pFirst = (fs::path(folder) / items.front().name).string();
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

BOOL IsCabinetFile(const std::string& path) {
  char signature[4] = {};
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return FALSE;
  const size_t read = std::fread(signature, 1, sizeof signature, file);
  std::fclose(file);
  return read == sizeof signature && std::string(signature, 4) == "MSCF";
}
