#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

#include "tests/elements/SheetPages.h"
#include "tests/support/TestPaths.h"
#include "tests/xmlformat/RichSheet.h"
#include "xmlformat/SheetReader.h"

namespace {

// The screen's 96 dots per inch at a zoom of 300 %.
constexpr int kDotsPerInch = 288;

class RichSheetPng : public ::testing::TestWithParam<int> {
 protected:
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  const int m_bSavedVertical = g_bVerticalWriting;
  QTemporaryDir m_dir;
};

TEST_P(RichSheetPng, TheFirstPageForAPersonToLookAt) {
  const int vertical = GetParam();
  CEditPrint sheet;
  ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&sheet, vertical));
  rich_sheet::FillRichSheet(sheet, m_dir.path());
  LayOutSheet(sheet, vertical);
  const std::string name = std::string("sample-sheet-") + (vertical ? "vertical" : "horizontal") + ".png";
  EXPECT_TRUE(DrawPageImage(sheet, vertical, 1, kDotsPerInch).save(QString::fromStdString(BuildPath(name))));
}

INSTANTIATE_TEST_SUITE_P(BothDirections, RichSheetPng, ::testing::Values(0, 1));

}  // namespace
