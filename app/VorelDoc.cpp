#include "app/VorelDoc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "app/DocView.h"
#include "app/FileFailureText.h"
#include "app/MessageService.h"
#include "app/VorelApp.h"
#include "app/VorelCntrItem.h"
#include "elements/EditKan.h"
#include "elements/EditObject.h"
#include "elements/EditPrint.h"
#include "model/DefaultFonts.h"
#include "model/NodeTypes.h"
#include "model/UndoGroup.h"
#include "platform/Cabinet.h"
#include "platform/TempFolder.h"
#include "resources/Resource.h"
#include "xmlformat/SheetReader.h"

namespace {

constexpr char16_t kReadFailed[] = u"ファイルの読込に失敗しました。";
constexpr char16_t kNewFailed[] = u"空のプリント作成に失敗しました。";
constexpr char16_t kOpenFailed[] = u"ファイルを開けませんでした。";
constexpr char16_t kTooShort[] = u"ファイルが短すぎます";
constexpr char16_t kNotRegular[] = u"通常のファイルではありません";

// The default font of the sheet's direction for every child of a question sentence.
void ApplySheetDefaultFonts(CEditPrint& print) {
  LOGFONTA lf{};
  GetDefaultFont(&lf, print.m_nReserved0 != 0);
  lf.lfHeight = -std::abs(GetDefaultHeight());
  for (CQVXMLNode* child : print.m_arrChildren) {
    if (!child) break;
    if (child->m_nType != NTYPE_EDITSENTENCE) continue;
    auto* sentence = static_cast<CEditNode*>(child);
    sentence->SetLogFont(lf, nullptr);
    for (CQVXMLNode* grandchild : sentence->m_arrChildren) {
      auto* node = dynamic_cast<CEditNode*>(grandchild);
      if (!node) break;
      node->SetLogFont(lf, nullptr);
    }
  }
}

// What the first four bytes of the file say it is, or why it cannot be opened or read.
enum class FileKind { Unopenable, Unreadable, Package, PlainXml };

struct FILE_PROBE {
  FileKind kind;
  CStringW reason;
};

// Only a regular file is read: a pipe or a device would never end, and opening one without
// waiting shows which it is.
FILE_PROBE ProbeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {FileKind::Unopenable, FileErrorReason(errno)};
  FILE_PROBE probe{FileKind::Unreadable, kTooShort};
  struct stat status {};
  char head[4] = {};
  if (::fstat(fd, &status) != 0) {
    probe = {FileKind::Unopenable, FileErrorReason(errno)};
  } else if (S_ISDIR(status.st_mode)) {
    probe = {FileKind::Unopenable, FileErrorReason(EISDIR)};
  } else if (!S_ISREG(status.st_mode)) {
    probe = {FileKind::Unopenable, kNotRegular};
  } else if (status.st_size >= 5) {
    const ssize_t count = ::read(fd, head, sizeof head);
    if (count < 0) probe.reason = FileErrorReason(errno);
    if (count == ssize_t(sizeof head))
      probe = {std::memcmp(head, "MSCF", 4) == 0 ? FileKind::Package : FileKind::PlainXml, CStringW()};
  }
  ::close(fd);
  return probe;
}

}  // namespace

CVorelDoc::CVorelDoc(CMessageService* pMessages) : m_pMessages(pMessages) {}

CVorelDoc::~CVorelDoc() { DeleteRoot(); }

void CVorelDoc::AddView(CDocView* pView) {
  if (pView && std::find(m_views.begin(), m_views.end(), pView) == m_views.end()) m_views.push_back(pView);
}

void CVorelDoc::RemoveView(CDocView* pView) { std::erase(m_views, pView); }

CStringW CVorelDoc::GetTitle() const {
  if (m_strPathName.empty()) return kUntitled;
  return CStringW(QFileInfo(QString::fromStdString(m_strPathName)).fileName().toStdU16String());
}

void CVorelDoc::SetPathName(const std::string& path, BOOL bAddToMRU) {
  m_strPathName = path;
  CVorelApp* app = GetVorelApp();
  if (bAddToMRU && !path.empty() && app && app->m_nCmdLineFlags != CMDLINE_OPEN_AS_NEW) app->AddToRecentFileList(path);
}

BOOL CVorelDoc::OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) {
  static constexpr CMD_MAP_ENTRY<CVorelDoc> kMap[] = {
      MapCommand(ID_FILE_SAVE, &CVorelDoc::OnFileSave),
      MapCommand(ID_FILE_SAVE_AS, &CVorelDoc::OnFileSaveAs),
      MapCommand(ID_FILE_SAVE_HTML, &CVorelDoc::OnFileSaveHtml),
      MapUpdate(ID_FILE_SAVE_HTML, &CVorelDoc::OnUpdateFileSaveHtml),
  };
  return DispatchCmdMsg<CVorelDoc>(this, kMap, nID, nCode, pCmdUI);
}

void CVorelDoc::OnFileSave() { DoSave(FALSE); }

void CVorelDoc::OnFileSaveAs() { DoSave(TRUE); }

BOOL CVorelDoc::ExportToWord(UINT, const std::string&) {
  if (CVorelApp* app = GetVorelApp()) app->m_nExitCode = 10;
  return FALSE;
}

BOOL CVorelDoc::ExportToIchitaro(UINT, const std::string&) {
  if (CVorelApp* app = GetVorelApp()) app->m_nExitCode = 20;
  return FALSE;
}

void CVorelDoc::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
  for (CDocView* view : m_views)
    if (view != pSender) view->OnUpdate(pSender, lHint, pHint);
}

void CVorelDoc::DeleteContents() {
  m_history.ClearUndo(m_pPrint.get());
  DeleteRoot();
  UpdateAllViews(nullptr, 2);
}

void CVorelDoc::DeleteRoot() {
  m_history.ClearUndo(m_pPrint.get());
  m_pPrint.reset();
  m_bCabinet = TRUE;
}

BOOL CVorelDoc::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  m_bModified = FALSE;
  if (NewEmptySheet()) return TRUE;
  ShowLibraryMessage(kNewFailed);
  return FALSE;
}

BOOL CVorelDoc::NewEmptySheet() {
  try {
    m_pPrint = std::make_unique<CEditPrint>();
    CSheetReader reader(this);
    if (!reader.LoadDefaultPrint(m_pPrint.get(), TRUE)) {
      m_pPrint.reset();
      return FALSE;
    }
    SetSearchInfo(reader.HasSearchInfo());
    ApplySheetDefaultFonts(*m_pPrint);
    return TRUE;
  } catch (...) {
    m_pPrint.reset();
    return FALSE;
  }
}

// The file is read into a root of its own; the open sheet goes only when that read succeeded.
BOOL CVorelDoc::OpenDocument(const std::string& path) {
  const FILE_PROBE probe = ProbeFile(path);
  if (probe.kind == FileKind::Unopenable || probe.kind == FileKind::Unreadable) {
    ShowLibraryMessage(
        FileFailureText(probe.kind == FileKind::Unopenable ? kOpenFailed : kReadFailed, path, probe.reason));
    return FALSE;
  }
  const BOOL bPacked = probe.kind == FileKind::Package;
  std::vector<CStringW> messages;
  std::unique_ptr<CEditPrint> print = ReadPrintFile(path, bPacked, &messages);
  for (const CStringW& message : messages) ShowLibraryMessage(message);
  if (!print) {
    ShowLibraryMessage(FileFailureText(kReadFailed, path));
    return FALSE;
  }
  m_bModified = FALSE;
  DeleteContents();
  m_pPrint = std::move(print);
  m_bCabinet = bPacked;
  m_strPathName = path;
  // Opened as a new sheet, it lives in memory only; a package's extracted files are gone already.
  const CVorelApp* app = GetVorelApp();
  if (app && app->m_nCmdLineFlags == CMDLINE_OPEN_AS_NEW && !m_bCabinet) {
    m_pPrint->DeleteExtractedFiles();
    ::unlink(path.c_str());
  }
  return TRUE;
}

// A package is extracted whole into a private folder, which goes with everything in it. The
// reader's own messages name the file.
std::unique_ptr<CEditPrint> CVorelDoc::ReadPrintFile(const std::string& path, BOOL bPacked,
                                                     std::vector<CStringW>* pMessages) {
  auto print = std::make_unique<CEditPrint>();
  CSheetReader reader(this);
  BOOL ok = FALSE;
  try {
    if (bPacked) {
      CTempFolder temp;
      std::string first;
      if (temp.IsValid() && ExtractCabinet(path, temp.GetPath(), &first) && !first.empty())
        ok = reader.LoadXmlFile(print.get(), first.c_str());
      print->DeleteExtractedFiles();
    } else {
      ok = reader.LoadXmlFile(print.get(), path.c_str());
    }
  } catch (...) {
    ok = FALSE;
  }
  if (pMessages) {
    for (const CStringW& message : reader.GetMessages()) pMessages->push_back(FileFailureText(message, path));
    pMessages->insert(pMessages->end(), reader.GetWarnings().begin(), reader.GetWarnings().end());
  }
  if (!ok) return nullptr;
  SetSearchInfo(reader.HasSearchInfo());
  return print;
}

void CVorelDoc::SetSearchInfo(BOOL bHasSearchInfo) {
  m_bHasSearchInfo = bHasSearchInfo;
  if (CVorelApp* app = GetVorelApp()) app->m_bHasSearchInfo = bHasSearchInfo;
}

void CVorelDoc::SetNameFieldOnPage(int nPage, int nValue) {
  if (m_pPrint) m_pPrint->SetNameFieldPage(nPage, nValue);
}

void CVorelDoc::SetKanbunHyphen(CEditNode* pKanbunBlock, int bHyphen) {
  if (auto* kan = dynamic_cast<CEditKan*>(pKanbunBlock)) kan->m_bHyphen = bHyphen;
}

CEditNode* CVorelDoc::CreateObjectNode(CArchive& ar, const CStringW& path, int nWidth, int nHeight) {
  auto node = std::make_unique<CEditObject>();
  auto* item = new CVorelCntrItem(this);
  node->SetItem(item);
  item->Serialize(ar);
  node->m_rcInk = RECT{0, 0, nWidth, nHeight};
  node->m_strDataFile = QString::fromStdU16String(path.str()).toStdString();
  return node.release();
}

void CVorelDoc::ShowLibraryMessage(const CStringW& text) {
  if (m_pMessages) m_pMessages->ShowMessage(text, kLibraryCaption, MB_BUTTONS_OK, MB_ICON_EXCLAMATION);
}
