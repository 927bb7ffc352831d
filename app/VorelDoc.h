#pragma once
// The one document of the program: a question sheet under its sheet root, with its undo
// history and embedded objects. It makes new sheets, opens sheet packages and plain sheet XML,
// saves them and asks before unsaved work is lost. A failed open or save never costs the file
// on disk.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/SheetConverter.h"
#include "app/UndoHistory.h"
#include "model/DocumentServices.h"
#include "platform/OleDocument.h"
#include "ui/CmdTarget.h"
#include "xmlformat/FoItemFactory.h"

class CDocView;
class CEditPrint;
class CMessageService;

class CVorelDoc : public COleDocument, public CDocumentServices, public CFoItemFactory, public CCmdTarget {
 public:
  static constexpr char16_t kUntitled[] = u"無題";
  static constexpr char16_t kDefaultExt[] = u"qvf";

  explicit CVorelDoc(CMessageService* pMessages);
  ~CVorelDoc() override;

  CEditPrint* GetPrint() const { return m_pPrint.get(); }
  CMessageService* GetMessageService() const { return m_pMessages; }
  CUndoHistory& GetHistory() { return m_history; }
  CDocView* GetView() const { return m_views.empty() ? nullptr : m_views.front(); }
  void AddView(CDocView* pView);
  void RemoveView(CDocView* pView);

  const std::string& GetPathName() const { return m_strPathName; }
  // The file title, or "無題" for a sheet never saved.
  CStringW GetTitle() const;
  // A named sheet goes to the recent-file list, except while the command line opens a file
  // as a new sheet.
  void SetPathName(const std::string& path, BOOL bAddToMRU = TRUE);
  BOOL IsModified() const { return m_bModified; }
  void SetModifiedFlag(BOOL bModified = TRUE) override { m_bModified = bModified; }
  BOOL IsCabinet() const { return m_bCabinet; }
  // After the last good read: whether the sheet carries a question-search program id.
  BOOL HasSearchInfo() const { return m_bHasSearchInfo; }

  void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr) override;

  void DeleteContents();
  void DeleteRoot();
  BOOL OnNewDocument();
  // A file that cannot be read leaves the open sheet as it was, with its path, modified flag
  // and undo history; FALSE tells the caller.
  // While the command line opens a file as a new sheet ("k1"), a plain sheet XML file and the
  // side files it named are deleted after a good read; a package is kept.
  BOOL OpenDocument(const std::string& path);
  BOOL OnSaveDocument(const std::string& path);
  // Save (with the current path) or Save As (bAskPath); TRUE when the sheet was written or
  // exported.
  BOOL DoSave(BOOL bAskPath);
  // The save question; FALSE when the user cancelled or the save failed.
  BOOL SaveModified();

  BOOL OnCmdMsg(UINT nID, CmdCode nCode, CCmdUI* pCmdUI) override;
  void OnFileSave();
  void OnFileSaveAs();
  // Save as HTML; enabled while CanExport(EXPORT_HTML).
  void OnFileSaveHtml();
  void OnUpdateFileSaveHtml(CCmdUI* pCmdUI);

  // Without a converter a format is neither offered nor exported.
  void SetConverter(EXPORT_FORMAT format, std::unique_ptr<CSheetConverter> pConverter);
  BOOL CanExport(EXPORT_FORMAT format) const;
  // The sheet converted into the file at path; the converter's result. Path, modified flag
  // and save format stay as they were.
  BOOL ExportHtml(const std::string& path) { return Export(EXPORT_HTML, path); }
  BOOL ExportText(const std::string& path) { return Export(EXPORT_TEXT, path); }

  // The conversions for the word processors. Neither is installed on this platform, so both
  // fail and set the exit code of a command-line conversion: 10 for Word, 20 for Ichitaro.
  BOOL ExportToWord(UINT nFlags, const std::string& path);
  BOOL ExportToIchitaro(UINT nFlags, const std::string& path);

  // A new root filled from the file, null when it cannot be read; the reader's messages are
  // added to *pMessages.
  std::unique_ptr<CEditPrint> ReadPrintFile(const std::string& path, BOOL bPacked,
                                            std::vector<CStringW>* pMessages = nullptr);
  // *pMessage gets the text a failure brought for the user, empty when it brought none;
  // *pReason why the write failed, empty when nothing tells.
  BOOL WritePrintFile(const std::string& path, CStringW* pMessage = nullptr, CStringW* pReason = nullptr);

  // The document model's services.
  int PushUndo(CUndoGroup* pGroup) override { return m_history.PushUndo(pGroup); }
  void AddPendingDelete(CEditNode* pNode) override { m_history.AddPendingDelete(pNode); }
  void RemovePendingDelete(CEditNode* pNode) override { m_history.RemovePendingDelete(pNode); }
  void SetNameFieldOnPage(int nPage, int nValue) override;
  void SetKanbunHyphen(CEditNode* pKanbunBlock, int bHyphen) override;

  CEditNode* CreateObjectNode(CArchive& ar, const CStringW& path, int nWidth, int nHeight) override;

 protected:
  // The package of the files at folder/name.
  virtual BOOL PackFiles(const std::vector<std::string>& files, const std::string& folder, const std::string& name);
  // Renames the file over another; 0 or the errno of the failure.
  virtual int RenameFile(const std::string& from, const std::string& to);

 private:
  enum class SaveFormat { Package, Html, Text, AllFiles };

  BOOL NewEmptySheet();
  // The reader's search flag, for the question search.
  void SetSearchInfo(BOOL bHasSearchInfo);
  BOOL WriteAtomically(const std::string& path, CStringW* pMessage, CStringW* pReason);
  BOOL MoveBeside(const std::vector<std::filesystem::path>& files, const std::filesystem::path& target,
                  CStringW* pReason);
  BOOL AskSavePath(std::string* pPath, SaveFormat* pFormat);
  BOOL Export(EXPORT_FORMAT format, const std::string& path);
  void ShowLibraryMessage(const CStringW& text);

  CMessageService* m_pMessages;
  std::unique_ptr<CEditPrint> m_pPrint;
  CUndoHistory m_history;
  std::vector<CDocView*> m_views;
  std::string m_strPathName;
  BOOL m_bModified = FALSE;
  BOOL m_bCabinet = TRUE;
  BOOL m_bHasSearchInfo = FALSE;
  std::unique_ptr<CSheetConverter> m_pConverters[2];
};
