#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/QtMessageService.h"

namespace {

// Answers the save dialog as a user would: a filter chosen, a name typed when there is one,
// then Save.
void AnswerSaveDialog(const QString& filter, const QString& typed) {
  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  if (!dialog) {
    QTimer::singleShot(10, [filter, typed] { AnswerSaveDialog(filter, typed); });
    return;
  }
  dialog->selectNameFilter(filter);
  if (!typed.isEmpty()) dialog->selectFile(typed);
  static_cast<QDialog*>(dialog)->accept();
}

// Choosing a filter never puts its pattern into the name: with all files and no extension of
// its own, the name takes the default extension.
TEST(QtMessageService, SaveDialogNamesNeverCarryAFiltersPattern) {
  const std::vector<FILE_FILTER> filters{{u"プリントファイル(*.qvf)", u"*.qvf"},
                                         {u"HTMLファイル(*.htm)", u"*.htm"},
                                         {u"すべてのファイル(*.*)", u"*.*"}};
  struct ROW {
    const char* initial;
    const char* filter;
    const char* typed;
    const char* saved;
    int nFilter;
  } rows[] = {
      {"無題.qvf", "すべてのファイル(*.*)", "", "無題.qvf", 3},
      {"無題", "すべてのファイル(*.*)", "", "無題.qvf", 3},
      {"無題.qvf", "すべてのファイル(*.*)", "問題", "問題.qvf", 3},
      {"無題.qvf", "すべてのファイル(*.*)", "問題.txt", "問題.txt", 3},
      {"無題.qvf", "HTMLファイル(*.htm)", "", "無題.htm", 2},
      {"無題.qvf", "プリントファイル(*.qvf)", "", "無題.qvf", 1},
  };
  QTemporaryDir dir;
  CQtMessageService service;
  for (const ROW& row : rows) {
    SCOPED_TRACE(row.initial + std::string(" ") + row.filter);
    QTimer::singleShot(0, [&row, &dir] {
      AnswerSaveDialog(QString::fromUtf8(row.filter), *row.typed ? dir.filePath(QString::fromUtf8(row.typed)) : QString());
    });
    std::string path;
    int nFilter = 0;
    const CStringW initial(dir.filePath(QString::fromUtf8(row.initial)).toStdU16String());
    ASSERT_TRUE(service.AskSavePath(u"名前を付けて保存", initial, u"qvf", filters, &path, &nFilter));
    EXPECT_EQ(path, dir.filePath(QString::fromUtf8(row.saved)).toStdString());
    EXPECT_EQ(nFilter, row.nFilter);
  }
}

}  // namespace
