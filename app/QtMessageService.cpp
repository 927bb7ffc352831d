#include "app/QtMessageService.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace {

QString ToQString(const CStringW& s) { return QString::fromStdU16String(s.str()); }

// Qt reads the patterns from the last parentheses of a filter's name.
QString FilterName(const FILE_FILTER& filter) {
  const QString text = ToQString(filter.text);
  const QString pattern = ToQString(filter.pattern);
  return text.endsWith("(" + pattern + ")") ? text : text + " (" + pattern + ")";
}

QString FilterText(const std::vector<FILE_FILTER>& filters, QStringList* pNames = nullptr) {
  QStringList names;
  for (const FILE_FILTER& filter : filters) names << FilterName(filter);
  if (pNames) *pNames = names;
  return names.join(";;");
}

// Qt's save dialog hands the chosen filter's extension to the name, so all files ("*.*") makes
// "無題.*". A pattern is never part of a name: such a name takes the default extension.
QString WithoutPattern(const QString& path, const QString& defaultExt) {
  const qsizetype dot = path.lastIndexOf(u'.');
  if (dot <= path.lastIndexOf(u'/') + 1) return path;
  const QStringView suffix = QStringView(path).mid(dot + 1);
  if (!suffix.contains(u'*') && !suffix.contains(u'?')) return path;
  return defaultExt.isEmpty() ? path.left(dot) : path.left(dot + 1) + defaultExt;
}

QMessageBox::Icon IconOf(int nIcon) {
  switch (nIcon) {
    case MB_ICON_EXCLAMATION: return QMessageBox::Warning;
    case MB_ICON_INFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

int CQtMessageService::ShowMessage(const CStringW& text, const CStringW& caption, int nButtons, int nIcon) {
  QMessageBox box(IconOf(nIcon), ToQString(caption), ToQString(text), QMessageBox::NoButton, m_pOwner);
  if (nButtons == MB_BUTTONS_YESNOCANCEL) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return ANSWER_YES;
    case QMessageBox::No: return ANSWER_NO;
    case QMessageBox::Cancel: return ANSWER_CANCEL;
    default: return ANSWER_OK;
  }
}

BOOL CQtMessageService::AskOpenPath(const CStringW& title, const std::vector<FILE_FILTER>& filters,
                                    std::string* pPath) {
  const QString path = QFileDialog::getOpenFileName(m_pOwner, ToQString(title), QString(), FilterText(filters));
  if (path.isEmpty()) return FALSE;
  if (pPath) *pPath = path.toStdString();
  return TRUE;
}

BOOL CQtMessageService::AskSavePath(const CStringW& title, const CStringW& initialName, const CStringW& defaultExt,
                                    const std::vector<FILE_FILTER>& filters, std::string* pPath, int* pFilter) {
  QStringList names;
  FilterText(filters, &names);
  QFileDialog dialog(m_pOwner, ToQString(title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(names);
  dialog.setDefaultSuffix(ToQString(defaultExt));
  dialog.selectFile(ToQString(initialName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return FALSE;
  if (pPath) *pPath = WithoutPattern(dialog.selectedFiles().front(), ToQString(defaultExt)).toStdString();
  if (pFilter) *pFilter = int(names.indexOf(dialog.selectedNameFilter())) + 1;
  return TRUE;
}
