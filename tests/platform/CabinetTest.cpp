#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "platform/AnsiCodePage.h"
#include "platform/Cabinet.h"
#include "platform/CabinetLayout.h"
#include "platform/CabinetNames.h"
#include "platform/TempFolder.h"
#include "tests/support/FailingFileBuffers.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string NoiseBytes(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = char(random() & 0xFF);
  return bytes;
}

std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A sheet "試験" written in one folder with its side files in another, packed into a third.
class CabinetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root.IsValid());
    for (const char* folder : {"xml", "side", "package", "out"}) fs::create_directory(Path(folder));
    xml = "<?xml version=\"1.0\"?><fo:root>" + std::string(5000, 'x') + "</fo:root>";
    png = NoiseBytes(70000, 1);
    bin = std::string(100000, 'b') + NoiseBytes(3000, 2);
    WriteAll(Path("xml") / kXml, xml);
    WriteAll(Path("side") / kPng, png);
    WriteAll(Path("side") / kBin, bin);
  }
  fs::path Path(const std::string& name) const { return fs::path(root.GetPath()) / name; }
  std::vector<std::string> SheetFiles() const {
    return {(Path("xml") / kXml).string(), (Path("side") / kPng).string(), (Path("side") / kBin).string()};
  }
  std::string Package() const { return (Path("package") / kPackage).string(); }
  BOOL PackSheet() { return PackCabinet(SheetFiles(), Path("package").string(), kPackage); }

  static inline const std::string kXml = "試験.qvp";
  static inline const std::string kPng = "試験-01.png";
  static inline const std::string kBin = "試験-02.bin";
  static inline const std::string kPackage = "試験.qvf";
  CTempFolder root;
  std::string xml, png, bin;
};

TEST_F(CabinetTest, RoundTripKeepsBytesNamesAndOrder) {
  ASSERT_TRUE(PackSheet());
  EXPECT_TRUE(IsCabinetFile(Package()));
  for (const std::string& separator : {std::string(), std::string("/")}) {
    SCOPED_TRACE("separator '" + separator + "'");
    fs::remove_all(Path("out"));
    fs::create_directory(Path("out"));
    std::string first;
    ASSERT_TRUE(ExtractCabinet(Package(), Path("out").string() + separator, &first));
    EXPECT_EQ(first, (Path("out") / kXml).string());
    EXPECT_EQ(Listing(Path("out")), (std::vector<std::string>{kPng, kBin, kXml}));
    EXPECT_EQ(ReadAll(Path("out") / kXml), xml);
    EXPECT_EQ(ReadAll(Path("out") / kPng), png);
    EXPECT_EQ(ReadAll(Path("out") / kBin), bin);
  }
}

TEST_F(CabinetTest, NamesAreStoredBareInCp932WithoutTheUtfAttribute) {
  const std::string other = "한글.bin";  // CP932 cannot hold it
  WriteAll(Path("side") / other, "x");
  std::vector<std::string> files = SheetFiles();
  files.push_back((Path("side") / other).string());
  ASSERT_TRUE(PackCabinet(files, Path("package").string(), kPackage));
  CCabinetLayout layout;
  ASSERT_TRUE(layout.Read(Package()));
  ASSERT_EQ(layout.m_files.size(), 4u);
  EXPECT_EQ(layout.m_files[0].name, WideToAnsi(u"試験.qvp"));
  EXPECT_EQ(layout.m_files[0].nAttributes & kCabNameIsUtf, 0);
  EXPECT_EQ(layout.m_files[3].name, other);
  EXPECT_EQ(layout.m_files[3].nAttributes & kCabNameIsUtf, kCabNameIsUtf);
  for (const CAB_FILE_ENTRY& entry : layout.m_files) EXPECT_EQ(entry.nAttributes & 0x7F, kCabArchive);

  std::string first;
  ASSERT_TRUE(ExtractCabinet(Package(), Path("out").string(), &first));
  EXPECT_EQ(ReadAll(Path("out") / other), "x");
}

TEST_F(CabinetTest, FoldersStartAtEachBreakAndBeyondTheThreshold) {
  const std::string large = NoiseBytes(size_t(kCabinetFolderThreshold), 3);
  WriteAll(Path("side") / "large.bin", large);
  WriteAll(Path("side") / "after.bin", "after");
  const std::vector<std::string> files = {(Path("xml") / kXml).string(), kCabinetFolderBreak,
                                          kCabinetFolderBreak, (Path("side") / kPng).string(),
                                          (Path("side") / "large.bin").string(), (Path("side") / "after.bin").string()};
  ASSERT_TRUE(PackCabinet(files, Path("package").string(), kPackage));
  CCabinetLayout layout;
  ASSERT_TRUE(layout.Read(Package()));
  EXPECT_EQ(layout.m_folders.size(), 3u);
  std::vector<int> folders;
  for (const CAB_FILE_ENTRY& entry : layout.m_files) folders.push_back(entry.nFolder);
  EXPECT_EQ(folders, (std::vector<int>{0, 1, 1, 2}));
  for (const CAB_FOLDER_ENTRY& folder : layout.m_folders) EXPECT_EQ(folder.nCompression & 0x0F, 1);
  ASSERT_TRUE(ExtractCabinet(Package(), Path("out").string(), nullptr));
  EXPECT_EQ(ReadAll(Path("out") / "large.bin"), large);
}

TEST_F(CabinetTest, TimesAndReadOnlyComeBack) {
  const fs::path sheet = Path("xml") / kXml;
  const std::time_t stamp = 1700000000;  // an even second
  const struct timespec times[2] = {{stamp, 0}, {stamp, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, sheet.c_str(), times, 0), 0);
  ::chmod(sheet.c_str(), 0444);
  ASSERT_TRUE(PackSheet());
  ASSERT_TRUE(ExtractCabinet(Package(), Path("out").string(), nullptr));
  struct stat info;
  ASSERT_EQ(::stat((Path("out") / kXml).c_str(), &info), 0);
  EXPECT_EQ(info.st_mtime, stamp);
  EXPECT_EQ(info.st_mode & 0222, 0u);
  ASSERT_EQ(::stat((Path("out") / kPng).c_str(), &info), 0);
  EXPECT_NE(info.st_mode & S_IWUSR, 0u);
}

TEST_F(CabinetTest, LongPathsNeedNoFixedBuffers) {
  fs::path deep = Path("out");
  for (int i = 0; i < 6; ++i) deep /= std::string(60, char('a' + i));
  fs::create_directories(deep);
  ASSERT_GT(deep.string().size(), 300u);
  ASSERT_TRUE(PackCabinet(SheetFiles(), deep.string(), kPackage));
  std::string first;
  ASSERT_TRUE(ExtractCabinet((deep / kPackage).string(), deep.string(), &first));
  EXPECT_EQ(first, (deep / kXml).string());
  EXPECT_EQ(ReadAll(deep / kBin), bin);
}

TEST_F(CabinetTest, ExistingFilesAreReplacedWhole) {
  ASSERT_TRUE(PackSheet());
  WriteAll(Path("out") / kXml, std::string(200000, 'o'));
  ASSERT_TRUE(ExtractCabinet(Package(), Path("out").string(), nullptr));
  EXPECT_EQ(ReadAll(Path("out") / kXml), xml);
}

TEST_F(CabinetTest, PackingFailsWithoutWritingAPackage) {
  WriteAll(Path("xml") / kPng, "same bare name as a side file");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {kCabinetFolderBreak},
      {(Path("xml") / "missing.qvp").string()},
      {Path("side").string()},
      {(Path("side") / kPng).string(), (Path("xml") / kPng).string()},
  };
  for (const auto& files : cases) {
    EXPECT_FALSE(PackCabinet(files, Path("package").string(), kPackage)) << files.size();
    EXPECT_TRUE(Listing(Path("package")).empty());
  }
  // More than one cabinet holds: refused before anything is read (the file is sparse).
  const fs::path huge = Path("side") / "huge.bin";
  WriteAll(huge, "");
  fs::resize_file(huge, kCabinetMaxSize + 1);
  EXPECT_FALSE(PackCabinet({(Path("xml") / kXml).string(), huge.string()}, Path("package").string(), kPackage));
  EXPECT_TRUE(Listing(Path("package")).empty());
  EXPECT_FALSE(PackCabinet(SheetFiles(), Path("package").string(), "a/b.qvf"));
  EXPECT_FALSE(PackCabinet(SheetFiles(), Path("missing").string(), kPackage));
}

TEST_F(CabinetTest, EmptyFilesRoundTrip) {
  WriteAll(Path("side") / "empty.bin", "");
  const std::vector<std::string> files = {(Path("side") / "empty.bin").string(), kCabinetFolderBreak,
                                          (Path("xml") / kXml).string(), (Path("side") / "empty.bin").string()};
  EXPECT_FALSE(PackCabinet(files, Path("package").string(), kPackage));  // the same name twice
  ASSERT_TRUE(PackCabinet({files[0], files[1], files[2]}, Path("package").string(), kPackage));
  std::string first;
  ASSERT_TRUE(ExtractCabinet(Package(), Path("out").string(), &first));
  EXPECT_EQ(first, (Path("out") / "empty.bin").string());
  EXPECT_EQ(ReadAll(Path("out") / "empty.bin"), "");
  EXPECT_EQ(ReadAll(Path("out") / kXml), xml);
  CCabinetLayout layout;
  ASSERT_TRUE(layout.Read(Package()));
  EXPECT_EQ(layout.m_folders[0].nBlocks, 0);  // no empty data block
}

TEST_F(CabinetTest, IndependentReaderAcceptsOurPackage) {
  if (std::system("command -v cabextract >/dev/null 2>&1") != 0) GTEST_SKIP() << "cabextract is not installed";
  WriteAll(Path("side") / "empty.bin", "");
  WriteAll(Path("side") / "two-blocks.bin", NoiseBytes(65536, 5));
  std::vector<std::string> files = SheetFiles();
  files.insert(files.begin() + 1, kCabinetFolderBreak);
  for (const char* name : {"+", "empty.bin", "two-blocks.bin"})
    files.push_back(name == kCabinetFolderBreak ? kCabinetFolderBreak : (Path("side") / name).string());
  ASSERT_TRUE(PackCabinet(files, Path("package").string(), kPackage));
  const std::string command = "cabextract -q -t '" + Package() + "' >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

// Packages damaged in place: each must fail and leave the target folder as it was.
class HostileCabinetTest : public CabinetTest {
 protected:
  // Packs files of the given bare names (one byte each) and returns the package's bytes.
  std::string PackNamed(const std::vector<std::string>& names) {
    std::vector<std::string> files;
    for (const std::string& name : names) {
      WriteAll(Path("side") / name, name == "big" ? NoiseBytes(80000, 4) : "z");
      files.push_back((Path("side") / name).string());
    }
    EXPECT_TRUE(PackCabinet(files, Path("package").string(), "h.qvf"));
    return ReadAll(Path("package") / "h.qvf");
  }
  static void Replace(std::string& bytes, const std::string& from, const std::string& to) {
    const size_t at = bytes.find(from + '\0');
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, from.size(), to);
  }
  void ExpectRefused(const std::string& bytes, const std::string& what) {
    WriteAll(Path("package") / "bad.qvf", bytes);
    std::string first = "stale";
    EXPECT_FALSE(ExtractCabinet((Path("package") / "bad.qvf").string(), Path("out").string(), &first)) << what;
    EXPECT_TRUE(first.empty()) << what;
    EXPECT_TRUE(Listing(Path("out")).empty()) << what;
  }
};

TEST_F(HostileCabinetTest, NamesThatLeaveTheFolderOrRepeatAreRefused) {
  struct Case {
    const char* placeholder;
    const char* name;
  } cases[] = {{"zzzz", "../a"}, {"zz", "/a"}, {"zzz", "a\\b"}, {"zzz", "C:a"}, {"z", "."}, {"zy", ".."}};
  for (const Case& c : cases) {
    std::string bytes = PackNamed({"ok.qvp", c.placeholder});
    Replace(bytes, c.placeholder, c.name);
    ExpectRefused(bytes, c.name);
  }
  std::string twice = PackNamed({"aa", "ab"});
  Replace(twice, "ab", "aa");
  ExpectRefused(twice, "duplicate");
  std::string badUtf = PackNamed({"한.x"});
  Replace(badUtf, "한.x", "\xED\x95\x00\x00x");
  ExpectRefused(badUtf, "broken UTF-8");
}

TEST_F(HostileCabinetTest, DamagedStructureOrDataIsRefused) {
  const std::string good = PackNamed({"ok.qvp", "big"});
  CCabinetLayout layout;
  ASSERT_TRUE(layout.Read((Path("package") / "h.qvf").string()));
  const size_t data = layout.m_folders[0].nDataOffset;
  const size_t sizeField = size_t(layout.m_files[1].nPosition);

  const std::vector<std::pair<const char*, std::function<void(std::string&)>>> damages = {
      {"not MSCF", [](std::string& b) { b[0] = 'X'; }},
      {"text file", [](std::string& b) { b = "<?xml version=\"1.0\"?><root/>"; }},
      {"empty file", [](std::string& b) { b.clear(); }},
      {"spanned", [](std::string& b) { b[30] = char(b[30] | 0x02); }},
      {"oversized entry", [&](std::string& b) { b.replace(sizeField, 4, std::string("\x01\x00\x00\x20", 4)); }},
      {"corrupted block", [&](std::string& b) { b[data + 8 + 40] = char(b[data + 8 + 40] ^ 0x55); }},
      {"truncated", [](std::string& b) { b.resize(b.size() / 2); }},
      {"truncated in the last block", [](std::string& b) { b.resize(b.size() - 10); }},
      {"block count too high", [&](std::string& b) { b[36 + 4] = char(b[36 + 4] + 1); }},
      {"Quantum", [&](std::string& b) { b[36 + 6] = 2; }},
      {"LZX", [&](std::string& b) { b[36 + 6] = 3; }},
  };
  for (const auto& [what, damage] : damages) {
    std::string bytes = good;
    damage(bytes);
    ExpectRefused(bytes, what);
  }
}

// A cabinet made by hand: one MSZIP folder of blocks that each claim 32768 bytes (their data
// is never reached), and entries of the given names and sizes laid end to end.
std::string RawCabinet(int blocks, const std::vector<std::pair<std::string, uint32_t>>& files) {
  auto put16 = [](std::string& b, uint32_t v) { b += char(v & 0xFF), b += char((v >> 8) & 0xFF); };
  auto put32 = [&](std::string& b, uint32_t v) { put16(b, v & 0xFFFF), put16(b, v >> 16); };
  std::string entries;
  uint32_t offset = 0;
  for (const auto& [name, size] : files) {
    put32(entries, size), put32(entries, offset);
    for (uint32_t v : {0u, 0x21u, 0u, 0x20u}) put16(entries, v);
    entries += name + '\0';
    offset += size;
  }
  const uint32_t filesOffset = 36 + 8;
  std::string b = "MSCF";
  for (uint32_t v : {0u, 0u, 0u, filesOffset, 0u}) put32(b, v);
  b += char(3), b += char(1);
  for (uint32_t v : {1u, uint32_t(files.size()), 0u, 0u, 0u}) put16(b, v);
  put32(b, uint32_t(filesOffset + entries.size())), put16(b, uint32_t(blocks)), put16(b, 1);
  b += entries;
  for (int i = 0; i < blocks; ++i) put32(b, 0), put16(b, 2), put16(b, 32768), b += "CK";
  return b;
}

TEST_F(HostileCabinetTest, EmptyNamesAndSizesBeyondOneCabinetAreRefused) {
  ExpectRefused(RawCabinet(1, {{"", 10}}), "empty name");
  const uint32_t half = uint32_t(kCabinetMaxSize / 2);
  const int blocks = int((kCabinetMaxSize + 32768) / 32768);
  ExpectRefused(RawCabinet(blocks, {{"a", half}, {"b", half + 1}}), "beyond one cabinet");
  ExpectRefused(RawCabinet(blocks, {{"a", half}, {"b", half}}), "data that is not there");
}

TEST(CabinetNames, EncodingDecodingAndBareNames) {
  const CAB_NAME ascii = EncodeCabinetName("sheet-01.png");
  EXPECT_EQ(ascii.bytes, "sheet-01.png");
  EXPECT_EQ(ascii.attribute, 0);
  std::string decoded;
  ASSERT_TRUE(DecodeCabinetName(WideToAnsi(u"ソ表.qvp"), 0, &decoded));  // trail bytes 0x5C
  EXPECT_EQ(decoded, "ソ表.qvp");
  EXPECT_TRUE(IsBareFileName(decoded));
  for (const char* name : {"", ".", "..", "a/b", "a\\b", "C:a", "/a"}) EXPECT_FALSE(IsBareFileName(name)) << name;
  for (const char* name : {"...", ".qvp", "a b"}) EXPECT_TRUE(IsBareFileName(name)) << name;
}

TEST(CabinetNames, DosTimesRoundTripAndHoldAtTheEnds) {
  WORD date, time;
  const std::time_t stamp = 1700000000;
  ToDosDateTime(stamp, &date, &time);
  std::time_t back = 0;
  ASSERT_TRUE(FromDosDateTime(date, time, &back));
  EXPECT_EQ(back, stamp);
  ToDosDateTime(0, &date, &time);
  EXPECT_EQ(date, (1 << 5) | 1);
  EXPECT_FALSE(FromDosDateTime(0, 0, &back));  // month 0
}

// A package whose bytes do not all reach the disk is no package: the old one stays.
TEST_F(CabinetTest, AFailingWriteOrFlushLeavesTheOldPackage) {
  ASSERT_TRUE(PackSheet());
  const std::string old = ReadAll(Package());
  WriteAll(Path("xml") / kXml, "<changed/>");
  for (PackageBufferMaker make : {&CFlushFailingBuffer::Make, &CWriteFailingBuffer::Make}) {
    EXPECT_FALSE(PackCabinet(SheetFiles(), Path("package").string(), kPackage, make));
    EXPECT_EQ(ReadAll(Package()), old);
    EXPECT_EQ(Listing(Path("package")), std::vector<std::string>{kPackage});
  }
}

}  // namespace
