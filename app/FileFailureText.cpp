#include "app/FileFailureText.h"

#include <QFile>
#include <QString>

#include <cerrno>

#include "platform/SystemError.h"

namespace {

struct ERRNO_REASON {
  int nErrno;
  const char16_t* text;
};

constexpr ERRNO_REASON kReasons[] = {
    {ENOENT, u"ファイルが見つかりません"},
    {EACCES, u"権限がありません"},
    {EPERM, u"権限がありません"},
    {EISDIR, u"フォルダーです"},
    {ENOTDIR, u"途中のフォルダーが見つかりません"},
    {ENAMETOOLONG, u"名前が長すぎます"},
    {ELOOP, u"シンボリックリンクが循環しています"},
    {ENOSPC, u"ディスクに空きがありません"},
    {EDQUOT, u"ディスクの割り当てを超えました"},
    {EROFS, u"読み取り専用のファイルシステムです"},
    {EIO, u"入出力エラーが起きました"},
    {EMFILE, u"開いているファイルが多すぎます"},
    {ENFILE, u"開いているファイルが多すぎます"},
    {EBUSY, u"ファイルが使用中です"},
    {ETXTBSY, u"ファイルが使用中です"},
    {EEXIST, u"同じ名前のファイルがあります"},
    {EXDEV, u"別のファイルシステムへは移せません"},
};

}  // namespace

CStringW FileErrorReason(int nErrno) {
  if (nErrno == 0) return CStringW();
  for (const ERRNO_REASON& reason : kReasons)
    if (reason.nErrno == nErrno) return CStringW(reason.text);
  const std::u16string system = SystemErrorText(nErrno);
  if (!system.empty()) return CStringW(system);
  return CStringW(QStringLiteral("エラー %1").arg(nErrno).toStdU16String());
}

CStringW FileFailureText(const CStringW& sentence, const std::string& path, const CStringW& reason) {
  CStringW text = sentence;
  text += u"\n";
  text += CStringW(QFile::decodeName(QByteArray::fromStdString(path)).toStdU16String());
  if (!reason.IsEmpty()) {
    text += u"（";
    text += reason;
    text += u"）";
  }
  return text;
}

CStringW FileFailureText(const CStringW& sentence, const std::string& path, int nErrno) {
  return FileFailureText(sentence, path, FileErrorReason(nErrno));
}
