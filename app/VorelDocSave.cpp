#include <QString>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "app/FileFailureText.h"
#include "app/MessageService.h"
#include "app/SaveTarget.h"
#include "app/VorelDoc.h"
#include "elements/EditPrint.h"
#include "platform/Cabinet.h"
#include "platform/TempFolder.h"
#include "ui/CmdUI.h"
#include "xmlformat/SheetWriter.h"

namespace fs = std::filesystem;

namespace {

constexpr char16_t kSaveFailed[] = u"ファイルの保存に失敗しました。";
constexpr char16_t kSaveTitle[] = u"名前を付けて保存";
constexpr char16_t kSaveHtmlTitle[] = u"HTML形式で保存";
constexpr char16_t kAllFiles[] = u"すべてのファイル(*.*)";
constexpr char16_t kHtmlFilter[] = u"HTMLファイル(*.htm)";
constexpr char16_t kTextFilter[] = u"テキストファイル(*.txt)";

CStringW FromUtf8(const std::string& text) { return CStringW(QString::fromStdString(text).toStdU16String()); }

std::string ToUtf8(const CStringW& text) { return QString::fromStdU16String(text.str()).toStdString(); }

// The file name with everything from its last "." replaced by ext; a name that starts with
// its only "." keeps it.
fs::path WithExtension(const fs::path& path, const char* ext) {
  std::string name = path.filename().string();
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return path.parent_path() / (name + ext);
}

}  // namespace

BOOL CVorelDoc::WritePrintFile(const std::string& path, CStringW* pMessage, CStringW* pReason) {
  if (pMessage) pMessage->Empty();
  if (pReason) pReason->Empty();
  if (!m_pPrint) return FALSE;
  return WriteSheetXml(m_pPrint.get(), path.c_str(), pMessage, pReason);
}

BOOL CVorelDoc::OnSaveDocument(const std::string& path) {
  CStringW message;
  CStringW reason;
  BOOL ok = FALSE;
  try {
    ok = WriteAtomically(path, &message, &reason);
  } catch (...) {
    ok = FALSE;
  }
  if (ok) {
    m_bModified = FALSE;
    return TRUE;
  }
  if (!message.IsEmpty()) ShowLibraryMessage(message);
  ShowLibraryMessage(FileFailureText(kSaveFailed, path, reason));
  return FALSE;
}

// Everything is written into a private folder beside the target, the sheet XML under the
// target's own file title; then the package, or the plain sheet XML after its side files, is
// renamed over the target. A failure leaves the old file as it was, and the folder goes with
// whatever it holds.
BOOL CVorelDoc::WriteAtomically(const std::string& path, CStringW* pMessage, CStringW* pReason) {
  if (!m_pPrint) return FALSE;
  fs::path target;
  if (const int failure = ResolveSaveTarget(path, &target)) {
    *pReason = FileErrorReason(failure);
    return FALSE;
  }
  CTempFolder temp(target.parent_path().string());
  if (!temp.IsValid()) {
    *pReason = FileErrorReason(errno);
    return FALSE;
  }
  const fs::path work(temp.GetPath());
  const CStringW previousPath = m_pPrint->m_strPath;
  std::vector<fs::path> written;
  BOOL ok = FALSE;
  if (m_bCabinet) {
    const fs::path xml = work / (target.stem().string() + ".qvp");
    std::vector<std::string> files;
    if (WritePrintFile(xml.string(), pMessage, pReason)) {
      files.push_back(xml.string());
      files.insert(files.end(), m_pPrint->m_arrPackFiles.begin(), m_pPrint->m_arrPackFiles.end());
    }
    const std::string package = target.filename().string() + ".new";
    ok = !files.empty() && PackFiles(files, work.string(), package);
    written.push_back(work / package);
  } else {
    const fs::path xml = work / target.filename();
    ok = WritePrintFile(xml.string(), pMessage, pReason);
    written.assign(m_pPrint->m_arrPackFiles.begin(), m_pPrint->m_arrPackFiles.end());
    written.push_back(xml);
  }
  ok = ok && MoveBeside(written, target, pReason);
  m_pPrint->ClearPackFiles();
  m_pPrint->SetPathName(ok ? target.string().c_str() : ToUtf8(previousPath).c_str());
  return ok;
}

// Each file takes the place of its namesake beside the target, the last one the target's own;
// a file it replaces passes on its permissions.
BOOL CVorelDoc::MoveBeside(const std::vector<fs::path>& files, const fs::path& target, CStringW* pReason) {
  for (size_t i = 0; i < files.size(); ++i) {
    const fs::path to = i + 1 == files.size() ? target : target.parent_path() / files[i].filename();
    std::error_code error;
    const fs::file_status old = fs::status(to, error);
    if (!error && fs::is_regular_file(old)) fs::permissions(files[i], old.permissions(), error);
    if (const int failure = RenameFile(files[i].string(), to.string())) {
      *pReason = FileErrorReason(failure);
      return FALSE;
    }
  }
  return TRUE;
}

int CVorelDoc::RenameFile(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

BOOL CVorelDoc::PackFiles(const std::vector<std::string>& files, const std::string& folder, const std::string& name) {
  return PackCabinet(files, folder, name);
}

BOOL CVorelDoc::DoSave(BOOL bAskPath) {
  std::string path = m_strPathName;
  const BOOL bWasCabinet = m_bCabinet;
  if (bAskPath || path.empty()) {
    SaveFormat format = SaveFormat::Package;
    if (!AskSavePath(&path, &format)) return FALSE;
    if (format == SaveFormat::Html) return ExportHtml(path);
    if (format == SaveFormat::Text) return ExportText(path);
    m_bCabinet = TRUE;
  }
  if (!OnSaveDocument(path)) {
    // A failed Save As leaves the sheet's own file format as it was.
    m_bCabinet = bWasCabinet;
    return FALSE;
  }
  SetPathName(path);
  return TRUE;
}

// The dialog offers the package, then the formats that have a converter, then all files; the
// chosen filter's meaning, not its place, decides what is written.
BOOL CVorelDoc::AskSavePath(std::string* pPath, SaveFormat* pFormat) {
  if (!m_pMessages) return FALSE;
  std::vector<FILE_FILTER> filters;
  std::vector<SaveFormat> formats;
  auto offer = [&](const CStringW& text, const CStringW& pattern, SaveFormat format) {
    filters.push_back({text, pattern});
    formats.push_back(format);
  };
  offer(CStringW(u"プリントファイル(*.") + CStringW(kDefaultExt) + u")", CStringW(u"*.") + CStringW(kDefaultExt),
        SaveFormat::Package);
  if (CanExport(EXPORT_HTML)) offer(kHtmlFilter, u"*.htm", SaveFormat::Html);
  if (CanExport(EXPORT_TEXT)) offer(kTextFilter, u"*.txt", SaveFormat::Text);
  offer(kAllFiles, u"*.*", SaveFormat::AllFiles);
  const CStringW initial =
      m_strPathName.empty() ? CStringW(kUntitled) + u"." + CStringW(kDefaultExt) : FromUtf8(m_strPathName);
  int nFilter = 0;
  if (!m_pMessages->AskSavePath(kSaveTitle, initial, kDefaultExt, filters, pPath, &nFilter)) return FALSE;
  *pFormat = nFilter >= 1 && size_t(nFilter) <= formats.size() ? formats[size_t(nFilter) - 1] : SaveFormat::AllFiles;
  return TRUE;
}

BOOL CVorelDoc::SaveModified() {
  if (!m_bModified) return TRUE;
  CStringW text = GetTitle();
  text += u" への変更を保存しますか?";
  const int answer = m_pMessages ? m_pMessages->ShowMessage(text, kMessageCaption, MB_BUTTONS_YESNOCANCEL,
                                                             MB_ICON_EXCLAMATION)
                                 : ANSWER_NO;
  if (answer == ANSWER_CANCEL) return FALSE;
  if (answer == ANSWER_YES) return DoSave(FALSE);
  return TRUE;
}

void CVorelDoc::OnFileSaveHtml() {
  if (!CanExport(EXPORT_HTML) || !m_pMessages) return;
  const CStringW initial = m_strPathName.empty() ? CStringW(kUntitled) + u".htm"
                                                 : FromUtf8(WithExtension(m_strPathName, ".htm").string());
  const std::vector<FILE_FILTER> filters{{kHtmlFilter, u"*.htm"}, {kAllFiles, u"*.*"}};
  std::string path;
  int nFilter = 0;
  if (m_pMessages->AskSavePath(kSaveHtmlTitle, initial, u"htm", filters, &path, &nFilter)) ExportHtml(path);
}

void CVorelDoc::OnUpdateFileSaveHtml(CCmdUI* pCmdUI) { pCmdUI->Enable(CanExport(EXPORT_HTML)); }

void CVorelDoc::SetConverter(EXPORT_FORMAT format, std::unique_ptr<CSheetConverter> pConverter) {
  m_pConverters[format] = std::move(pConverter);
}

BOOL CVorelDoc::CanExport(EXPORT_FORMAT format) const { return m_pConverters[format] != nullptr; }

// The sheet goes to the converter as sheet XML in a private folder, named after the target
// with ".tmp"; the folder goes with the file and its side files.
BOOL CVorelDoc::Export(EXPORT_FORMAT format, const std::string& path) {
  CSheetConverter* converter = m_pConverters[format].get();
  if (!converter || !m_pPrint || path.empty()) return FALSE;
  const CStringW previousPath = m_pPrint->m_strPath;
  CStringW message;
  BOOL ok = FALSE;
  try {
    CTempFolder temp;
    const fs::path xml = fs::path(temp.GetPath()) / WithExtension(fs::path(path).filename(), ".tmp");
    ok = temp.IsValid() && WritePrintFile(xml.string(), &message) && converter->Convert(xml.string(), path);
  } catch (...) {
    ok = FALSE;
  }
  if (!message.IsEmpty()) ShowLibraryMessage(message);
  m_pPrint->ClearPackFiles();
  m_pPrint->SetPathName(ToUtf8(previousPath).c_str());
  return ok;
}
