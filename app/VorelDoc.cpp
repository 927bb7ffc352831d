#include "app/VorelDoc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "app/DocView.h"
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
#include "xmlformat/SheetWriter.h"

namespace {

constexpr char16_t kReadFailed[] = u"ファイルの読込に失敗しました。";
constexpr char16_t kSaveFailed[] = u"ファイルの保存に失敗しました。";
constexpr char16_t kNewFailed[] = u"空のプリント作成に失敗しました。";
constexpr char16_t kOpenFailed[] = u"ファイルを開けませんでした。";
constexpr char16_t kUntitled[] = u"無題";
constexpr char kDefaultExt[] = "qvf";

CStringW FromUtf8(const std::string& text) { return CStringW(QString::fromStdString(text).toStdU16String()); }

// The default font of the sheet's direction for every child of a question sentence.
void ApplySheetDefaultFonts(CEditPrint& print) {
  LOGFONTA lf{};
  GetDefaultFont(&lf, print.m_nReserved0 != 0);
  lf.lfHeight = -std::abs(GetDefaultHeight());
  for (CQVXMLNode* child : print.m_arrChildren) {
    if (!child || child->m_nType != NTYPE_EDITSENTENCE) break;
    auto* sentence = static_cast<CEditNode*>(child);
    sentence->SetLogFont(lf, nullptr);
    for (CQVXMLNode* grandchild : sentence->m_arrChildren) {
      auto* node = dynamic_cast<CEditNode*>(grandchild);
      if (!node) break;
      node->SetLogFont(lf, nullptr);
    }
  }
}

// The package or plain file that is being read: its first four bytes decide.
enum class FileKind { Unreadable, TooShort, Package, PlainXml };

FileKind ProbeFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return FileKind::Unreadable;
  if (file.size() < 5) return FileKind::TooShort;
  QByteArray head = file.read(4);
  if (head.size() < 4) return FileKind::TooShort;
  return head == "MSCF" ? FileKind::Package : FileKind::PlainXml;
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
    if (!CSheetReader(this).LoadDefaultPrint(m_pPrint.get(), TRUE)) {
      m_pPrint.reset();
      return FALSE;
    }
    ApplySheetDefaultFonts(*m_pPrint);
    return TRUE;
  } catch (...) {
    m_pPrint.reset();
    return FALSE;
  }
}

BOOL CVorelDoc::OpenDocument(const std::string& path) {
  m_bModified = TRUE;
  const FileKind kind = ProbeFile(path);
  if (kind == FileKind::Unreadable || kind == FileKind::TooShort) {
    ShowLibraryMessage(kind == FileKind::Unreadable ? kOpenFailed : kReadFailed);
    OnNewDocument();
    return FALSE;
  }
  m_bModified = FALSE;
  DeleteContents();
  m_bCabinet = kind == FileKind::Package;
  if (ReadPrintFile(path, m_bCabinet)) {
    m_strPathName = path;
    m_bModified = FALSE;
    return TRUE;
  }
  ShowLibraryMessage(kReadFailed);
  // A partly read sheet is never kept under the file's name, where Save would write it.
  OnNewDocument();
  return FALSE;
}

BOOL CVorelDoc::ReadPrintFile(const std::string& path, BOOL bPacked) {
  m_pPrint = std::make_unique<CEditPrint>();
  CSheetReader reader(this);
  BOOL ok = FALSE;
  try {
    if (bPacked) {
      CTempFolder temp;
      std::string first;
      if (!temp.IsValid()) return FALSE;
      if (ExtractCabinet(path, temp.GetPath(), &first) && !first.empty())
        ok = reader.LoadXmlFile(m_pPrint.get(), first.c_str());
      m_pPrint->DeleteExtractedFiles();
    } else {
      ok = reader.LoadXmlFile(m_pPrint.get(), path.c_str());
    }
  } catch (...) {
    ok = FALSE;
  }
  for (const CStringW& message : reader.GetMessages()) ShowLibraryMessage(message);
  for (const CStringW& warning : reader.GetWarnings()) ShowLibraryMessage(warning);
  if (!ok) return FALSE;
  m_bHasSearchInfo = reader.HasSearchInfo();
  if (CVorelApp* app = GetVorelApp()) app->m_bHasSearchInfo = m_bHasSearchInfo;
  return TRUE;
}

BOOL CVorelDoc::WritePrintFile(const std::string& path) {
  if (!m_pPrint) return FALSE;
  CStringW message;
  BOOL ok = WriteSheetXml(m_pPrint.get(), path.c_str(), &message);
  if (!message.IsEmpty()) ShowLibraryMessage(message);
  return ok;
}

BOOL CVorelDoc::OnSaveDocument(const std::string& path) {
  if (WriteAtomically(path)) {
    m_bModified = FALSE;
    return TRUE;
  }
  ShowLibraryMessage(kSaveFailed);
  return FALSE;
}

// Everything is written into a private folder beside the target under the target's own file
// title, then moved over the target: a failure leaves the old file as it was.
BOOL CVorelDoc::WriteAtomically(const std::string& path) {
  if (!m_pPrint || path.empty()) return FALSE;
  const QFileInfo target(QString::fromStdString(path));
  CTempFolder temp(target.absolutePath().toStdString());
  if (!temp.IsValid()) return FALSE;
  const QDir tempDir(QString::fromStdString(temp.GetPath()));
  const std::string xmlPath = tempDir.filePath(target.completeBaseName() + (m_bCabinet ? ".qvp" : "." + target.suffix())).toStdString();
  if (!WritePrintFile(xmlPath)) return FALSE;
  std::vector<std::string> moved;
  if (m_bCabinet) {
    std::vector<std::string> files{xmlPath};
    files.insert(files.end(), m_pPrint->m_arrPackFiles.begin(), m_pPrint->m_arrPackFiles.end());
    const std::string packed = target.fileName().toStdString() + ".new";
    if (!PackCabinet(files, temp.GetPath(), packed)) return FALSE;
    moved.push_back(tempDir.filePath(QString::fromStdString(packed)).toStdString());
  } else {
    moved = m_pPrint->m_arrPackFiles;
    moved.push_back(xmlPath);
  }
  // Side files first, the sheet XML or package last, each replacing its namesake.
  for (const std::string& file : moved) {
    const QString from = QString::fromStdString(file);
    const QString to = file == moved.back() ? target.absoluteFilePath()
                                            : target.absoluteDir().filePath(QFileInfo(from).fileName());
    if (std::rename(from.toLocal8Bit().constData(), to.toLocal8Bit().constData()) != 0) return FALSE;
  }
  m_pPrint->SetPathName(target.absoluteFilePath().toStdString().c_str());
  m_pPrint->ClearPackFiles();
  return TRUE;
}

BOOL CVorelDoc::DoSave(BOOL bAskPath) {
  std::string path = m_strPathName;
  if (bAskPath || path.empty()) {
    const CStringW initial = path.empty() ? CStringW(kUntitled) + u"." + CStringW(kDefaultExt) : FromUtf8(path);
    const std::vector<FILE_FILTER> filters{{u"プリントファイル(*.qvf)", u"*.qvf"}, {u"すべてのファイル(*.*)", u"*.*"}};
    int nFilter = 0;
    if (!m_pMessages || !m_pMessages->AskSavePath(u"名前を付けて保存", initial, filters, &path, &nFilter)) return FALSE;
    m_bCabinet = TRUE;
  }
  if (!OnSaveDocument(path)) return FALSE;
  SetPathName(path);
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
