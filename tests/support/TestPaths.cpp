#include "tests/support/TestPaths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

std::string BuildDir() { return std::filesystem::path(TestProgramDir()).parent_path().string(); }

std::string SourceDir() {
  static const std::string dir = [] {
    const std::string key = "QR70_SOURCE_DIR:STATIC=";
    std::ifstream cache(BuildDir() + "/CMakeCache.txt");
    for (std::string line; std::getline(cache, line);) {
      if (line.rfind(key, 0) == 0) return line.substr(key.size());
    }
    throw std::runtime_error("the build folder's CMakeCache.txt does not name the source folder");
  }();
  return dir;
}

}  // namespace

std::string TestProgramDir() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

std::string BuildPath(const std::string& name) { return BuildDir() + "/" + name; }

std::string DataPath(const std::string& name) { return SourceDir() + "/tests/data/" + name; }
