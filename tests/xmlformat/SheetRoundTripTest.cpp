#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "elements/EditPrint.h"
#include "tests/support/TestPaths.h"
#include "model/GdiCache.h"
#include "tests/support/StringWPrint.h"
#include "tests/xmlformat/RichSheet.h"
#include "xmlformat/SheetReader.h"
#include "xmlformat/SheetWriter.h"

namespace {

class SheetRoundTripTest : public ::testing::TestWithParam<BOOL> {
 protected:
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  void BuildRichSheet(CEditPrint& sheet) {
    ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&sheet, GetParam()));
    rich_sheet::FillRichSheet(sheet, m_dir.path());
  }

  QByteArray Bytes(const std::string& path) const {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  const int m_bSavedVertical = g_bVerticalWriting;
  QTemporaryDir m_dir;
};

}  // namespace

// Written, read into a fresh root and written again under the same file title: the same bytes.
TEST_P(SheetRoundTripTest, ARichSheetSavesTheSameAfterReading) {
  CEditPrint first;
  BuildRichSheet(first);
  const std::string path = m_dir.filePath("sheet.qvp").toStdString();
  ASSERT_TRUE(WriteSheetXml(&first, path.c_str()));
  const QByteArray written = Bytes(path);
  const std::u16string declaration = u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>";
  EXPECT_TRUE(written.startsWith(QByteArray(reinterpret_cast<const char*>(declaration.data()), qsizetype(declaration.size() * 2))));
  QFile::remove(QString::fromStdString(BuildPath(GetParam() ? "sample-sheet-vertical.xml" : "sample-sheet-horizontal.xml")));
  QFile::copy(QString::fromStdString(path),
              QString::fromStdString(BuildPath(GetParam() ? "sample-sheet-vertical.xml" : "sample-sheet-horizontal.xml")));

  CEditPrint second;
  CSheetReader reader;
  ASSERT_TRUE(reader.LoadXmlFile(&second, path.c_str())) << QString::fromStdU16String(reader.GetError().str()).toStdString();
  EXPECT_TRUE(reader.GetWarnings().empty());
  ASSERT_TRUE(WriteSheetXml(&second, path.c_str()));
  const QString again = QString::fromUtf16(reinterpret_cast<const char16_t*>(Bytes(path).constData()), Bytes(path).size() / 2);
  const QString before = QString::fromUtf16(reinterpret_cast<const char16_t*>(written.constData()), written.size() / 2);
  int at = 0;
  while (at < again.size() && at < before.size() && again[at] == before[at]) ++at;
  EXPECT_EQ(again.toStdString(), before.toStdString()) << "first difference: " << before.mid(at - 150, 300).toStdString() << "\n---\n" << again.mid(at - 150, 300).toStdString();
  EXPECT_EQ(Bytes(path), written);
}

INSTANTIATE_TEST_SUITE_P(Directions, SheetRoundTripTest, ::testing::Values(FALSE, TRUE),
                         [](const auto& info) { return std::string(info.param ? "Vertical" : "Horizontal"); });
