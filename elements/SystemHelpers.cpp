#include "elements/SystemHelpers.h"

#include <filesystem>
#include <string_view>
#include <utility>

#include "platform/SystemError.h"

namespace fs = std::filesystem;

const OSVERSIONINFO g_VersionInfo = {sizeof(OSVERSIONINFO), 5, 1, 2600, VER_PLATFORM_WIN32_NT, "Service Pack 3"};

namespace {

// * for any run of characters, ? for any one character.
bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0;
  size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Whether an entry that the pattern names is a folder (wantFolder) or anything else.
bool AnyEntryMatches(const char* pattern, bool wantFolder) {
  if (!pattern || !*pattern) return false;
  std::error_code error;
  fs::path path(pattern);
  std::string name = path.filename().string();
  if (name.find_first_of("*?") == std::string::npos) {
    fs::file_status status = fs::status(path, error);
    return !error && fs::exists(status) && fs::is_directory(status) == wantFolder;
  }
  fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  // The walk meets "." and ".." in every folder but the root, so "folder/*" names a folder
  // even when it is empty.
  if (wantFolder && fs::is_directory(folder, error) && folder.root_path() != folder &&
      (MatchesWildcard(name, ".") || MatchesWildcard(name, "..")))
    return true;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code statusError;
    if (MatchesWildcard(name, it->path().filename().string()) && it->is_directory(statusError) == wantFolder &&
        !statusError)
      return true;
  }
  return false;
}

}  // namespace

BOOL CheckWindowsVersion() {
  return g_VersionInfo.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ||
         (g_VersionInfo.dwPlatformId == VER_PLATFORM_WIN32_NT && g_VersionInfo.dwMajorVersion <= 5);
}

void FormatSystemMessage(DWORD code, CStringW& out) { out = CStringW(SystemErrorText(int(code))); }

BOOL DirectoryExists(const char* pattern) { return AnyEntryMatches(pattern, true); }

BOOL FileExists(const char* pattern) { return AnyEntryMatches(pattern, false); }

void SwapInts(int* a, int* b) {
  if (a && b) std::swap(*a, *b);
}
