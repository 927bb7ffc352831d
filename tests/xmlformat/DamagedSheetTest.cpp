#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "elements/EditPrint.h"
#include "tests/support/TestPaths.h"
#include "model/GdiCache.h"
#include "tests/elements/SheetPages.h"
#include "xmlformat/SheetReader.h"
#include "xmlformat/SheetWriter.h"

namespace {

std::string Utf8(const CStringW& s) { return QString::fromStdU16String(s.str()).toStdString(); }

// Sheets that the fuzzer found damaged in ways the reader once let through: each either fails
// to read with a reason, or reads, lays out and saves again.
struct DAMAGED_SHEET {
  const char* file;
  bool reads;
};

void PrintTo(const DAMAGED_SHEET& sheet, std::ostream* os) { *os << sheet.file; }

class DamagedSheetTest : public ::testing::TestWithParam<DAMAGED_SHEET> {
 protected:
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  const int m_bSavedVertical = g_bVerticalWriting;
  QTemporaryDir m_dir;
};

TEST_P(DamagedSheetTest, ReadsWholeOrFailsWithAReason) {
  const std::string path = DataPath(GetParam().file);
  CEditPrint sheet;
  CSheetReader reader;
  const BOOL read = reader.LoadXmlFile(&sheet, path.c_str());
  ASSERT_EQ(bool(read), GetParam().reads) << Utf8(reader.GetError());
  if (!read) {
    EXPECT_FALSE(reader.GetError().IsEmpty());
    return;
  }
  LayOutSheet(sheet, sheet.m_nReserved0);
  CStringW message;
  EXPECT_TRUE(WriteSheetXml(&sheet, m_dir.filePath("saved.qvp").toStdString().c_str(), &message)) << Utf8(message);
}

INSTANTIATE_TEST_SUITE_P(Found, DamagedSheetTest,
                         ::testing::Values(DAMAGED_SHEET{"sheet-without-major-question.qvp", false},
                                           DAMAGED_SHEET{"sheet-part-without-path.qvp", false},
                                           DAMAGED_SHEET{"sheet-question-numbered-out-of-order.qvp", false},
                                           DAMAGED_SHEET{"sheet-runaway-stylesheet.qvp", false}),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           name = name.substr(0, name.find('.'));
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

}  // namespace
