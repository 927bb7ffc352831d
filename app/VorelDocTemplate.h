#pragma once
// The program's one document template: one document, its frame and its view. The first open
// makes all three; later ones reuse the document after the save question.

#include <memory>
#include <string>

#include "model/StringW.h"
#include "platform/WinTypes.h"

class CFrameHost;
class CMainFrame;
class CMessageService;
class CViewCommands;
class CVorelDoc;
class CVorelView;

class CVorelDocTemplate {
 public:
  enum Confidence {
    noAttempt,
    maybeAttemptForeign,
    maybeAttemptNative,
    yesAttemptForeign,
    yesAttemptNative,
    yesAlreadyOpen,
  };
  // The fields of the document string, separated by "\n".
  enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

  CVorelDocTemplate(UINT nIDResource, CMessageService* pMessages, CFrameHost* pHost);
  ~CVorelDocTemplate();

  void SetContainerInfo(UINT nIDOleInPlaceContainer) { m_nIDContainerResource = nIDOleInPlaceContainer; }
  CStringW GetDocString(DocStringIndex index) const;
  // Native for the filter's extension, foreign for anything else: every file goes to the
  // document's own open, and no document is ever reported as open already.
  Confidence MatchDocType(const std::string& path, CVorelDoc** ppMatchedDoc) const;

  // A new sheet for an empty path, else the file. Null when the save question was cancelled
  // or the sheet could not be made or read; a failure on the first open takes the frame down
  // again, a later one leaves the open sheet.
  CVorelDoc* OpenDocumentFile(const std::string& path);

  CVorelDoc* GetDocument() const { return m_pDoc.get(); }
  CMainFrame* GetFrame() const { return m_pFrame.get(); }
  CVorelView* GetView() const { return m_pView; }

 private:
  void CreateFrame();
  void DestroyFrame();
  void InitialUpdateFrame();

  UINT m_nIDResource;
  UINT m_nIDContainerResource = 0;
  CMessageService* m_pMessages;
  CFrameHost* m_pHost;
  std::unique_ptr<CVorelDoc> m_pDoc;
  std::unique_ptr<CMainFrame> m_pFrame;
  CVorelView* m_pView = nullptr;  // owned by the frame
  std::unique_ptr<CViewCommands> m_pViewCommands;
};
