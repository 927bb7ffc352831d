#include <gtest/gtest.h>

#include "tests/xmlformat/FoImportFixture.h"

namespace {

std::u16string ObjectDocument(const std::u16string& data) {
  return FoFlowDocument(u"<fo:block-container><fo:block><fo:inline>a</fo:inline><fo:instream-foreign-object>"
                        u"<object data=\"" + data + u"\" width=\"20mm\" height=\"10mm\"/></fo:instream-foreign-object>"
                        u"<fo:inline>b</fo:inline></fo:block></fo:block-container>");
}

TEST_F(FoImportTest, AnObjectIsReadFromItsSideFileAndRecorded) {
  WriteSideFile("sheet-01.bin", 77);
  ASSERT_TRUE(Import(ObjectDocument(u"sheet-01.bin"))) << FoUtf8(m_error);
  EXPECT_EQ(Dump(),
            "CEditPrint\n"
            "  CEditSentence\n"
            "    text a\n"
            "    CEditNode\n"
            "    text b\n"
            "    CR\n");
  auto* object = dynamic_cast<CEditNode*>(m_root.GetChildAt(0)->GetChildAt(1));
  ASSERT_TRUE(object);
  EXPECT_EQ(object->m_nReserved, 77);
  EXPECT_EQ(object->m_nAreaWidth, 2000);
  EXPECT_EQ(object->m_nAreaHeight, 1000);
  CStringW path(SideFile("sheet-01.bin").toStdU16String());
  ASSERT_EQ(m_items.m_paths.size(), 1u);
  EXPECT_EQ(m_items.m_paths[0], path);
  ASSERT_EQ(m_root.m_arrExtractedFiles.size(), 1u);
  EXPECT_EQ(m_root.m_arrExtractedFiles[0], QFile::encodeName(SideFile("sheet-01.bin")).toStdString());
  EXPECT_TRUE(m_warnings.empty());
}

TEST_F(FoImportTest, AMissingObjectGivesALineEndAndOneWarning) {
  ASSERT_TRUE(Import(ObjectDocument(u"sheet-02.bin")));
  EXPECT_EQ(Dump(),
            "CEditPrint\n"
            "  CEditSentence\n"
            "    text a\n"
            "    CR\n"
            "    text b\n"
            "    CR\n");
  ASSERT_EQ(m_warnings.size(), 1u);
  EXPECT_GE(m_warnings[0].Find(u"sheet-02.bin"), 0);
  EXPECT_TRUE(m_root.m_arrExtractedFiles.empty());
}

class FoUnsafeNameTest : public FoImportTest, public ::testing::WithParamInterface<const char16_t*> {};

// Each name would reach a file that exists: inside the folder, above it or elsewhere.
TEST_P(FoUnsafeNameTest, NothingOutsideTheFolderIsOpenedOrRecorded) {
  QDir(m_dir.path()).mkdir(QStringLiteral("sub"));
  WriteSideFile("sub/inner.bin", 1);
  WriteSideFile("x.bin", 2);
  ASSERT_TRUE(Import(ObjectDocument(GetParam())));
  EXPECT_TRUE(m_items.m_paths.empty());
  EXPECT_TRUE(m_root.m_arrExtractedFiles.empty());
  EXPECT_EQ(m_warnings.size(), 1u);
  EXPECT_EQ(m_root.GetChildAt(0)->GetChildCount(), 4);  // a, the object's line end, b, the block's line end
}

INSTANTIATE_TEST_SUITE_P(Names, FoUnsafeNameTest,
                         ::testing::Values(u"", u".", u"..", u"sub/inner.bin", u"sub\\inner.bin", u"../x.bin",
                                           u"./x.bin", u"/etc/hostname", u"C:x.bin", u"C:\\x.bin"));

}  // namespace
