#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "elements/SystemHelpers.h"

namespace fs = std::filesystem;

TEST(SystemHelpers, VersionRecordIsTheNtPlatform) {
  EXPECT_EQ(g_VersionInfo.dwOSVersionInfoSize, sizeof(OSVERSIONINFO));
  EXPECT_EQ(g_VersionInfo.dwPlatformId, VER_PLATFORM_WIN32_NT);
  EXPECT_LE(g_VersionInfo.dwMajorVersion, 5u);
  EXPECT_TRUE(CheckWindowsVersion());
}

TEST(SystemHelpers, SystemMessageOfKnownAndUnknownErrors) {
  CStringW out(u"stale");
  FormatSystemMessage(ENOENT, out);
  EXPECT_FALSE(out.IsEmpty());
  FormatSystemMessage(0xFFFFFFFFu, out);
  EXPECT_TRUE(out.IsEmpty());
  FormatSystemMessage(100000, out);
  EXPECT_TRUE(out.IsEmpty());
}

class SystemHelpersFiles : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("qr_files_" + std::to_string(::getpid()));
    fs::create_directories(root_ / "sub");
    std::ofstream(root_ / "note.txt") << "x";
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string Path(const char* name) const { return (root_ / name).string(); }

  fs::path root_;
};

TEST_F(SystemHelpersFiles, DirectoryAndFileByPathAndPattern) {
  struct Case { const char* name; BOOL directory, file; } cases[] = {
      {"sub", TRUE, FALSE},    {"note.txt", FALSE, TRUE}, {"missing", FALSE, FALSE},
      {"*", TRUE, TRUE},       {"s*", TRUE, FALSE},       {"*.txt", FALSE, TRUE},
      {"n?te.*", FALSE, TRUE}, {"?", TRUE, FALSE},        {"*.doc", FALSE, FALSE},
      {"sub/*", TRUE, FALSE},  {"sub/*.txt", FALSE, FALSE}, {"sub/a*", FALSE, FALSE},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DirectoryExists(Path(c.name).c_str()), c.directory) << c.name;
    EXPECT_EQ(FileExists(Path(c.name).c_str()), c.file) << c.name;
  }
  // An empty folder still holds "." and "..", as a folder walk meets them.
  EXPECT_FALSE(DirectoryExists((root_ / "missing" / "*").string().c_str()));
  EXPECT_FALSE(FileExists((root_ / "sub" / "*").string().c_str()));
  EXPECT_FALSE(DirectoryExists(""));
  EXPECT_FALSE(FileExists(nullptr));
}

TEST(SystemHelpers, SwapInts) {
  int a = 1, b = 2;
  SwapInts(&a, &b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
  SwapInts(&a, nullptr);
  EXPECT_EQ(a, 2);
}
