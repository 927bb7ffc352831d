#pragma once
// Where a save writes, and whether it may: a save through a symbolic link replaces the file
// the link names and keeps the link; a file the user may not write is never replaced.

#include <filesystem>
#include <string>

// The absolute path of the file a save at path writes: the end of its chain of symbolic
// links. Returns 0, or the errno that tells why no save may go there: a loop of links, a
// folder or other non-file, or a file the user may not write. A file without any write
// bit counts as read-only for everyone, the superuser too, as the read-only attribute does.
int ResolveSaveTarget(const std::string& path, std::filesystem::path* pTarget);
