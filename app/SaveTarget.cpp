#include "app/SaveTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinks = 40;

int ErrnoOf(const std::error_code& error) {
  return error.category() == std::generic_category() || error.category() == std::system_category() ? error.value()
                                                                                                   : EIO;
}

// The file the chain of links ends in, which need not exist.
int FollowLinks(fs::path path, fs::path* pEnd) {
  for (int hops = 0;; ++hops) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found) break;
    if (error) return ErrnoOf(error);
    if (!fs::is_symlink(status)) break;
    if (hops == kMaxLinks) return ELOOP;
    const fs::path next = fs::read_symlink(path, error);
    if (error) return ErrnoOf(error);
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  *pEnd = path.lexically_normal();
  return 0;
}

int CheckWritable(const fs::path& file) {
  struct stat info;
  if (::stat(file.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
  if (S_ISDIR(info.st_mode)) return EISDIR;
  if (!S_ISREG(info.st_mode)) return EINVAL;
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
  return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

}  // namespace

int ResolveSaveTarget(const std::string& path, fs::path* pTarget) {
  if (path.empty()) return ENOENT;
  std::error_code error;
  const fs::path absolute = fs::absolute(fs::path(path), error);
  if (error) return ErrnoOf(error);
  fs::path end;
  if (const int failure = FollowLinks(absolute, &end)) return failure;
  if (end.filename().empty()) return EISDIR;
  if (const int failure = CheckWritable(end)) return failure;
  *pTarget = end;
  return 0;
}
