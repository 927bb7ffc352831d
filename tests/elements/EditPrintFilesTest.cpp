#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

#include "elements/EditPrint.h"
#include "tests/support/StringWPrint.h"

namespace {

namespace fs = std::filesystem;

TEST(EditPrintFilesTest, SplitsPathsIntoTheirParts) {
  struct Case {
    const char* path;
    const char16_t* drive;
    const char16_t* dir;
    const char16_t* fname;
    const char16_t* ext;
  } cases[] = {
      {"/home/user/sheets/test.qvf", u"", u"/home/user/sheets/", u"test", u".qvf"},
      {"C:\\work\\a.b.qvf", u"C:", u"\\work\\", u"a.b", u".qvf"},
      {"/dir.d/noext", u"", u"/dir.d/", u"noext", u""},
      {"relative/mixed\\name.qvp", u"", u"relative/mixed\\", u"name", u".qvp"},
      {"plain.qvf", u"", u"", u"plain", u".qvf"},
      {"/tmp/問題.qvf", u"", u"/tmp/", u"問題", u".qvf"},
      {"", u"", u"", u"", u""},
  };
  for (const Case& c : cases) {
    CEditPrint sheet;
    sheet.SetPathName(c.path);
    EXPECT_EQ(sheet.m_strDrive, c.drive) << c.path;
    EXPECT_EQ(sheet.m_strDir, c.dir) << c.path;
    EXPECT_EQ(sheet.m_strFname, c.fname) << c.path;
    EXPECT_EQ(sheet.m_strExt, c.ext) << c.path;
  }
}

TEST(EditPrintFilesTest, KeepsLongFoldersWhole) {
  const std::string folder = "/" + std::string(300, 'f') + "/";
  CEditPrint sheet;
  sheet.SetPathName((folder + "x.qvf").c_str());
  EXPECT_EQ(sheet.m_strDir.GetLength(), 302);
  sheet.SetPathName(nullptr);
  EXPECT_TRUE(sheet.m_strPath.IsEmpty());
  EXPECT_TRUE(sheet.m_strDir.IsEmpty());
}

class EditPrintFileListsTest : public ::testing::Test {
 protected:
  std::string Make(const char* name) {
    const std::string path = (fs::path(dir.path().toStdString()) / name).string();
    std::ofstream(path) << "x";
    return path;
  }
  std::string Path(const char* name) const { return (fs::path(dir.path().toStdString()) / name).string(); }

  QTemporaryDir dir;
  CEditPrint sheet;
};

TEST_F(EditPrintFileListsTest, DeletesListedFilesOnlyAndSkipsWhatIsGone) {
  const std::string a = Make("a.png"), b = Make("b.bin"), kept = Make("kept.png");
  fs::create_directory(Path("folder"));
  sheet.AddExtractedFile(a.c_str());
  sheet.AddExtractedFile(Path("gone.png").c_str());
  sheet.AddExtractedFile(Path("folder").c_str());
  sheet.AddExtractedFile(b.c_str());
  sheet.AddExtractedFile("");
  sheet.AddExtractedFile(nullptr);

  sheet.DeleteExtractedFiles();
  EXPECT_FALSE(fs::exists(a));
  EXPECT_FALSE(fs::exists(b));
  EXPECT_TRUE(fs::exists(kept));
  EXPECT_TRUE(fs::is_directory(Path("folder")));
  EXPECT_EQ(sheet.m_arrExtractedFiles.size(), 5u);  // the list is kept
  sheet.DeleteExtractedFiles();                       // again: nothing left to delete
}

TEST_F(EditPrintFileListsTest, PackFilesAreDeletedAndClearedSeparately) {
  const std::string packed = Make("sheet01.png"), extracted = Make("old01.png");
  sheet.AddExtractedFile(extracted.c_str());
  sheet.AddPackFile(packed.c_str());
  sheet.DeletePackFiles();
  EXPECT_FALSE(fs::exists(packed));
  EXPECT_TRUE(fs::exists(extracted));
  EXPECT_EQ(sheet.m_arrPackFiles.size(), 1u);
  sheet.ClearPackFiles();
  EXPECT_TRUE(sheet.m_arrPackFiles.empty());
  EXPECT_EQ(sheet.m_arrExtractedFiles.size(), 1u);
}

}  // namespace
